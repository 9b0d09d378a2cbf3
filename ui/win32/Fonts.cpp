#include "ui/win32/Fonts.h"

#include <stdexcept>
#include <string>

#include "ui/win32/Window.h"

namespace {

// A system font setting as it would be at dpi. The per-dpi variant exists from Windows 10
// 1607; before it the settings are those of the system's one resolution and are scaled
// from there. False when the system does not answer at all.
bool SystemSettingAt(UINT action, UINT size, void* data, UINT dpi, LONG& height) {
  using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = reinterpret_cast<ForDpiFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  if (forDpi && forDpi(action, size, data, 0, dpi)) return true;
  if (!::SystemParametersInfoW(action, size, data, 0)) return false;
  const TWindowDc screen(nullptr);
  const int systemDpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  height = ::MulDiv(height, static_cast<int>(dpi), systemDpi > 0 ? systemDpi : 96);
  return true;
}

// Nothing to ask: a 9-point face every Windows has, at this resolution.
LOGFONTW FallbackFontAt(UINT dpi) {
  LOGFONTW fallback{};
  fallback.lfHeight = -ScaleForDpi(12, dpi);
  fallback.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(fallback.lfFaceName, L"Segoe UI", LF_FACESIZE);
  return fallback;
}

}  // namespace

LOGFONTW MessageFontAt(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemSettingAt(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, dpi,
                       metrics.lfMessageFont.lfHeight)) {
    return FallbackFontAt(dpi);
  }
  return metrics.lfMessageFont;
}

LOGFONTW IconTitleFontAt(UINT dpi) {
  LOGFONTW font{};
  if (!SystemSettingAt(SPI_GETICONTITLELOGFONT, sizeof font, &font, dpi, font.lfHeight)) {
    return FallbackFontAt(dpi);
  }
  return font;
}

UniqueFont CreateFontFrom(const LOGFONTW& description) {
  UniqueFont font(::CreateFontIndirectW(&description));
  if (!font) throw std::runtime_error("CreateFontIndirectW failed");
  return font;
}

int LineHeightOf(HFONT font) {
  const TWindowDc dc(nullptr);
  const TSelectedObject selected(dc.get(), font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight;
}

SIZE MeasureText(HFONT font, const std::wstring& text, UINT format, int maxWidth) {
  const TWindowDc dc(nullptr);
  const TSelectedObject selected(dc.get(), font);
  RECT rect{0, 0, maxWidth, 0};
  // An empty text still takes one line's height, as a control showing it does.
  const std::wstring measured = text.empty() ? std::wstring(L" ") : text;
  ::DrawTextW(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &rect,
              format | DT_CALCRECT);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}
