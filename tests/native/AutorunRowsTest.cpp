// The rows of the autorun list kept in line with the catalogue: first filling, the
// "All Programs" rebuild, white lists by kind, display names and icons, and removal.
#include <gtest/gtest.h>

#include "Tavin/Path.h"
#include "Tavin/Text.h"
#include "Tavin/Update.h"
#include "platform/Utf8.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"
#include "Lib/AutorunRows.h"

namespace {

constexpr wchar_t kApp[] = L"C:\\Program Files\\Vendor\\app.exe";
constexpr wchar_t kPlain[] = L"C:\\Tools\\plain.exe";
constexpr wchar_t kStartup[] = L"C:\\Users\\u\\Start Menu\\Programs\\Startup";

TAutorunInfo Entry(std::wstring from, std::wstring target, std::wstring caption, bool enabled,
                   std::wstring fileName = L"") {
  TAutorunInfo entry;
  entry.From = std::move(from);
  entry.Target = std::move(target);
  entry.Caption = std::move(caption);
  entry.Enabled = enabled;
  entry.FileName = std::move(fileName);
  return entry;
}

std::wstring RunTarget(const std::wstring& name) {
  return L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\" + name;
}

class AutorunRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.files.AddFile(L"C:\\Program Files\\Vendor", L"app.exe");
    fake.files.AddFile(L"C:\\Tools", L"plain.exe");
    fake.versions.SetVersionResource(kApp, FakeVersionResource::English({{L"ProductName", L"Vendor App"}}));
    fake.versions.SetVersionResource(kPlain, FakeVersionResource::English({{L"ProductName", L""}}));
    fake.icons.SetIcons(kApp, 1);
    sources = {&fileWhite, &nameWhite, &images, &iconCache, false};
  }

  std::vector<std::wstring> Shown() const {
    std::vector<std::wstring> shown;
    for (const TAutorunItem& row : rows.Rows())
      shown.push_back(row.From + L":" + row.FileName + L":" + std::to_wstring(row.Icon) +
                      (row.Enabled ? L"" : L":off"));
    return shown;
  }

  FakePlatform fake;
  FilterList fileWhite, nameWhite;
  TImageCollection images;
  TIconCache iconCache;
  TRowSources sources;
  TAutorunRows rows;
};

TEST_F(AutorunRowsTest, FirstFillingNamesAndIconsEachKind) {
  const TAutorunList catalogue = {
      Entry(L"FILE", std::wstring(kStartup) + L"\\Missing.lnk", L"Missing", true,
            std::wstring(kStartup) + L"\\Missing.lnk"),
      Entry(L"HKCU", RunTarget(L"App"), L"App", true, kApp),
      Entry(L"HKLM", RunTarget(L"Plain"), L"Plain", true, kPlain),
      Entry(L"HKCU", RunTarget(L"NoFile"), L"NoFile", true, L""),
      Entry(L"HKCU", RunTarget(L"Unnamed"), L"", true, kApp),
      Entry(L"SCHE", L"\\Nightly", L"Nightly", true),
      Entry(L"SERV", L"Svc", L"A service", true),
      Entry(L"SERV", L"Off", L"Disabled service", false),
  };
  rows.Merge(catalogue, sources);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{
                         L"FILE:Missing:0",         // no such file: the blank page
                         L"HKCU:Vendor App:4",      // product name, the first extracted icon
                         L"HKLM:Plain:0",           // an empty product name counts as none
                         L"HKCU:NoFile:1",          // no file text: the cubes
                         L"SCHE:Nightly:2", L"SERV:A service:3"}));
  EXPECT_EQ(images.Count(), 5);

  // All Programs: the rows are rebuilt and the disabled service shows, grey.
  sources.showAll = true;
  rows.Clear();
  rows.Merge(catalogue, sources);
  EXPECT_EQ(rows.Count(), 7);
  EXPECT_EQ(Shown().back(), L"SERV:Disabled service:3:off");
  EXPECT_EQ(images.Count(), 5) << "the icon came from the cache";
}

