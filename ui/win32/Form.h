// A top-level window in the component model, and the rectangle shape control. The form
// routes every message through a replaceable handler, so a helper such as the theme can
// watch a window's messages and pass them on, then put the previous handler back.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "ui/Component.h"
#include "ui/win32/Window.h"

using TWindowProc = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

class TControl;

class TWin32Form : public TForm, public TWindow {
 public:
  // Sizes at 96 dpi; the window is placed on the primary monitor and scaled to it.
  TWin32Form(TComponent* owner, std::wstring name, std::wstring caption, int width, int height,
             DWORD style = WS_OVERLAPPEDWINDOW);
  // The components go first, while the window and the handler they may restore exist.
  ~TWin32Form() override;

  // The handler every message passes through first; it starts as the form's own.
  const TWindowProc& WindowProc() const { return windowProc_; }
  void SetWindowProc(TWindowProc proc) { windowProc_ = std::move(proc); }
  // Whether the window has a border of any kind (the frameless look has none).
  bool HasBorder() const;
  UINT Dpi() const { return dpi_; }
  int Scale(int value) const { return ScaleForDpi(value, dpi_); }

  // Controls aligned to the top of the client area stack downwards in this order, those
  // aligned to the bottom stack upwards from the lower edge, each spanning the full
  // width; the one client control fills what is left. Realign runs on every size change.
  void AlignTop(TControl* control, bool first);
  void AlignBottom(TControl* control);
  void AlignClient(TControl* control);
  void Realign();

  // The client area's size at 96 dpi, scaled to the window's monitor; the frame around it
  // follows the window's style.
  void SetClientSize(int width, int height);
  // Grows the client area by pixels already scaled (the status bar adds its height so
  // the content above keeps its size).
  void GrowClientHeight(int pixels);
  // The height the bottom-aligned controls take, in pixels.
  int BottomAlignedHeight() const;
  void CenterOnScreen();

  // The control that has the keyboard focus while the window is active, or the one that
  // gets it back when the window is activated again; none until the focus first moves.
  HWND SavedFocus() const { return savedFocus_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The form's own handling, behind the replaceable handler.
  virtual LRESULT FormMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CaptionChanged() override;

 private:
  // The focus kept across deactivation, as the dialog manager keeps it: Windows gives a
  // reactivated window the focus itself, where no key reaches a control.
  void SaveFocus();
  void RestoreFocus();

  TWindowProc windowProc_;
  std::vector<TControl*> topAligned_;
  std::vector<TControl*> bottomAligned_;
  TControl* clientAligned_ = nullptr;
  UINT dpi_ = 96;
  HWND savedFocus_ = nullptr;
};

// A child window that is also a component of its form.
class TControl : public TComponent, public TWindow {
 public:
  using TComponent::TComponent;
  void SetBounds(int x, int y, int width, int height);
  void SetVisible(bool visible);
  bool Visible() const;
  int HeightAt96() const { return height96_; }
  // A height in device pixels that does not scale with the monitor (the status bar).
  bool FixedHeight() const { return fixedHeight_; }

 protected:
  int height96_ = 0;
  bool fixedHeight_ = false;
};

// A filled rectangle with an outline, in a fixed colour or a system colour resolved when
// it paints.
class TShape : public TControl {
 public:
  TShape(TComponent* owner, std::wstring name, HWND parent, int x, int y, int width, int height);
  struct TColor {
    COLORREF rgb = RGB(0, 0, 0);
    std::optional<int> systemIndex;  // COLOR_* resolved at paint time
    bool operator==(const TColor&) const = default;
  };
  void SetBrushColor(TColor color);
  void SetPenColor(TColor color);
  TColor BrushColor() const { return brush_; }
  TColor PenColor() const { return pen_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  TColor brush_;
  TColor pen_;
};
