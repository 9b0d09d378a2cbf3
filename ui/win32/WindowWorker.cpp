#include "ui/win32/WindowWorker.h"

#include <atomic>
#include <utility>

#include "platform/Platform.h"

namespace {
std::atomic<int> gAbandonedWorkers{0};
}  // namespace

void TWorkerState::Mark(bool& flag) {
  {
    const std::lock_guard lock(mutex_);
    flag = true;
  }
  changed_.notify_all();
}

bool TWorkerState::Marked(const bool& flag) {
  const std::lock_guard lock(mutex_);
  return flag;
}

bool TWorkerState::WaitFor(const bool& flag, std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, wait, [&flag] { return flag; });
}

std::thread StartWorker(std::shared_ptr<TWorkerState> state, std::function<void()> work) {
  return std::thread([state = std::move(state), work = std::move(work)] {
    {
      // The platform stays installed while the thread calls it.
      const PlatformLease lease;
      work();
    }
    state->Mark(state->done);
    // Fails harmlessly when the window is gone; the state goes with its last owner.
    ::PostMessageW(state->window_, state->message_, 0, 0);
  });
}

void EndWorker(std::thread& thread, TWorkerState& state, std::chrono::milliseconds wait) {
  if (state.WaitFor(state.done, wait)) {
    // It has posted its message, its last act: the join returns at once.
    thread.join();
  } else {
    thread.detach();
    ++gAbandonedWorkers;
  }
}

int AbandonedWorkers() { return gAbandonedWorkers; }