TEST_F(AutorunRowsTest, WhiteListsHideByKindWhenARowIsAdded) {
  for (const wchar_t* row : {L"Orvane", L"CreateExplorerShellUnelevatedTask", L"cbdhsvc_", L"Dhcp"})
    nameWhite.Add(row);
  fileWhite.Add(L"Discord.exe*");
  const TAutorunList catalogue = {
      Entry(L"HKCU", RunTarget(L"OrvaneTray"), L"OrvaneTray", true),
      Entry(L"HKLM", RunTarget(L"Helper"), L"Helper", true),
      Entry(L"FILE", std::wstring(kStartup) + L"\\Orvane.lnk", L"Orvane", true),
      Entry(L"FILE", L"C:\\Users\\u\\AppData\\Local\\Discord\\app\\Discord.exe", L"Discord", true),
      Entry(L"SCHE", L"\\CreateExplorerShellUnelevatedTask", L"CreateExplorerShellUnelevatedTask", true),
      Entry(L"SCHE", L"\\Orvane Update", L"Orvane Update", true),
      Entry(L"SERV", L"cbdhsvc_4f2a1", L"Clipboard", true),
      Entry(L"SERV", L"CBDHSVC_", L"Clipboard caps", true),
      Entry(L"SERV", L"cbdhsv", L"Almost", true),
      Entry(L"SERV", L"MyDhcp", L"Inside", true),
  };
  rows.Merge(catalogue, sources);
  std::vector<std::wstring> targets;
  for (const TAutorunItem& row : rows.Rows()) targets.push_back(row.Target);
  EXPECT_EQ(targets, (std::vector<std::wstring>{RunTarget(L"Helper"), std::wstring(kStartup) + L"\\Orvane.lnk",
                                                L"cbdhsv", L"MyDhcp"}));
}

