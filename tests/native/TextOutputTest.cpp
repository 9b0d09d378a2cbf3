// The pieces the companion's outputs are made of: JSON texts that carry lone
// surrogates, names made visible for a terminal, and writes that may take part of what
// they are given.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Lib/DisplayText.h"
#include "Lib/JsonText.h"
#include "Lib/WriteInPieces.h"
#include "platform/Utf8.h"

namespace {

// A text from UTF-16 code units, as the registry hands them over.
std::wstring Units(std::initializer_list<char16_t> units) {
  std::wstring text;
  for (char16_t unit : units) AppendUtf16CodeUnit(text, unit);
  return text;
}

TEST(JsonTextTest, EveryTextComesBackAsItWasWritten) {
  const std::vector<std::wstring> texts = {
      L"",
      L"plain",
      Units({u'A', 0xDC00}),                 // a lone low surrogate
      Units({u'A', 0xDC01}),                 // another one: must stay apart from the first
      Units({0xD800}),                       // a lone high surrogate at the end
      Units({0xD83D, 0xDE00, 0xDBFF, u'x'}),  // a pair, then a lone high before a letter
      Units({0xDC00, 0xD800}),               // low then high: two lone ones, no pair
      Units({0xFDD0, u'd', u'c', u'0', u'0'}),  // the reader's own mark, as text
      L"\x1B[2K\r\n\t\"\\ \x7F",
      L"\xD55C\xAE00",
  };
  for (const std::wstring& text : texts) {
    const std::string quoted = JsonQuote(text);
    const auto parsed = ParseJsonLossless("[" + quoted + "]");
    ASSERT_TRUE(parsed) << quoted;
    EXPECT_EQ(JsonWide((*parsed)[0].get<std::string>()), text) << quoted;
  }
  EXPECT_EQ(JsonQuote(Units({u'A', 0xDC00})), "\"A\\udc00\"");
  EXPECT_EQ(JsonQuote(Units({0xD83D, 0xDE00})), "\"\xF0\x9F\x98\x80\"");
  EXPECT_EQ(JsonQuote(L"\x1B\n"), "\"\\u001b\\n\"");
}

TEST(JsonTextTest, ForeignEscapesAndBrokenTextsAreReadAsJsonSays) {
  struct Case {
    const char* json;
    std::wstring text;  // empty with bad = true: not JSON
    bool bad = false;
  };
  const std::vector<Case> cases = {
      {R"(["\ud83d\ude00"])", Units({0xD83D, 0xDE00})},  // an escaped pair is one character
      {R"(["\uD800x"])", Units({0xD800, u'x'})},         // upper-case digits
      {R"(["\\udc00"])", L"\\udc00"},                    // an escaped backslash, then text
      {R"(["\ufdd0"])", Units({0xFDD0})},
      {"[\"\xEF\xB7\x90\"]", Units({0xFDD0})},
      {R"(["\udc0"])", L"", true},
      {R"(["\ud800)", L"", true},
      {R"({"a": "\udc00"} x)", L"", true},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseJsonLossless(c.json);
    if (c.bad) {
      EXPECT_FALSE(parsed) << c.json;
      continue;
    }
    ASSERT_TRUE(parsed) << c.json;
    EXPECT_EQ(JsonWide((*parsed)[0].get<std::string>()), c.text) << c.json;
  }
  // Keys hold marks too; a caller looks them up by their plain spelling.
  EXPECT_TRUE(ParseJsonLossless(R"({"from": "\udc00"})")->contains("from"));
}

TEST(VisibleTextTest, ControlCharactersAndLoneSurrogatesShowAsEscapes) {
  const std::vector<std::pair<std::wstring, std::wstring>> cases = {
      {L"Plain name", L"Plain name"},
      {L"a\rb\nc\td", L"a\\rb\\nc\\td"},
      {L"\x1B[2K", L"\\x1B[2K"},
      {std::wstring(L"x\0y", 3), L"x\\x00y"},
      {L"\x7F\x9B\x85", L"\\x7F\\x9B\\x85"},
      {L"C:\\Program Files\\\xD55C.exe", L"C:\\Program Files\\\xD55C.exe"},
      {Units({u'A', 0xDC00}), L"A\\uDC00"},
      {Units({0xD83D, 0xDE00}), Units({0xD83D, 0xDE00})},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(VisibleText(text), shown) << WideToUtf8(shown);
}

// A writer that takes at most `take` units per call and fails on call `failAt`.
struct PartialWriter {
  explicit PartialWriter(size_t takeAtMost = 3, int failingCall = -1)
      : take(takeAtMost), failAt(failingCall) {}
  size_t take;
  int failAt;
  int calls = 0;
  std::u16string written;
  std::vector<size_t> offered;
  bool operator()(const char16_t* data, DWORD count, DWORD* done) {
    offered.push_back(count);
    if (calls++ == failAt) return false;
    *done = static_cast<DWORD>(std::min<size_t>(take, count));
    written.append(data, *done);
    return true;
  }
};

TEST(WriteInPiecesTest, EverythingIsWrittenInPiecesThatKeepPairsWhole) {
  const std::u16string text = u"ab\U0001F600cd\U0001F600";  // pairs at units 2-3 and 6-7
  for (size_t maxUnits : {2u, 3u, 4u, 100u}) {
    PartialWriter writer(100);
    ASSERT_TRUE(WriteInPieces(std::u16string_view(text), maxUnits, std::ref(writer)));
    EXPECT_EQ(writer.written, text);
    size_t at = 0;
    for (size_t count : writer.offered) {
      EXPECT_LE(count, std::max<size_t>(maxUnits, 2));
      at += count;
      if (at < text.size()) {
        EXPECT_FALSE(text[at - 1] >= 0xD800 && text[at - 1] <= 0xDBFF) << "a pair split at " << at;
      }
    }
  }
  PartialWriter slow(1);  // a writer that takes one unit at a time
  EXPECT_TRUE(WriteInPieces(std::u16string_view(text), 4, std::ref(slow)));
  EXPECT_EQ(slow.written, text);
}

TEST(WriteInPiecesTest, AFailedOrEmptyWriteIsAFailure) {
  PartialWriter failing(3, 1);
  EXPECT_FALSE(WriteInPieces(std::u16string_view(u"abcdefgh"), 3, std::ref(failing)));
  EXPECT_EQ(failing.calls, 2);
  PartialWriter stuck(0);
  EXPECT_FALSE(WriteInPieces(std::u16string_view(u"abc"), 3, std::ref(stuck)));
  EXPECT_EQ(stuck.calls, 1) << "a write that takes nothing must not loop for ever";
  PartialWriter idle;
  EXPECT_TRUE(WriteInPieces(std::u16string_view(u""), 3, std::ref(idle)));
  EXPECT_EQ(idle.calls, 0);
}

}  // namespace
