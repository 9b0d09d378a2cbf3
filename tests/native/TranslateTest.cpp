// The translation table: lookups by any language's text, the fallbacks, the "\n" rule,
// the language taken from the user's locale, and tables that are missing or malformed.
#include <gtest/gtest.h>

#include "Tavin/Translate.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScopedSettings.h"

namespace {

class TranslateTest : public ::testing::Test {
 protected:
  void SetUp() override { InitializeTranslation(); }
  void TearDown() override { FinalizeTranslation(); }

  ScopedSettings settings_;

  // Loads a table of our own instead of the program's.
  void LoadTable(const std::string& bytes) {
    fake.resources.SetResource(RT_RCDATA, L"translate", bytes);
    InitializeTranslation();
  }

  FakePlatform fake;
};

TEST_F(TranslateTest, LooksUpTheBuiltInTable) {
  struct Case {
    const wchar_t* text;
    const wchar_t* language;
    const wchar_t* expected;
  } cases[] = {
      {L"처음화면", L"ko", L"처음화면"},
      {L"처음화면", L"ja", L"ホーム"},
      {L"Accueil", L"en", L"Home"},  // already translated: found again
      {L"Home", L"fr", L"Accueil"},
      {L"HOME", L"ru", L"Главная"},  // a-z case is ignored
      {L"사용안함", L"fr", L"Désactiver"},
      {L"프로그램 이름", L"zh", L"程序"},
      {L"전체목록", L"ar", L"جميع البرامج"},
      {L"오류가 발생했습니다.", L"ar", L"An error has occurred."},  // block 12 has no Arabic
      {L"Главная", L"de", L"Home"},  // no German lines: English
      {L"처음화면", L"EN", L"Home"},  // codes are exact: "EN" is no line, so English
      {L"Orvane", L"it", L"Orvane"},
      {L"리소스 로드 실패:", L"it", L"Caricamento risorsa fallito:"},
      {L"목록 저장", L"en", L"목록 저장"},  // in no block
      {L"Home ", L"fr", L"Home "},           // a trailing space is another text
      {L"главная", L"en", L"главная"},       // Cyrillic case is not ignored
      {L"", L"en", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8Debug(c.text) + " -> " + WideToUtf8Debug(c.language));
    EXPECT_EQ(TranslateText(c.text, c.language), c.expected);
  }
}

TEST_F(TranslateTest, AnEmptyLanguageMeansTheCurrentOne) {
  CurrentLanguage = L"ja";
  EXPECT_EQ(TranslateText(L"처음화면"), L"ホーム");
  CurrentLanguage = L"ko";
  EXPECT_EQ(TranslateText(L"Home"), L"처음화면");
}

TEST_F(TranslateTest, BackslashNBecomesOneCarriageReturn) {
  EXPECT_EQ(TranslateText(L"first\\nsecond", L"en"), L"first\rsecond");
  // Pairs are taken left to right: "\\n" is a backslash and a line break.
  EXPECT_EQ(TranslateText(L"a\\\\nb", L"en"), L"a\\\rb");
  EXPECT_EQ(TranslateText(L"ends\\", L"en"), L"ends\\");

  LoadTable("ko=둘\\n줄\nen=two\\nlines\n");
  // The key is compared before the replacement, the result is replaced.
  EXPECT_EQ(TranslateText(L"둘\\n줄", L"en"), L"two\rlines");
  EXPECT_EQ(TranslateText(L"둘\r줄", L"en"), L"둘\r줄");
}

TEST_F(TranslateTest, BlocksAndLinesFollowTheTableFormat) {
  LoadTable(
      "\xEF\xBB\xBF"
      "ko=하나\r\nen=one\r\n\r\n"
      "ko=둘\nen=two=2\nxx\n   \nfr=deux\n\n"  // "=" in a value; no "="; spaces do not end a block
      "ko=셋\rja=三\r\r"                      // CR alone ends lines; block without "en"
      "en=same\nfr=premier\n\nen=same\nfr=second\n");
  struct Case {
    const wchar_t* text;
    const wchar_t* language;
    const wchar_t* expected;
  } cases[] = {
      {L"one", L"ko", L"하나"},
      {L"two=2", L"fr", L"deux"},    // the block goes on past the line of spaces
      {L"deux", L"en", L"two=2"},
      {L"셋", L"ja", L"三"},
      {L"셋", L"fr", L"셋"},          // neither French nor English: unchanged
      {L"same", L"fr", L"premier"},   // the first matching line wins
      {L"xx", L"en", L"xx"},          // a line without "=" has an empty value
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8Debug(c.text) + " -> " + WideToUtf8Debug(c.language));
    EXPECT_EQ(TranslateText(c.text, c.language), c.expected);
  }
}

