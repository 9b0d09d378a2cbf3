// The registry calls, straight through to advapi32.
#pragma once

#include "platform/Registry.h"

class Win32Registry final : public IRegistry {
 public:
  LSTATUS RegOpenKeyExW(HKEY key, const wchar_t* subKey, DWORD options, REGSAM samDesired,
                        HKEY* result) override;
  LSTATUS RegCreateKeyExW(HKEY key, const wchar_t* subKey, DWORD options, REGSAM samDesired,
                          HKEY* result, DWORD* disposition) override;
  LSTATUS RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD* type, BYTE* data,
                           DWORD* cbData) override;
  LSTATUS RegEnumValueW(HKEY key, DWORD index, wchar_t* valueName, DWORD* cchValueName,
                        DWORD* type, BYTE* data = nullptr, DWORD* cbData = nullptr) override;
  LSTATUS RegEnumKeyExW(HKEY key, DWORD index, wchar_t* name, DWORD* cchName) override;
  LSTATUS RegQueryInfoKeyW(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLen, DWORD* values,
                           DWORD* maxValueNameLen, DWORD* maxValueLen) override;
  LSTATUS RegSetValueExW(HKEY key, const wchar_t* valueName, DWORD type, const BYTE* data,
                         DWORD cbData) override;
  LSTATUS RegDeleteValueW(HKEY key, const wchar_t* valueName) override;
  LSTATUS RegDeleteKeyExW(HKEY key, const wchar_t* subKey, REGSAM samDesired) override;
  LSTATUS RegCloseKey(HKEY key) override;
};
