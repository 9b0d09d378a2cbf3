// A machine of the test's choosing: processor, Windows version and a clock that stands
// still until the test moves it.
#pragma once

#include <mutex>

#include "platform/SystemInfo.h"
#include "platform/fake/FaultPlan.h"

class FakeSystemInfo : public ISystemInfo {
 public:
  FakeSystemInfo();

  WORD NativeProcessorArchitecture() override;
  OsVersion RtlGetVersion() override;
  void GetSystemTime(SYSTEMTIME* time) override;
  // The real conversion: 100-nanosecond intervals since 1601-01-01 UTC. FALSE for a
  // field out of range (the day of the week is ignored, as Windows does).
  [[nodiscard]] BOOL SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) override;

  void SetArchitecture(WORD architecture);
  void SetVersion(DWORD major, DWORD minor, DWORD build);
  // The clock reads this until set again. The default is Tuesday 2024-05-14 09:30:00 UTC.
  void SetTime(const SYSTEMTIME& time);

  FaultPlan faults;

 private:
  std::mutex mutex_;
  WORD architecture_ = PROCESSOR_ARCHITECTURE_AMD64;
  OsVersion version_;
  SYSTEMTIME time_{};
};
