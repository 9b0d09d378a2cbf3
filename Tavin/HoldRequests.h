// The hold requests: each one sent once on a detached thread of its own when the user
// ticks the notice's hold box, its outcome of no interest. The program's end waits for
// them a little, then aborts what is left, so closing never waits on a server that does
// not answer.
#pragma once

#include <chrono>

// Sends the hold request once on a detached thread; returns at once.
void StartHoldRequest();

// Waits until the hold requests started so far have ended, at most `timeout`; whether
// they have.
bool WaitForHoldRequests(std::chrono::milliseconds timeout);

// On the program's way out: waits up to `grace` for the hold requests (so one sent just
// before closing is not cut off), then aborts those still running and waits up to
// `settle` for their threads to let go. Whether none is left; one that is left only
// finishes its abort while the process ends.
bool FinishHoldRequests(std::chrono::milliseconds grace, std::chrono::milliseconds settle);
