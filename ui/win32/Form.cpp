#include "ui/win32/Form.h"

#include <algorithm>
#include <exception>

#include "platform/win32/Win32Handles.h"
#include "ui/win32/Application.h"

namespace {
COLORREF Resolve(const TShape::TColor& color) {
  return color.systemIndex ? ::GetSysColor(*color.systemIndex) : color.rgb;
}
}  // namespace

TWin32Form::TWin32Form(TComponent* owner, std::wstring name, std::wstring caption, int width,
                       int height, DWORD style)
    : TForm(owner, std::move(name), std::move(caption)) {
  windowProc_ = [this](UINT message, WPARAM wParam, LPARAM lParam) {
    return FormMessage(message, wParam, lParam);
  };
  CreateOwnWindow(L"OrvaneForm", 0, style, CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr,
                  nullptr);
  dpi_ = DpiOfWindow(Handle());
  RECT frame{0, 0, Scale(width), Scale(height)};
  ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right, frame.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CaptionChanged();
}

TWin32Form::~TWin32Form() { DestroyComponents(); }

bool TWin32Form::HasBorder() const {
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
  return (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0;
}

void TWin32Form::CaptionChanged() {
  if (Handle()) ::SetWindowTextW(Handle(), Caption().c_str());
}

void TWin32Form::AlignTop(TControl* control, bool first) {
  topAligned_.insert(first ? topAligned_.begin() : topAligned_.end(), control);
  Realign();
}

void TWin32Form::AlignBottom(TControl* control) {
  bottomAligned_.push_back(control);
  Realign();
}

void TWin32Form::AlignClient(TControl* control) {
  clientAligned_ = control;
  Realign();
}

void TWin32Form::Realign() {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  int top = 0;
  for (TControl* control : topAligned_) {
    if (!control->Visible()) continue;
    const int height = Scale(control->HeightAt96());
    ::SetWindowPos(control->Handle(), nullptr, 0, top, client.right, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    top += height;
  }
  int bottom = client.bottom;
  for (TControl* control : bottomAligned_) {
    if (!control->Visible()) continue;
    const int height = control->FixedHeight() ? control->HeightAt96() : Scale(control->HeightAt96());
    bottom -= height;
    ::SetWindowPos(control->Handle(), nullptr, 0, bottom, client.right, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (clientAligned_ && clientAligned_->Visible()) {
    ::SetWindowPos(clientAligned_->Handle(), nullptr, 0, top, client.right,
                   std::max(0, bottom - top), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TWin32Form::SetClientSize(int width, int height) {
  RECT frame{0, 0, Scale(width), Scale(height)};
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  AdjustFrameForDpi(frame, style, exStyle, dpi_);
  ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWin32Form::GrowClientHeight(int pixels) {
  if (::IsIconic(Handle()) || ::IsZoomed(Handle())) {
    // The window's own size is the taskbar button's or the screen's just now: the size
    // it comes back to grows instead.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::GetWindowPlacement(Handle(), &placement)) {
      placement.rcNormalPosition.bottom += pixels;
      ::SetWindowPlacement(Handle(), &placement);
    }
  } else {
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    ::SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left,
                   window.bottom - window.top + pixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Realign();
}

int TWin32Form::BottomAlignedHeight() const {
  int height = 0;
  for (const TControl* control : bottomAligned_) {
    if (!control->Visible()) continue;
    height += control->FixedHeight() ? control->HeightAt96() : Scale(control->HeightAt96());
  }
  return height;
}

void TWin32Form::CenterOnScreen() {
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int x = area.left + (area.right - area.left - width) / 2;
  const int y = area.top + (area.bottom - area.top - height) / 2;
  ::SetWindowPos(Handle(), nullptr, std::max<int>(area.left, x), std::max<int>(area.top, y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TWin32Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A copy: the handler may replace itself while it runs.
  TWindowProc proc = windowProc_;
  return proc(message, wParam, lParam);
}

void TWin32Form::SaveFocus() {
  const HWND focus = ::GetFocus();
  if (focus && ::IsChild(Handle(), focus)) savedFocus_ = focus;
}

namespace {
// Where the focus goes when the form is activated: the control that had it, while it can
// still take it, else the first control in the tab order, as a dialog starts; none for a
// form without controls.
HWND FocusTarget(HWND form, HWND saved) {
  HWND target = saved;
  if (!target || !::IsChild(form, target) || !::IsWindowVisible(target) || !::IsWindowEnabled(target)) {
    target = ::GetNextDlgTabItem(form, nullptr, FALSE);
  }
  return target && ::IsChild(form, target) ? target : nullptr;
}
}  // namespace

void TWin32Form::RestoreFocus() {
  if (HWND target = FocusTarget(Handle(), savedFocus_)) ::SetFocus(target);
}

LRESULT TWin32Form::FormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        SaveFocus();
      } else if (!HIWORD(wParam) && FocusTarget(Handle(), savedFocus_)) {
        // Not while minimised; the restore activates the window once more. A window
        // without controls keeps the focus itself, as Windows gives it.
        RestoreFocus();
        return 0;
      }
      break;
    case WM_CANCELMODE:
      // Sent first when the window is disabled (a modal box over it), before Windows
      // takes the focus away from the window's controls.
      SaveFocus();
      break;
    case WM_SETFOCUS:
      // The window itself takes no keys where a control can.
      if (!FocusTarget(Handle(), savedFocus_)) break;
      RestoreFocus();
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED: {
      // Only top-level windows hear of a new colour scheme, text size or theme; the
      // controls (the list, the status bar, our own) take their colours, fonts and
      // metrics from these messages, so every one of them is told, then all redrawn.
      struct TPassOn {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        static BOOL CALLBACK Visit(HWND child, LPARAM data) {
          const auto* pass = reinterpret_cast<const TPassOn*>(data);
          ::SendMessageW(child, pass->message, pass->wParam, pass->lParam);
          return TRUE;
        }
      } pass{message, wParam, lParam};
      ::EnumChildWindows(Handle(), &TPassOn::Visit, reinterpret_cast<LPARAM>(&pass));
      ::RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      break;
    }
    case WM_SIZE:
      Realign();
      break;
    case WM_DESTROY:
      Application().MainFormDestroyed(this);
      break;
    case WM_DPICHANGED: {
      // Windows suggests the rectangle that keeps the window's size in physical terms on
      // the new monitor; taking it avoids a jump back and forth between two monitors.
      dpi_ = HIWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      Realign();
      // Children learn the new resolution from the form: only per-monitor v2 systems tell
      // them on their own, and a child's GetDpiForWindow may still answer the old value.
      // Every descendant, parents before their children: controls on panels too.
      // An error stops the walk and is thrown again once user32's frames are left.
      struct TDpiWalk {
        UINT dpi;
        std::exception_ptr error;
        static BOOL CALLBACK Visit(HWND child, LPARAM data) {
          auto* walk = reinterpret_cast<TDpiWalk*>(data);
          try {
            if (TWindow* object = TWindow::FromHandle(child)) object->DpiChanged(walk->dpi);
            return TRUE;
          } catch (...) {
            walk->error = std::current_exception();
            return FALSE;
          }
        }
      } walk{dpi_, nullptr};
      ::EnumChildWindows(Handle(), &TDpiWalk::Visit, reinterpret_cast<LPARAM>(&walk));
      if (walk.error) std::rethrow_exception(walk.error);
      return 0;
    }
    default:
      break;
  }
  return TWindow::HandleMessage(message, wParam, lParam);
}

void TControl::SetBounds(int x, int y, int width, int height) {
  height96_ = height;
  ::SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetVisible(bool visible) { ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

bool TControl::Visible() const { return (::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0; }

TShape::TShape(TComponent* owner, std::wstring name, HWND parent, int x, int y, int width,
               int height)
    : TControl(owner, std::move(name)) {
  height96_ = height;
  CreateOwnWindow(L"OrvaneShape", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width, height,
                  parent, nullptr);
}

void TShape::SetBrushColor(TColor color) {
  if (brush_ == color) return;
  brush_ = color;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TShape::SetPenColor(TColor color) {
  if (pen_ == color) return;
  pen_ = color;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT TShape::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(Handle(), [this](HDC dc, const RECT& client) {
        const UniqueBrush brush(::CreateSolidBrush(Resolve(brush_)));
        const UniquePen pen(::CreatePen(PS_SOLID, 1, Resolve(pen_)));
        const TSelectedObject brushIn(dc, brush.get());
        const TSelectedObject penIn(dc, pen.get());
        ::Rectangle(dc, client.left, client.top, client.right, client.bottom);
      });
      return 0;
    default:
      return TWindow::HandleMessage(message, wParam, lParam);
  }
}
