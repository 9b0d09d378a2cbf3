#include "platform/win32/Win32Registry.h"

LSTATUS Win32Registry::RegOpenKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                     REGSAM samDesired, HKEY* result) {
  return ::RegOpenKeyExW(key, subKey, options, samDesired, result);
}

LSTATUS Win32Registry::RegCreateKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                       REGSAM samDesired, HKEY* result, DWORD* disposition) {
  return ::RegCreateKeyExW(key, subKey, 0, nullptr, options, samDesired, nullptr, result,
                           disposition);
}

LSTATUS Win32Registry::RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD* type,
                                        BYTE* data, DWORD* cbData) {
  return ::RegQueryValueExW(key, valueName, nullptr, type, data, cbData);
}

LSTATUS Win32Registry::RegEnumValueW(HKEY key, DWORD index, wchar_t* valueName,
                                     DWORD* cchValueName, DWORD* type, BYTE* data,
                                     DWORD* cbData) {
  // With null data and size only the name and type come, so a large value never turns
  // the enumeration into ERROR_MORE_DATA.
  return ::RegEnumValueW(key, index, valueName, cchValueName, nullptr, type, data, cbData);
}

LSTATUS Win32Registry::RegEnumKeyExW(HKEY key, DWORD index, wchar_t* name, DWORD* cchName) {
  return ::RegEnumKeyExW(key, index, name, cchName, nullptr, nullptr, nullptr, nullptr);
}

LSTATUS Win32Registry::RegQueryInfoKeyW(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLen,
                                        DWORD* values, DWORD* maxValueNameLen,
                                        DWORD* maxValueLen) {
  return ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, subKeys, maxSubKeyLen, nullptr,
                            values, maxValueNameLen, maxValueLen, nullptr, nullptr);
}

LSTATUS Win32Registry::RegSetValueExW(HKEY key, const wchar_t* valueName, DWORD type,
                                      const BYTE* data, DWORD cbData) {
  return ::RegSetValueExW(key, valueName, 0, type, data, cbData);
}

LSTATUS Win32Registry::RegDeleteValueW(HKEY key, const wchar_t* valueName) {
  return ::RegDeleteValueW(key, valueName);
}

LSTATUS Win32Registry::RegDeleteKeyExW(HKEY key, const wchar_t* subKey, REGSAM samDesired) {
  return ::RegDeleteKeyExW(key, subKey, samDesired, 0);
}

LSTATUS Win32Registry::RegCloseKey(HKEY key) { return ::RegCloseKey(key); }
