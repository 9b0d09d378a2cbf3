#include "ui/win32/Panel.h"

#include <algorithm>

TPanel::TPanel(TComponent* owner, std::wstring name, HWND parent) : TControl(owner, std::move(name)) {
  // A panel lies beside siblings that may stand above it in the z-order and, while a
  // layout moves one window after another, overlap it for a moment. Without
  // WS_CLIPSIBLINGS its visible region takes in the sibling over it, and a move copies
  // and validates by that region: strips of the bar under the list, above its check box
  // and button, were left unpainted when the window grew.
  CreateOwnWindow(L"OrvanePanel", WS_EX_CONTROLPARENT,
                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                  nullptr);
}

LRESULT TPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && OnResize) OnResize(LOWORD(lParam), HIWORD(lParam));
  return TControl::HandleMessage(message, wParam, lParam);
}

TCardPanel::TCardPanel(TComponent* owner, std::wstring name, HWND parent, int horizontalPadding)
    : TPanel(owner, std::move(name), parent), padding_(horizontalPadding) {
  dpi_ = DpiOfWindow(Handle());
  OnResize = [this](int width, int height) { LayoutCards(width, height); };
}

void TCardPanel::DpiChanged(UINT dpi) {
  dpi_ = dpi;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  LayoutCards(client.right, client.bottom);
}

TPanel* TCardPanel::AddCard(std::wstring name) {
  TComponent* owner = Owner() ? Owner() : this;
  TPanel* card = owner->Create<TPanel>(std::move(name), Handle());
  card->SetVisible(false);
  cards_.push_back(card);
  return card;
}

void TCardPanel::SetActiveCardIndex(int index) {
  active_ = index >= 0 && index < CardCount() ? index : -1;
  for (int i = 0; i < CardCount(); ++i) cards_[static_cast<size_t>(i)]->SetVisible(i == active_);
  RECT client{};
  ::GetClientRect(Handle(), &client);
  LayoutCards(client.right, client.bottom);
}

void TCardPanel::LayoutCards(int width, int height) {
  const int padding = ScaleForDpi(padding_, dpi_);
  for (TPanel* card : cards_) {
    ::SetWindowPos(card->Handle(), nullptr, padding, 0, std::max(0, width - 2 * padding), height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
