// The running process itself: the file it was started from, and pausing on the calling
// thread until a time has passed or another thread says stop. A test installs a fake
// whose pause only moves a virtual clock, so a minute of retry pauses takes no time.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/WinTypes.h"

// Lets one thread wait and another end the wait at once. Once stopped, it stays stopped.
class StopSignal {
 public:
  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    changed_.notify_all();
  }
  bool Stopped() const {
    std::lock_guard lock(mutex_);
    return stopped_;
  }
  // Waits until Stop() or until the time has passed on the steady clock, whichever comes
  // first; true when stopped. One deadline for the whole wait: no count of short sleeps,
  // which Windows would round up to its timer tick one by one.
  bool WaitFor(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline, [this] { return stopped_; });
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool stopped_ = false;
};

class IProcess {
 public:
  virtual ~IProcess() = default;

  // GetModuleFileNameW(nullptr, ...): the full path of the process's executable. The
  // number of characters copied without the terminator; size when the buffer was too
  // small (the text is cut and *error is ERROR_INSUFFICIENT_BUFFER); 0 on failure with
  // the GetLastError code in *error.
  [[nodiscard]] virtual DWORD GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) = 0;
  // Waits the time on a monotonic clock unless signal is stopped first (or already
  // was); true when stopped.
  [[nodiscard]] virtual bool Pause(StopSignal& signal, DWORD milliseconds) = 0;
};
