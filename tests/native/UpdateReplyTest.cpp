// The reply extractor and unescaper: the spelling rules a server reply must meet, the
// escaped-quote rule, the escapes, and the conversion error.
#include <gtest/gtest.h>

#include "Tavin/UpdateReply.h"
#include "tests/support/Bytes.h"

namespace {

TEST(ExtractBetweenTest, FindsValuesByTheReplysSpellingRules) {
  struct Case {
    const wchar_t* text;
    const wchar_t* key;
    const wchar_t* end;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {LR"({"update":"http://a/"})", LR"("update":")", L"\"", L"http://a/"},
      // A blank between the key's quote and the colon hides the field.
      {LR"({"update" : "http://a/"})", LR"("update":")", L"\"", L""},
      {LR"({"update": "http://a/"})", LR"("update":")", L"\"", L""},
      // Keys ignore a-z case; values keep theirs.
      {LR"({"UPDATE":"HtTp://A/"})", LR"("update":")", L"\"", L"HtTp://A/"},
      // Only a-z are folded: other letters must match exactly.
      {L"{\"\u00c4\":\"x\"}", L"\"\u00e4\":\"", L"\"", L""},
      // The first occurrence wins.
      {LR"({"update":"a","update":"b"})", LR"("update":")", L"\"", L"a"},
      {LR"({"other":"a"})", LR"("update":")", L"\"", L""},
      // No closing quote: nothing.
      {LR"({"update":"http://a/)", LR"("update":")", L"\"", L""},
      // An escaped quote stays inside the value, unescaped later.
      {LR"({"text":"say \"hi\" now","x":1})", LR"("text":")", L"\"", LR"(say \"hi\" now)"},
      // An escaped backslash before the quote: the quote is plain and ends the value.
      {LR"({"text":"C:\\","u":"v"})", LR"("text":")", L"\"", LR"(C:\\)"},
      // Three backslashes: one escaped backslash, then an escaped quote.
      {LR"({"t":"a\\\"b"})", LR"("t":")", L"\"", LR"(a\\\"b)"},
      // An escaped quote in the text never matches a quote of the key.
      {LR"(x\"update\":\"evil" "update":"good")", LR"("update":")", L"\"", L"good"},
      // The same rule for single quotes.
      {LR"('k':'it\'s')", L"'k':'", L"'", LR"(it\'s)"},
      // Empty key: from the start; empty delimiter: to the end.
      {LR"(abc"def)", L"", L"\"", L"abc"},
      {LR"({"t":"abc)", LR"("t":")", L"", L"abc"},
      // A delimiter that is no quote ignores backslashes.
      {LR"(a\}b})", L"", L"}", LR"(a\)"},
      // The notice object ends at its first closing brace, inside a value or not.
      {LR"({"info":{"style":"note","text":"a}b","url":"u"}})", LR"("info":{)", L"}",
       LR"("style":"note","text":"a)"},
      {LR"({"info": {"style":"note"}})", LR"("info":{)", L"}", L""},
      {L"", LR"("update":")", L"\"", L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExtractBetween(c.text, c.key, c.end), c.expected) << WideToUtf8Debug(c.text);
}

