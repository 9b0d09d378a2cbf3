#include "Lib/WorkWithDeadline.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/Platform.h"

namespace {

std::atomic<int> gAbandonedRunning{0};

struct TWorkState {
  std::function<void()> work;
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  bool abandoned = false;
};

}  // namespace

int AbandonedWorksRunning() { return gAbandonedRunning; }

bool RunWithDeadline(std::function<void()> work, std::chrono::milliseconds deadline) {
  auto state = std::make_shared<TWorkState>();
  state->work = std::move(work);
  try {
    std::thread([state] {
      {
        const PlatformLease lease;
        try {
          state->work();
        } catch (...) {
          // What it would have filled stays empty; the waiting side sees no result either
          // way, and nothing may leave a thread.
        }
        // The work's captures go here, on the thread that used them last.
        state->work = nullptr;
      }
      bool abandoned = false;
      {
        const std::lock_guard lock(state->mutex);
        state->done = true;
        abandoned = state->abandoned;
      }
      if (abandoned) --gAbandonedRunning;
      state->finished.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    state->work();
    return true;
  }
  std::unique_lock lock(state->mutex);
  if (state->finished.wait_for(lock, deadline, [&] { return state->done; })) return true;
  state->abandoned = true;
  ++gAbandonedRunning;
  return false;
}
