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

TEST_F(StartupFolderSourceTest, AFolderThatVanishedOrAListingErrorEndsTheRefresh) {
  fake.files.AddFile(kCommonStartup, L"First.lnk");
  fake.files.AddFile(kCommonStartup, L"Second.lnk");
  fake.files.RemoveFolder(kUserStartup);
  TAutorunList list;
  EXPECT_THROW(CollectStartupFolders(list), PlatformError);
  EXPECT_EQ(list.size(), 2u);  // what was appended before stays

  fake.files.AddFolder(kUserStartup);
  // "." and ".." come first; the third FindNextFileW fails.
  fake.files.faults.Fail("FindNextFileW", ERROR_NOT_ENOUGH_MEMORY, 2, 1);
  list.clear();
  try {
    CollectStartupFolder(kCommonStartup, list);
    FAIL() << "the listing error was swallowed";
  } catch (const PlatformError& error) {
    EXPECT_EQ(error.code(), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_FALSE(error.message().empty());
  }
  EXPECT_EQ(list.size(), 1u);
}

}  // namespace
