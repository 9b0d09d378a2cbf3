// The process as a test sets it up: the path of its executable, and a sleep that only
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
  // Returns at once; the virtual clock moves on by the time asked for.
  void Sleep(DWORD milliseconds) override;

  void SetExePath(std::wstring path);
  // Virtual milliseconds slept so far, by every thread, and the number of Sleep calls.
  std::uint64_t SleptMilliseconds() const;
  std::uint64_t SleepCalls() const;

  // Runs after every Sleep, on the sleeping thread, with the virtual time reached.
  std::function<void(std::uint64_t elapsedMilliseconds)> afterSleep;
  FaultPlan faults;  // "GetModuleFileNameW"

 private:
  mutable std::mutex mutex_;
  std::wstring exePath_ = kFakeExePath;
  std::uint64_t slept_ = 0;
  std::uint64_t sleepCalls_ = 0;
};
