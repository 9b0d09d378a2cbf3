// The status bar along the bottom of a form: the common control in panel mode, each
// panel owner-drawn by a handler of the bar's user, a click event, the hand cursor, and a
// hint shown as a tooltip while the mouse rests on the bar.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Win32Handles.h"
#include "ui/win32/Form.h"
#include "ui/win32/NotifyEvent.h"

struct TStatusPanel {
  std::wstring Text;
  // DT_LEFT, DT_CENTER or DT_RIGHT, for whoever draws the panel.
  UINT Alignment = DT_LEFT;
  // Pixels; -1 reaches to the bar's right edge (only sensible for the last panel).
  int Width = -1;
};

class TStatusBar;
using TDrawPanelEvent =
    std::function<void(TStatusBar& bar, const TStatusPanel& panel, HDC dc, const RECT& rect)>;

class TStatusBar : public TControl {
 public:
  // Pixels at every resolution: the bar's height does not follow the monitor's scale.
  static constexpr int kHeight = 28;

  TStatusBar(TComponent* owner, std::wstring name, HWND parent);

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const TStatusPanel& Panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
  void AddPanel(TStatusPanel panel);
  void SetPanelText(int index, const std::wstring& text);

  // The bar's font: the message font at the bar's resolution, bold if asked.
  void SetFontBold(bool bold);
  HFONT Font() const { return font_.get(); }
  void SetFontColor(COLORREF color) { fontColor_ = color; }
  COLORREF FontColor() const { return fontColor_; }
  // The colour behind the panels: the face colour of controls.
  COLORREF Color() const { return ::GetSysColor(COLOR_BTNFACE); }

  void SetHandCursor(bool hand) { handCursor_ = hand; }
  // A bar that acts on a click is reached with Tab as well and acts on Enter or Space,
  // with the focus drawn around its panels.
  void SetTabStop(bool stop);
  // Painting goes to a bitmap first, so the bar never shows half-drawn panels.
  void SetDoubleBuffered(bool buffered) { doubleBuffered_ = buffered; }

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  // Shows the hint as a tooltip over the bar.
  void SetShowHint(bool show);
  HWND Tooltip() const { return tooltip_.get(); }

  TDrawPanelEvent OnDrawPanel;
  TNotifyEvent OnClick;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void DpiChanged(UINT dpi) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplyParts();
  void MakeFont(UINT dpi);
  void UpdateTooltip();
  LRESULT PaintBuffered();
  // The text a screen reader is told for the bar: its panels' texts, since owner-drawn
  // parts keep only a number in the control.
  std::wstring SpokenText() const;

  std::vector<TStatusPanel> panels_;
  UniqueFont font_;
  bool bold_ = false;
  COLORREF fontColor_;
  bool handCursor_ = false;
  bool doubleBuffered_ = false;
  std::wstring hint_;
  bool showHint_ = false;
  UniqueWindow tooltip_;
};
