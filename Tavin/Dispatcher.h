// The one hand-over from a background task to the user-interface thread: the task
// sends a piece of work and waits until the user-interface thread has run it. The main
// window implements it by queueing the work and posting itself a message; TQueueDispatcher
// is that queue, and on its own the same contract for the console and the tests.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <utility>

class IUiDispatcher {
 public:
  virtual ~IUiDispatcher() = default;

  // From a background thread: runs work on the user-interface thread and returns when it
  // has run to its end; an exception it throws is thrown again here. False, with work
  // not run, when the user-interface side is gone.
  virtual bool Send(const std::function<void()>& work) = 0;
  // On the user-interface thread: keeps running sent work until finished() says true.
  // Whoever changes what finished() reads calls Wake() afterwards.
  virtual void ServeUntil(const std::function<bool()>& finished) = 0;
  virtual void Wake() = 0;
};

class TQueueDispatcher : public IUiDispatcher {
 public:
  bool Send(const std::function<void()>& work) override;
  void ServeUntil(const std::function<bool()>& finished) override;
  void Wake() override;

  // On the user-interface thread: runs the work waiting now; whether there was any.
  bool RunPending();
  // The user-interface side is gone: waiting and later sends return false without
  // running their work. Work already running finishes first.
  void Close();
  // Sends that are waiting right now, run or not yet.
  int Waiting() const;
  // Called from the sending thread each time work is queued, before the send waits: a
  // window's dispatcher posts itself a message there, so that its loop runs the work.
  // Set before the first send.
  void SetOnQueued(std::function<void()> onQueued) { onQueued_ = std::move(onQueued); }

 private:
  struct Item {
    const std::function<void()>* work = nullptr;
    bool done = false;
    bool ran = false;
    std::exception_ptr error;
  };
  void Run(std::unique_lock<std::mutex>& lock);

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item*> queue_;
  bool closed_ = false;
  int waiting_ = 0;
  std::uint64_t wakes_ = 0;
  std::function<void()> onQueued_;
};
