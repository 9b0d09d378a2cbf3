#include "ui/win32/ListHotRow.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

TListThemeFacts ReadListThemeFacts(HWND list) {
  TListThemeFacts facts;
  if (!list) return facts;
  facts.commonControls6 = ::SendMessageW(list, CCM_GETVERSION, 0, 0) >= 6;
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
