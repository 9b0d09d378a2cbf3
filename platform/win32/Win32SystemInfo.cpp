#include "platform/win32/Win32SystemInfo.h"

WORD Win32SystemInfo::NativeProcessorArchitecture() {
  // The native one: a 32-bit build under WOW64 must still see AMD64 or ARM64.
  SYSTEM_INFO info = {};
  ::GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture;
}

OsVersion Win32SystemInfo::RtlGetVersion() {
  // RtlGetVersion has no import library entry for user mode and, unlike GetVersionExW,
  // does not fall back to 6.2 when the manifest lacks the running version.
  using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return {};
  auto function = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void (*)()>(::GetProcAddress(ntdll, "RtlGetVersion")));
  if (function == nullptr) return {};
  RTL_OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  if (function(&info) != 0) return {};
  return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

void Win32SystemInfo::GetSystemTime(SYSTEMTIME* time) { ::GetSystemTime(time); }

BOOL Win32SystemInfo::SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) {
  return ::SystemTimeToFileTime(time, fileTime);
}

void Win32SystemInfo::GetLocalTime(SYSTEMTIME* time) { ::GetLocalTime(time); }

BOOL Win32SystemInfo::QueryPerformanceCounter(std::int64_t* count) {
  LARGE_INTEGER value = {};
  if (!::QueryPerformanceCounter(&value)) return FALSE;
  *count = value.QuadPart;
  return TRUE;
}
