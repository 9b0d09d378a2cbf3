// The Win32 half of the windowing layer: a window object behind every HWND, found again
// from the handle; messages that Windows sends to a parent about a child (notifications,
// owner drawing, colours) reflected to the child's own object; and one boundary where an
// exception thrown by an event handler is turned into an error message box, because an
// exception unwinding through user32's frames is undefined behaviour.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// Shows an error that an event handler let escape. The default is a modal message box;
// a test puts a recorder in its place, since nobody is there to close the box.
using TErrorReporter = std::function<void(HWND owner, const std::wstring& text)>;
// Returns the reporter that was in place; an empty one restores the message box.
TErrorReporter SetErrorReporter(TErrorReporter reporter);
void ReportError(HWND owner, const std::wstring& text);
// A warning with a single OK button; through the same recorder. A message box is centred
// on its owner's monitor; the owner is disabled while it runs, so the window cannot be
// closed under the box by a click.
void ReportWarning(HWND owner, const std::wstring& text);
// The text of the exception being handled, for the message box.
std::wstring CurrentErrorText();

// A window's whole text (a control's caption).
std::wstring WindowText(HWND window);

// Answers WM_PAINT for a window that paints all of itself: `draw` paints the client area
// on a bitmap, which is copied to the screen in one go, so nothing flickers.
void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& draw);
// The header of a 32-bit top-down bitmap (rows from the top, one 0x00RRGGBB per pixel).
BITMAPINFO TopDownBitmapInfo(int width, int height);

// Whether the user chose a high-contrast scheme: then nothing is drawn in a colour of our
// own, only in the system's pairs (window and window text, button face and text,
// highlight and highlight text), which the scheme sets.
bool HighContrastOn();
// Wine keeps no high-contrast setting (SPI_SETHIGHCONTRAST does nothing there): a test
// says what HighContrastOn answers instead; nothing puts the system's answer back.
void SetHighContrastForTest(std::optional<bool> on);
// Whether a WM_SETTINGCHANGE is about the interface fonts or the text size, after which
// fonts are made again.
bool FontSettingsChanged(WPARAM wParam, LPARAM lParam);

// Sizes are written for 96 dpi and scaled to the monitor the window is on.
int ScaleForDpi(int value, UINT dpi);
UINT DpiOfWindow(HWND window);
// Where a window's resolution comes from: GetDpiForWindow (Windows 10 1607 and later),
// else its monitor's GetDpiForMonitor (shcore.dll, Windows 8.1 and later), else the
// system's one resolution. Either function may be missing.
struct TDpiSources {
  UINT(WINAPI* forWindow)(HWND) = nullptr;
  HRESULT(WINAPI* forMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
  // The ones this system has.
  static const TDpiSources& System();
};
UINT DpiOfWindowFrom(HWND window, const TDpiSources& sources);
// Grows a client rectangle to the window rectangle for a frame of these styles.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

class TWindow {
 public:
  TWindow() = default;
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND Handle() const { return handle_; }
  static TWindow* FromHandle(HWND window);

  // What a parent does with a message about a child: hand it to the child's object.
  // True when the child answered, with its answer in result.
  virtual bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The top-level window moved to a monitor of another resolution: sizes and fonts are
  // made again for it.
  virtual void DpiChanged(UINT dpi) { (void)dpi; }

 protected:
  // A window of one of our own classes: `this` is stored at WM_NCCREATE, so even the
  // first messages reach the object.
  void CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, int x, int y,
                       int width, int height, HWND parent, HMENU id);
  // A system control (button, static, list view): created normally, then subclassed so
  // its messages pass through Control() first.
  void CreateControl(const wchar_t* className, const wchar_t* text, DWORD exStyle, DWORD style,
                     int x, int y, int width, int height, HWND parent);

  // Every message of the window. The base reflects children's messages and otherwise
  // calls DefaultMessage.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The class's own procedure: DefWindowProc for own windows, the control's original
  // procedure for subclassed controls.
  LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The window is being destroyed: the last message the object sees.
  virtual void Destroyed() {}

 private:
  static LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR data);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  static bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  HWND handle_ = nullptr;
  bool subclassed_ = false;
};
