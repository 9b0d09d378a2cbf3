#include "Tavin/HoldRequests.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include "Tavin/Update.h"
#include "platform/Platform.h"

namespace {

// Never destroyed: a hold thread that outlives the wait at the program's end may still
// count itself out while the process goes down.
struct THoldRequests {
  std::mutex mutex;
  std::condition_variable done;
  // The aborts of the requests running now; each is shared with its thread.
  std::set<std::shared_ptr<HttpAbort>> running;
};

THoldRequests& HoldRequests() {
  static auto* requests = new THoldRequests;
  return *requests;
}

}  // namespace

void StartHoldRequest() {
  THoldRequests& requests = HoldRequests();
  auto abort = std::make_shared<HttpAbort>();
  {
    std::lock_guard lock(requests.mutex);
    requests.running.insert(abort);
  }
  try {
    std::thread([&requests, abort, lease = std::make_unique<PlatformLease>()]() mutable {
      try {
        std::wstring ignored;
        (void)SendRequest(HoldHeaders(), ignored, abort.get());
      } catch (...) {
        // The server's answer to a hold is of no interest, nor is a failure to ask.
      }
      lease.reset();  // before the request counts as done: a waiter may swap the platform
      {
        std::lock_guard lock(requests.mutex);
        requests.running.erase(abort);
      }
      requests.done.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: the hold is a courtesy to the server and the user's answer
    // to the dialog stands without it.
    std::lock_guard lock(requests.mutex);
    requests.running.erase(abort);
  }
}

bool WaitForHoldRequests(std::chrono::milliseconds timeout) {
  THoldRequests& requests = HoldRequests();
  std::unique_lock lock(requests.mutex);
  return requests.done.wait_for(lock, timeout, [&requests] { return requests.running.empty(); });
}

bool FinishHoldRequests(std::chrono::milliseconds grace, std::chrono::milliseconds settle) {
  if (WaitForHoldRequests(grace)) return true;
  THoldRequests& requests = HoldRequests();
  {
    std::lock_guard lock(requests.mutex);
    // Abort() never calls back into this unit, so holding the lock here is safe.
    for (const std::shared_ptr<HttpAbort>& abort : requests.running) abort->Abort();
  }
  return WaitForHoldRequests(settle);
}
