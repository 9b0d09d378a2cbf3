#include "ui/win32/Window.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/PlatformError.h"
#include "platform/Utf8.h"
#include "platform/win32/Win32Handles.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"Orvane.Window";

TErrorReporter& Reporter() {
  static TErrorReporter reporter;
  return reporter;
}

}  // namespace

TErrorReporter SetErrorReporter(TErrorReporter reporter) {
  return std::exchange(Reporter(), std::move(reporter));
}

void ReportError(HWND owner, const std::wstring& text) {
  if (Reporter()) {
    Reporter()(owner, text);
    return;
  }
  ::MessageBoxW(owner, text.c_str(), L"Error", MB_OK | MB_ICONERROR);
}

void ReportWarning(HWND owner, const std::wstring& text) {
  if (Reporter()) {
    Reporter()(owner, text);
    return;
  }
  ::MessageBoxW(owner, text.c_str(), L"Orvane", MB_OK | MB_ICONWARNING);
}

std::wstring CurrentErrorText() {
  try {
    throw;
  } catch (const PlatformError& error) {
    // The system's own message, in the user's language, not its UTF-8 copy.
    return error.message();
  } catch (const std::exception& error) {
    return Utf8ToWide(error.what());
  } catch (...) {
    return L"Unknown error";
  }
}

namespace {
std::optional<bool>& HighContrastOverride() {
  static std::optional<bool> on;
  return on;
}
}  // namespace

void SetHighContrastForTest(std::optional<bool> on) { HighContrastOverride() = on; }

bool HighContrastOn() {
  if (HighContrastOverride()) return *HighContrastOverride();
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool FontSettingsChanged(WPARAM wParam, LPARAM lParam) {
  if (wParam == SPI_SETNONCLIENTMETRICS || wParam == SPI_SETICONTITLELOGFONT) return true;
  // The text size slider (Ease of Access) broadcasts the section it changed by name.
  const auto* section = reinterpret_cast<const wchar_t*>(lParam);
  return wParam == 0 && section && ::lstrcmpiW(section, L"WindowMetrics") == 0;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& draw) {
  const TPaintDc paint(window);
  RECT client{};
  ::GetClientRect(window, &client);
  const TBufferedPaint buffer(paint.get(), client.right, client.bottom);
  draw(buffer.get(), client);
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

int ScaleForDpi(int value, UINT dpi) { return ::MulDiv(value, static_cast<int>(dpi), 96); }

const TDpiSources& TDpiSources::System() {
  static const TDpiSources sources = [] {
    TDpiSources found;
    found.forWindow = reinterpret_cast<decltype(found.forWindow)>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    // shcore.dll exists from Windows 8.1; loaded once and kept for the process.
    if (HMODULE shcore = ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
      found.forMonitor = reinterpret_cast<decltype(found.forMonitor)>(
          reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")));
    }
    return found;
  }();
  return sources;
}

UINT DpiOfWindow(HWND window) { return DpiOfWindowFrom(window, TDpiSources::System()); }

UINT DpiOfWindowFrom(HWND window, const TDpiSources& sources) {
  // GetDpiForWindow answers per monitor once the manifest declares per-monitor
  // awareness. Windows 8.1 and 10 before 1607 lack it but know each monitor's own
  // resolution (the manifest's "true/pm"): a window opened on a second monitor of
  // another scale must take that one, not the system's.
  if (sources.forWindow && window) {
    if (UINT dpi = sources.forWindow(window); dpi != 0) return dpi;
  }
  if (sources.forMonitor && window) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor && SUCCEEDED(sources.forMonitor(monitor, kEffectiveDpi, &x, &y)) && y != 0) return y;
  }
  const TWindowDc screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
  // The frame's metrics differ per monitor; the dpi-aware variant exists from Windows 10
  // 1607, older systems have one resolution for every monitor anyway.
  using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  if (adjustForDpi && adjustForDpi(&rect, style, FALSE, exStyle, dpi)) return;
  ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

TWindow::~TWindow() {
  if (handle_) {
    HWND window = handle_;
    ::DestroyWindow(window);
    // DestroyWindow fails from another thread; the object must not be found again anyway.
    if (handle_) {
      ::RemovePropW(window, kObjectProperty);
      if (subclassed_) ::RemoveWindowSubclass(window, &TWindow::ControlProc, 0);
      handle_ = nullptr;
    }
  }
}

TWindow* TWindow::FromHandle(HWND window) {
  return window ? static_cast<TWindow*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

void TWindow::CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, int x, int y,
                              int width, int height, HWND parent, HMENU id) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW known{};
  known.cbSize = sizeof known;
  if (!::GetClassInfoExW(instance, className, &known)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &TWindow::OwnProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    if (!::RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassExW failed");
  }
  if (!::CreateWindowExW(exStyle, className, L"", style, x, y, width, height, parent, id,
                         instance, this)) {
    throw std::runtime_error("CreateWindowExW failed");
  }
}

void TWindow::CreateControl(const wchar_t* className, const wchar_t* text, DWORD exStyle,
                            DWORD style, int x, int y, int width, int height, HWND parent) {
  HWND window = ::CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("CreateWindowExW failed for a control");
  handle_ = window;
  ::SetPropW(window, kObjectProperty, this);
  subclassed_ = ::SetWindowSubclass(window, &TWindow::ControlProc, 0,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK TWindow::OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<TWindow*>(create->lpCreateParams);
    self->handle_ = window;
    ::SetPropW(window, kObjectProperty, self);
  }
  TWindow* self = FromHandle(window);
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK TWindow::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TWindow*>(data);
  if (!self || self->handle_ != window) return ::DefSubclassProc(window, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

LRESULT TWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = handle_;
  LRESULT result = 0;
  try {
    result = HandleMessage(message, wParam, lParam);
  } catch (...) {
    // The window may be gone by now; the box then has no owner.
    ReportError(::IsWindow(window) ? window : nullptr, CurrentErrorText());
    result = 0;
  }
  if (message == WM_NCDESTROY) {
    ::RemovePropW(window, kObjectProperty);
    if (subclassed_) ::RemoveWindowSubclass(window, &TWindow::ControlProc, 0);
    subclassed_ = false;
    handle_ = nullptr;
    try {
      Destroyed();
    } catch (...) {
      ReportError(nullptr, CurrentErrorText());
    }
  }
  return result;
}

LRESULT TWindow::DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (subclassed_) return ::DefSubclassProc(handle_, message, wParam, lParam);
  return ::DefWindowProcW(handle_, message, wParam, lParam);
}

bool TWindow::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool TWindow::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = nullptr;
  switch (message) {
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      // Owner-drawn menu items belong to the window that owns the menu, not to a child.
      // (wParam is 0 for menus, but also for a child created without an identifier.)
      if (reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_MENU) return false;
      child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
      break;
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG:
      child = reinterpret_cast<HWND>(lParam);
      break;
    default:
      return false;
  }
  TWindow* object = FromHandle(child);
  return object && object->HandleReflected(message, wParam, lParam, result);
}

LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  return DefaultMessage(message, wParam, lParam);
}
