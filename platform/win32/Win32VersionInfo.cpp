#include "platform/win32/Win32VersionInfo.h"

DWORD Win32VersionInfo::GetFileVersionInfoSizeW(const wchar_t* file, DWORD* handle, DWORD* error) {
  const DWORD size = ::GetFileVersionInfoSizeW(file, handle);
  if (size == 0) *error = ::GetLastError();
  return size;
}

BOOL Win32VersionInfo::GetFileVersionInfoW(const wchar_t* file, DWORD handle, DWORD size,
                                           void* data, DWORD* error) {
  const BOOL ok = ::GetFileVersionInfoW(file, handle, size, data);
  if (!ok) *error = ::GetLastError();
  return ok;
}

BOOL Win32VersionInfo::VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer,
                                      UINT* length) {
  return ::VerQueryValueW(block, subBlock, buffer, length);
}
