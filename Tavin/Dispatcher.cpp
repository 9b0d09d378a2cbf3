#include "Tavin/Dispatcher.h"

bool TQueueDispatcher::Send(const std::function<void()>& work) {
  Item item;
  item.work = &work;
  std::unique_lock lock(mutex_);
  if (closed_) return false;
  queue_.push_back(&item);
  ++waiting_;
  changed_.notify_all();
  if (onQueued_) {
    // Outside the lock: the user-interface thread may be taking it to run earlier work.
    lock.unlock();
    onQueued_();
    lock.lock();
  }
  changed_.wait(lock, [&item] { return item.done; });
  --waiting_;
  if (item.error) std::rethrow_exception(item.error);
  return item.ran;
}

void TQueueDispatcher::Run(std::unique_lock<std::mutex>& lock) {
  Item* item = queue_.front();
  queue_.pop_front();
  lock.unlock();
  try {
    (*item->work)();
  } catch (...) {
    item->error = std::current_exception();
  }
  lock.lock();
  item->ran = true;
  item->done = true;
  changed_.notify_all();
}

void TQueueDispatcher::ServeUntil(const std::function<bool()>& finished) {
  std::uint64_t seen = 0;
  {
    std::lock_guard lock(mutex_);
    seen = wakes_;
  }
  // A wake between the check and the wait is not lost: it has moved wakes_ past seen.
  while (!finished()) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !queue_.empty() || wakes_ != seen; });
    seen = wakes_;
    if (!queue_.empty()) Run(lock);
  }
}

void TQueueDispatcher::Wake() {
  std::lock_guard lock(mutex_);
  ++wakes_;
  changed_.notify_all();
}

bool TQueueDispatcher::RunPending() {
  std::unique_lock lock(mutex_);
  bool any = false;
  while (!queue_.empty()) {
    Run(lock);
    any = true;
  }
  return any;
}

void TQueueDispatcher::Close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  for (Item* item : queue_) item->done = true;  // ran stays false
  queue_.clear();
  changed_.notify_all();
}

int TQueueDispatcher::Waiting() const {
  std::lock_guard lock(mutex_);
  return waiting_;
}
