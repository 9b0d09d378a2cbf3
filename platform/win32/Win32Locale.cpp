#include "platform/win32/Win32Locale.h"

LCID Win32Locale::GetUserDefaultLCID() { return ::GetUserDefaultLCID(); }

int Win32Locale::GetLocaleInfoW(LCID locale, LCTYPE type, wchar_t* data, int size, DWORD* error) {
  const int result = ::GetLocaleInfoW(locale, type, data, size);
  if (result == 0) *error = ::GetLastError();
  return result;
}

int Win32Locale::CompareStringW(LCID locale, DWORD flags, const wchar_t* string1, int count1,
                                const wchar_t* string2, int count2, DWORD* error) {
  const int result = ::CompareStringW(locale, flags, string1, count1, string2, count2);
  if (result == 0) *error = ::GetLastError();
  return result;
}

DWORD Win32Locale::CharUpperBuffW(wchar_t* text, DWORD length) {
  return ::CharUpperBuffW(text, length);
}
