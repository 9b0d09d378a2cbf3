// Version resources of files, straight through to version.dll.
#pragma once

#include "platform/VersionInfo.h"

class Win32VersionInfo final : public IVersionInfo {
 public:
  DWORD GetFileVersionInfoSizeW(const wchar_t* file, DWORD* handle, DWORD* error) override;
  BOOL GetFileVersionInfoW(const wchar_t* file, DWORD handle, DWORD size, void* data,
                           DWORD* error) override;
  BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer,
                      UINT* length) override;
};
