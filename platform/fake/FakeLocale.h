// The user's locale in memory: a chosen LCID, the ISO 639 names of the common locales,
// and CompareStringW/CharUpperBuffW behaving as Wine's (and so Windows') do for the
// scripts the program meets. The Windows tests run the same cases through the real
// calls and through this fake, so the two are held together.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/Locale.h"
#include "platform/fake/FaultPlan.h"

class FakeLocale : public ILocale {
 public:
  FakeLocale();

  LCID GetUserDefaultLCID() override;
  [[nodiscard]] int GetLocaleInfoW(LCID locale, LCTYPE type, wchar_t* data, int size,
                                   DWORD* error) override;
  [[nodiscard]] int CompareStringW(LCID locale, DWORD flags, const wchar_t* string1, int count1,
                                   const wchar_t* string2, int count2, DWORD* error) override;
  DWORD CharUpperBuffW(wchar_t* text, DWORD length) override;

  // The user's regional-format locale (0x0409 at first).
  void SetUserLocale(LCID locale);
  // Adds or replaces a locale's ISO 639 language name (three letters for some).
  void SetLanguageName(LCID locale, std::wstring name);

  FaultPlan faults{"FakeLocale", {"CharUpperBuffW", "CompareStringW", "GetLocaleInfoW"}};

 private:
  std::mutex mutex_;
  LCID user_ = 0x0409;
  std::map<LCID, std::wstring> languages_;
};

// The upper-case letter of one character by the table Wine's CharUpperBuffW uses; the
// character itself when it has none.
wchar_t LocaleUpperChar(wchar_t c);