TEST(UnescapeTextTest, ReplacesEveryEscape) {
  struct Case {
    const wchar_t* text;
    std::wstring expected;
  };
  const Case cases[] = {
      {LR"(plain text)", L"plain text"},
      {LR"(\"q\" \'s\' a\/b)", L"\"q\" 's' a/b"},
      {LR"(C:\\dir\\)", L"C:\\dir\\"},
      {LR"(\b\f\n\r\t)", L"\b\f\n\r\t"},
      {LR"(caf\u00e9 caf\u00E9)", L"caf\u00e9 caf\u00e9"},
      {LR"(\u0041BC)", L"ABC"},
      // Fewer than four characters left: those that are there.
      {LR"(x\u41)", L"xA"},
      // Unknown escapes vanish with their backslash; so does a trailing backslash.
      {LR"(a\xb\qc)", L"abc"},
      {LR"(abc\)", L"abc"},
      // An escaped backslash followed by "u0041" is text, not an escape.
      {LR"(\\u0041)", L"\\u0041"},
      {LR"(\u0000x)", std::wstring(L"\0x", 2)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(UnescapeText(c.text), c.expected) << WideToUtf8Debug(c.text);
}

TEST(UnescapeTextTest, APairOfEscapedSurrogatesIsOneCharacter) {
  EXPECT_EQ(WideToUtf8(UnescapeText(LR"(\ud83d\ude00!)")), "\xF0\x9F\x98\x80!");
  // A lone surrogate is kept as the code unit it names.
  const std::wstring lone = UnescapeText(LR"(\ud83d)");
  ASSERT_EQ(lone.size(), 1u);
  EXPECT_EQ(static_cast<unsigned>(lone[0]), 0xD83Du);
}

TEST(UnescapeTextTest, ABadHexEscapeIsAConversionError) {
  for (const wchar_t* text : {LR"(\u00G1)", LR"(\u)", LR"(link\u)", LR"(\u 041)", LR"(\u-001)",
                              LR"(\uZ)", LR"(ok \u0041 then \u12x4)"})
    EXPECT_THROW(UnescapeText(text), ConvertError) << WideToUtf8Debug(text);
}

TEST(ReadNoticeTest, ReadsTheFourFieldsOfInfo) {
  const TUpdateNotice notice = ReadNotice(
      LR"({"update":"u","info":{"style":"hold","text":"Don\u0027t ask","flag":"xstayontopx","url":"http:\/\/a\/"}})");
  EXPECT_EQ(notice.Style, L"hold");
  EXPECT_EQ(notice.Text, L"Don't ask");
  EXPECT_EQ(notice.Flag, L"xstayontopx");
  EXPECT_TRUE(notice.StaysOnTop()) << "other letters around the word still count";
  EXPECT_EQ(notice.Url, L"http://a/");
}

TEST(ReadNoticeTest, EdgesOfTheNotice) {
  struct Case {
    const wchar_t* reply;
    TUpdateNotice expected;
    bool onTop;
  };
  const Case cases[] = {
      // The style keeps its case; only "hold" and "note" mean something to the dialog.
      {LR"({"info":{"style":"Hold","text":"t"}})", {L"Hold", L"t", L"", L""}, false},
      // A closing brace in a value ends the object: later fields are lost.
      {LR"({"info":{"style":"note","text":"a}b","url":"http://x/"}})", {L"note", L"", L"", L""},
       false},
      {LR"({"info":{"flag":"STAYONTOP"}})", {L"", L"", L"STAYONTOP", L""}, false},
      {LR"({"info":{"flag":"stayontop"}})", {L"", L"", L"stayontop", L""}, true},
      {LR"({"update":"u"})", {}, false},
      // Fields outside "info" are not the notice's.
      {LR"({"style":"hold","info":{}})", {}, false},
  };
  for (const Case& c : cases) {
    const TUpdateNotice notice = ReadNotice(c.reply);
    EXPECT_EQ(notice.Style, c.expected.Style) << WideToUtf8Debug(c.reply);
    EXPECT_EQ(notice.Text, c.expected.Text) << WideToUtf8Debug(c.reply);
    EXPECT_EQ(notice.Flag, c.expected.Flag) << WideToUtf8Debug(c.reply);
    EXPECT_EQ(notice.Url, c.expected.Url) << WideToUtf8Debug(c.reply);
    EXPECT_EQ(notice.StaysOnTop(), c.onTop) << WideToUtf8Debug(c.reply);
  }
}

// A bad escape is the sender's fault in that one value: it comes out empty and the other
// fields are read as usual, so a reply can never stop the dialog or the list.
TEST(ReadNoticeTest, ABadEscapeEmptiesOnlyItsOwnField) {
  const TUpdateNotice notice =
      ReadNotice(LR"({"info":{"style":"note","text":"\u00zz","flag":"stayontop\u","url":"http://x/"}})");
  EXPECT_EQ(notice.Style, L"note");
  EXPECT_EQ(notice.Text, L"");
  EXPECT_EQ(notice.Flag, L"");
  EXPECT_EQ(notice.Url, L"http://x/");
  EXPECT_EQ(UnescapeValue(L"a\\u12zz"), L"");
  EXPECT_EQ(UnescapeValue(L"a\\u0042\\n"), L"aB\n");
}

}  // namespace
