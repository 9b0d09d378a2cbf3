// Rows the server sends as JSON arrays: only what the rules add, whatever the reply's
// shape, and never an exception.
#include <gtest/gtest.h>

#include <algorithm>

#include "Lib/Common.h"
#include "platform/Http.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"

namespace {

class JsonArrayTest : public ::testing::Test {
 protected:
  std::vector<std::wstring> Merge(const std::string& reply, const std::wstring& name,
                                  std::initializer_list<const wchar_t*> before = {}) {
    FilterList list;
    for (const wchar_t* row : before) list.Add(row);
    const auto value = ParseJsonText(reply);
    if (value) AddJsonArray(list, *value, name);
    return list.Rows();
  }

  FakePlatform fake;
};

TEST_F(JsonArrayTest, AddsTheElementsOfTheNamedArray) {
  using Rows = std::vector<std::wstring>;
  struct Case {
    const char* reply;
    const wchar_t* name;
    Rows expected;
  } cases[] = {
      {R"({"name_white":["Foo","bar"]})", L"name_white", {L"bar", L"Foo"}},
      {R"({"name_white":["a\"b","\u00e9\n","\ud55c"]})", L"name_white", {L"a\"b", L"é\n", L"한"}},
      {R"({"x":[1,-2.5,1e3,true,false,null]})", L"x", {L"1", L"1000.0", L"-2.5", L"false", L"null", L"true"}},  // a word sort passes over "-"
      {R"({"x":[{"a":1},[1,2],"y"]})", L"x", {L"", L"y"}},  // nested values add an empty row
      {R"({"x":[]})", L"x", {}},
      {R"({"x":"not an array"})", L"x", {}},
      {R"({"x":{"0":"a"}})", L"x", {}},
      {R"({"X":["a"]})", L"x", {}},  // member names are exact
      {R"({"a":{"x":["deep"]}})", L"x", {}},  // only direct members
      {R"(["x"])", L"x", {}},  // not an object
      {R"("x")", L"x", {}},
      {R"(null)", L"x", {}},
      {R"({"x":["a","A","a"]})", L"x", {L"a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(Merge(c.reply, c.name), c.expected);
  }
}

TEST_F(JsonArrayTest, RowsAlreadyListedInOtherCaseAddNothing) {
  EXPECT_EQ(Merge(R"({"name_white":["ORVANE","Новый"]})", L"name_white", {L"orvane", L"новый"}),
            (std::vector<std::wstring>{L"orvane", L"новый"}));
}

// A reply may hold any number of rows; a list takes the first 100,000 of an array and
// keeps its own rows, sorted and without duplicates, however the array is ordered.
TEST_F(JsonArrayTest, AnArrayGivesAtMostItsFirstHundredThousandRows) {
  nlohmann::json rows = nlohmann::json::array();
  for (int i = 0; i < 100'000 + 5; ++i) rows.push_back("r" + std::to_string(100'000 + 5 - i));
  rows.push_back("KEEP");
  FilterList list;
  list.Add(L"keep");
  list.Add(L"R100005");
  AddJsonArray(list, nlohmann::json{{"x", rows}}, L"x");
  // 100,000 elements from the array, one of them already listed in other case.
  EXPECT_EQ(list.Count(), 1u + 100'000u);
  EXPECT_TRUE(list.Contains(L"keep"));
  EXPECT_TRUE(list.Contains(L"r6"));
  EXPECT_FALSE(list.Contains(L"r5")) << "the elements past the first 100,000 are left out";
  EXPECT_EQ(std::count(list.Rows().begin(), list.Rows().end(), L"R100005"), 1);
  for (size_t i = 1; i < list.Rows().size(); ++i)
    ASSERT_TRUE(list.Contains(list.Rows()[i])) << "every row is found by the sorted search";
}

TEST_F(JsonArrayTest, TextThatIsNotJsonHasNoValue) {
  for (const char* text : {"", "{", "{\"x\":[1,]}", "nul", "\xFF", "{\"x\":\"\xC3\x28\"}", "1 2",
                           "{\"x\":[\"a\"]} trailing"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseJsonText(text).has_value());
  }
  EXPECT_TRUE(ParseJsonText("\xEF\xBB\xBF{\"x\":[]}").has_value());
}

