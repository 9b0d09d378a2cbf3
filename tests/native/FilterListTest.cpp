// The filter lists: their order and duplicates by the user's locale, loading the built-in
// resources, both matching modes with the rows the program ships, and bad resources.
#include <gtest/gtest.h>

#include "Lib/Common.h"
#include "Tavin/Path.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"

namespace {

class FilterListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.shell.SetFolder(CSIDL_WINDOWS, L"C:\\Windows");
    fake.shell.SetFolder(CSIDL_PROGRAM_FILES, L"C:\\Program Files (x86)");
    fake.shell.SetFolder(CSIDL_PROGRAM_FILESX86, L"C:\\Program Files (x86)");
    fake.system.SetArchitecture(PROCESSOR_ARCHITECTURE_AMD64);
    InitializeFolderVariables();
  }
  void TearDown() override { InitializeFolderVariables(); }

  static FilterList Rows(std::initializer_list<const wchar_t*> rows) {
    FilterList list;
    for (const wchar_t* row : rows) list.Add(row);
    return list;
  }

  FakePlatform fake;
};

TEST_F(FilterListTest, KeepsRowsSortedAndDropsRowsEqualIgnoringCase) {
  FilterList list;
  for (const wchar_t* row : {L"beta", L"Alpha", L"ALPHA", L"alpha", L"", L"_x", L"10", L"Žluť",
                             L"ŽLUŤ", L"привет", L"ПРИВЕТ", L"Straße", L"STRASSE", L"éa", L"Éa"})
    list.Add(row);
  const std::vector<std::wstring> expected = {L"", L"_x", L"10", L"Alpha", L"beta", L"éa",
                                              L"Straße", L"Žluť", L"привет"};
  EXPECT_EQ(list.Rows(), expected);
  EXPECT_TRUE(list.Contains(L"ALPHA"));
  EXPECT_TRUE(list.Contains(L"žluť"));
  EXPECT_FALSE(list.Add(L"BETA"));
  EXPECT_FALSE(list.Contains(L"alph"));
}

