#include "ui/win32/Label.h"

#include "ui/win32/Fonts.h"

TLabel::TLabel(TComponent* owner, std::wstring name, HWND parent, const std::wstring& caption)
    : TControl(owner, std::move(name)),
      fontColor_(::GetSysColor(COLOR_WINDOWTEXT)),
      color_(::GetSysColor(COLOR_WINDOW)) {
  // SS_NOTIFY: a static control tells its parent of clicks only when asked to.
  // SS_NOPREFIX: an ampersand in a server's text is a character, not a mnemonic.
  CreateControl(L"STATIC", caption.c_str(), 0, WS_CHILD | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, 0,
                0, 0, parent);
  brush_.reset(::CreateSolidBrush(color_));
}

std::wstring TLabel::Caption() const { return WindowText(Handle()); }

void TLabel::SetCaption(const std::wstring& caption) {
  ::SetWindowTextW(Handle(), caption.c_str());
}

void TLabel::SetFont(const LOGFONTW& font) {
  description_ = font;
  UniqueFont made = CreateFontFrom(description_);
  // The control draws with the new font before the old one is deleted.
  ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
  font_ = std::move(made);
}

void TLabel::SetUnderline(bool underline) {
  if (Underline() == underline && font_) return;
  LOGFONTW font = description_;
  font.lfUnderline = underline ? TRUE : FALSE;
  SetFont(font);
}

void TLabel::SetFontColor(COLORREF color) {
  fontColor_ = color;
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::SetColor(COLORREF color) {
  UniqueBrush brush(::CreateSolidBrush(color));
  if (!brush) return;  // keeps the colour it has
  color_ = color;
  brush_ = std::move(brush);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

SIZE TLabel::TextExtent(bool wordWrap, int maxWidth) const {
  HFONT font = font_ ? font_.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  const UINT format = DT_NOPREFIX | DT_EXPANDTABS | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  return MeasureText(font, Caption(), format, wordWrap ? maxWidth : 0);
}

void TLabel::AutoSize(int x, int y, bool wordWrap, int maxWidth) {
  const SIZE size = TextExtent(wordWrap, maxWidth);
  SetBounds(x, y, size.cx, size.cy);
}

bool TLabel::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_CTLCOLORSTATIC) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, fontColor_);
    ::SetBkColor(dc, color_);
    result = reinterpret_cast<LRESULT>(brush_.get());
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    if (OnClick) OnClick(this);
    result = 0;
    return true;
  }
  return false;
}

LRESULT TLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR && handCursor_) {
    ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
    return TRUE;
  }
  return TControl::HandleMessage(message, wParam, lParam);
}
