// The fake locale against what Wine's calls give (the same table runs under Wine), and
// the two-call size protocol of GetLocaleInfoW.
#include <gtest/gtest.h>

#include "platform/fake/FakeLocale.h"
#include "tests/support/Bytes.h"
#include "tests/support/LocaleCases.h"

namespace {

int Opposite(int order) { return 4 - order; }

TEST(FakeLocaleTest, ComparesAsWineDoes) {
  FakeLocale locale;
  for (const CompareCase& c : kCompareCases) {
    SCOPED_TRACE(WideToUtf8Debug(c.a) + " vs " + WideToUtf8Debug(c.b));
    EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, c.a, -1, c.b, -1, nullptr),
              c.expected);
    EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, c.b, -1, c.a, -1, nullptr),
              Opposite(c.expected));
  }
}

TEST(FakeLocaleTest, CaseDecidesOnlyWithoutNormIgnoreCase) {
  FakeLocale locale;
  EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, 0, L"a", -1, L"A", -1, nullptr), CSTR_LESS_THAN);
  EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, 0, L"a", -1, L"b", -1, nullptr), CSTR_LESS_THAN);
  EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, 0, L"A", -1, L"b", -1, nullptr), CSTR_LESS_THAN);
  // Counts limit the texts.
  EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, L"abcdef", 3, L"ABC", 3, nullptr),
            CSTR_EQUAL);
}

TEST(FakeLocaleTest, BadArgumentsFailWithTheCodesWindowsGives) {
  FakeLocale locale;
  DWORD error = 0;
  EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, 0x80000000, L"a", -1, L"a", -1, &error), 0);
  EXPECT_EQ(error, ERROR_INVALID_FLAGS);
  EXPECT_EQ(locale.CompareStringW(LOCALE_USER_DEFAULT, 0, nullptr, -1, L"a", -1, &error), 0);
  EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
  EXPECT_EQ(locale.CompareStringW(0x7777, 0, L"a", -1, L"a", -1, &error), 0);
  EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
}

TEST(FakeLocaleTest, UpperCasesAsWineDoes) {
  FakeLocale locale;
  for (const UpperCase& c : kUpperCases) {
    wchar_t text[] = {c.in, L'\0'};
    EXPECT_EQ(locale.CharUpperBuffW(text, 1), 1u);
    EXPECT_EQ(text[0], c.out) << std::hex << static_cast<unsigned>(c.in);
  }
}

TEST(FakeLocaleTest, GetLocaleInfoTellsTheSizeThenFillsTheBuffer) {
  FakeLocale locale;
  locale.SetUserLocale(0x0475);  // Hawaiian: a three-letter code
  DWORD error = 0;
  const int needed = locale.GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, nullptr, 0, &error);
  EXPECT_EQ(needed, 4);
  wchar_t small[3] = {L'x', L'x', L'x'};
  EXPECT_EQ(locale.GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, small, 3, &error), 0);
  EXPECT_EQ(error, ERROR_INSUFFICIENT_BUFFER);
  wchar_t name[4];
  EXPECT_EQ(locale.GetLocaleInfoW(0x0475, LOCALE_SISO639LANGNAME, name, 4, &error), 4);
  EXPECT_EQ(std::wstring(name), L"haw");
  EXPECT_EQ(locale.GetLocaleInfoW(0x1234, LOCALE_SISO639LANGNAME, nullptr, 0, &error), 0);
  EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
}

}  // namespace