// The reason given for each entry names the rule and the row as stored, and the rows
// Merge makes are exactly the entries without one.
TEST_F(AutorunRowsTest, WhyHiddenNamesTheRuleAndRowAndAgreesWithTheRows) {
  InitializeFolderVariables();  // %SystemRoot% from the fake machine
  for (const wchar_t* row : {L"Orvane", L"  CreateExplorerShellUnelevatedTask", L"cbdhsvc_", L"//Dhcp"})
    nameWhite.Add(row);
  fileWhite.Add(L"%SystemRoot%\\System32\\ctfmon.exe");
  fileWhite.Add(L"Discord.exe*");
  const std::wstring ctfmon = ExpandFolderVariable(L"%SystemRoot%\\System32\\CTFMON.EXE");
  struct Case {
    TAutorunInfo entry;
    std::optional<THiddenBy> hidden;  // without "All Programs"
    std::optional<THiddenBy> hiddenWithAll;
  };
  const THiddenBy disabled{kHiddenByDisabled, std::nullopt};
  const THiddenBy unnamed{kHiddenByUnnamed, std::nullopt};
  const THiddenBy orvane{kHiddenByNameWhite, L"Orvane"};
  const std::vector<Case> cases = {
      {Entry(L"HKCU", RunTarget(L"OrvaneTray"), L"OrvaneTray", true), orvane, orvane},
      // White-listed and disabled: ticking the box would not show it, so the list is named.
      {Entry(L"hklm", RunTarget(L"orvane"), L"orvane", false), orvane, orvane},
      {Entry(L"HKCU", RunTarget(L"Helper"), L"Helper", false), disabled, std::nullopt},
      {Entry(L"HKCU", RunTarget(L"Helper2"), L"Helper2", true), std::nullopt, std::nullopt},
      {Entry(L"HKCU", RunTarget(L""), L"", true), unnamed, unnamed},
      // The name list does not speak for startup files; the file list does, by path
      // fragment and by file name.
      {Entry(L"FILE", std::wstring(kStartup) + L"\\Orvane.lnk", L"Orvane", true), std::nullopt,
       std::nullopt},
      {Entry(L"FILE", ctfmon, L"CTFMON", false),
       THiddenBy{kHiddenByFileWhite, L"%SystemRoot%\\System32\\ctfmon.exe"},
       THiddenBy{kHiddenByFileWhite, L"%SystemRoot%\\System32\\ctfmon.exe"}},
      {Entry(L"FILE", L"C:\\Apps\\discord.EXE", L"discord", true),
       THiddenBy{kHiddenByFileWhite, L"Discord.exe*"}, THiddenBy{kHiddenByFileWhite, L"Discord.exe*"}},
      {Entry(L"SCHE", L"\\CreateExplorerShellUnelevatedTask", L"Shell", true),
       THiddenBy{kHiddenByNameWhite, L"  CreateExplorerShellUnelevatedTask"},
       THiddenBy{kHiddenByNameWhite, L"  CreateExplorerShellUnelevatedTask"}},
      {Entry(L"Serv", L"CBDHSVC_4f2a1", L"Clipboard", false), THiddenBy{kHiddenByNameWhite, L"cbdhsvc_"},
       THiddenBy{kHiddenByNameWhite, L"cbdhsvc_"}},
      // A comment row matches nothing.
      {Entry(L"SERV", L"Dhcp", L"DHCP Client", false), disabled, std::nullopt},
  };
  const std::wstring startupOrvane = std::wstring(kStartup) + L"\\Orvane.lnk";
  const std::vector<std::wstring> shownWithout = {L"HKCU|" + RunTarget(L"Helper2"),
                                                  L"FILE|" + startupOrvane};
  const std::vector<std::wstring> shownWithAll = {
      L"HKCU|" + RunTarget(L"Helper"), L"HKCU|" + RunTarget(L"Helper2"), L"FILE|" + startupOrvane,
      L"SERV|Dhcp"};
  for (const bool all : {false, true}) {
    sources.showAll = all;
    TAutorunList catalogue;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.entry.From + L" " + c.entry.Target + (all ? L" (all)" : L""));
      EXPECT_EQ(WhyHidden(c.entry, sources), all ? c.hiddenWithAll : c.hidden);
      catalogue.push_back(c.entry);
    }
    const std::vector<std::wstring>& wanted = all ? shownWithAll : shownWithout;
    rows.Clear();
    rows.Merge(catalogue, sources);
    std::vector<std::wstring> shown;
    for (const TAutorunItem& row : rows.Rows()) shown.push_back(row.From + L"|" + row.Target);
    EXPECT_EQ(shown, wanted);
  }
}

TEST_F(AutorunRowsTest, ExistingRowsFollowOnlyTheEnabledStateUntilRebuilt) {
  TAutorunList catalogue = {Entry(L"HKCU", RunTarget(L"App"), L"App", true, kApp),
                            Entry(L"SERV", L"Svc", L"A service", true)};
  rows.Merge(catalogue, sources);
  ASSERT_EQ(rows.Count(), 2);

  // Disabled by the user: the row stays, grey, with its name, icon and place.
  catalogue[0].Enabled = false;
  catalogue[0].Caption = L"Renamed";
  fake.versions.RemoveVersionResource(kApp);
  rows.Merge(catalogue, sources);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"HKCU:Vendor App:4:off", L"SERV:A service:3"}));

  // A rebuild (F5) applies the box: the disabled entry goes.
  rows.Clear();
  rows.Merge(catalogue, sources);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"SERV:A service:3"}));
}

