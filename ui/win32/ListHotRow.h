// Who lights the row under the mouse in the report list: the list's theme or this
// program.
//
// A list view draws a hot row of its own only when it draws its items through a visual
// style: version 6 of the common controls (the manifest's), visual styles on for the
// system and the program (IsThemeActive, IsAppThemed), a theme open on the list, and in
// that theme the list-item part (LVP_LISTITEM), whose states include LISS_HOT. The
// explorer sub-theme given with SetWindowTheme(list, L"Explorer", nullptr) has that part
// and the list then lights the row under the mouse without LVS_EX_TRACKSELECT, a style
// that would also select on hovering and open on one click. IsThemePartDefined ignores
// its state argument (it must be 0), so the part stands for its states.
#pragma once

#include <windows.h>

struct TListThemeFacts {
  bool commonControls6 = false;  // the list's common controls are version 6 or later
  bool visualStyles = false;     // IsAppThemed() && IsThemeActive()
  bool listTheme = false;        // GetWindowTheme(list) is not null
  bool listItemPart = false;     // IsThemePartDefined(theme, LVP_LISTITEM, 0)
  bool operator==(const TListThemeFacts&) const = default;
};

// What the list and the system say now.
TListThemeFacts ReadListThemeFacts(HWND list);

// Whether the list's theme draws the row under the mouse.
bool ThemeDrawsHotRow(const TListThemeFacts& facts);

// Whether this program lights it: wherever the theme does not, and always in high
// contrast, where the scheme's highlight pair must be used rather than any colour a theme
// brings.
bool ProgramDrawsHotRow(const TListThemeFacts& facts, bool highContrast);
