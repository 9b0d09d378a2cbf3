// The update check: the start-up request on a task of its own with retries, then the
// reply step on the user-interface thread, which may offer the update, announce it in
// the status bar, and finally hands the reply to the caller's callback.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "Tavin/Dispatcher.h"

// The caller's callback: true when the user took the offered update (its link was
// opened), and the reply text exactly as received (empty when every attempt failed).
using TUpdateProc = std::function<void(bool flag, const std::wstring& text)>;

// The visible side of the reply step, on the user-interface thread: the modal update
// dialog (true when the user chose Yes) and the status bar with its link.
class IUpdateUi {
 public:
  virtual ~IUpdateUi() = default;
  virtual bool UpdateDialog(const std::wstring& reply) = 0;
  virtual void ShowUpdateStatus(const std::wstring& link) = 0;
};

// What the check needs of the program around it. The task holds both as long as it
// runs, so a window that goes away early leaves nothing dangling.
struct TUpdateHost {
  std::shared_ptr<IUiDispatcher> dispatcher;
  std::shared_ptr<IUpdateUi> ui;
};

inline constexpr int kUpdateAttempts = 6;
inline constexpr unsigned kPauseMilliseconds = 10'000;

struct TUpdateTaskState;

// The running check, for whoever must end it early (the main window when it closes).
class TUpdateCheck {
 public:
  explicit TUpdateCheck(std::shared_ptr<TUpdateTaskState> state) : state_(std::move(state)) {}

  // Asks the task to stop: a pause or a request in progress ends at once, and no reply
  // step or callback follows.
  void Stop();
  bool Finished() const;
  // Waits until the task has ended, at most `timeout`; whether it has.
  bool WaitFor(std::chrono::milliseconds timeout) const;

 private:
  std::shared_ptr<TUpdateTaskState> state_;
};

// Sets UpdateURL and DialogOffset and starts the request task. With a callback it
// returns at once; without one it serves hand-overs on the calling (user-interface)
// thread until the task, reply step included, is over.
std::shared_ptr<TUpdateCheck> CheckUpdate(const std::wstring& url, TUpdateProc proc, int offset,
                                          const TUpdateHost& host);

// The reply step. A link with a bad escape is empty; the callback always runs.
void HandleReply(const std::wstring& data, const TUpdateProc& proc, IUpdateUi& ui);
