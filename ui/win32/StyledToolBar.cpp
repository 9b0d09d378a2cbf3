#include "ui/win32/StyledToolBar.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/win32/StyledButton.h"

TStyledToolButton::TStyledToolButton(TComponent* owner, std::wstring name, TStyledToolBar* toolBar)
    : TCaptionedComponent(owner, std::move(name)), toolBar_(toolBar) {}

void TStyledToolButton::SetDown(bool down) {
  down_ = down;
  CaptionChanged();
}

void TStyledToolButton::CaptionChanged() {
  if (toolBar_ && toolBar_->Handle()) ::InvalidateRect(toolBar_->Handle(), nullptr, FALSE);
}

TStyledToolBar::TStyledToolBar(TComponent* owner, std::wstring name, HWND parent,
                               const std::wstring& family, const std::wstring& appearance,
                               int buttonWidth, int buttonHeight, int radius)
    : TControl(owner, std::move(name)), buttonWidth_(buttonWidth), buttonHeight_(buttonHeight) {
  if (auto styles = FindButtonStyleFamily(family)) {
    styles->FillAttributes(family, L"Primary", appearance, normal_, pressed_, selected_, hot_,
                           disabled_);
  }
  for (TStyledButtonAttributes* look : {&normal_, &pressed_, &selected_, &hot_, &disabled_}) {
    look->Radius = radius;
  }
  height96_ = buttonHeight;
  CreateOwnWindow(L"OrvaneToolBar", 0, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr);
  dpi_ = DpiOfWindow(Handle());
}

void TStyledToolBar::DpiChanged(UINT dpi) {
  dpi_ = dpi;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

TStyledToolButton* TStyledToolBar::AddButton(std::wstring name, std::wstring caption) {
  TComponent* owner = Owner() ? Owner() : this;
  auto* button = owner->Create<TStyledToolButton>(std::move(name), this);
  buttons_.push_back(button);
  button->SetCaption(caption);
  return button;
}

RECT TStyledToolBar::ButtonRect(int index) const {
  const int width = ScaleForDpi(buttonWidth_, dpi_);
  const int left = index * width;
  return RECT{left, 0, left + width, ScaleForDpi(buttonHeight_, dpi_)};
}

void TStyledToolBar::SetFont(HFONT font) {
  font_ = font;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

int TStyledToolBar::ButtonAt(POINT point) const {
  for (int index = 0; index < ButtonCount(); ++index) {
    const RECT rect = ButtonRect(index);
    if (::PtInRect(&rect, point)) return index;
  }
  return -1;
}

void TStyledToolBar::SetHot(int index) {
  if (index == hotIndex_) return;
  hotIndex_ = index;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TStyledToolBar::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const COLORREF background = ::GetSysColor(COLOR_WINDOW);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
  for (int index = 0; index < ButtonCount(); ++index) {
    const TStyledToolButton* button = Button(index);
    const TStyledButtonAttributes* look = &normal_;
    if (!::IsWindowEnabled(Handle())) {
      look = &disabled_;
    } else if (button->Down() || index == pressing_) {
      look = &pressed_;
    } else if (index == hotIndex_) {
      look = &hot_;
    }
    DrawStyledFace(dc, ButtonRect(index), *look, dpi_, font_, button->Caption(), background);
  }
}

LRESULT TStyledToolBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(Handle(), [this](HDC dc, const RECT&) { Paint(dc); });
      return 0;
    case WM_MOUSEMOVE: {
      // Windows says when the mouse leaves only when asked, once per entry.
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
      ::TrackMouseEvent(&track);
      SetHot(ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
      return 0;
    }
    case WM_MOUSELEAVE:
      SetHot(-1);
      return 0;
    case WM_LBUTTONDOWN:
      pressing_ = ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (pressing_ >= 0) ::SetCapture(Handle());
      ::InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      const int pressed = pressing_;
      pressing_ = -1;
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      ::InvalidateRect(Handle(), nullptr, FALSE);
      if (pressed >= 0 && pressed == ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        if (auto& click = Button(pressed)->OnClick) click();
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressing_ = -1;
      ::InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    default:
      return TControl::HandleMessage(message, wParam, lParam);
  }
}
