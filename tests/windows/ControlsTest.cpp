// The header's controls on real windows: the styled toolbar's buttons (pressed look, the
// hover that follows the mouse, a click only when the press ends on the same button) and
// the vector image with its click, read back as pixels and events.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "ui/Artwork.h"
#include "ui/TavikoraButtonStyles.h"
#include "ui/win32/Form.h"
#include "ui/win32/StyledToolBar.h"
#include "ui/win32/VectorImageControl.h"
#include "tests/windows/WindowPump.h"

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

constexpr COLORREF kAccent = RGB(0x3D, 0x84, 0xDD);

class AnyHeaderControls : public testing::Test {
 protected:
  void SetUp() override {
    RegisterTavikoraButtonStyles();
    form_ = std::make_unique<TWin32Form>(nullptr, L"Host", L"Host", 400, 200);
    bar_ = form_->Create<TStyledToolBar>(L"Bar", form_->Handle(), L"Tavikora", L"Header", 70, 30, 4);
    bar_->SetBounds(10, 10, 200, 30);
    home_ = bar_->AddButton(L"Home", L"Home");
    other_ = bar_->AddButton(L"Other", L"Other");
    ::ShowWindow(form_->Handle(), SW_SHOW);
    Pump();
  }
  void TearDown() override {
    form_.reset();
    UnregisterButtonStyleFamilies();
  }
  std::unique_ptr<TWin32Form> form_;
  TStyledToolBar* bar_ = nullptr;
  TStyledToolButton* home_ = nullptr;
  TStyledToolButton* other_ = nullptr;
};

TEST_F(AnyHeaderControls, ToolButtonsArePressedHotOrPlainAndClickOnlyWhereThePressEnds) {
  // The buttons are components of the form, in order, side by side from the left.
  EXPECT_EQ(form_->FindComponent(L"Home"), home_);
  EXPECT_EQ(bar_->ButtonRect(1).left, 70);
  HWND bar = bar_->Handle();
  // A plain "Header" button has no fill: the window colour shows in its middle (between
  // the letters, near the left edge); a pressed one is filled with the accent.
  EXPECT_EQ(PixelOf(bar, 4, 15), ::GetSysColor(COLOR_WINDOW));
  home_->SetDown(true);
  EXPECT_EQ(PixelOf(bar, 4, 15), kAccent);
  // The hover follows the mouse to the other button.
  ::SendMessageW(bar, WM_MOUSEMOVE, 0, At(75, 15));
  EXPECT_EQ(PixelOf(bar, 74, 15), kAccent);
  ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PixelOf(bar, 74, 15), ::GetSysColor(COLOR_WINDOW));

  int homeClicks = 0;
  int otherClicks = 0;
  home_->OnClick = [&] { ++homeClicks; };
  other_->OnClick = [&] { ++otherClicks; };
  ::SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 15));
  ::SendMessageW(bar, WM_LBUTTONUP, 0, At(20, 15));
  // Pressed on one button and let go over the other: no click at all.
  ::SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 15));
  ::SendMessageW(bar, WM_LBUTTONUP, 0, At(90, 15));
  EXPECT_EQ(homeClicks, 1);
  EXPECT_EQ(otherClicks, 0);
  // A caption change repaints with the new text and keeps the pressed look.
  home_->SetCaption(L"Start");
  EXPECT_EQ(home_->Caption(), L"Start");
  EXPECT_EQ(PixelOf(bar, 4, 15), kAccent);
}

TEST_F(AnyHeaderControls, TheVectorImageDrawsItsLogoAndClicksAsALink) {
  auto* image = form_->Create<TVectorImageControl>(L"Logo", form_->Handle(), MakerLogo(), 250, 0,
                                                    112, 50);
  Pump();
  RECT rect{};
  ::GetClientRect(image->Handle(), &rect);
  EXPECT_EQ(rect.right, 112);
  EXPECT_EQ(rect.bottom, 50);
  // The mark's blue in the tile, the window colour in the corner.
  EXPECT_EQ(PixelOf(image->Handle(), 8, 30), kAccent);
  EXPECT_EQ(PixelOf(image->Handle(), 1, 1), ::GetSysColor(COLOR_WINDOW));

  int clicks = 0;
  image->OnClick = [&] { ++clicks; };
  ::SendMessageW(image->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  ::SendMessageW(image->Handle(), WM_LBUTTONUP, 0, At(10, 10));
  ::SendMessageW(image->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  ::SendMessageW(image->Handle(), WM_LBUTTONUP, 0, At(200, 10));  // let go outside
  EXPECT_EQ(clicks, 1);
  // A link shows the hand.
  ::SendMessageW(image->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(image->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}

}  // namespace
