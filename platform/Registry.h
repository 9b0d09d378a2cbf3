// The registry calls the logic makes, one method per Win32 function, with the same
// arguments, results and error codes. Names are NUL-terminated, as in Win32; a null
// value name is the key's default value.
#pragma once

#include "platform/WinTypes.h"

class IRegistry {
 public:
  virtual ~IRegistry() = default;

  [[nodiscard]] virtual LSTATUS RegOpenKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                              REGSAM samDesired, HKEY* result) = 0;
  [[nodiscard]] virtual LSTATUS RegCreateKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                                REGSAM samDesired, HKEY* result,
                                                DWORD* disposition) = 0;
  [[nodiscard]] virtual LSTATUS RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD* type,
                                                 BYTE* data, DWORD* cbData) = 0;
  // cchValueName counts characters without the terminator on return, as in Win32. With
  // data and cbData the value's data comes too: a buffer too small for it gives
  // ERROR_MORE_DATA with the size needed in *cbData; without them only the name and type.
  [[nodiscard]] virtual LSTATUS RegEnumValueW(HKEY key, DWORD index, wchar_t* valueName,
                                              DWORD* cchValueName, DWORD* type,
                                              BYTE* data = nullptr, DWORD* cbData = nullptr) = 0;
  [[nodiscard]] virtual LSTATUS RegEnumKeyExW(HKEY key, DWORD index, wchar_t* name,
                                              DWORD* cchName) = 0;
  // Counts and the longest names in characters, without the terminator.
  [[nodiscard]] virtual LSTATUS RegQueryInfoKeyW(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLen,
                                                 DWORD* values, DWORD* maxValueNameLen,
                                                 DWORD* maxValueLen) = 0;
  [[nodiscard]] virtual LSTATUS RegSetValueExW(HKEY key, const wchar_t* valueName, DWORD type,
                                               const BYTE* data, DWORD cbData) = 0;
  [[nodiscard]] virtual LSTATUS RegDeleteValueW(HKEY key, const wchar_t* valueName) = 0;
  [[nodiscard]] virtual LSTATUS RegDeleteKeyExW(HKEY key, const wchar_t* subKey, REGSAM samDesired) = 0;
  virtual LSTATUS RegCloseKey(HKEY key) = 0;
};
