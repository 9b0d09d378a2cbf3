// The process as a test sets it up: the path of its executable, and a pause that only
// moves a virtual clock (and can run a test's step at a chosen virtual moment).
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "platform/Process.h"
#include "platform/fake/FaultPlan.h"

inline constexpr wchar_t kFakeExePath[] = L"C:\\Program Files\\Orvane\\orvane.exe";

class FakeProcess : public IProcess {
 public:
  [[nodiscard]] DWORD GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) override;
  // Returns at once: true when the signal is already stopped (the clock stays), else the
  // virtual clock moves on by the time asked for, afterPause runs, and the result is
  // whether the signal is stopped by then.
  bool Pause(StopSignal& signal, DWORD milliseconds) override;

  void SetExePath(std::wstring path);
  // Virtual milliseconds paused so far, by every thread, and the number of Pause calls.
  std::uint64_t PausedMilliseconds() const;
  std::uint64_t PauseCalls() const;

  // Runs after every pause that moved the clock, on the pausing thread, with the
  // virtual time reached.
  std::function<void(std::uint64_t elapsedMilliseconds)> afterPause;
  FaultPlan faults{"FakeProcess", {"GetModuleFileNameW"}};

 private:
  mutable std::mutex mutex_;
  std::wstring exePath_ = kFakeExePath;
  std::uint64_t paused_ = 0;
  std::uint64_t pauseCalls_ = 0;
};
