// A saved listing against the catalogue of now: pairing by key, the fields compared, and
// the snapshots that are refused.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "Lib/CatalogueDiff.h"
#include "Lib/CatalogueFormat.h"
#include "platform/fake/FakePlatform.h"
#include "platform/Utf8.h"

namespace {

using namespace std::string_literals;

TAutorunInfo Entry(std::wstring from, std::wstring target, std::wstring caption, bool enabled,
                   std::wstring raw = L"", std::wstring file = L"") {
  return TAutorunInfo{std::move(file), std::move(caption), std::move(raw), std::move(target),
                      std::move(from), enabled};
}

std::vector<TSnapshotEntry> Parse(const std::string& text) {
  std::string reason;
  auto entries = ParseSnapshot(text, reason);
  EXPECT_TRUE(entries.has_value()) << reason;
  return entries.value_or(std::vector<TSnapshotEntry>{});
}

class CatalogueDiffTest : public ::testing::Test {
 protected:
  FakePlatform fake;  // the listing asks whether files exist
};

TEST_F(CatalogueDiffTest, AddedRemovedAndChangedFieldsOfAListingSavedByList) {
  const TAutorunList before = {
      Entry(L"HKCU", L"HKCU\\Run\\Same", L"Same", true, L"same.exe", L"C:\\same.exe"),
      Entry(L"HKCU", L"HKCU\\Run\\Gone", L"Gone", true, L"gone.exe", L"C:\\gone.exe"),
      Entry(L"SERV", L"svc", L"Service", true, L"C:\\svc.exe -k", L"C:\\svc.exe -k"),
      Entry(L"FILE", L"C:\\Startup\\Tool.lnk", L"Tool", true, L"", L"C:\\Startup\\Tool.lnk"),
  };
  const TAutorunList now = {
      Entry(L"HKCU", L"HKCU\\Run\\Same", L"Same", true, L"same.exe", L"C:\\same.exe"),
      Entry(L"HKLM", L"HKLM\\Run\\New", L"New", true, L"\"C:\\new.exe\" /q", L"C:\\new.exe"),
      Entry(L"SERV", L"svc", L"Service 2", false, L"C:\\svc2.exe -k", L"C:\\svc2.exe -k"),
      Entry(L"FILE", L"C:\\Startup\\Tool.lnk", L"Tool", false, L"", L"C:\\Startup\\Tool.lnk"),
  };
  const TCatalogueDiff diff = DiffCatalogue(Parse(FormatCatalogueJson(before)), now);
  ASSERT_EQ(diff.Added.size(), 1u);
  EXPECT_EQ(diff.Added[0].Target, L"HKLM\\Run\\New");
  ASSERT_EQ(diff.Removed.size(), 1u);
  EXPECT_EQ(diff.Removed[0].Target, L"HKCU\\Run\\Gone");
  ASSERT_EQ(diff.Changed.size(), 2u);
  std::vector<std::string> fields;
  for (const TFieldChange& change : diff.Changed[0].Changes) fields.push_back(change.Field);
  EXPECT_EQ(fields, (std::vector<std::string>{"rawData", "fileName", "caption", "enabled"}));
  EXPECT_EQ(diff.Changed[1].Target, L"C:\\Startup\\Tool.lnk");

  EXPECT_EQ(FormatDiffText(diff),
            "added   HKLM  HKLM\\Run\\New\n"
            "removed HKCU  HKCU\\Run\\Gone\n"
            "changed SERV  svc\n"
            "        rawData: \"C:\\\\svc.exe -k\" -> \"C:\\\\svc2.exe -k\"\n"
            "        fileName: \"C:\\\\svc.exe -k\" -> \"C:\\\\svc2.exe -k\"\n"
            "        caption: \"Service\" -> \"Service 2\"\n"
            "        enabled: true -> false\n"
            "changed FILE  C:\\Startup\\Tool.lnk\n"
            "        enabled: true -> false\n");
  const nlohmann::json json = nlohmann::json::parse(FormatDiffJson(diff));
  EXPECT_EQ(json["added"][0]["rawData"], "\"C:\\new.exe\" /q");
  EXPECT_EQ(json["removed"][0]["caption"], "Gone");
  EXPECT_EQ(json["changed"][0]["changes"]["enabled"], (nlohmann::json{{"before", true}, {"after", false}}));
  EXPECT_EQ(json["changed"][1]["changes"].size(), 1u);

  EXPECT_TRUE(DiffCatalogue(Parse(FormatCatalogueJson(now)), now).Empty());
  EXPECT_EQ(FormatDiffText({}), "no changes\n");
  EXPECT_EQ(FormatDiffJson({}),
            "{\n  \"added\": [],\n  \"changed\": [],\n  \"duplicates\": [],\n  \"removed\": []\n}\n");
}

TEST_F(CatalogueDiffTest, KeysIgnoreTheCaseOfAToZOnly) {
  const auto before = Parse(R"([{"from": "hkcu", "target": "HKCU\\Run\\FOO", "caption": "Foo"},
                                {"from": "SERV", "target": "Ünï", "caption": "U"}])");
  const TCatalogueDiff diff = DiffCatalogue(
      before, {Entry(L"HKCU", L"hkcu\\run\\foo", L"Foo", true), Entry(L"SERV", L"üNÏ", L"U", true)});
  EXPECT_TRUE(diff.Changed.empty());
  // Letters outside a-z are compared exactly, as the list view pairs its rows.
  ASSERT_EQ(diff.Added.size(), 1u);
  EXPECT_EQ(diff.Added[0].Target, L"üNÏ");
  ASSERT_EQ(diff.Removed.size(), 1u);
  EXPECT_EQ(diff.Removed[0].Target, L"Ünï");
}

