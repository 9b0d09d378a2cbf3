// Processor architecture, the true Windows version and the clock.
#pragma once

#include "platform/SystemInfo.h"

class Win32SystemInfo final : public ISystemInfo {
 public:
  WORD NativeProcessorArchitecture() override;
  OsVersion RtlGetVersion() override;
  OsVersion InstalledVersion() override;
  void GetSystemTime(SYSTEMTIME* time) override;
  BOOL SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) override;
  void GetLocalTime(SYSTEMTIME* time) override;
  BOOL QueryPerformanceCounter(std::int64_t* count) override;
};
