// Panels: plain child windows that host other controls, and the card panel that shows one
// of its pages at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/win32/Form.h"

// A plain child window in the window colour that hosts other controls and hands their
// messages to them; whoever fills it lays it out when it changes size.
class TPanel : public TControl {
 public:
  TPanel(TComponent* owner, std::wstring name, HWND parent);
  // The panel's new client size, in pixels.
  std::function<void(int width, int height)> OnResize;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Pages in one place, one shown at a time and filling the panel inside its left and right
// padding (given at 96 dpi). The pages are components of the panel's owner, like every
// control of a window.
class TCardPanel : public TPanel {
 public:
  TCardPanel(TComponent* owner, std::wstring name, HWND parent, int horizontalPadding);
  TPanel* AddCard(std::wstring name);
  int CardCount() const { return static_cast<int>(cards_.size()); }
  TPanel* Card(int index) const { return cards_.at(static_cast<size_t>(index)); }
  int ActiveCardIndex() const { return active_; }
  // Shows that page and hides the others; an index out of range shows none.
  void SetActiveCardIndex(int index);
  void DpiChanged(UINT dpi) override;

 private:
  void LayoutCards(int width, int height);
  std::vector<TPanel*> cards_;
  UINT dpi_ = 96;
  int active_ = -1;
  int padding_;
};
