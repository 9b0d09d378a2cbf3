// Wine's CompareStringW and CharUpperBuffW against the cases the fake locale is held to,
// and the whole upper-case table against the fake's.
#include "WineTest.h"

#include <cstdlib>
#include <cstring>

#include "Tavin/Translate.h"

#include "platform/fake/FakeLocale.h"
#include "tests/support/LocaleCases.h"

namespace {

class AnyLocale : public WineTest {};

TEST_F(AnyLocale, CompareStringGivesWhatTheFakeIsHeldTo) {
  for (const CompareCase& c : kCompareCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.a)) + " vs " +
                 testing::PrintToString(std::wstring(c.b)));
    DWORD error = 0;
    EXPECT_EQ(PlatformLocale().CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, c.a, -1, c.b, -1,
                                              &error),
              c.expected);
  }
}

TEST_F(AnyLocale, CharUpperBuffMatchesTheFakeOnTheWholeBasicPlane) {
  FakeLocale fake;
  int differences = 0;
  for (unsigned code = 1; code < 0x10000; ++code) {
    if (code >= 0xD800 && code < 0xE000) continue;  // surrogates are not characters alone
    wchar_t real = static_cast<wchar_t>(code);
    wchar_t modelled = real;
    PlatformLocale().CharUpperBuffW(&real, 1);
    fake.CharUpperBuffW(&modelled, 1);
    if (real != modelled && ++differences <= 10)
      ADD_FAILURE() << std::hex << "U+" << code << ": Wine " << static_cast<unsigned>(real)
                    << ", fake " << static_cast<unsigned>(modelled);
  }
  EXPECT_EQ(differences, 0);
  for (const UpperCase& c : kUpperCases) {
    wchar_t text[] = {c.in, L'\0'};
    EXPECT_EQ(PlatformLocale().CharUpperBuffW(text, 1), 1u);
    EXPECT_EQ(text[0], c.out);
  }
}

TEST_F(AnyLocale, GetLocaleInfoTellsTheSizeFirst) {
  DWORD error = 0;
  const LCID lcid = PlatformLocale().GetUserDefaultLCID();
  const int needed = PlatformLocale().GetLocaleInfoW(lcid, LOCALE_SISO639LANGNAME, nullptr, 0, &error);
  ASSERT_GE(needed, 3);
  std::wstring name(static_cast<size_t>(needed), L'?');
  EXPECT_EQ(PlatformLocale().GetLocaleInfoW(lcid, LOCALE_SISO639LANGNAME, name.data(), 1, &error), 0);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(PlatformLocale().GetLocaleInfoW(lcid, LOCALE_SISO639LANGNAME, name.data(), needed, &error),
            needed);
  // Languages without a two-letter code have three letters.
  EXPECT_EQ(PlatformLocale().GetLocaleInfoW(0x0475, LOCALE_SISO639LANGNAME, nullptr, 0, &error), 4);
}

// Run once per user locale (LANG and LOCPATH set by CTest, see CMakeLists.txt): the
// language the program detects and the texts it then shows.
class UserLocaleTranslation : public WineTest {};

TEST_F(UserLocaleTranslation, DetectsTheLanguageAndTranslatesToIt) {
  const char* expected = std::getenv("ORVANE_EXPECT_LANGUAGE");
  // Missing, nothing here would be proven: fail rather than pass without a check.
  ASSERT_NE(expected, nullptr) << "ORVANE_EXPECT_LANGUAGE is not set: run this test through the "
                                  "wine.locale.* tests, which set the user locale";
  const std::wstring language(expected, expected + std::strlen(expected));
  struct Home {
    const wchar_t* language;
    const wchar_t* text;
  } homes[] = {{L"ko", L"처음화면"}, {L"ja", L"ホーム"}, {L"de", L"Home"}};

  EXPECT_EQ(DetectLanguage(), language);
  InitializeTranslation();
  EXPECT_EQ(CurrentLanguage, language);
  for (const Home& home : homes) {
    if (language == home.language) {
      EXPECT_EQ(TranslateText(L"처음화면"), home.text);
    }
  }
  EXPECT_EQ(TranslateText(L"전체목록", L"en"), L"All Programs");
  FinalizeTranslation();
}

}  // namespace
