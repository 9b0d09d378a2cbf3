// Version resources of files, in the shape of GetFileVersionInfoSizeW,
// GetFileVersionInfoW and VerQueryValueW.
#pragma once

#include "platform/Resources.h"
#include "platform/WinTypes.h"

#ifndef _WIN32
using UINT = unsigned int;
#endif

class IVersionInfo {
 public:
  virtual ~IVersionInfo() = default;

  // GetFileVersionInfoSizeW: the size of the block GetFileVersionInfoW fills, or 0 with
  // the GetLastError code in *error (ERROR_FILE_NOT_FOUND for a missing file,
  // ERROR_RESOURCE_TYPE_NOT_FOUND for a file without a version resource). *handle is
  // set to 0.
  [[nodiscard]] virtual DWORD GetFileVersionInfoSizeW(const wchar_t* file, DWORD* handle,
                                                      DWORD* error) = 0;
  // GetFileVersionInfoW: copies at most size bytes of the block into data.
  [[nodiscard]] virtual BOOL GetFileVersionInfoW(const wchar_t* file, DWORD handle, DWORD size,
                                                 void* data, DWORD* error) = 0;
  // VerQueryValueW on a block GetFileVersionInfoW filled: "\" gives the fixed file
  // information, "\VarFileInfo\Translation" the array of (language, code page) word
  // pairs, "\StringFileInfo\<8 hex digits>\<key>" the zero-terminated value (length in
  // characters, terminator included). *buffer points into block.
  [[nodiscard]] virtual BOOL VerQueryValueW(const void* block, const wchar_t* subBlock,
                                            void** buffer, UINT* length) = 0;
};
