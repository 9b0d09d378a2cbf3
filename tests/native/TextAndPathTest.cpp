// Command lines, folder variables and shell folders.
#include <gtest/gtest.h>

#include "Lib/Common.h"
#include "Tavin/Path.h"
#include "Tavin/Text.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"

namespace {

class PathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.shell.SetFolder(CSIDL_PROGRAM_FILES, L"C:\\Program Files (x86)");
    fake.shell.SetFolder(CSIDL_PROGRAM_FILESX86, L"C:\\Program Files (x86)");
    fake.shell.SetFolder(CSIDL_PROGRAM_FILES_COMMON, L"C:\\Program Files (x86)\\Common Files");
    fake.shell.SetFolder(CSIDL_PROGRAM_FILES_COMMONX86, L"C:\\Program Files (x86)\\Common Files");
    fake.shell.SetFolder(CSIDL_WINDOWS, L"C:\\Windows");
    fake.shell.SetFolder(CSIDL_COMMON_APPDATA, L"C:\\ProgramData");
    fake.shell.SetFolder(CSIDL_APPDATA, L"C:\\Users\\u\\AppData\\Roaming");
    fake.shell.SetFolder(CSIDL_COMMON_DOCUMENTS, L"C:\\Users\\Public\\Documents");
    fake.system.SetArchitecture(PROCESSOR_ARCHITECTURE_AMD64);
    InitializeFolderVariables();
  }
  void TearDown() override { InitializeFolderVariables(); }

  FakePlatform fake;
};

TEST(TextTest, TrimRemovesEveryControlCharacterAndSpaceAtBothEnds) {
  EXPECT_EQ(Trim(L" \t\r\n\x01 a b \x1F\x20"), L"a b");
  EXPECT_EQ(Trim(L"\x21x\x21"), L"\x21x\x21");
  EXPECT_EQ(Trim(L"   "), L"");
}

TEST_F(PathTest, GetSpecialFolderDropsOneTrailingBackslashAndGivesEmptyOnFailure) {
  fake.shell.SetFolder(CSIDL_STARTUP, L"C:\\Start\\");
  EXPECT_EQ(GetSpecialFolder(CSIDL_STARTUP), L"C:\\Start");
  fake.shell.SetFolder(CSIDL_STARTUP, L"C:\\");
  EXPECT_EQ(GetSpecialFolder(CSIDL_STARTUP), L"C:");
  fake.shell.SetFolder(CSIDL_STARTUP, L"C:\\Start\\\\");
  EXPECT_EQ(GetSpecialFolder(CSIDL_STARTUP), L"C:\\Start\\");
  fake.shell.FailFolder(CSIDL_STARTUP, E_FAIL);
  EXPECT_EQ(GetSpecialFolder(CSIDL_STARTUP), L"");
  // S_FALSE is not S_OK: the shell had no folder to give.
  fake.shell.FailFolder(CSIDL_STARTUP, S_FALSE);
  EXPECT_EQ(GetSpecialFolder(CSIDL_STARTUP), L"");
}

TEST_F(PathTest, FolderVariablesFollowTheNativeArchitecture) {
  const TFolderVariables on64 = FolderVariables();
  ASSERT_EQ(on64.size(), 9u);
  const std::vector<std::pair<std::wstring, std::wstring>> expected64 = {
      {L"%ProgramData%", L"C:\\ProgramData"},
      {L"%SystemRoot%", L"C:\\Windows"},
      {L"%Public%", L"C:\\Users\\Public\\Documents"},
      {L"%AppData%", L"C:\\Users\\u\\AppData\\Roaming"},
      {L"%WinDir%", L"C:\\Windows"},
      {L"%CommonProgramFiles(x86)%", L"C:\\Program Files (x86)\\Common Files"},
      {L"%CommonProgramFiles%", L"C:\\Program Files\\Common Files"},
      {L"%ProgramFiles(x86)%", L"C:\\Program Files (x86)"},
      {L"%ProgramFiles%", L"C:\\Program Files"},
  };
  EXPECT_EQ(on64, expected64);

  // ARM64 counts as "not 64-bit" here, like a 32-bit system: both program-files
  // variables give the plain folder.
  for (WORD arch : {PROCESSOR_ARCHITECTURE_INTEL, PROCESSOR_ARCHITECTURE_ARM64}) {
    fake.shell.SetFolder(CSIDL_PROGRAM_FILES, L"C:\\Program Files");
    fake.shell.SetFolder(CSIDL_PROGRAM_FILES_COMMON, L"C:\\Program Files\\Common Files");
    fake.system.SetArchitecture(arch);
    InitializeFolderVariables();
    const TFolderVariables& table = FolderVariables();
    EXPECT_EQ(ExpandFolderVariable(L"%ProgramFiles%\\a.exe"), L"C:\\Program Files\\a.exe");
    EXPECT_EQ(ExpandFolderVariable(L"%ProgramFiles(x86)%\\a.exe"), L"C:\\Program Files\\a.exe");
    EXPECT_EQ(ExpandFolderVariable(L"%CommonProgramFiles(x86)%\\a.dll"),
              L"C:\\Program Files\\Common Files\\a.dll");
    EXPECT_EQ(table.size(), 9u);
  }
}

