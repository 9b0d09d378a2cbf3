#include "ui/win32/Win32Dispatcher.h"

#include "ui/win32/Application.h"

namespace {
constexpr UINT kRunWork = WM_APP + 1;
constexpr UINT kWake = WM_APP + 2;
}  // namespace

TWin32Dispatcher::TWin32Dispatcher() : uiThread_(::GetCurrentThreadId()) {
  CreateOwnWindow(L"OrvaneDispatcher", 0, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
  window_ = Handle();
  // A post that fails (the window already gone) leaves the work to Close, which releases it.
  queue_.SetOnQueued([this] { ::PostMessageW(window_, kRunWork, 0, 0); });
}

TWin32Dispatcher::~TWin32Dispatcher() { Close(); }

bool TWin32Dispatcher::Send(const std::function<void()>& work) {
  if (closed_) return false;
  if (::GetCurrentThreadId() == uiThread_) {
    // From the user-interface thread itself the work simply runs here.
    work();
    return true;
  }
  return queue_.Send(work);
}

void TWin32Dispatcher::ServeUntil(const std::function<bool()>& finished) {
  // The work's messages are posted, so the loop runs them as they come; Wake posts a
  // message so that GetMessage returns and finished() is asked again.
  while (!finished()) {
    WPARAM code = 0;
    const TPumped pumped = PumpMessage(code);
    if (pumped == TPumped::kQuit) {
      // WM_QUIT belongs to the outer loop: put it back for that loop and stop serving.
      ::PostQuitMessage(static_cast<int>(code));
      return;
    }
    if (pumped == TPumped::kFailed) return;
  }
}

void TWin32Dispatcher::Wake() {
  if (!closed_) ::PostMessageW(window_, kWake, 0, 0);
}

void TWin32Dispatcher::Close() {
  if (closed_.exchange(true)) return;
  queue_.Close();
  if (::GetCurrentThreadId() == uiThread_ && Handle()) ::DestroyWindow(Handle());
}

LRESULT TWin32Dispatcher::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunWork) {
    // The work's exception goes back to the sender rather than to the error box.
    if (!closed_) (void)queue_.RunPending();
    return 0;
  }
  if (message == kWake) return 0;
  return TWindow::HandleMessage(message, wParam, lParam);
}
