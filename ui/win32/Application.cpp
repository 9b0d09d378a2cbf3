#include "ui/win32/Application.h"

#include "ui/win32/Form.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::MainFormDestroyed(TWin32Form* form) {
  if (form != mainForm_) return;
  mainForm_ = nullptr;
  ::PostQuitMessage(0);
}

namespace {
HICON LoadAppIcon(int width, int height) {
  // Shared icons belong to the system's cache and are never destroyed by us.
  HICON own = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                              width, height, LR_SHARED));
  return own ? own : ::LoadIconW(nullptr, IDI_APPLICATION);
}
}  // namespace

HICON TApplication::Icon() const {
  static const HICON icon =
      LoadAppIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  return icon;
}

HICON TApplication::SmallIcon() const {
  // Picked from the icon's own sizes rather than the large one shrunk by the title bar.
  static const HICON icon =
      LoadAppIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
  return icon;
}

void DispatchUiMessage(MSG& message) {
  // Tab and the arrow keys move between a window's controls as in a dialog, in every
  // form of ours (the main window, the update dialog); other windows (a message box, the
  // save dialog) run loops of their own.
  HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && dynamic_cast<TWin32Form*>(TWindow::FromHandle(root)) && ::IsDialogMessageW(root, &message)) {
    return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

TPumped PumpMessage(WPARAM& quitCode) {
  MSG message{};
  const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
  if (got == 0) {
    quitCode = message.wParam;
    return TPumped::kQuit;
  }
  if (got == -1) return TPumped::kFailed;
  DispatchUiMessage(message);
  return TPumped::kMessage;
}

int TApplication::Run() {
  while (true) {
    WPARAM code = 0;
    switch (PumpMessage(code)) {
      case TPumped::kQuit:
        return static_cast<int>(code);
      case TPumped::kFailed:
        return 1;
      case TPumped::kMessage:
        break;
    }
  }
}

void TApplication::ProcessMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for Run, which ends on it.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchUiMessage(message);
  }
}