TEST_F(PathTest, SplitCommandLine) {
  struct Case {
    std::wstring line, file, parameters;
  };
  const Case cases[] = {
      {L"\"C:\\Program Files\\App\\app.exe\" /min", L"C:\\Program Files\\App\\app.exe", L"/min"},
      {L"  \" C:\\a b\\x.exe \"   -q  ", L"C:\\a b\\x.exe", L"-q"},
      {L"\"C:\\Program Files\\App\\app.exe", L"C:\\Program Files\\App\\app.exe", L""},
      {L"\" C:\\open ", L" C:\\open", L""},  // no closing quote: kept as it is after the quote
      {L"C:\\Program Files\\App\\app.exe -silent", L"C:\\Program Files\\App\\app.exe", L"-silent"},
      // An extension counts only where a path component ends: before the end, a blank,
      // a quote or a comma; a dotted folder name is no extension.
      {L"C:\\My.Executables\\run.exe", L"C:\\My.Executables\\run.exe", L""},
      {L"C:\\Apps\\Foo.Battery Monitor\\bm.exe /tray", L"C:\\Apps\\Foo.Battery Monitor\\bm.exe",
       L"/tray"},
      {L"C:\\a.exe.bak\\b.cmd x", L"C:\\a.exe.bak\\b.cmd", L"x"},
      {L"C:\\Tools.Exe\\Run.EXE,1", L"C:\\Tools.Exe\\Run.EXE", L",1"},
      {L"C:\\app.exeutil", L"C:\\app.exeutil", L""},  // no ending extension: split at a space
      {L"C:\\Program Files\\App\\app", L"C:\\Program", L"Files\\App\\app"},
      {L"c:\\tools\\setup.msi /quiet", L"c:\\tools\\setup.msi", L"/quiet"},
      {L"x.bat y.exe", L"x.bat", L"y.exe"},  // the earliest extension wins
      {L"notepad", L"notepad", L""},
      {L"", L"", L""},
      {L" \t ", L"", L""},
      {L"\"\"", L"", L""},
      {L"\"", L"", L""},
  };
  for (const Case& c : cases) {
    std::wstring file = L"stale", parameters = L"stale";
    SplitCommandLine(c.line, file, parameters);
    EXPECT_EQ(file, c.file) << "line: " << WideToUtf8Debug(c.line);
    EXPECT_EQ(parameters, c.parameters) << "line: " << WideToUtf8Debug(c.line);
  }
}

TEST_F(PathTest, AnUnquotedLineWithBlanksNamesTheFileCreateProcessWouldStart) {
  // CreateProcessW tries the text up to each blank in turn, shortest first, and starts the
  // first that names an existing file (".exe" added when the name has none).
  struct Case {
    std::vector<std::pair<std::wstring, std::wstring>> files;  // folder, name
    std::vector<std::wstring> folders;
    std::wstring line, file, parameters;
  };
  const Case cases[] = {
      // A dotted folder name with a blank: the extension inside it names no file.
      {{{L"C:\\Program Files\\Foo.com Tools", L"x.exe"}},
       {},
       L"C:\\Program Files\\Foo.com Tools\\x.exe /q",
       L"C:\\Program Files\\Foo.com Tools\\x.exe",
       L"/q"},
      // A folder of that name is no file either.
      {{{L"C:\\Program Files\\Foo.com Tools", L"x.exe"}},
       {L"C:\\Program Files\\Foo.com"},
       L"C:\\Program Files\\Foo.com Tools\\x.exe",
       L"C:\\Program Files\\Foo.com Tools\\x.exe",
       L""},
      // The shorter candidate wins, as it does when Windows starts the line.
      {{{L"C:\\Tools", L"a.exe"}, {L"C:\\Tools", L"a b.exe"}},
       {},
       L"C:\\Tools\\a b.exe",
       L"C:\\Tools\\a.exe",
       L"b.exe"},
      {{{L"C:\\Program Files\\App", L"app.exe"}},
       {},
       L"C:\\Program Files\\App\\app -x",
       L"C:\\Program Files\\App\\app.exe",
       L"-x"},
      // Candidates are looked for with their folder variable expanded; the text stays.
      {{{L"C:\\Program Files\\Foo.com Tools", L"x.exe"}},
       {},
       L"%ProgramFiles%\\Foo.com Tools\\x.exe",
       L"%ProgramFiles%\\Foo.com Tools\\x.exe",
       L""},
      // Nothing exists: the split is the one without the file system.
      {{}, {}, L"C:\\Program Files\\Foo.com Tools\\x.exe", L"C:\\Program Files\\Foo.com",
       L"Tools\\x.exe"},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.shell.SetFolder(CSIDL_PROGRAM_FILES, L"C:\\Program Files");
    local.system.SetArchitecture(PROCESSOR_ARCHITECTURE_AMD64);
    InitializeFolderVariables();
    for (const auto& [folder, name] : c.files) local.files.AddFile(folder, name);
    for (const std::wstring& folder : c.folders) local.files.AddFolder(folder);
    std::wstring file, parameters;
    SplitCommandLine(c.line, file, parameters);
    EXPECT_EQ(file, c.file) << "line: " << WideToUtf8Debug(c.line);
    EXPECT_EQ(parameters, c.parameters) << "line: " << WideToUtf8Debug(c.line);
  }
}

