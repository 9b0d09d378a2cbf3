// The user's locale: its identifier and names, and the locale's text comparison and
// upper-casing, in the shape of GetUserDefaultLCID, GetLocaleInfoW, CompareStringW and
// CharUpperBuffW.
#pragma once

#include "platform/WinTypes.h"

#ifndef _WIN32
using LCID = DWORD;
using LCTYPE = DWORD;

constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_INVARIANT = 0x007F;
constexpr LCTYPE LOCALE_SISO639LANGNAME = 0x0059;
constexpr LCTYPE LOCALE_SISO3166CTRYNAME = 0x005A;
constexpr DWORD NORM_IGNORECASE = 0x0001;
constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;
constexpr DWORD ERROR_INVALID_FLAGS = 1004;
#endif

class ILocale {
 public:
  virtual ~ILocale() = default;

  virtual LCID GetUserDefaultLCID() = 0;
  // GetLocaleInfoW: with size 0 the number of characters needed, terminator included;
  // otherwise the characters written, terminator included. 0 on failure with the
  // GetLastError code in *error (ERROR_INSUFFICIENT_BUFFER, ERROR_INVALID_PARAMETER,
  // ERROR_INVALID_FLAGS).
  [[nodiscard]] virtual int GetLocaleInfoW(LCID locale, LCTYPE type, wchar_t* data, int size,
                                           DWORD* error) = 0;
  // CompareStringW: CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; 0 on failure with the
  // GetLastError code in *error. A count of -1 means "up to the terminator".
  [[nodiscard]] virtual int CompareStringW(LCID locale, DWORD flags, const wchar_t* string1,
                                           int count1, const wchar_t* string2, int count2,
                                           DWORD* error) = 0;
  // CharUpperBuffW: upper-cases length characters in place; the number processed.
  virtual DWORD CharUpperBuffW(wchar_t* text, DWORD length) = 0;
};
