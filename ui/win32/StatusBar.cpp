#include "ui/win32/StatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/Fonts.h"

TStatusBar::TStatusBar(TComponent* owner, std::wstring name, HWND parent)
    : TControl(owner, std::move(name)), fontColor_(::GetSysColor(COLOR_BTNTEXT)) {
  height96_ = kHeight;
  fixedHeight_ = true;
  // The status bar and tooltip classes are registered on request; asking twice is harmless.
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&classes);
  // The form places the bar (aligned to its bottom): CCS_NOPARENTALIGN and CCS_NORESIZE
  // keep the control from moving itself to the parent's edge at its own height.
  CreateControl(STATUSCLASSNAMEW, L"", 0,
                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 0,
                kHeight, parent);
  MakeFont(DpiOfWindow(parent));
}

void TStatusBar::AddPanel(TStatusPanel panel) {
  panels_.push_back(std::move(panel));
  ApplyParts();
}

void TStatusBar::SetPanelText(int index, const std::wstring& text) {
  panels_.at(static_cast<size_t>(index)).Text = text;
  // Owner-drawn parts keep only a number in the control; the text stays with the panel,
  // and setting the part again repaints it.
  ::SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index) | SBT_OWNERDRAW,
                 static_cast<LPARAM>(index));
}

void TStatusBar::ApplyParts() {
  std::vector<int> edges;
  int right = 0;
  for (const TStatusPanel& panel : panels_) {
    right = panel.Width < 0 ? -1 : right + panel.Width;
    edges.push_back(right);
    if (right < 0) break;
  }
  ::SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int index = 0; index < static_cast<int>(edges.size()); ++index) {
    ::SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index) | SBT_OWNERDRAW,
                   static_cast<LPARAM>(index));
  }
}

void TStatusBar::SetTabStop(bool stop) {
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
  ::SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(stop ? style | WS_TABSTOP : style & ~WS_TABSTOP));
}

std::wstring TStatusBar::SpokenText() const {
  std::wstring text;
  for (const TStatusPanel& panel : panels_) {
    if (panel.Text.empty()) continue;
    if (!text.empty()) text += L' ';
    text += panel.Text;
  }
  return text;
}

void TStatusBar::SetFontBold(bool bold) {
  bold_ = bold;
  MakeFont(DpiOfWindow(Handle()));
}

void TStatusBar::MakeFont(UINT dpi) {
  LOGFONTW description = MessageFontAt(dpi);
  if (bold_) description.lfWeight = FW_BOLD;
  UniqueFont made = CreateFontFrom(description);
  ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), FALSE);
  font_ = std::move(made);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TStatusBar::DpiChanged(UINT dpi) { MakeFont(dpi); }

void TStatusBar::SetHint(const std::wstring& hint) {
  hint_ = hint;
  UpdateTooltip();
}

void TStatusBar::SetShowHint(bool show) {
  showHint_ = show;
  UpdateTooltip();
}

void TStatusBar::UpdateTooltip() {
  if (!showHint_) {
    tooltip_.reset();
    return;
  }
  // The status bar's own tooltips only speak for truncated or icon-only parts, so the
  // hint gets a tooltip control of its own, subclassing the bar to see the mouse.
  TOOLINFOW tool{};
  // The size before lpReserved: comctl32 5 (no manifest) refuses the larger structure.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(Handle());
  tool.uId = reinterpret_cast<UINT_PTR>(Handle());
  tool.lpszText = const_cast<wchar_t*>(hint_.c_str());
  if (!tooltip_) {
    tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     ::GetAncestor(Handle(), GA_ROOT), nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr));
    // Without a tooltip the link is still a click away; nothing else depends on it.
    if (!tooltip_) return;
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  ::SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool TStatusBar::HandleReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const auto index = static_cast<size_t>(item->itemID);
    if (OnDrawPanel && index < panels_.size()) {
      // The handler may select fonts and colours; the device context goes back as it came.
      const int saved = ::SaveDC(item->hDC);
      OnDrawPanel(*this, panels_[index], item->hDC, item->rcItem);
      ::RestoreDC(item->hDC, saved);
    }
    if (::GetFocus() == Handle()) {
      RECT focus = item->rcItem;
      ::InflateRect(&focus, -2, -2);
      ::SetTextColor(item->hDC, ::GetSysColor(COLOR_BTNTEXT));
      ::SetBkColor(item->hDC, ::GetSysColor(COLOR_BTNFACE));
      ::DrawFocusRect(item->hDC, &focus);
    }
    result = TRUE;
    return true;
  }
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == NM_CLICK) {
    if (OnClick) OnClick(this);
    result = 0;
    return true;
  }
  return false;
}

LRESULT TStatusBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      if (!handCursor_) break;
      ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
      return TRUE;
    case WM_GETDLGCODE: {
      // Enter and Space are the bar's own when it takes the focus.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      if (key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE)) {
        return DLGC_WANTMESSAGE;
      }
      break;
    }
    case WM_KEYDOWN:
      if ((wParam == VK_RETURN || wParam == VK_SPACE) && OnClick) {
        OnClick(this);
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ::InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(SpokenText().size());
    case WM_GETTEXT: {
      const std::wstring text = SpokenText();
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      if (!buffer || wParam == 0) return 0;
      const size_t count = std::min(text.size(), static_cast<size_t>(wParam) - 1);
      text.copy(buffer, count);
      buffer[count] = L'\0';
      return static_cast<LRESULT>(count);
    }
    case WM_ERASEBKGND:
      // Painting fills every pixel; erasing first would only flash.
      if (doubleBuffered_) return 1;
      break;
    case WM_PAINT:
      if (doubleBuffered_ && wParam == 0) return PaintBuffered();
      break;
    default:
      break;
  }
  return TControl::HandleMessage(message, wParam, lParam);
}

LRESULT TStatusBar::PaintBuffered() {
  // The common controls paint into a device context passed in wParam instead of their
  // own; the owner-drawn parts reach the parent with that context too.
  ::PaintBuffered(Handle(), [this](HDC dc, const RECT&) {
    DefaultMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  });
  return 0;
}
