#include "ui/win32/CheckBox.h"

#include <windowsx.h>

TCheckBox::TCheckBox(TComponent* owner, std::wstring name, HWND parent, const std::wstring& caption)
    : TControl(owner, std::move(name)) {
  CreateControl(L"BUTTON", caption.c_str(), 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                0, 0, 0, 0, parent);
}

std::wstring TCheckBox::Caption() const { return WindowText(Handle()); }
void TCheckBox::SetCaption(const std::wstring& caption) { ::SetWindowTextW(Handle(), caption.c_str()); }
bool TCheckBox::Checked() const { return Button_GetCheck(Handle()) == BST_CHECKED; }

bool TCheckBox::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_CTLCOLORSTATIC) {
    // The bar is in the window colour; the box's label follows it.
    ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
    result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick();
    result = 0;
    return true;
  }
  return false;
}
