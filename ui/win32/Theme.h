// The program's frame look: a dark title bar asked of the desktop window manager, and a
// thin accent strip along the top of the client area that shows whether the window is
// active.
#pragma once

#include "ui/Component.h"
#include "ui/win32/Form.h"

class TThemeHelper : public TComponent {
 public:
  static constexpr COLORREF kActiveColor = RGB(0x3D, 0x84, 0xDD);

  // The owner must be a form: it throws "TThemeHelper Owner must be a TForm" otherwise,
  // having changed nothing.
  explicit TThemeHelper(TComponent* owner);
  ~TThemeHelper() override;

  TShape* Strip() const { return shape_; }
  bool IsActive() const { return isActive_; }
  // The owner as a form, or the error above.
  static TWin32Form* RequireForm(TComponent* owner);

 private:
  LRESULT FormWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  void UpdateAccent();

  TWin32Form* form_;
  COLORREF activeColor_ = kActiveColor;
  bool isActive_ = true;
  TShape* shape_ = nullptr;
  TWindowProc oldWindowProc_;
};

// Themes the window; the window owns the helper and frees it with itself.
TThemeHelper* ApplyTheme(TComponent* window);
