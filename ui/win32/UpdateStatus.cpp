#include "ui/win32/UpdateStatus.h"

#include "Tavin/Update.h"
#include "Tavin/UpdateText.h"
#include "platform/win32/Win32Handles.h"
#include "ui/win32/Application.h"

namespace {
constexpr wchar_t kStatusBarName[] = L"StatusBar";
constexpr COLORREF kStatusColor = RGB(0xFF, 0x00, 0x00);
}  // namespace

void ShowUpdateStatus(const std::wstring& link) {
  TWin32Form* main = Application().MainForm();
  if (!main) return;
  TStatusBar* bar = nullptr;
  if (TComponent* found = main->FindComponent(kStatusBarName)) {
    bar = dynamic_cast<TStatusBar*>(found);
    // Something else under that name is not ours to change, and a second bar would
    // grow the window again.
    if (!bar) return;
  } else {
    RECT client{};
    ::GetClientRect(main->Handle(), &client);
    bar = main->Create<TStatusBar>(kStatusBarName, main->Handle());
    // Below the current content; the window grows to show it.
    bar->SetBounds(0, client.bottom, client.right, TStatusBar::kHeight);
    bar->SetDoubleBuffered(true);
    bar->SetHandCursor(true);
    bar->SetTabStop(true);
    bar->SetFontBold(true);
    bar->SetFontColor(kStatusColor);
    bar->AddPanel(TStatusPanel{L"", DT_CENTER, -1});
    main->AlignBottom(bar);
    RECT placed{};
    ::GetWindowRect(bar->Handle(), &placed);
    main->GrowClientHeight(placed.bottom - placed.top);
  }
  bar->SetPanelText(0, GetUpdateText(kUpdateStatus));
  bar->SetHint(link);
  bar->SetShowHint(true);
  bar->OnDrawPanel = &TUpdateHelper::DrawUpdateStatus;
  bar->OnClick = &TUpdateHelper::StatusClick;
  ::InvalidateRect(bar->Handle(), nullptr, TRUE);
  ::UpdateWindow(bar->Handle());
}

void TUpdateHelper::DrawUpdateStatus(TStatusBar& bar, const TStatusPanel& panel, HDC dc,
                                     const RECT& rect) {
  UniqueBrush background(::CreateSolidBrush(bar.Color()));
  if (background) ::FillRect(dc, &rect, background.get());
  ::SelectObject(dc, bar.Font());
  // In high contrast the scheme's text colour on its face colour, not the notice's red.
  ::SetTextColor(dc, HighContrastOn() ? ::GetSysColor(COLOR_BTNTEXT) : bar.FontColor());
  ::SetBkMode(dc, TRANSPARENT);
  RECT area = rect;
  ::DrawTextW(dc, panel.Text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TUpdateHelper::StatusClick(TComponent* sender) {
  if (const auto* bar = dynamic_cast<const TStatusBar*>(sender)) (void)OpenLink(bar->Hint());
}
