// A machine of the test's choosing: processor, Windows version and a clock that stands
// still until the test moves it.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/SystemInfo.h"
#include "platform/fake/FaultPlan.h"

class FakeSystemInfo : public ISystemInfo {
 public:
  FakeSystemInfo();

  WORD NativeProcessorArchitecture() override;
  OsVersion RtlGetVersion() override;
  // What SetVersion set, unless SetCompatibilityVersion or SetInstalledVersion changed it.
  OsVersion InstalledVersion() override;
  void GetSystemTime(SYSTEMTIME* time) override;
  // The real conversion: 100-nanosecond intervals since 1601-01-01 UTC. FALSE for a
  // field out of range (the day of the week is ignored, as Windows does).
  [[nodiscard]] BOOL SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) override;
  void GetLocalTime(SYSTEMTIME* time) override;
  // Returns the set value, then moves it on by one, so two reads never agree.
  [[nodiscard]] BOOL QueryPerformanceCounter(std::int64_t* count) override;

  void SetArchitecture(WORD architecture);
  // A machine that runs this version: both sources agree.
  void SetVersion(DWORD major, DWORD minor, DWORD build);
  // A compatibility mode's answer: RtlGetVersion says this, the installed version stays.
  void SetCompatibilityVersion(DWORD major, DWORD minor, DWORD build);
  // The registry's record of the version alone; all zero plays one that cannot be read.
  void SetInstalledVersion(DWORD major, DWORD minor, DWORD build);
  // The clock reads this until set again. The default is Tuesday 2024-05-14 09:30:00 UTC.
  void SetTime(const SYSTEMTIME& time);
  // The local clock, separate from the UTC one. Each read returns the next of the given
  // times, the last one for good; the default is 2024-05-14 18:30:00 (UTC+9).
  void SetLocalTimes(std::vector<SYSTEMTIME> times);
  void SetPerformanceCounter(std::int64_t count);

  FaultPlan faults{"FakeSystemInfo",
                   {"GetLocalTime", "GetNativeSystemInfo", "GetSystemTime",
                    "InstalledVersion", "QueryPerformanceCounter", "RtlGetVersion",
                    "SystemTimeToFileTime"}};

 private:
  std::mutex mutex_;
  WORD architecture_ = PROCESSOR_ARCHITECTURE_AMD64;
  OsVersion version_;
  OsVersion installed_;
  SYSTEMTIME time_{};
  std::vector<SYSTEMTIME> localTimes_;
  std::int64_t counter_ = 1'234'567;
};