TEST_F(TranslateTest, CurrentLanguageComesFromTheUserLocale) {
  struct Case {
    LCID locale;
    const wchar_t* detected;
    const wchar_t* current;
  } cases[] = {
      {0x0412, L"ko", L"ko"}, {0x0411, L"ja", L"ja"}, {0x0404, L"zh", L"zh"},
      {0x0804, L"zh", L"zh"}, {0x0407, L"de", L"de"}, {0x0475, L"haw", L"ha"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    fake.locale.SetUserLocale(c.locale);
    EXPECT_EQ(DetectLanguage(), c.detected);
    InitializeTranslation();
    EXPECT_EQ(CurrentLanguage, c.current);
  }
  FinalizeTranslation();
  EXPECT_EQ(CurrentLanguage, L"");
}

TEST_F(TranslateTest, AFailingLocaleQueryGivesEnglish) {
  fake.locale.SetUserLocale(0x0412);
  // The size query, then the read itself.
  for (int skip : {0, 1}) {
    SCOPED_TRACE(skip);
    fake.locale.faults.Fail("GetLocaleInfoW", ERROR_INVALID_PARAMETER, skip, 1);
    EXPECT_EQ(DetectLanguage(), L"en");
  }
  fake.locale.SetUserLocale(0x7777);  // a locale Windows does not know
  EXPECT_EQ(DetectLanguage(), L"en");
}

TEST_F(TranslateTest, WithoutTheTableEveryTextComesBackAndTheLanguageIsStillSet) {
  fake.resources.RemoveResource(RT_RCDATA, L"translate");
  fake.locale.SetUserLocale(0x0411);
  InitializeTranslation();
  EXPECT_EQ(CurrentLanguage, L"ja");
  EXPECT_EQ(TranslateText(L"처음화면"), L"처음화면");
  EXPECT_EQ(TranslateText(L"a\\nb"), L"a\rb");

  fake.resources.faults.Fail("LoadResource", ERROR_NOT_ENOUGH_MEMORY);
  fake.resources.SetResource(RT_RCDATA, L"translate", "en=Home\nko=처음화면\n");
  InitializeTranslation();
  EXPECT_EQ(TranslateText(L"Home", L"ko"), L"Home");
}

TEST_F(TranslateTest, BadTablesLoadWithoutHarm) {
  const std::string longLine = "en=" + std::string(100000, 'x');
  struct Case {
    const char* what;
    std::string bytes;
    const wchar_t* text;
    const wchar_t* language;
    std::wstring expected;
  } cases[] = {
      {"empty", "", L"Home", L"ko", L"Home"},
      {"no byte-order mark", "ko=처음화면\r\nen=Home\r\n", L"Home", L"ko", L"처음화면"},
      {"invalid UTF-8", "ko=\xFF\xFE\nen=Home\n", L"Home", L"ko", L"\uFFFD\uFFFD"},
      {"lone CR", "ko=가\ren=Home", L"Home", L"ko", L"가"},
      {"100,000-character line", "ko=긴\n" + longLine + "\n", L"긴", L"en",
       std::wstring(100000, L'x')},
      {"only a byte-order mark", "\xEF\xBB\xBF", L"Home", L"ko", L"Home"},
      {"truncated sequence at the end", "en=Home\nko=\xED\x95", L"Home", L"ko", L"\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadTable(c.bytes);
    EXPECT_EQ(TranslateText(c.text, c.language), c.expected);
  }
}

}  // namespace
