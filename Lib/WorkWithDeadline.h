// A bounded wait on work that may block for as long as the network lets it: a file on a
// share that has gone offline answers only after the redirector gives up, tens of seconds
// later, and no call it makes can be cancelled from outside.
#pragma once

#include <chrono>
#include <functional>

// Runs `work` on a thread of its own and waits for it at most `deadline`. True when it
// finished in time. Otherwise it runs on, abandoned, until its call returns: it must own
// (share) everything it reads and writes, since the caller goes on and frees its own. The
// thread holds a PlatformLease while it runs. When no thread can be started the work is
// done here, without a bound, as it would have been without one.
bool RunWithDeadline(std::function<void()> work, std::chrono::milliseconds deadline);

// How many abandoned works are still running; a test waits for 0 before its fakes go.
int AbandonedWorksRunning();
