#include "Tavin/UpdateCheck.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "Tavin/Update.h"
#include "Tavin/UpdateReply.h"
#include "platform/Platform.h"

// What the task and the reply step share; it lives until both are done with it.
struct TUpdateTaskState {
  TUpdateProc proc;
  TUpdateHost host;
  std::wstring data;
  StopSignal stop;
  HttpAbort abort;

  mutable std::mutex mutex;
  mutable std::condition_variable ended;
  bool finished = false;
};

namespace {

// False when the task was asked to stop, before or during the pause.
bool Pause(TUpdateTaskState& state) { return !PlatformProcess().Pause(state.stop, kPauseMilliseconds); }

// The lease is taken before the thread starts and given back before the task reports
// itself finished, so whoever waits for that may then replace the platform.
void RunTask(const std::shared_ptr<TUpdateTaskState>& state, std::unique_ptr<PlatformLease> lease) {
  try {
    const HttpHeaders headers = StartupHeaders();
    bool stopped = false;
    for (int attempt = 1; attempt <= kUpdateAttempts; ++attempt) {
      if (SendRequest(headers, state->data, &state->abort)) break;
      if (!Pause(*state)) {
        stopped = true;
        break;
      }
    }
    // A stop that came while the last request was answered still holds: the window
    // that asked for it may be gone by the time the hand-over would run.
    if (!stopped && !state->stop.Stopped()) {
      (void)state->host.dispatcher->Send([&state] {
        HandleReply(state->data, state->proc, *state->host.ui);
      });
    }
  } catch (...) {
    // Nothing the reply step does is expected to throw; should anything, the task just
    // ends. No exception may leave a thread.
  }
  lease.reset();
  {
    std::lock_guard lock(state->mutex);
    state->finished = true;
  }
  state->ended.notify_all();
  state->host.dispatcher->Wake();
}

}  // namespace

void TUpdateCheck::Stop() {
  state_->stop.Stop();
  state_->abort.Abort();
}

bool TUpdateCheck::Finished() const {
  std::lock_guard lock(state_->mutex);
  return state_->finished;
}

bool TUpdateCheck::WaitFor(std::chrono::milliseconds timeout) const {
  std::unique_lock lock(state_->mutex);
  return state_->ended.wait_for(lock, timeout, [this] { return state_->finished; });
}

std::shared_ptr<TUpdateCheck> CheckUpdate(const std::wstring& url, TUpdateProc proc, int offset,
                                          const TUpdateHost& host) {
  UpdateURL = url;
  DialogOffset = offset;
  auto state = std::make_shared<TUpdateTaskState>();
  const bool waitHere = !proc;
  state->proc = std::move(proc);
  state->host = host;
  auto check = std::make_shared<TUpdateCheck>(state);
  std::thread task([state, lease = std::make_unique<PlatformLease>()]() mutable {
    RunTask(state, std::move(lease));
  });
  if (!waitHere) {
    // The task owns itself from here: its state is shared, so nothing it touches goes
    // away under it.
    task.detach();
    return check;
  }
  host.dispatcher->ServeUntil([&check] { return check->Finished(); });
  task.join();
  return check;
}

void HandleReply(const std::wstring& data, const TUpdateProc& proc, IUpdateUi& ui) {
  const std::wstring updateLink = UnescapeValue(ExtractBetween(data, L"\"update\":\"", L"\""));
  bool flag = false;
  // The dialog is only offered for a link the browser will really get: a link that is
  // not a clean web address would be refused after the user said Yes. And Yes only
  // counts when the link went to the browser, so the program never closes for an
  // update that never opened.
  if (IsWebLink(updateLink) && ui.UpdateDialog(data)) flag = OpenLink(updateLink);
  const std::wstring statusLink = UnescapeValue(ExtractBetween(data, L"\"notify\":\"", L"\""));
  // The status bar is a link: it is shown only when a click on it would open one.
  if (IsWebLink(statusLink)) ui.ShowUpdateStatus(statusLink);
  if (proc) proc(flag, data);
}