TEST_F(FilterListTest, NameModeIsAPrefixTestIgnoringCaseByTheLocale) {
  const FilterList list = Rows({L"cbdhsvc_", L"Dhcp", L"%SystemRoot%\\System32\\ctfmon.exe",
                                L"Привет", L"   ", L"", L"// comment", L"Orvane*"});
  struct Case {
    const wchar_t* text;
    bool expected;
  } cases[] = {
      {L"cbdhsvc_1a2b3", true},
      {L"CBDHSVC_", true},
      {L"cbdhsvc", false},  // shorter than the row
      {L"DhcpServer", true},
      {L"MyDhcp", false},   // only a prefix counts
      {L"C:\\WINDOWS\\system32\\CTFMON.EXE /n", true},  // the row is expanded first
      {L"D:\\Windows\\System32\\ctfmon.exe", false},
      {L"ПРИВЕТСТВИЕ", true},
      {L"Orvane*Tray", true},  // the "*" is an ordinary character here
      {L"OrvaneTray", false},
      {L"// comment", false},
      {L"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8Debug(c.text));
    EXPECT_EQ(MatchesList(list, c.text, false), c.expected);
  }
}

TEST_F(FilterListTest, FileModeMatchesFileNamesAndPathFragments) {
  const FilterList list = Rows({L"Discord.exe*", L"%SystemRoot%\\System32\\ctfmon.exe",
                                L"Ünïcödé.exe*", L"%ProgramFiles%\\Ärger\\app.exe", L"//x*"});
  struct Case {
    const wchar_t* text;
    bool expected;
  } cases[] = {
      {L"C:\\Users\\u\\AppData\\Local\\Discord\\app\\Discord.exe", true},
      {L"discord.EXE", true},
      {L"C:\\x\\Discord.exe.bak", false},
      {L"C:\\x\\Discord.exe2", false},
      {L"C:Discord.exe", true},  // the file name follows a colon too
      {L"C:\\WINDOWS\\system32\\CTFMON.EXE", true},
      {L"C:\\Windows\\System32\\ctfmon.exe.lnk", true},  // a fragment may sit anywhere
      {L"X:\\backup\\C:\\Windows\\System32\\ctfmon.exe", true},
      {L"C:\\Windows\\ctfmon.exe", false},
      {L"C:\\x\\ünïcödé.exe", false},  // file names ignore the case of a-z only
      {L"C:\\x\\ÜNÏCÖDÉ.EXE", false},
      {L"C:\\x\\Ünïcödé.EXE", true},
      {L"C:\\PROGRAM FILES\\ärger\\APP.EXE", true},  // fragments upper-case every letter
      {L"C:\\x\\x", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8Debug(c.text));
    EXPECT_EQ(MatchesList(list, c.text, true), c.expected);
  }
}

TEST_F(FilterListTest, ALoneStarMatchesOnlyAnEmptyFileName) {
  const FilterList list = Rows({L"*"});
  EXPECT_TRUE(MatchesList(list, L"", true));
  EXPECT_TRUE(MatchesList(list, L"C:\\folder\\", true));
  EXPECT_TRUE(MatchesList(list, L"C:", true));
  EXPECT_FALSE(MatchesList(list, L"C:\\folder\\a", true));
  EXPECT_FALSE(MatchesList(FilterList(), L"", true));
}

TEST_F(FilterListTest, BuiltInListsLoadWithEveryRowOnce) {
  FilterList nameWhite;
  FilterList nameBlack;
  FilterList fileWhite;
  LoadTextResource(nameWhite, L"name_white");  // names are matched ignoring case
  LoadTextResource(nameBlack, L"NAME_BLACK");
  LoadTextResource(fileWhite, L"File_White");
  EXPECT_EQ(nameWhite.Count(), 75u);  // "Orvane", the empty line and 73 names
  EXPECT_EQ(nameBlack.Count(), 37u);
  EXPECT_EQ(fileWhite.Count(), 252u);  // six rows of the resource repeat
  EXPECT_TRUE(nameWhite.Contains(L""));
  EXPECT_TRUE(nameBlack.Contains(L"우리은행 보안 로그 수집기"));
  for (const FilterList* list : {&nameWhite, &nameBlack, &fileWhite})
    EXPECT_TRUE(std::is_sorted(list->Rows().begin(), list->Rows().end(),
                               [this](const std::wstring& a, const std::wstring& b) {
                                 return fake.locale.CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                                                                   a.c_str(), -1, b.c_str(), -1,
                                                                   nullptr) == CSTR_LESS_THAN;
                               }));

  struct Case {
    const FilterList* list;
    const wchar_t* text;
    bool fileMode;
    bool expected;
  } cases[] = {
      {&nameWhite, L"cbdhsvc_4f2a1", false, true},
      {&nameWhite, L"CBDHSVC_", false, true},
      {&nameWhite, L"cbdhsv", false, false},
      {&nameWhite, L"Orvane", false, true},
      {&nameWhite, L"OrvaneTray", false, true},
      {&nameWhite, L"CreateExplorerShellUnelevatedTask", false, true},
      {&nameWhite, L"edgeupdatem", false, true},
      {&nameWhite, L"MyDhcp", false, false},
      {&nameWhite, L"", false, false},  // the empty row never matches
      {&fileWhite, L"C:\\Windows\\System32\\svchost.exe", true, true},
      {&fileWhite, L"C:\\Windows\\System32\\CTFMON.EXE", true, true},
      {&fileWhite, L"C:\\Program Files\\AhnLab\\V3Lite30\\PScan.exe", true, true},
      {&fileWhite, L"C:\\Program Files (x86)\\Dolby Home Theater v4\\pcee4.exe", true, true},
      {&fileWhite, L"C:\\x\\TrustedInstaller.exe", true, false},  // the row is cut short
      {&fileWhite, L"C:\\x\\TrustedInstaller.ex", true, true},
      {&fileWhite, L"C:\\Users\\u\\Start Menu\\Programs\\Startup\\Orvane.lnk", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8Debug(c.text));
    EXPECT_EQ(MatchesList(*c.list, c.text, c.fileMode), c.expected);
  }
}

