// The shell folders the catalogue reads, as a win10 prefix resolves them.
#include <cwctype>

#include "WineTest.h"

#include <shellapi.h>

namespace {

std::wstring Expand(const wchar_t* text) {
  wchar_t out[MAX_PATH * 2];
  DWORD length = ::ExpandEnvironmentStringsW(text, out, MAX_PATH * 2);
  return length ? std::wstring(out) : std::wstring();
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towlower(ch));
  return text;
}

class Win10ShellFolders : public WineTest {};

TEST_F(Win10ShellFolders, EveryFolderTheCatalogueReadsResolvesToAnExistingFolder) {
  struct Case {
    int csidl;
    const wchar_t* expected;  // environment strings expanded
  } cases[] = {
      {CSIDL_STARTUP,
       L"%USERPROFILE%\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
      {CSIDL_COMMON_STARTUP,
       L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp"},
      {CSIDL_APPDATA, L"%USERPROFILE%\\AppData\\Roaming"},
      {CSIDL_COMMON_APPDATA, L"C:\\ProgramData"},
      {CSIDL_WINDOWS, L"C:\\windows"},
      {CSIDL_PROGRAM_FILES, L"C:\\Program Files"},
      {CSIDL_PROGRAM_FILESX86, L"C:\\Program Files (x86)"},
      {CSIDL_PROGRAM_FILES_COMMON, L"C:\\Program Files\\Common Files"},
      {CSIDL_PROGRAM_FILES_COMMONX86, L"C:\\Program Files (x86)\\Common Files"},
      {CSIDL_COMMON_DOCUMENTS, L"C:\\users\\Public\\Documents"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.csidl);
    wchar_t path[MAX_PATH + 1] = L"untouched";
    ASSERT_EQ(PlatformShell().SHGetFolderPathW(nullptr, c.csidl, nullptr, SHGFP_TYPE_CURRENT, path),
              S_OK);
    // Case differs between Wine's and Windows' own spelling of the same folders.
    EXPECT_EQ(Lower(path), Lower(Expand(c.expected)));
    DWORD attributes = ::GetFileAttributesW(path);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
}

TEST_F(Win10ShellFolders, UnknownFolderIsAnErrorAndLeavesNoPath) {
  wchar_t path[MAX_PATH + 1] = L"untouched";
  EXPECT_TRUE(FAILED(PlatformShell().SHGetFolderPathW(nullptr, 0x7F, nullptr,
                                                       SHGFP_TYPE_CURRENT, path)));
  // Wine empties the buffer before it looks the folder up, and the fake shell does the
  // same. The documentation promises nothing about the buffer after a failure, so the
  // program never reads it then; what must hold is that no path, stale or partial, is
  // left there to be read by mistake.
  EXPECT_STREQ(path, L"") << "a failed lookup leaves no path in the buffer";
}

TEST_F(Win10ShellFolders, ShellExecuteOfAMissingFileReportsFileNotFound) {
  INT_PTR result = PlatformShell().ShellExecuteW(nullptr, L"open", L"C:\\nothing-here.orvane",
                                                 nullptr, nullptr, SW_SHOWNORMAL);
  EXPECT_EQ(result, SE_ERR_FNF);
}

// With no browser in the prefix, Wine's winebrowser still takes the URL and
// ShellExecuteW reports success (33), although nothing opens: a test that needs to see
// the URL points HKCU\Software\Wine\WineBrowser "Browsers" at a script of its own.
TEST_F(Win10ShellFolders, WineGapOpeningAUrlWithoutABrowserReportsSuccess) {
  INT_PTR result = PlatformShell().ShellExecuteW(nullptr, L"open", L"http://127.0.0.1:9/",
                                                 nullptr, nullptr, SW_SHOWNORMAL);
  EXPECT_GT(result, 32);
}

// Measured under Wine 8: the process is elevated (TokenElevationTypeFull) and there is no
// shell window, so the program works on its own profile and opens links through the
// desktop shell. That route goes all the way under Wine once the desktop (explorer) runs,
// as it does when a program has a window: the shell's ShellExecute hands the address on.
TEST_F(Win10ShellFolders, WineIsElevatedWithoutAShellWindowAndItsDesktopOpensAddresses) {
  DWORD type = 0;
  ASSERT_TRUE(PlatformShell().GetProcessElevationType(&type));
  EXPECT_EQ(type, static_cast<DWORD>(TokenElevationTypeFull));
  std::wstring sid = L"untouched";
  EXPECT_TRUE(FAILED(PlatformShell().GetShellUser(&sid)));
  EXPECT_EQ(sid, L"untouched");

  // A window of this process starts Wine's desktop, whose shell the route asks.
  HWND window = ::CreateWindowW(L"STATIC", L"route", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const DWORD deadline = ::GetTickCount() + 10000;
  HRESULT result = E_FAIL;
  do {
    result = PlatformShell().ShellExecuteThroughDesktop(L"http://127.0.0.1:9/route");
  } while (FAILED(result) && ::GetTickCount() < deadline && (::Sleep(200), true));
  ::DestroyWindow(window);
  EXPECT_EQ(result, S_OK);
}

}  // namespace