// One key twice on a side: the first entry counts, and the key is named once as a
// duplicate of that side, whatever the number of twins.
TEST_F(CatalogueDiffTest, ADuplicateKeyCountsOnceAndIsReportedOnce) {
  const std::vector<TSnapshotEntry> before = Parse(R"([
    {"from": "HKCU", "target": "HKCU\\Run\\A", "enabled": true},
    {"from": "hkcu", "target": "HKCU\\RUN\\A", "enabled": false},
    {"from": "HKCU", "target": "HKCU\\Run\\A", "enabled": false},
    {"from": "HKCU", "target": "HKCU\\Run\\Gone", "enabled": true},
    {"from": "HKCU", "target": "HKCU\\Run\\Gone", "enabled": true}])");
  const TAutorunList now = {
      Entry(L"HKCU", L"HKCU\\Run\\A", L"A", true),
      Entry(L"HKCU", L"HKCU\\Run\\B", L"B", true),
      Entry(L"HKCU", L"HKCU\\Run\\B", L"B", false),
  };
  const TCatalogueDiff diff = DiffCatalogue(before, now);
  EXPECT_TRUE(diff.Changed.empty()) << "the first A, enabled, counts";
  ASSERT_EQ(diff.Added.size(), 1u);
  EXPECT_EQ(diff.Added[0].Enabled, true) << "the first B counts";
  ASSERT_EQ(diff.Removed.size(), 1u);
  ASSERT_EQ(diff.Duplicates.size(), 3u);
  EXPECT_EQ(FormatDiffText(diff),
            "duplicate in the snapshot: hkcu  HKCU\\RUN\\A\n"
            "duplicate in the snapshot: HKCU  HKCU\\Run\\Gone\n"
            "duplicate in the catalogue: HKCU  HKCU\\Run\\B\n"
            "added   HKCU  HKCU\\Run\\B\n"
            "removed HKCU  HKCU\\Run\\Gone\n");
  const auto json = nlohmann::json::parse(FormatDiffJson(diff));
  EXPECT_EQ(json["duplicates"][2],
            (nlohmann::json{{"from", "HKCU"}, {"target", "HKCU\\Run\\B"}, {"in", "catalogue"}}));

  // Duplicates alone are no change.
  const TCatalogueDiff same = DiffCatalogue(Parse(R"([{"from": "X", "target": "t"}, {"from": "X", "target": "t"}])"),
                                            {Entry(L"X", L"t", L"", true)});
  EXPECT_TRUE(same.Empty());
  EXPECT_EQ(FormatDiffText(same), "duplicate in the snapshot: X  t\nno changes\n");
}

TEST_F(CatalogueDiffTest, OnlyTheFieldsBothSidesHaveAreCompared) {
  // An older listing without enabled and rawData, a newer one with fields of its own.
  const auto before = Parse(
      "\xEF\xBB\xBF[{\"from\": \"SERV\", \"target\": \"a\", \"caption\": \"A\"},"
      " {\"from\": \"SERV\", \"target\": \"b\", \"caption\": \"B\", \"enabled\": true,"
      "  \"fileExists\": null, \"hiddenBy\": {\"list\": \"disabled\"}, \"publisher\": [1, 2]}]");
  const TCatalogueDiff diff = DiffCatalogue(
      before, {Entry(L"SERV", L"a", L"A", false, L"new"), Entry(L"SERV", L"b", L"B", false, L"new")});
  ASSERT_EQ(diff.Changed.size(), 1u);
  EXPECT_EQ(diff.Changed[0].Target, L"b");
  ASSERT_EQ(diff.Changed[0].Changes.size(), 1u);
  EXPECT_EQ(diff.Changed[0].Changes[0].Field, "enabled");
}

TEST_F(CatalogueDiffTest, AListingRedirectedByPowerShellIsUtf16) {
  const std::string utf8 = R"([{"from": "HKCU", "target": "HKCU\\Run\\한글", "caption": "한글"}])";
  const std::string bytes = "\xFF\xFE" + WideToUtf16LeBytes(Utf8ToWide(utf8));
  const auto before = Parse(bytes);
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0].Caption, L"한글");
}

TEST_F(CatalogueDiffTest, SnapshotsThatAreNoListOfEntriesAreRefusedWithAReason) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "it is not JSON"},
      {"[{\"from\": \"SERV\", \"target\": \"a\"}", "it is not JSON"},
      {"{\"added\": []}", "it is not a JSON array of entries"},
      {"\"[]\"", "it is not a JSON array of entries"},
      {"[1]", "entry 1 is not an object"},
      {"[{\"from\": \"SERV\", \"target\": \"a\"}, {\"from\": \"SERV\"}]",
       "entry 2 has no \"from\" and \"target\""},
      {"[{\"from\": 1, \"target\": \"a\"}]", "entry 1: \"from\" is not a text"},
      {"[{\"from\": \"SERV\", \"target\": \"a\", \"caption\": null}]", "entry 1: \"caption\" is not a text"},
      {"[{\"from\": \"SERV\", \"target\": \"a\", \"enabled\": \"yes\"}]",
       "entry 1: \"enabled\" is not true or false"},
      // Whole byte sequences, NULs included (a plain literal would end at its first NUL).
      {"\xFF\xFE[\0]"s, "it is UTF-16 with an odd number of bytes"},
      {"\xFE\xFF\0[\0]"s, "it is UTF-16 big-endian; save it as UTF-8"},
  };
  for (const auto& [text, wanted] : cases) {
    std::string reason;
    EXPECT_FALSE(ParseSnapshot(text, reason).has_value()) << text;
    EXPECT_EQ(reason, wanted) << text;
  }
  EXPECT_TRUE(Parse("[]").empty());
}

}  // namespace
