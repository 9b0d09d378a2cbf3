#include "ui/win32/Button.h"

TButton::TButton(TComponent* owner, std::wstring name, HWND parent, int id,
                 const std::wstring& caption)
    : TControl(owner, std::move(name)) {
  CreateControl(L"BUTTON", caption.c_str(), 0, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                parent);
  // The dialog keyboard rules find buttons by identifier; CreateControl gives none.
  ::SetWindowLongPtrW(Handle(), GWLP_ID, id);
}

std::wstring TButton::Caption() const { return WindowText(Handle()); }
void TButton::SetCaption(const std::wstring& caption) { ::SetWindowTextW(Handle(), caption.c_str()); }
int TButton::Id() const { return static_cast<int>(::GetWindowLongPtrW(Handle(), GWLP_ID)); }

void TButton::SetDefault(bool isDefault) {
  if (IsDefault() == isDefault) return;
  ::SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool TButton::IsDefault() const {
  return (::GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void TButton::SetFont(HFONT font) {
  ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool TButton::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick(this);
    result = 0;
    return true;
  }
  return false;
}

LRESULT TButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = TControl::HandleMessage(message, wParam, lParam);
  if ((message == WM_SETFOCUS || message == WM_KILLFOCUS) && OnFocusChange) OnFocusChange(this);
  return result;
}
