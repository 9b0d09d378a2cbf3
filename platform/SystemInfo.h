// Facts about the running system: processor architecture, version and the clock.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

struct OsVersion {
  DWORD major = 0;
  DWORD minor = 0;
  DWORD build = 0;
};

class ISystemInfo {
 public:
  virtual ~ISystemInfo() = default;

  // GetNativeSystemInfo's wProcessorArchitecture.
  virtual WORD NativeProcessorArchitecture() = 0;
  // RtlGetVersion: unlike GetVersionExW it does not depend on the manifest.
  virtual OsVersion RtlGetVersion() = 0;
  // The version the installed system records under HKLM's "SOFTWARE\Microsoft\Windows
  // NT\CurrentVersion" (CurrentMajorVersionNumber and CurrentMinorVersionNumber from
  // Windows 10 on, CurrentVersion "6.1" and the like before), which no compatibility
  // mode changes: RtlGetVersion answers what a compatibility layer says ("Windows 7" for
  // a program run in that mode). All zero when it cannot be read.
  virtual OsVersion InstalledVersion() = 0;
  virtual void GetSystemTime(SYSTEMTIME* time) = 0;
  [[nodiscard]] virtual BOOL SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) = 0;
  // The wall clock in the user's time zone.
  virtual void GetLocalTime(SYSTEMTIME* time) = 0;
  // QueryPerformanceCounter: the high-resolution counter's current value.
  [[nodiscard]] virtual BOOL QueryPerformanceCounter(std::int64_t* count) = 0;
};