TEST_F(FilterListTest, LoadingReplacesTheRowsAndAMissingResourceKeepsThem) {
  FilterList list = Rows({L"kept"});
  LoadTextResource(list, L"NO_SUCH_LIST");
  EXPECT_EQ(list.Rows(), std::vector<std::wstring>{L"kept"});

  fake.resources.faults.Fail("LoadResource", ERROR_NOT_ENOUGH_MEMORY, 0, 1);
  LoadTextResource(list, L"NAME_WHITE");
  EXPECT_EQ(list.Rows(), std::vector<std::wstring>{L"kept"});

  fake.resources.SetResource(RT_RCDATA, L"MINE", "\xEF\xBB\xBF" "b\r\nB\r\na\r\n");
  LoadTextResource(list, L"mine");
  EXPECT_EQ(list.Rows(), (std::vector<std::wstring>{L"a", L"b"}));
}

TEST_F(FilterListTest, BadResourcesLoadWithoutHarm) {
  const std::string longRow(100000, 'q');
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::wstring> rows;
  } cases[] = {
      {"empty", "", {}},
      {"no byte-order mark", "x\r\ny", {L"x", L"y"}},
      {"invalid UTF-8", "ok\n\xC3\x28\n", {L"ok", L"\uFFFD("}},
      {"lone CR", "a\rb\r", {L"a", L"b"}},
      {"empty lines", "\n\r\n\ra", {L"", L"a"}},
      {"100,000-character line", "\xEF\xBB\xBF" + longRow + "\r\n", {Utf8ToWide(longRow)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake.resources.SetResource(RT_RCDATA, L"BAD", c.bytes);
    FilterList list = Rows({L"before"});
    LoadTextResource(list, L"BAD");
    EXPECT_EQ(list.Rows(), c.rows);
  }
  FilterList list;
  fake.resources.SetResource(RT_RCDATA, L"BAD", "\xEF\xBB\xBF" + longRow);
  LoadTextResource(list, L"BAD");
  EXPECT_TRUE(MatchesList(list, Utf8ToWide(longRow + "tail"), false));
  EXPECT_TRUE(MatchesList(list, Utf8ToWide("C:\\" + longRow), true));
}

// The window asks about every entry on every refresh: the rows are trimmed, expanded
// and upper-cased once per change of the list, not once per question.
TEST_F(FilterListTest, RowsArePreparedOncePerChangeOfTheList) {
  FilterList list = Rows({L"%SystemRoot%\\System32\\ctfmon.exe", L"\\Vendor\\", L"Tool.exe*"});
  const auto upperCalls = [this] { return fake.locale.faults.Calls("CharUpperBuffW"); };
  EXPECT_TRUE(MatchesList(list, L"C:\\WINDOWS\\system32\\CTFMON.EXE", true));
  const int first = upperCalls();
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(MatchesList(list, L"C:\\x\\y.exe", true));
  // One upper-casing of the text per question, none of the rows.
  EXPECT_EQ(upperCalls() - first, 10);
  list.Add(L"\\Other\\");
  EXPECT_TRUE(MatchesList(list, L"C:\\other\\z.exe", true)) << "a new row counts at once";
  EXPECT_TRUE(MatchesList(list, L"c:\\x\\tool.exe", true));
  list.Clear();
  EXPECT_FALSE(MatchesList(list, L"C:\\other\\z.exe", true)) << "and a cleared list forgets them";
}

TEST_F(FilterListTest, AFailingCompareStillKeepsTheListSortedAndWhole) {
  fake.locale.faults.Fail("CompareStringW", ERROR_INVALID_PARAMETER);
  FilterList list = Rows({L"b", L"a", L"a", L"A"});
  EXPECT_EQ(list.Rows(), (std::vector<std::wstring>{L"A", L"a", L"b"}));
}

}  // namespace
