#include "platform/win32/Win32SystemInfo.h"

#include <cwchar>

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

OsVersion Win32SystemInfo::InstalledVersion() {
  constexpr wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
  constexpr DWORD kDword = RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY;
  DWORD major = 0;
  DWORD size = sizeof(major);
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"CurrentMajorVersionNumber", kDword, nullptr,
                     &major, &size) == ERROR_SUCCESS) {
    DWORD minor = 0;
    size = sizeof(minor);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"CurrentMinorVersionNumber", kDword, nullptr,
                       &minor, &size) != ERROR_SUCCESS)
      minor = 0;
    return {major, minor, 0};
  }
  // Before Windows 10 "CurrentVersion" is the version; from 10 on it stays "6.3" for old
  // readers, which is why the numbers above come first.
  wchar_t text[16] = {};
  size = sizeof(text);
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"CurrentVersion",
                     RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, text, &size) != ERROR_SUCCESS)
    return {};
  unsigned parsedMajor = 0;
  unsigned parsedMinor = 0;
  if (::swscanf(text, L"%u.%u", &parsedMajor, &parsedMinor) != 2) return {};
  return {parsedMajor, parsedMinor, 0};
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
