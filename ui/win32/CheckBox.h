// The check box control.
#pragma once

#include <functional>
#include <string>

#include "ui/win32/Form.h"

// A check box whose caption is the window's text.
class TCheckBox : public TControl {
 public:
  TCheckBox(TComponent* owner, std::wstring name, HWND parent, const std::wstring& caption);
  bool HasCaption() const override { return true; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  bool Checked() const;
  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  std::function<void()> OnClick;
};
