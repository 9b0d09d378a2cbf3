// Work a window hands to a thread of its own (the refresh's reader, the saved list's
// writer) and the state the two share. The thread holds a platform lease while it works
// and, as its last act, marks the work done and posts the window's message; the window
// reads the results only after that message. A closing window waits a while, then
// leaves the thread to end alone: the thread keeps the shared state alive.
#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TWorkerState {
 public:
  TWorkerState(HWND window, UINT message) : window_(window), message_(message) {}

  // Sets one of the state's flags under its lock and wakes whoever waits for it.
  void Mark(bool& flag);
  bool Marked(const bool& flag);
  // Whether the flag was set within `wait`.
  bool WaitFor(const bool& flag, std::chrono::milliseconds wait);

  // Set by the thread when the work has returned.
  bool done = false;

 private:
  friend std::thread StartWorker(std::shared_ptr<TWorkerState> state, std::function<void()> work);

  HWND window_;
  UINT message_;
  std::mutex mutex_;
  std::condition_variable changed_;
};

// Runs `work` on a thread of its own; `work` keeps its own failures for the window.
std::thread StartWorker(std::shared_ptr<TWorkerState> state, std::function<void()> work);

// Closing: waits up to `wait` for the work, then joins the thread, or leaves it to end
// alone when it is not done.
void EndWorker(std::thread& thread, TWorkerState& state, std::chrono::milliseconds wait);

// Threads left to end alone: the program then ends without waiting for them.
int AbandonedWorkers();
