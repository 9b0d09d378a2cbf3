// Elevated by an administrator's password on a standard account, the program runs as the
// administrator, yet the entries it shows and switches must be those of the person at
// the keyboard: the user of the session's desktop shell.
#include "tests/support/CatalogueFixture.h"

#include "Lib/Companion.h"
#include "Tavin/SessionUser.h"

namespace {

constexpr wchar_t kSid[] = L"S-1-5-21-1004336348-1177238915-682003330-1001";
constexpr wchar_t kTheirStartup[] =
    L"C:\\Users\\kim\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
constexpr wchar_t kTheirAppData[] = L"C:\\Users\\kim\\AppData\\Roaming";

class SessionUserTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    // The administrator's own profile: what the process would see without the shell.
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"AdminTool", L"C:\\admin.exe");
    fake.files.AddFile(kUserStartup, L"Admin.lnk");
    // The signed-in user's.
    fake.registry.SetString(HKEY_USERS, TheirKey(kRunKey), L"Sync", L"%AppData%\\Sync\\sync.exe");
    fake.files.AddFile(kTheirStartup, L"Notes.lnk");
    fake.shell.SetShellUserFolder(CSIDL_STARTUP, kTheirStartup);
    fake.shell.SetShellUserFolder(CSIDL_APPDATA, kTheirAppData);
  }
  void TearDown() override {
    ResetSessionUser();
    CatalogueTest::TearDown();
  }
  void StartAs(const std::wstring& shellUser) {
    fake.shell.SetShellUser(shellUser);
    InitializeSessionUser();
    InitializeFolderVariables();
  }
  static std::wstring TheirKey(const std::wstring& key) { return std::wstring(kSid) + L"\\" + key; }
};

constexpr wchar_t kSyncTarget[] = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Sync";

TEST_F(SessionUserTest, ListsTheSignedInUsersEntriesUnderTheirHkcuNames) {
  StartAs(kSid);
  TAutorunList list;
  CollectAutorun(list);
  EXPECT_EQ(Targets(list),
            (std::vector<std::wstring>{std::wstring(L"FILE:") + kTheirStartup + L"\\Notes.lnk",
                                       std::wstring(L"HKCU:") + kSyncTarget}));
  // Their command line is resolved with their folders.
  const TAutorunInfo* sync = Find(list, L"HKCU", kSyncTarget);
  ASSERT_NE(sync, nullptr);
  EXPECT_EQ(sync->FileName, std::wstring(kTheirAppData) + L"\\Sync\\sync.exe");
}

TEST_F(SessionUserTest, SwitchingWritesTheirRecordsAndLeavesTheAdministratorsProfileAlone) {
  StartAs(kSid);
  SetAutorunEnabled(kSyncTarget, L"HKCU", false);
  SetAutorunEnabled(std::wstring(kTheirStartup) + L"\\Notes.lnk", L"FILE", false);
  EXPECT_EQ(fake.registry.GetValue(HKEY_USERS, TheirKey(kApprovedRun), L"Sync")->bytes[0], 3);
  EXPECT_EQ(fake.registry.GetValue(HKEY_USERS, TheirKey(kApprovedFolder), L"Notes.lnk")->bytes[0], 3);
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, kApprovedRun));
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, kApprovedFolder));
  TAutorunList list;
  CollectAutorun(list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_FALSE(list[0].Enabled);
  EXPECT_FALSE(list[1].Enabled);

  // Vista and 7 delete: theirs goes, the administrator's stays.
  fake.system.SetVersion(6, 1, 7601);
  fake.registry.SetString(HKEY_USERS, TheirKey(kRunKey), L"AdminTool", L"C:\\theirs.exe");
  SetAutorunEnabled(L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\AdminTool", L"HKCU",
                    false);
  EXPECT_FALSE(fake.registry.GetValue(HKEY_USERS, TheirKey(kRunKey), L"AdminTool"));
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kRunKey, L"AdminTool"), L"C:\\admin.exe");
}

TEST_F(SessionUserTest, TheCompanionSaysWhoseProfileItReads) {
  StartAs(kSid);
  std::string out;
  std::string err;
  EXPECT_EQ(RunCompanion({L"list"}, out, err), 0);
  EXPECT_NE(err.find("signed-in user S-1-5-21-1004336348-1177238915-682003330-1001"),
            std::string::npos)
      << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST_F(SessionUserTest, WithoutAnotherShellUserTheProcessesOwnProfile) {
  struct Case {
    const char* what;
    std::wstring shellUser;
    HRESULT failure;
  };
  const Case cases[] = {
      {"the shell runs as the process's user", L"", S_OK},
      {"no shell in this session", kSid, HRESULT_FROM_WIN32(1168)},
      {"the shell's token cannot be read", kSid, E_ACCESSDENIED},
  };
  for (const Case& c : cases) {
    fake.shell.SetShellUser(c.shellUser);
    if (c.failure != S_OK) fake.shell.FailShellUser(c.failure);
    InitializeSessionUser();
    InitializeFolderVariables();
    TAutorunList list;
    CollectAutorun(list);
    EXPECT_EQ(Targets(list),
              (std::vector<std::wstring>{
                  std::wstring(L"FILE:") + kUserStartup + L"\\Admin.lnk",
                  L"HKCU:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\AdminTool"}))
        << c.what;
    std::string out;
    std::string err;
    (void)RunCompanion({L"list"}, out, err);
    EXPECT_EQ(err, "") << c.what;
  }
}

}  // namespace
