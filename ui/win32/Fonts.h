// The system's interface fonts at a window's resolution. Dialogs use the message font
// the user chose in the display settings (Segoe UI on current systems), which also
// carries the font links that make Korean, Japanese and Chinese render.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Win32Handles.h"

// The system's message font as it would be at dpi.
LOGFONTW MessageFontAt(UINT dpi);
// The system's icon-title font (the "desktop font" a window can be set to use) at dpi.
LOGFONTW IconTitleFontAt(UINT dpi);
// A font made from a description; throws when GDI cannot make it.
UniqueFont CreateFontFrom(const LOGFONTW& description);
// Height in pixels of one line of text in the font.
int LineHeightOf(HFONT font);
// The extent of text drawn with the font as DrawTextW lays it out (format flags such as
// DT_WORDBREAK or DT_SINGLELINE; DT_CALCRECT is added), wrapped at maxWidth if asked.
SIZE MeasureText(HFONT font, const std::wstring& text, UINT format, int maxWidth);
