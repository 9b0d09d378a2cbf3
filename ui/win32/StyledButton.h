// Buttons drawn from the attribute sets of a style family.
#pragma once

#include <functional>
#include <string>

#include "ui/StyledButtonAttributes.h"
#include "ui/win32/Form.h"

// One face of a styled button: the background behind the corners, the rounded rectangle
// with its fill and border, and the caption centred in the attribute set's font colour.
void DrawStyledFace(HDC dc, const RECT& bounds, const TStyledButtonAttributes& look, UINT dpi,
                    HFONT font, const std::wstring& caption, COLORREF background);

// A push button drawn from the attribute sets of a style family, with hover, press and
// a "down" look that stays while the button stands for the opposite action.
class TStyledButton : public TControl {
 public:
  TStyledButton(TComponent* owner, std::wstring name, HWND parent, const std::wstring& family,
                const std::wstring& appearance);
  void SetDown(bool down);
  bool Down() const { return down_; }
  void SetEnabled(bool enabled) { ::EnableWindow(Handle(), enabled); }
  bool Enabled() const { return ::IsWindowEnabled(Handle()) != FALSE; }
  bool HasCaption() const override { return true; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void SetFont(HFONT font) { font_ = font; }
  std::function<void()> OnClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Draw(const DRAWITEMSTRUCT& item);
  TStyledButtonAttributes normal_, pressed_, selected_, hot_, disabled_;
  bool down_ = false;
  bool hot_tracking_ = false;
  HFONT font_ = nullptr;
};
