// The hand-over to the user-interface thread over a hidden message window: a background
// thread queues the work, posts the window a message and waits until the user-interface
// thread, inside its message loop, has run it. Posted, not sent: inside a message sent
// from another thread COM refuses outgoing calls (RPC_E_CANTCALLOUT_ININPUTSYNCCALL), and
// the work opens the shell and the save dialog.
#pragma once

#include <windows.h>

#include <atomic>

#include "Tavin/Dispatcher.h"
#include "ui/win32/Window.h"

class TWin32Dispatcher : public IUiDispatcher, private TWindow {
 public:
  // On the user-interface thread.
  TWin32Dispatcher();
  ~TWin32Dispatcher() override;

  bool Send(const std::function<void()>& work) override;
  void ServeUntil(const std::function<bool()>& finished) override;
  void Wake() override;
  // The user-interface side is gone: sends return false from now on, waiting ones too.
  void Close();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  DWORD uiThread_;
  HWND window_ = nullptr;
  TQueueDispatcher queue_;
  std::atomic<bool> closed_{false};
};