TEST_F(AutorunRowsTest, EntriesAppearAtTheEndAndVanishWithTheirEntries) {
  rows.Merge({Entry(L"SERV", L"A", L"A", true), Entry(L"SERV", L"B", L"B", true),
              Entry(L"SERV", L"C", L"C", true)},
             sources);
  rows.Merge({Entry(L"SERV", L"New", L"New", true), Entry(L"SERV", L"C", L"C", true),
              Entry(L"SERV", L"A", L"A", true)},
             sources);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"SERV:A:3", L"SERV:C:3", L"SERV:New:3"}));
  EXPECT_EQ(rows.FindRow(L"New", L"serv"), 2);
  EXPECT_EQ(rows.FindRow(L"B", L"SERV"), -1);
  rows.Merge({}, sources);
  EXPECT_EQ(rows.Count(), 0);
}

TEST_F(AutorunRowsTest, RowsAreFoundIgnoringCaseButRemovedUnlessTheKeyIsExact) {
  rows.Merge({Entry(L"HKCU", RunTarget(L"Foo"), L"Foo", true)}, sources);
  ASSERT_EQ(rows.FindRow(RunTarget(L"FOO"), L"hkcu"), 0);
  // The value now reads FOO: the row is found and updated, then dropped by the exact
  // removal pass; the entry comes back as a row on the next refresh.
  rows.Merge({Entry(L"HKCU", RunTarget(L"FOO"), L"FOO", false)}, sources);
  EXPECT_EQ(rows.Count(), 0);
  sources.showAll = true;
  rows.Merge({Entry(L"HKCU", RunTarget(L"FOO"), L"FOO", false)}, sources);
  EXPECT_EQ(rows.Count(), 1);
}

TEST_F(AutorunRowsTest, AnEntryKeepsItsKeyWhileRowsAroundItComeAndGo) {
  rows.Merge({Entry(L"HKCU", RunTarget(L"Alpha"), L"Alpha", true),
              Entry(L"HKCU", RunTarget(L"Beta"), L"Beta", true)},
             sources);
  const std::optional<TRowKey> beta = rows.KeyOf(1);
  ASSERT_TRUE(beta.has_value());
  EXPECT_FALSE(rows.KeyOf(2).has_value());
  EXPECT_FALSE(rows.KeyOf(-1).has_value());
  rows.Merge({Entry(L"HKCU", RunTarget(L"Beta"), L"Beta", true)}, sources);
  EXPECT_EQ(rows.RowOf(*beta), 0) << "the row above went; the entry moved up";
  rows.Merge({}, sources);
  EXPECT_EQ(rows.RowOf(*beta), -1);
}

TEST_F(AutorunRowsTest, TypeAheadFindsTheNextNameThatBeginsWithTheText) {
  rows.Merge({Entry(L"HKCU", RunTarget(L"Alpha"), L"Alpha", true),
              Entry(L"HKCU", RunTarget(L"Beta"), L"Beta", true),
              Entry(L"HKCU", RunTarget(L"alps"), L"alps", true),
              Entry(L"HKCU", RunTarget(L"Delta"), L"Delta", true)},
             sources);
  struct Case {
    const wchar_t* prefix;
    int start;
    bool wrap;
    int found;
  } cases[] = {
      {L"a", 0, true, 0},     {L"A", 1, true, 2},   {L"al", 3, true, 0},  {L"alp", 3, false, -1},
      {L"alps", 0, true, 2},  {L"d", -1, true, 3},  {L"d", 9, true, 3},   {L"x", 0, true, -1},
      {L"", 0, true, -1},     {L"Betamax", 0, true, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rows.FindByPrefix(c.prefix, c.start, c.wrap, StartsTextAscii), c.found)
        << c.prefix << " from " << c.start;
  }
  EXPECT_EQ(TAutorunRows().FindByPrefix(L"a", 0, true, StartsTextAscii), -1);
}