TEST_F(PathTest, ExtractCommandFile) {
  struct Case {
    std::wstring line, file;
  };
  const Case cases[] = {
      {L"\"C:\\Program Files\\App\\app.exe\" /min", L"C:\\Program Files\\App\\app.exe"},
      {L"C:\\Program Files\\App\\app.exe -silent", L"C:\\Program Files\\App\\app.exe"},
      {L"rundll32.exe \"C:\\x\\lib.dll\",Entry", L"C:\\x\\lib.dll"},
      {L"C:\\Windows\\system32\\RUNDLL32.EXE shell32.dll,Control_RunDLL", L"shell32.dll"},
      {L"rundll32.exe", L"rundll32.exe"},
      {L"rundll32.exe \"C:\\x y\\lib.dll", L"C:\\x y\\lib.dll"},
      {L"rundll32.exe  lib.dll , Entry", L"lib.dll "},
      {L"C:rundll32.exe x.dll,E", L"x.dll"},  // the name after a drive colon counts too
      {L"%ProgramFiles%\\App\\tool.exe", L"C:\\Program Files\\App\\tool.exe"},
      {L"%programfiles%\\App\\a.exe", L"C:\\Program Files\\App\\a.exe"},
      {L"%ProgramFilesX%\\a.exe", L"%ProgramFilesX%\\a.exe"},
      {L"%LocalAppData%\\a.exe", L"%LocalAppData%\\a.exe"},
      {L"\\??\\C:\\Drivers\\agent.exe", L"C:\\Drivers\\agent.exe"},
      // A network path keeps the two backslashes that open it.
      {L"\\\\server\\share\\a.exe", L"\\\\server\\share\\a.exe"},
      {L"\"\\\\server\\share\\My App\\a.exe\" -x", L"\\\\server\\share\\My App\\a.exe"},
      {L"\\\\server\\\\share\\a.exe", L"\\\\server\\share\\a.exe"},
      {L"C:\\My.Executables\\run.exe -q", L"C:\\My.Executables\\run.exe"},
      {L"C:\\Apps\\Foo.Battery Monitor\\bm.exe", L"C:\\Apps\\Foo.Battery Monitor\\bm.exe"},
      // The letter case of the result is the command line's own.
      {L"c:\\Program Files\\Mixed.Case\\TOOL.Exe /x", L"c:\\Program Files\\Mixed.Case\\TOOL.Exe"},
      {L"C:\\a\\\\\\b.exe", L"C:\\a\\\\b.exe"},
      {L"C:\\a\\\\\\\\b.exe", L"C:\\a\\\\b.exe"},
      {L"notepad", L"notepad"},
      {L"", L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExtractCommandFile(c.line), c.file) << "line: " << WideToUtf8Debug(c.line);
}

TEST_F(PathTest, ExpandFolderVariableOnlyAtTheStartAndBeforeABackslash) {
  EXPECT_EQ(ExpandFolderVariable(L"%ProgramFiles%"), L"%ProgramFiles%");
  EXPECT_EQ(ExpandFolderVariable(L"x%WinDir%\\a"), L"x%WinDir%\\a");
  EXPECT_EQ(ExpandFolderVariable(L"%WINDIR%\\notepad.exe"), L"C:\\Windows\\notepad.exe");
  EXPECT_EQ(ExpandFolderVariable(L"%SystemRoot%\\"), L"C:\\Windows\\");
  // A variable whose folder is unknown leaves only the rest, from its backslash on.
  fake.shell.FailFolder(CSIDL_COMMON_DOCUMENTS, E_FAIL);
  InitializeFolderVariables();
  EXPECT_EQ(ExpandFolderVariable(L"%Public%\\a.txt"), L"\\a.txt");
}

TEST(RemoveX86SuffixTest, RemovesTheFirstMarkIgnoringCase) {
  EXPECT_EQ(RemoveX86Suffix(L"C:\\Program Files (x86)"), L"C:\\Program Files");
  EXPECT_EQ(RemoveX86Suffix(L"C:\\Program Files (X86)\\Common Files"),
            L"C:\\Program Files\\Common Files");
  EXPECT_EQ(RemoveX86Suffix(L"C:\\A (x86)\\B (x86)"), L"C:\\A\\B (x86)");
  EXPECT_EQ(RemoveX86Suffix(L"C:\\A(x86)"), L"C:\\A(x86)");
}

TEST_F(PathTest, ShellOpenHandsTheTextToTheOpenVerb) {
  ShellOpen(L"https://example.invalid/entry/serv/x");
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].verb, L"open");
  EXPECT_EQ(fake.shell.executed[0].file, L"https://example.invalid/entry/serv/x");
  EXPECT_EQ(fake.shell.executed[0].showCommand, SW_SHOWNORMAL);
}

}  // namespace
