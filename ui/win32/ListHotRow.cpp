#include "ui/win32/ListHotRow.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <uxtheme.h>
#include <vssym32.h>

namespace {

// The version of the common controls that made this list: the module that registered its
// class, the one the program's manifest chose. CCM_GETVERSION will not do: it answers
// what CCM_SETVERSION last set, 0 if nothing did.
DWORD CommonControlsMajorVersion(HWND list) {
  const auto module = reinterpret_cast<HMODULE>(::GetClassLongPtrW(list, GCLP_HMODULE));
  if (!module) return 0;
  const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(::GetProcAddress(module, "DllGetVersion")));
  DLLVERSIONINFO info{};
  info.cbSize = sizeof info;
  if (!getVersion || FAILED(getVersion(&info))) return 0;
  return info.dwMajorVersion;
}

}  // namespace

TListThemeFacts ReadListThemeFacts(HWND list) {
  TListThemeFacts facts;
  if (!list) return facts;
  facts.commonControls6 = CommonControlsMajorVersion(list) >= 6;
  facts.visualStyles = ::IsAppThemed() && ::IsThemeActive();
  // The handle the list itself opened; it stays the list's, nothing to close here.
  if (HTHEME theme = ::GetWindowTheme(list)) {
    facts.listTheme = true;
    facts.listItemPart = ::IsThemePartDefined(theme, LVP_LISTITEM, 0) != FALSE;
  }
  return facts;
}

bool ThemeDrawsHotRow(const TListThemeFacts& facts) {
  return facts.commonControls6 && facts.visualStyles && facts.listTheme && facts.listItemPart;
}

bool ProgramDrawsHotRow(const TListThemeFacts& facts, bool highContrast) {
  return highContrast || !ThemeDrawsHotRow(facts);
}
