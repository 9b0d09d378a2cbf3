#include "ui/win32/Theme.h"

#include <dwmapi.h>

#include <stdexcept>

namespace {
constexpr DWORD kUseImmersiveDarkMode = 20;  // DWMWA_USE_IMMERSIVE_DARK_MODE, Windows 10 2004+
constexpr int kStripHeight = 2;
}  // namespace

TWin32Form* TThemeHelper::RequireForm(TComponent* owner) {
  auto* form = dynamic_cast<TWin32Form*>(owner);
  if (!owner || !owner->IsForm() || !form) {
    throw std::invalid_argument("TThemeHelper Owner must be a TForm");
  }
  return form;
}

TThemeHelper::TThemeHelper(TComponent* owner) : TComponent(owner), form_(RequireForm(owner)) {
  // Older systems do not know the attribute and answer an error; their title bar simply
  // keeps its usual look.
  const BOOL dark = static_cast<BOOL>(-1);
  (void)::DwmSetWindowAttribute(form_->Handle(), kUseImmersiveDarkMode, &dark, sizeof dark);

  RECT client{};
  ::GetClientRect(form_->Handle(), &client);
  // The strip belongs to the window, not to the helper, so it stays when the helper goes.
  shape_ = form_->Create<TShape>(L"", form_->Handle(), 0, 0, client.right, kStripHeight);
  shape_->SetBrushColor({activeColor_, {}});
  shape_->SetPenColor({activeColor_, {}});
  form_->AlignTop(shape_, true);

  oldWindowProc_ = form_->WindowProc();
  form_->SetWindowProc([this](UINT message, WPARAM wParam, LPARAM lParam) {
    return FormWindowProc(message, wParam, lParam);
  });
  UpdateAccent();
}

TThemeHelper::~TThemeHelper() {
  if (form_) form_->SetWindowProc(oldWindowProc_);
}

LRESULT TThemeHelper::FormWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) UpdateAccent();
  if (message == WM_ACTIVATE) {
    isActive_ = LOWORD(wParam) != WA_INACTIVE;
    UpdateAccent();
  }
  return oldWindowProc_(message, wParam, lParam);
}

void TThemeHelper::UpdateAccent() {
  TShape::TColor color{activeColor_, {}};
  if (!isActive_) color = {RGB(0, 0, 0), COLOR_GRAYTEXT};
  shape_->SetBrushColor(color);
  shape_->SetPenColor(color);
  const bool visible = form_->HasBorder();
  if (visible != shape_->Visible()) {
    shape_->SetVisible(visible);
    form_->Realign();
  }
}

TThemeHelper* ApplyTheme(TComponent* window) {
  // Checked before Create so that a wrong owner is left without a half-built component.
  (void)TThemeHelper::RequireForm(window);
  return window->Create<TThemeHelper>();
}
