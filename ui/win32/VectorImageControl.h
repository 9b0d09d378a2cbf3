// A vector drawing as a control: rendered for the monitor's resolution whenever that
// changes, laid over the window colour, with a hand cursor and a click event when it is a
// link.
#pragma once

#include <functional>
#include <string>

#include "Tavin/VectorImage.h"
#include "ui/win32/Form.h"

class TVectorImageControl : public TControl {
 public:
  // Position and size at 96 dpi; the drawing fills the width.
  TVectorImageControl(TComponent* owner, std::wstring name, HWND parent, TVectorImage image,
                      int x, int y, int width, int height);
  // Whoever sets a click handler makes the image a link: the hand cursor shows over it.
  std::function<void()> OnClick;
  void DpiChanged(UINT dpi) override;
  // The position at 96 dpi made again for the current resolution.
  void Place();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  TVectorImage image_;
  int x_, y_, width_;
  UINT dpi_ = 96;
  bool pressing_ = false;
};
