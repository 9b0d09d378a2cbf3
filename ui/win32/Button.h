// The system's push button, in a dialog's font, carrying the result a modal dialog ends
// with when it is pressed.
#pragma once

#include <string>

#include "ui/win32/Form.h"
#include "ui/win32/NotifyEvent.h"

class TButton : public TControl {
 public:
  // id is the control identifier the dialog keyboard rules speak of (IDYES, IDNO, ...).
  TButton(TComponent* owner, std::wstring name, HWND parent, int id, const std::wstring& caption);

  bool HasCaption() const override { return true; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;

  int Id() const;
  // The modal result the button gives its dialog (0: none).
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // The default button of its dialog: drawn with the heavier frame, pressed by Enter.
  void SetDefault(bool isDefault);
  bool IsDefault() const;
  void SetFont(HFONT font);

  TNotifyEvent OnClick;
  // Focus came or went: a dialog moves the default frame to the focused button.
  TNotifyEvent OnFocusChange;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int modalResult_ = 0;
};
