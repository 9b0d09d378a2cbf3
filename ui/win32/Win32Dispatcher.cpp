#include "ui/win32/Win32Dispatcher.h"

#include <exception>

namespace {
constexpr UINT kRunWork = WM_APP + 1;
constexpr UINT kWake = WM_APP + 2;

struct TSentWork {
  const std::function<void()>* work;
  std::exception_ptr error;
};
}  // namespace

TWin32Dispatcher::TWin32Dispatcher() : uiThread_(::GetCurrentThreadId()) {
  CreateOwnWindow(L"OrvaneDispatcher", 0, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
  window_ = Handle();
}

TWin32Dispatcher::~TWin32Dispatcher() { Close(); }

bool TWin32Dispatcher::Send(const std::function<void()>& work) {
  if (closed_) return false;
  TSentWork sent{&work, nullptr};
  if (::GetCurrentThreadId() == uiThread_) {
    // A send from the user-interface thread itself would only call the window procedure
    // directly; running the work here says the same without the detour.
    work();
    return true;
  }
  // SendMessage returns 0 without running anything when the window is destroyed, also
  // while this thread is waiting; the procedure answers 1 for work it ran.
  if (::SendMessageW(window_, kRunWork, 0, reinterpret_cast<LPARAM>(&sent)) != 1) return false;
  if (sent.error) std::rethrow_exception(sent.error);
  return true;
}

void TWin32Dispatcher::ServeUntil(const std::function<bool()>& finished) {
  // Sent messages are delivered inside GetMessage, so the loop runs them as they come;
  // Wake posts a message so that GetMessage returns and finished() is asked again.
  while (!finished()) {
    MSG message{};
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // WM_QUIT belongs to the outer loop: put it back for that loop and stop serving.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (got < 0) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void TWin32Dispatcher::Wake() {
  if (!closed_) ::PostMessageW(window_, kWake, 0, 0);
}

void TWin32Dispatcher::Close() {
  if (closed_.exchange(true)) return;
  if (::GetCurrentThreadId() == uiThread_ && Handle()) ::DestroyWindow(Handle());
}

LRESULT TWin32Dispatcher::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunWork) {
    auto* sent = reinterpret_cast<TSentWork*>(lParam);
    if (closed_) return 0;
    // The work's exception goes back to the sender rather than to the error box.
    try {
      (*sent->work)();
    } catch (...) {
      sent->error = std::current_exception();
    }
    return 1;
  }
  if (message == kWake) return 0;
  return TWindow::HandleMessage(message, wParam, lParam);
}
