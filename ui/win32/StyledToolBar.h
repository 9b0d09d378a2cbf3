// A toolbar of styled buttons drawn in one window: each button is a component of the
// window with its own caption (so the window's translation reaches it), laid out from the
// left in creation order, and drawn from the five attribute sets of its style family.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/StyledButtonAttributes.h"
#include "ui/win32/Form.h"

class TStyledToolBar;

class TStyledToolButton : public TCaptionedComponent {
 public:
  TStyledToolButton(TComponent* owner, std::wstring name, TStyledToolBar* toolBar);
  // Shown pressed, whatever the mouse does.
  void SetDown(bool down);
  bool Down() const { return down_; }
  std::function<void()> OnClick;

 protected:
  void CaptionChanged() override;

 private:
  TStyledToolBar* toolBar_;
  bool down_ = false;
};

class TStyledToolBar : public TControl {
 public:
  // Button sizes and the corner radius at 96 dpi.
  TStyledToolBar(TComponent* owner, std::wstring name, HWND parent, const std::wstring& family,
                 const std::wstring& appearance, int buttonWidth, int buttonHeight, int radius);
  // A new button at the end of the row, owned by the toolbar's owner.
  TStyledToolButton* AddButton(std::wstring name, std::wstring caption);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TStyledToolButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // The button's rectangle in the toolbar's client area, in pixels.
  RECT ButtonRect(int index) const;
  void SetFont(HFONT font);
  void DpiChanged(UINT dpi) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class TStyledToolButton;
  int ButtonAt(POINT point) const;
  void SetHot(int index);
  void Paint(HDC dc);

  std::vector<TStyledToolButton*> buttons_;
  TStyledButtonAttributes normal_, pressed_, selected_, hot_, disabled_;
  int buttonWidth_;
  int buttonHeight_;
  int hotIndex_ = -1;
  int pressing_ = -1;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
};