TEST_F(JsonArrayTest, RepliesOfAnyShapeAddOnlyWhatTheRulesSay) {
  // Nesting as deep as allowed beside the array, and inside it.
  const std::string deep = std::string(kJsonDepthLimit - 2, '[') + std::string(kJsonDepthLimit - 2, ']');
  EXPECT_EQ(Merge("{\"x\":[\"kept\"," + deep + "],\"y\":" + deep + "}", L"x"),
            (std::vector<std::wstring>{L"", L"kept"}));
  // A huge array of repeats and of distinct numbers.
  std::string huge = "{\"x\":[";
  for (int i = 0; i < 200000; ++i) huge += (i ? ",\"same\"" : "\"same\"");
  EXPECT_EQ(Merge(huge + "]}", L"x"), std::vector<std::wstring>{L"same"});
  std::string numbers = "{\"x\":[";
  for (int i = 0; i < 5000; ++i) numbers += (i ? "," : "") + std::to_string(i);
  EXPECT_EQ(Merge(numbers + "]}", L"x").size(), 5000u);
  // Numbers at the edges of what a double and a 64-bit integer hold.
  EXPECT_EQ(Merge(R"({"x":[18446744073709551615,-9223372036854775808,1.7976931348623157e308]})", L"x")
                .size(),
            3u);
  EXPECT_FALSE(ParseJsonText(R"({"x":[1e400]})").has_value());
}

// A reply nested deeper than kJsonDepthLimit has no value: every level would become a
// node of the tree, and 16 MiB of "[" are millions of them, built on the window's thread.
// The depth counts objects and arrays alike; brackets inside strings do not count.
TEST_F(JsonArrayTest, NestingDeeperThanTheLimitHasNoValue) {
  auto nested = [](size_t depth, const std::string& open, const std::string& close,
                   const std::string& core) {
    std::string text;
    for (size_t i = 0; i < depth; ++i) text += open;
    text += core;
    for (size_t i = 0; i < depth; ++i) text += close;
    return text;
  };
  const size_t limit = kJsonDepthLimit;
  struct Case {
    std::string text;
    bool parsed;
  };
  const Case cases[] = {
      {nested(limit, "[", "]", ""), true},
      {nested(limit + 1, "[", "]", ""), false},
      {nested(limit, "{\"a\":", "}", "1"), true},
      {nested(limit + 1, "{\"a\":", "}", "1"), false},
      {nested(limit / 2, "[", "]", nested(limit / 2, "{\"k\":", "}", "[]")), false},
      {nested(limit / 2, "[", "]", nested(limit / 2 - 1, "{\"k\":", "}", "[]")), true},
      // Brackets inside strings, escaped quotes included, are text.
      {"[\"" + std::string(1000, '[') + "\\\"" + std::string(1000, '{') + "\"]", true},
      {"{\"x\":[\"a\"],\"name_white\":" + nested(limit, "[", "]", "") + "}", false},
      // Deep but unbalanced, and deep after the end of a value.
      {std::string(limit + 1, '['), false},
      {"[]" + std::string(limit + 1, '['), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 80));
    EXPECT_EQ(ParseJsonText(c.text).has_value(), c.parsed);
  }
  EXPECT_EQ(Merge("{\"x\":[\"a\"],\"y\":" + nested(limit, "[", "]", "") + "}", L"x"),
            std::vector<std::wstring>{}) << "a reply too deep anywhere merges nothing";
}

// The largest reply the client accepts, all of it one nesting: refused without building
// anything, so the reply step goes on at once as for any text that is not JSON.
TEST_F(JsonArrayTest, ASixteenMebibyteNestingIsRefusedAtOnce) {
  const std::string reply(kHttpBodyCap, '[');
  EXPECT_FALSE(ParseJsonText(reply).has_value());
  const std::string closed = std::string(kHttpBodyCap / 2, '[') + std::string(kHttpBodyCap / 2, ']');
  EXPECT_FALSE(ParseJsonText(closed).has_value());
}

}  // namespace