// The name is written by whoever made the entry, and the address goes to the shell from
// an elevated process: everything but the unreserved characters and "/" is
// percent-encoded from UTF-8, so the address is one clean word whatever the name holds,
// and the server reads the same name back after decoding.
TEST(EntryLookupPathTest, LowerCasesAToZAndPercentEncodesTheRest) {
  struct Case {
    std::wstring from, target, path;
  };
  const Case cases[] = {
      {L"SERV", L"wuauserv", L"/entry/serv/wuauserv"},
      {L"HKCU", RunTarget(L"OneDrive"), L"/entry/hkcu/onedrive"},
      {L"FILE", L"C:\\S\\My App.LNK", L"/entry/file/my%20app.lnk"},
      {L"SCHE", L"\\Ünï ТЕСТ", L"/entry/sche/%C3%9Cn%C3%AF%20%D0%A2%D0%95%D0%A1%D0%A2"},
      {L"HKCU", RunTarget(L"x\" --some-switch \"y"), L"/entry/hkcu/x%22%20--some-switch%20%22y"},
      {L"HKLM", RunTarget(L"a%20b&c=d?e#f"), L"/entry/hklm/a%2520b%26c%3Dd%3Fe%23f"},
      {L"HKLM", RunTarget(L"Tab\tLF\nend"), L"/entry/hklm/tab%09lf%0Aend"},
      {L"HKLM", RunTarget(L"keep-._~AZaz09"), L"/entry/hklm/keep-._~azaz09"},
      {L"HKLM", RunTarget(L"<>^`{|}'\\"), L"/entry/hklm/"},
      {L"HKLM", RunTarget(L"<>^`{|}'"), L"/entry/hklm/%3C%3E%5E%60%7B%7C%7D%27"},
  };
  for (const Case& c : cases) {
    const std::wstring path = EntryLookupPath(c.from, c.target);
    EXPECT_EQ(path, c.path) << WideToUtf8(c.target);
    EXPECT_TRUE(IsWebLink(L"https://lookup.example.test" + path)) << WideToUtf8(path);
  }
}

// The name is one path segment whatever it holds: a "/" inside it, or a name that is a
// dot segment of its own, would otherwise let a Run value named "../../x" send the
// browser anywhere on the lookup host. The server splits the path at "/" and decodes
// the last segment once; what it gets is exactly the (lower-cased) name.
TEST(EntryLookupPathTest, TheNameIsExactlyOneSegment) {
  struct Case {
    std::wstring name, path;
  };
  const Case cases[] = {
      {L"../../some/path", L"/entry/hkcu/..%2F..%2Fsome%2Fpath"},
      {L"..", L"/entry/hkcu/%2E%2E"},
      {L".", L"/entry/hkcu/%2E"},
      {L"...", L"/entry/hkcu/..."},
      {L"a/b", L"/entry/hkcu/a%2Fb"},
      {L"/", L"/entry/hkcu/%2F"},
      {L".x.", L"/entry/hkcu/.x."},
      {L"%2e%2e", L"/entry/hkcu/%252e%252e"},
  };
  auto decode = [](std::wstring_view segment) {
    std::string bytes;
    for (size_t i = 0; i < segment.size(); ++i) {
      if (segment[i] == L'%' && i + 2 < segment.size()) {
        bytes += static_cast<char>(std::stoi(WideToUtf8(segment.substr(i + 1, 2)), nullptr, 16));
        i += 2;
      } else {
        bytes += static_cast<char>(segment[i]);
      }
    }
    return Utf8ToWide(bytes);
  };
  for (const Case& c : cases) {
    const std::wstring path = EntryLookupPath(L"HKCU", RunTarget(c.name));
    EXPECT_EQ(path, c.path) << WideToUtf8(c.name);
    const std::wstring prefix = L"/entry/hkcu/";
    ASSERT_EQ(path.rfind(prefix, 0), 0u) << WideToUtf8(path);
    const std::wstring segment = path.substr(prefix.size());
    EXPECT_EQ(segment.find(L'/'), std::wstring::npos) << WideToUtf8(path);
    EXPECT_NE(segment, L".");
    EXPECT_NE(segment, L"..");
    EXPECT_EQ(decode(segment), c.name) << WideToUtf8(path);
  }
}

}  // namespace
