// The user's locale, straight through to kernel32 and user32.
#pragma once

#include "platform/Locale.h"

class Win32Locale final : public ILocale {
 public:
  LCID GetUserDefaultLCID() override;
  int GetLocaleInfoW(LCID locale, LCTYPE type, wchar_t* data, int size, DWORD* error) override;
  int CompareStringW(LCID locale, DWORD flags, const wchar_t* string1, int count1,
                     const wchar_t* string2, int count2, DWORD* error) override;
  DWORD CharUpperBuffW(wchar_t* text, DWORD length) override;
};
