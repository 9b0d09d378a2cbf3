// Files of the two Startup folders.
#include "tests/support/CatalogueFixture.h"

#include "platform/PlatformError.h"

namespace {

using StartupFolderSourceTest = CatalogueTest;

TEST_F(StartupFolderSourceTest, ListsStartableFilesOfBothFoldersInOrder) {
  fake.files.AddFile(kCommonStartup, L"Shared.lnk");
  fake.files.AddFile(kUserStartup, L"Foo.LNK");
  fake.files.AddFile(kUserStartup, L"notes.txt");
  fake.files.AddFile(kUserStartup, L"setup.ini");
  fake.files.AddFile(kUserStartup, L"script.ps1");
  fake.files.AddFolder(std::wstring(kUserStartup) + L"\\Tools.exe");
  fake.files.AddFile(kUserStartup, L".lnk");
  fake.files.AddFile(kUserStartup, L"a.b.lnk");
  fake.files.AddFile(kUserStartup, L"hidden.bat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  for (const wchar_t* name : {L"w.url", L"x.exe", L"y.cmd", L"z.COM", L"noext", L"Shared.lnk"})
    fake.files.AddFile(kUserStartup, name);

  TAutorunList list;
  CollectStartupFolders(list);
  const std::wstring user = std::wstring(kUserStartup) + L"\\";
  std::vector<std::wstring> expected = {std::wstring(L"FILE:") + kCommonStartup + L"\\Shared.lnk"};
  for (const wchar_t* name : {L"Foo.LNK", L".lnk", L"a.b.lnk", L"hidden.bat", L"w.url", L"x.exe",
                              L"y.cmd", L"z.COM", L"Shared.lnk"})
    expected.push_back(L"FILE:" + user + name);
  EXPECT_EQ(Targets(list), expected);

  const TAutorunInfo* foo = Find(list, L"FILE", user + L"Foo.LNK");
  ASSERT_NE(foo, nullptr);
  EXPECT_EQ(foo->Caption, L"Foo");
  EXPECT_EQ(foo->FileName, user + L"Foo.LNK");
  EXPECT_EQ(foo->RawData, L"");
  EXPECT_TRUE(foo->Enabled);
  EXPECT_EQ(Find(list, L"FILE", user + L".lnk")->Caption, L"");
  EXPECT_EQ(Find(list, L"FILE", user + L"a.b.lnk")->Caption, L"a.b");
}

TEST_F(StartupFolderSourceTest, EachFolderIsJudgedByRecordsUnderItsOwnRoot) {
  fake.files.AddFile(kCommonStartup, L"Same.lnk");
  fake.files.AddFile(kUserStartup, L"Same.lnk");
  fake.files.AddFile(kUserStartup, L"Other.lnk");
  fake.registry.SetValue(HKEY_LOCAL_MACHINE, kApprovedFolder, L"Same.lnk", REG_BINARY, ApprovalRecord(3));
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedFolder, L"Other.lnk", REG_BINARY, ApprovalRecord(7));
  // The record's name keeps the extension; one without it judges nothing.
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedFolder, L"Same", REG_BINARY, ApprovalRecord(3));

  TAutorunList list;
  CollectStartupFolders(list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_FALSE(list[0].Enabled);  // all users' Same.lnk, record under HKLM
  EXPECT_TRUE(list[1].Enabled);   // the user's Same.lnk, no record under HKCU
  EXPECT_FALSE(list[2].Enabled);  // Task Manager's "disabled"
}

TEST_F(StartupFolderSourceTest, UnresolvedOrUnreadableFoldersContributeNothing) {
  fake.files.AddFile(kUserStartup, L"Mine.lnk");
  fake.files.AddFile(kCommonStartup, L"Theirs.lnk");
  fake.shell.FailFolder(CSIDL_COMMON_STARTUP, E_FAIL);
  TAutorunList list;
  CollectStartupFolders(list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Caption, L"Mine");
  // With the all-users folder unknown, the user's folder is still the user's.
  EXPECT_TRUE(list[0].Enabled);

  fake.files.DenyListing(kUserStartup);
  list.clear();
  CollectStartupFolders(list);
  EXPECT_TRUE(list.empty());
}

// A folder that cannot be listed, whatever the reason, must not cost the user the other
// sources: the refresh goes on with the Run keys, tasks and services.
TEST_F(StartupFolderSourceTest, AFolderThatCannotBeListedContributesNothingAndTheRefreshGoesOn) {
  struct Case {
    const char* what;
    const char* call;
    DWORD error;
    int skip;
  };
  const Case cases[] = {
      {"a path that is gone", "FindFirstFileW", ERROR_PATH_NOT_FOUND, 0},
      {"a network folder that is gone", "FindFirstFileW", 53 /* ERROR_BAD_NETPATH */, 0},
      {"a path or listing level the system refuses", "FindFirstFileW", ERROR_INVALID_PARAMETER, 0},
      {"no access", "FindFirstFileW", ERROR_ACCESS_DENIED, 0},
      // "." and ".." come first; the third FindNextFileW fails half-way.
      {"an error half-way", "FindNextFileW", ERROR_NOT_ENOUGH_MEMORY, 2},
  };
  fake.files.AddFile(kCommonStartup, L"First.lnk");
  fake.files.AddFile(kCommonStartup, L"Second.lnk");
  fake.files.AddFile(kUserStartup, L"Mine.lnk");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Keeper", L"keeper.exe");
  for (const Case& c : cases) {
    fake.files.faults.Clear();
    fake.files.faults.Fail(c.call, c.error, c.skip, 1);
    TAutorunList list;
    ASSERT_NO_THROW(CollectAutorun(list)) << c.what;
    // The failing listing is the first one, the all-users folder's.
    EXPECT_EQ(Targets(list),
              (std::vector<std::wstring>{L"FILE:" + std::wstring(kUserStartup) + L"\\Mine.lnk",
                                         L"HKCU:HKCU\\" + std::wstring(kRunKey) + L"\\Keeper"}))
        << c.what;
  }

  fake.files.faults.Clear();
  fake.files.RemoveFolder(kUserStartup);
  TAutorunList list;
  ASSERT_NO_THROW(CollectAutorun(list));
  EXPECT_EQ(list.size(), 3u) << "a folder that vanished after the shell named it lists nothing";
}

}  // namespace
