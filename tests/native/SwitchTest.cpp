// Switching startup files and Run values: approval records on Windows 8 and later,
// the system configuration tool's store on Vista and 7.
#include "tests/support/CatalogueFixture.h"

#include <functional>
#include <map>

#include "Tavin/Registry.h"
#include "Tavin/Text.h"
#include "platform/PlatformError.h"
#include "platform/Utf8.h"

namespace {

class SwitchTest : public CatalogueTest {
 protected:
  std::vector<BYTE> Record(HKEY root, const wchar_t* key, const wchar_t* name) {
    auto value = fake.registry.GetValue(root, key, name);
    if (!value) return {};
    EXPECT_EQ(value->type, REG_BINARY);
    return value->bytes;
  }
  static std::vector<BYTE> Expected(BYTE state, const FILETIME& time) {
    std::vector<BYTE> record(12, 0);
    record[0] = state;
    for (int i = 0; i < 4; ++i) {
      record[4 + i] = static_cast<BYTE>(time.dwLowDateTime >> (8 * i));
      record[8 + i] = static_cast<BYTE>(time.dwHighDateTime >> (8 * i));
    }
    return record;
  }
};

constexpr wchar_t kFooTarget[] = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo";

TEST_F(SwitchTest, OnWindows10ARunValueGetsARecordAndStaysItself) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  fake.system.SetTime(SYSTEMTIME{2024, 1, 2, 2, 3, 4, 5, 6});
  SetAutorunEnabled(kFooTarget, L"HKCU", false);
  EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedRun, L"Foo"),
            Expected(3, FILETIME{0x5849AAE0, 0x01DA3D28}));

  fake.system.SetTime(SYSTEMTIME{2024, 1, 2, 2, 3, 4, 6, 6});  // one second later
  SetAutorunEnabled(kFooTarget, L"HKCU", true);
  EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedRun, L"Foo"),
            Expected(2, FILETIME{0x5849AAE0 + 10000000, 0x01DA3D28}));
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kRunKey, L"Foo"), L"foo.exe");
}

TEST_F(SwitchTest, OnWindows10RecordsGoToTheRightKeyAndRoot) {
  SetAutorunEnabled(L"HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\Old",
                    L"HKLM", false);
  EXPECT_EQ(Record(HKEY_LOCAL_MACHINE, kApprovedRun32, L"Old")[0], 3);
  EXPECT_TRUE(Record(HKEY_LOCAL_MACHINE, kApprovedRun, L"Old").empty());

  SetAutorunEnabled(std::wstring(kCommonStartup) + L"\\Foo.lnk", L"FILE", false);
  SetAutorunEnabled(std::wstring(kUserStartup) + L"\\Foo.lnk", L"FILE", true);
  EXPECT_EQ(Record(HKEY_LOCAL_MACHINE, kApprovedFolder, L"Foo.lnk")[0], 3);
  EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedFolder, L"Foo.lnk")[0], 2);
}

TEST_F(SwitchTest, WithoutAdministratorRightsMachineRecordsStayAsTheyWere) {
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Agent", L"agent.exe");
  fake.registry.SetMachineReadOnly(true);
  SetAutorunEnabled(L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Agent", L"HKLM", false);
  TAutorunList list;
  CollectRunKeys(list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_TRUE(list[0].Enabled);
}

// The approval keys are the user's to change, and the program writes into them elevated:
// a key the user turned into a registry link to a machine key must not carry the write
// there. A link anywhere on the way is refused, the switch fails, and nothing is written.
TEST_F(SwitchTest, AnApprovalKeyThatIsARegistryLinkIsRefusedAndNothingIsWritten) {
  const std::wstring explorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  const std::wstring victim = L"Software\\Policies\\Victim";
  struct Case {
    const char* what;
    std::wstring link;  // below HKCU
    std::wstring target;  // below HKLM
    std::wstring landed;  // where a followed write would land, below HKLM
  };
  const Case cases[] = {
      {"the approval key", kApprovedRun, victim, victim},
      {"a key above it", explorer + L"\\StartupApproved", victim, victim + L"\\Run"},
      {"the Explorer key", explorer, victim, victim + L"\\StartupApproved\\Run"},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
    local.registry.CreateKey(HKEY_LOCAL_MACHINE, c.landed);
    local.registry.SetLink(HKEY_CURRENT_USER, c.link, HKEY_LOCAL_MACHINE, c.target);
    bool refused = false;
    try {
      SetAutorunEnabled(kFooTarget, L"HKCU", false);
    } catch (const PlatformError& error) {
      refused = error.code() == ERROR_REPARSE_POINT_ENCOUNTERED;
    }
    EXPECT_TRUE(refused) << c.what;
    EXPECT_FALSE(local.registry.GetValue(HKEY_LOCAL_MACHINE, c.landed, L"Foo")) << c.what;
    EXPECT_FALSE(local.registry.GetValue(HKEY_CURRENT_USER, c.link, L"Foo")) << c.what;
    EXPECT_EQ(local.registry.OpenHandleCount(), 0u) << c.what;
  }
  // Without a link the same write lands in the user's own key.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  SetAutorunEnabled(kFooTarget, L"HKCU", false);
  EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedRun, L"Foo")[0], 3);
}

// Task Manager's startup page writes and honours the records since Windows 8 (6.2):
// deleting there would lose the user's entry for good. A version that cannot be read
// takes the side that destroys nothing. A compatibility mode ("Windows 7" on Windows 10)
// changes what RtlGetVersion says but not the installed system's record of its version:
// when the two disagree, records are written.
TEST_F(SwitchTest, RecordsFromWindows8OnDeletionOnlyOnVistaAnd7) {
  struct Case {
    DWORD major, minor;                    // what RtlGetVersion says
    DWORD installedMajor, installedMinor;  // what the registry records
    bool records;
  };
  const Case cases[] = {
      {6, 0, 6, 0, false}, {6, 1, 6, 1, false}, {6, 2, 6, 2, true},  {6, 3, 6, 3, true},
      {10, 0, 10, 0, true}, {0, 0, 0, 0, true},
      {6, 1, 10, 0, true},  // Windows 10 or 11 running the program in Windows 7 mode
      {6, 0, 6, 3, true},   // Windows 8.1 in Vista mode
      {6, 1, 0, 0, true},   // a lie that cannot be checked
      {10, 0, 6, 1, true},
  };
  fake.files.AddFolder(L"C:\\Windows");  // where the system tool keeps moved files
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  for (const Case& c : cases) {
    fake.system.SetVersion(c.major, c.minor, 0);
    fake.system.SetInstalledVersion(c.installedMajor, c.installedMinor, 0);
    fake.registry.DeleteTree(HKEY_CURRENT_USER, L"Software");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
    fake.files.AddFile(kUserStartup, L"Tray.lnk");
    SetAutorunEnabled(kFooTarget, L"HKCU", false);
    SetAutorunEnabled(file, L"FILE", false);
    const std::string version = std::to_string(c.major) + "." + std::to_string(c.minor) + " on " +
                                std::to_string(c.installedMajor) + "." +
                                std::to_string(c.installedMinor);
    EXPECT_EQ(fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Foo").has_value(), c.records)
        << version;
    EXPECT_EQ(fake.files.Exists(file), c.records) << version;
    EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedRun, L"Foo").size(), c.records ? 12u : 0u)
        << version;
    EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedFolder, L"Tray.lnk").size(), c.records ? 12u : 0u)
        << version;
  }
}

// Windows 7's own startup tool moves a disabled startup file into its backup folder and
// describes it under its store's startupfolder key; enabling puts it back.
constexpr wchar_t kFolderStore[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSConfig\\startupfolder";
constexpr wchar_t kBackupFolder[] = L"C:\\Windows\\pss";

std::wstring StoreSubKey(std::wstring path) {
  for (wchar_t& c : path)
    if (c == L'\\') c = L'^';
  return std::wstring(kFolderStore) + L"\\" + path;
}

TEST_F(SwitchTest, OnWindows7AStartupFileMovesIntoTheSystemToolsStoreAndBackExactly) {
  struct Case {
    const wchar_t* folder;
    const wchar_t* suffix;
    const wchar_t* location;
  };
  const Case cases[] = {{kCommonStartup, L".CommonStartup", L"Common Startup"},
                        {kUserStartup, L".Startup", L"Startup"}};
  // Bytes a text conversion would not keep.
  const std::string contents("L\0\0\0\x01\x14\x02\0\xff\xfe\r\n\x80 end", 17);
  for (const Case& c : cases) {
    FakePlatform local;
    local.system.SetVersion(6, 1, 7601);
    local.system.SetLocalTimes({SYSTEMTIME{2011, 3, 2, 15, 14, 5, 9, 0}});
    local.files.AddFolder(L"C:\\Windows");
    local.files.AddFile(c.folder, L"Other.lnk");
    local.files.AddFile(c.folder, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE, contents);
    const std::wstring file = std::wstring(c.folder) + L"\\Tray.lnk";
    const std::string what = WideToUtf8(c.location);

    SetAutorunEnabled(file, L"FILE", false);
    EXPECT_FALSE(local.files.Exists(file)) << what;
    const std::wstring backup = std::wstring(kBackupFolder) + L"\\Tray.lnk" + c.suffix;
    EXPECT_EQ(local.files.FileContents(backup), contents) << what;
    const std::wstring key = StoreSubKey(file);
    const std::pair<const wchar_t*, std::wstring> values[] = {
        {L"path", file},          {L"backup", backup}, {L"backupExtension", c.suffix},
        {L"location", c.location}, {L"item", L"Tray"}, {L"command", file}};
    for (const auto& [name, value] : values)
      EXPECT_EQ(local.registry.GetString(HKEY_LOCAL_MACHINE, key, name), value) << what << " " << WideToUtf8(name);
    const std::pair<const wchar_t*, BYTE> stamp[] = {{L"YEAR", 2011 & 0xff}, {L"MONTH", 3}, {L"DAY", 15},
                                                     {L"HOUR", 14}, {L"MINUTE", 5}, {L"SECOND", 9}};
    for (const auto& [name, low] : stamp) {
      const auto read = local.registry.GetValue(HKEY_LOCAL_MACHINE, key, name);
      ASSERT_TRUE(read) << what << " " << WideToUtf8(name);
      EXPECT_EQ(read->type, REG_DWORD);
      EXPECT_EQ(read->bytes[0], low) << what << " " << WideToUtf8(name);
    }
    // Listed as a disabled file of its folder, after the folder's own files.
    TAutorunList list;
    CollectStartupFolders(list);
    EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"FILE:" + std::wstring(c.folder) + L"\\Other.lnk",
                                                        L"FILE:" + file}))
        << what;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FALSE(list[1].Enabled);
    EXPECT_TRUE(list[0].Enabled);
    EXPECT_EQ(list[1].Caption, L"Tray");

    SetAutorunEnabled(file, L"FILE", true);
    EXPECT_EQ(local.files.FileContents(file), contents) << what;
    EXPECT_EQ(local.files.Entries(c.folder).back().fileName, L"Tray.lnk") << what;
    EXPECT_FALSE(local.files.Exists(backup)) << what;
    EXPECT_TRUE(local.registry.SubKeyNames(HKEY_LOCAL_MACHINE, kFolderStore).empty()) << what;
    list.clear();
    CollectStartupFolders(list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(list[1].Enabled);
    EXPECT_EQ(local.files.OpenFileCount(), 0);
  }
  // Disabling a file that is gone, or enabling one the store does not hold, is what was
  // asked for already.
  fake.system.SetVersion(6, 1, 7601);
  const std::wstring gone = std::wstring(kUserStartup) + L"\\Gone.lnk";
  EXPECT_NO_THROW(SetAutorunEnabled(gone, L"FILE", false));
  EXPECT_NO_THROW(SetAutorunEnabled(gone, L"FILE", true));
  EXPECT_FALSE(fake.files.Exists(gone));
}

// Two users' files of one name, and the system tool's own entries: each copy keeps its
// own name in the backup folder, each entry is listed in its own folder only, and an entry
// that names its copy by suffix alone comes back from there.
TEST_F(SwitchTest, OnWindows7StoredStartupFilesKeepTheirOwnCopiesAndFolders) {
  fake.system.SetVersion(6, 1, 7601);
  fake.files.AddFile(kBackupFolder, L"Tray.lnk.Startup", FILE_ATTRIBUTE_ARCHIVE, "another user's");
  fake.files.AddFile(kBackupFolder, L"Agent.lnk.CommonStartup", FILE_ATTRIBUTE_ARCHIVE, "agent");
  const std::wstring agent = std::wstring(kCommonStartup) + L"\\Agent.lnk";
  fake.registry.SetString(HKEY_LOCAL_MACHINE, StoreSubKey(agent), L"path", agent);
  fake.registry.SetString(HKEY_LOCAL_MACHINE, StoreSubKey(agent), L"location", L"Common Startup");
  const std::wstring elsewhere = L"C:\\Users\\other\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\Tray.lnk";
  fake.registry.SetString(HKEY_LOCAL_MACHINE, StoreSubKey(elsewhere), L"path", elsewhere);
  fake.registry.SetString(HKEY_LOCAL_MACHINE, StoreSubKey(elsewhere), L"backup",
                          std::wstring(kBackupFolder) + L"\\Tray.lnk.Startup");

  const std::wstring mine = std::wstring(kUserStartup) + L"\\Tray.lnk";
  fake.files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE, "mine");
  SetAutorunEnabled(mine, L"FILE", false);
  const std::wstring myCopy = std::wstring(kBackupFolder) + L"\\Tray.lnk (2).Startup";
  EXPECT_EQ(fake.files.FileContents(myCopy), "mine");
  EXPECT_EQ(fake.files.FileContents(std::wstring(kBackupFolder) + L"\\Tray.lnk.Startup"), "another user's");
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, StoreSubKey(mine), L"backup"), myCopy);

  TAutorunList list;
  CollectStartupFolders(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"FILE:" + agent, L"FILE:" + mine}));

  SetAutorunEnabled(agent, L"FILE", true);
  SetAutorunEnabled(mine, L"FILE", true);
  EXPECT_EQ(fake.files.FileContents(agent), "agent");
  EXPECT_EQ(fake.files.FileContents(mine), "mine");
  EXPECT_EQ(fake.registry.SubKeyNames(HKEY_LOCAL_MACHINE, kFolderStore).size(), 1u);
  EXPECT_EQ(fake.files.Entries(kBackupFolder).size(), 1u);
}

// A move that cannot be completed leaves the file where it was, byte for byte, and the
// store and backup folder as they were; the switch reports the failure.
TEST_F(SwitchTest, OnWindows7AStartupFileMoveThatCannotBeCompletedLosesNothing) {
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  struct Case {
    const char* what;
    bool enable;
    std::function<void(FakePlatform&)> fault;
  };
  const Case cases[] = {
      {"the backup folder cannot be made", false,
       [](FakePlatform& p) { p.files.faults.Fail("CreateDirectoryW", ERROR_ACCESS_DENIED); }},
      {"the backup folder is a junction", false,
       [](FakePlatform& p) {
         p.files.AddFolder(L"C:\\Users\\user\\Planted");
         p.files.AddJunction(kBackupFolder, L"C:\\Users\\user\\Planted");
       }},
      {"the copy cannot be made", false,
       [](FakePlatform& p) { p.files.faults.Fail("CreateFileW", ERROR_DISK_FULL, 1); }},
      {"the copy cannot be written", false,
       [](FakePlatform& p) { p.files.faults.Fail("WriteFile", ERROR_DISK_FULL); }},
      {"the store cannot be written", false, [](FakePlatform& p) { p.registry.SetMachineReadOnly(true); }},
      {"the original cannot be removed", false,
       [](FakePlatform& p) { p.files.faults.Fail("SetFileInformationByHandle", ERROR_ACCESS_DENIED, 0, 1); }},
      {"a file of that name is back", true,
       [](FakePlatform& p) { p.files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE, "new"); }},
      {"the file cannot be made again", true,
       [](FakePlatform& p) { p.files.faults.Fail("CreateFileW", ERROR_ACCESS_DENIED, 1); }},
      {"the file cannot be written again", true,
       [](FakePlatform& p) { p.files.faults.Fail("WriteFile", ERROR_DISK_FULL); }},
      {"the store entry cannot be removed", true,
       [](FakePlatform& p) { p.registry.SetMachineReadOnly(true); }},
      {"the Startup folder made a junction to a system folder", true,
       [](FakePlatform& p) {
         p.files.RemoveFolder(kUserStartup);
         p.files.AddFolder(L"C:\\Windows\\System32");
         p.files.AddJunction(kUserStartup, L"C:\\Windows\\System32");
       }},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.system.SetVersion(6, 1, 7601);
    local.files.AddFolder(L"C:\\Windows");
    local.files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE, "tray");
    if (c.enable) SetAutorunEnabled(file, L"FILE", false);
    const auto backups = local.files.Entries(kBackupFolder);
    const auto store = local.registry.SubKeyNames(HKEY_LOCAL_MACHINE, kFolderStore);
    c.fault(local);
    const auto folderBefore = local.files.Entries(kUserStartup);
    EXPECT_THROW(SetAutorunEnabled(file, L"FILE", c.enable), PlatformError) << c.what;
    local.files.faults.Clear();
    local.registry.SetMachineReadOnly(false);
    EXPECT_EQ(local.registry.SubKeyNames(HKEY_LOCAL_MACHINE, kFolderStore), store) << c.what;
    if (!c.enable) {
      EXPECT_EQ(local.files.FileContents(file), "tray") << c.what;
      EXPECT_TRUE(local.files.Entries(kBackupFolder).empty()) << c.what;
      EXPECT_TRUE(local.files.Entries(L"C:\\Users\\user\\Planted").empty()) << c.what;
    } else {
      ASSERT_EQ(local.files.Entries(kBackupFolder).size(), 1u) << c.what;
      EXPECT_EQ(local.files.FileContents(std::wstring(kBackupFolder) + L"\\" + backups[0].fileName), "tray")
          << c.what;
      EXPECT_EQ(local.files.Entries(kUserStartup).size(), folderBefore.size()) << c.what;
      EXPECT_TRUE(local.files.Entries(L"C:\\Windows\\System32").empty()) << c.what;
    }
    EXPECT_EQ(local.files.OpenFileCount(), 0) << c.what;
  }
}

// Windows 7's own startup tool keeps what it disables under its key in HKLM; a disabled
// Run value goes there in the form that tool reads, and comes back exactly as it was.
constexpr wchar_t kStore[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSConfig\\startupreg";

TEST_F(SwitchTest, OnWindows7ARunValueMovesIntoTheSystemToolsStoreAndBackExactly) {
  fake.system.SetVersion(6, 1, 7601);
  fake.system.SetLocalTimes({SYSTEMTIME{2011, 3, 2, 15, 14, 5, 9, 0}});
  const std::wstring command = L"%ProgramFiles%\\Foo\\foo.exe -tray";
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", command, REG_EXPAND_SZ);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Bar", L"bar.exe");
  const RegValue original = *fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Foo");

  SetAutorunEnabled(kFooTarget, L"HKCU", false);
  EXPECT_FALSE(fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Foo"));
  const std::wstring stored = std::wstring(kStore) + L"\\Foo";
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, stored, L"hkey"), L"HKCU");
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, stored, L"key"),
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, stored, L"item"), L"Foo");
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, stored, L"command"), command);
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, stored, L"inimapping"), L"0");
  const std::pair<const wchar_t*, DWORD> stamp[] = {{L"YEAR", 2011}, {L"MONTH", 3}, {L"DAY", 15},
                                                    {L"HOUR", 14},   {L"MINUTE", 5}, {L"SECOND", 9}};
  for (const auto& [name, value] : stamp) {
    const auto read = fake.registry.GetValue(HKEY_LOCAL_MACHINE, stored, name);
    ASSERT_TRUE(read) << WideToUtf8(name);
    EXPECT_EQ(read->type, REG_DWORD);
    EXPECT_EQ(read->bytes, (std::vector<BYTE>{static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), 0, 0}));
  }
  // Listed as a disabled entry of its Run key, under its own Target.
  TAutorunList list;
  CollectRunKeys(list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].Target, kFooTarget);
  EXPECT_EQ(list[1].From, L"HKCU");
  EXPECT_EQ(list[1].RawData, command);
  EXPECT_FALSE(list[1].Enabled);

  SetAutorunEnabled(kFooTarget, L"HKCU", true);
  const auto back = fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Foo");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->type, REG_EXPAND_SZ);
  EXPECT_EQ(back->bytes, original.bytes);
  EXPECT_FALSE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, stored));
  list.clear();
  CollectRunKeys(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{
                               L"HKCU:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Bar",
                               L"HKCU:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo"}));
}

TEST_F(SwitchTest, OnWindows7TheSystemToolsOwnEntriesAreListedAndEnabledAsItEnablesThem) {
  fake.system.SetVersion(6, 1, 7601);
  const std::wstring stored = std::wstring(kStore) + L"\\Agent";
  fake.registry.SetString(HKEY_LOCAL_MACHINE, stored, L"hkey", L"HKLM");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, stored, L"key", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, stored, L"item", L"Agent");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, stored, L"command", L"C:\\Agent\\agent.exe /s");
  // An entry for a place the catalogue does not list stays out.
  fake.registry.SetString(HKEY_LOCAL_MACHINE, std::wstring(kStore) + L"\\Other", L"hkey", L"HKLM");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, std::wstring(kStore) + L"\\Other", L"key",
                          L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, std::wstring(kStore) + L"\\Other", L"item", L"Other");
  const std::wstring target = L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Agent";
  TAutorunList list;
  CollectAutorun(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"HKLM:" + target}));
  EXPECT_FALSE(list[0].Enabled);
  EXPECT_EQ(list[0].FileName, L"C:\\Agent\\agent.exe");

  SetAutorunEnabled(target, L"HKLM", true);
  EXPECT_EQ(fake.registry.GetValue(HKEY_LOCAL_MACHINE, kRunKey, L"Agent")->type, REG_SZ);
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, kRunKey, L"Agent"), L"C:\\Agent\\agent.exe /s");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, stored));
}

TEST_F(SwitchTest, OnWindows7AMoveThatCannotBeCompletedLosesNothing) {
  fake.system.SetVersion(6, 1, 7601);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  // Without administrator rights the store cannot be written: the value stays.
  fake.registry.SetMachineReadOnly(true);
  EXPECT_THROW(SetAutorunEnabled(kFooTarget, L"HKCU", false), PlatformError);
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kRunKey, L"Foo"), L"foo.exe");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, kStore));
  fake.registry.SetMachineReadOnly(false);

  // The value cannot be removed: the copy in the store goes again.
  fake.registry.faults.Fail("RegDeleteValueW", ERROR_ACCESS_DENIED);
  EXPECT_THROW(SetAutorunEnabled(kFooTarget, L"HKCU", false), PlatformError);
  fake.registry.faults.Clear();
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kRunKey, L"Foo"), L"foo.exe");
  std::vector<std::wstring> left;
  EXPECT_EQ(TReg::ReadKeyNames(HKEY_LOCAL_MACHINE, kStore, left), 0);

  // Enabling where a value of that name is back already keeps the stored one.
  SetAutorunEnabled(kFooTarget, L"HKCU", false);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"new.exe");
  SetAutorunEnabled(kFooTarget, L"HKCU", true);
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kRunKey, L"Foo"), L"new.exe");
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, std::wstring(kStore) + L"\\Foo", L"command"),
            L"foo.exe");
}

TEST_F(SwitchTest, OnWindows7RecordsAreNotRead) {
  // Windows 7 has nothing that writes or honours them: a stray record says nothing.
  fake.system.SetVersion(6, 1, 7601);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Foo", REG_BINARY, ApprovalRecord(3));
  fake.files.AddFile(kUserStartup, L"Tray.lnk");
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedFolder, L"Tray.lnk", REG_BINARY,
                         ApprovalRecord(3));
  TAutorunList list;
  CollectAutorun(list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_TRUE(list[0].Enabled);
  EXPECT_TRUE(list[1].Enabled);
}

TEST_F(SwitchTest, OnWindows7AStartupFileThatCannotBeDeletedRaisesTheSystemsMessage) {
  fake.system.SetVersion(6, 1, 7601);
  const std::wstring file = std::wstring(kUserStartup) + L"\\Locked.lnk";
  fake.files.AddFile(kUserStartup, L"Locked.lnk");
  fake.files.LockFile(file, ERROR_ACCESS_DENIED);
  try {
    SetAutorunEnabled(file, L"FILE", false);
    FAIL() << "the failed deletion was swallowed";
  } catch (const PlatformError& error) {
    EXPECT_EQ(error.code(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(error.message(), L"Access is denied.");
  }
  EXPECT_TRUE(fake.files.Exists(file));
}

// On Vista and 7 a disabled startup file is moved away with administrator rights from a
// folder the user controls. The user can make that folder, or a folder above it, a
// junction to a system folder, or put a link there in place of the file: the deletion
// must then not reach whatever the link points at. A read-only file is still moved.
TEST_F(SwitchTest, OnWindows7AStartupFileIsDeletedOnlyWhereItReallyLies) {
  const std::wstring startMenu = L"C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu";
  struct Case {
    const char* what;
    std::function<void(FakeFileSystem&)> plant;
    std::wstring victim;  // the file that must survive, or empty
    bool deleted;         // whether the startup file's own name is gone afterwards
  };
  const Case cases[] = {
      {"a plain file", [](FakeFileSystem&) {}, L"", true},
      {"a read-only file",
       [](FakeFileSystem& files) {
         files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
       },
       L"", true},
      {"a symbolic link as the file",
       [](FakeFileSystem& files) {
         files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT);
       },
       L"", false},
      {"the Startup folder a junction",
       [](FakeFileSystem& files) {
         files.RemoveFolder(kUserStartup);
         files.AddFile(L"C:\\Windows\\System32", L"Tray.lnk");
         files.AddJunction(kUserStartup, L"C:\\Windows\\System32");
       },
       L"C:\\Windows\\System32\\Tray.lnk", false},
      {"a junction above the Startup folder",
       [&startMenu](FakeFileSystem& files) {
         files.RemoveFolder(startMenu);
         files.AddFile(L"C:\\Windows\\Menu\\Programs\\Startup", L"Tray.lnk");
         files.AddJunction(startMenu, L"C:\\Windows\\Menu");
       },
       L"C:\\Windows\\Menu\\Programs\\Startup\\Tray.lnk", false},
  };
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  for (const Case& c : cases) {
    FakePlatform local;
    local.system.SetVersion(6, 1, 7601);
    local.files.AddFolder(L"C:\\Windows");
    local.files.AddFile(kUserStartup, L"Tray.lnk");
    c.plant(local.files);
    DWORD code = ERROR_SUCCESS;
    try {
      SetAutorunEnabled(file, L"FILE", false);
    } catch (const PlatformError& error) {
      code = error.code();
    }
    EXPECT_EQ(code, c.deleted ? ERROR_SUCCESS : ERROR_REPARSE_POINT_ENCOUNTERED) << c.what;
    EXPECT_EQ(local.files.Exists(file), !c.deleted) << c.what;
    if (!c.victim.empty()) {
      EXPECT_TRUE(local.files.Exists(c.victim)) << c.what;
      EXPECT_EQ(local.files.Entries(ExtractFileDir(c.victim)).size(), 1u) << c.what;
    }
    // Refused means nothing was stored; moved means the store holds it.
    EXPECT_EQ(local.registry.SubKeyNames(HKEY_LOCAL_MACHINE, kFolderStore).size(), c.deleted ? 1u : 0u)
        << c.what;
    EXPECT_EQ(local.files.Entries(kBackupFolder).size(), c.deleted ? 1u : 0u) << c.what;
    EXPECT_EQ(local.files.OpenFileCount(), 0) << c.what;
  }
}

// A read-only file whose attribute cannot be cleared, or whose deletion is refused after
// it was cleared, stays as it was, read-only again, and the system's message is raised.
TEST_F(SwitchTest, OnWindows7AFailedDeletionLeavesTheFileAsItWas) {
  fake.system.SetVersion(6, 1, 7601);
  fake.files.AddFolder(L"C:\\Windows");
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  for (int failing : {0, 1}) {
    fake.files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    fake.files.faults.Clear();
    fake.files.faults.Fail("SetFileInformationByHandle", ERROR_ACCESS_DENIED, failing, 1);
    EXPECT_THROW(SetAutorunEnabled(file, L"FILE", false), PlatformError) << failing;
    EXPECT_EQ(fake.files.GetFileAttributesW(file.c_str(), nullptr),
              FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY)
        << failing;
    EXPECT_TRUE(fake.registry.SubKeyNames(HKEY_LOCAL_MACHINE, kFolderStore).empty()) << failing;
    EXPECT_TRUE(fake.files.Entries(kBackupFolder).empty()) << failing;
  }
}

// A Run value is addressed by its exact name: the key part of the Target is one of the
// three Run keys, and everything after it, backslashes included, is the name.
class RunTargetTest : public SwitchTest {
 protected:
  void SetUp() override {
    SwitchTest::SetUp();
    const std::wstring tools = std::wstring(kRunKey) + L"\\Tools";
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Tools\\Updater", L"tools.exe");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Updater", L"other.exe");
    // A value and a subkey of the same name.
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Twin", L"twin.exe");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, std::wstring(kRunKey) + L"\\Twin", L"inside", L"x");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"", L"default.exe");
    // Names NtSetValueKey can store and RegSetValueExW cannot address.
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, std::wstring(L"\0Hidden", 7), L"a.exe");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, std::wstring(L"Twin\0x", 6), L"b.exe");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRun32Key, L"Old", L"old.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
    fake.registry.DeleteTree(HKEY_LOCAL_MACHINE, kApprovedRun);
    fake.registry.CreateKey(HKEY_LOCAL_MACHINE, kApprovedRun);
  }

  // Every key and value under both roots' Software, with its data.
  std::map<std::wstring, std::vector<BYTE>> Snapshot() {
    std::map<std::wstring, std::vector<BYTE>> all;
    std::function<void(HKEY, const std::wstring&, const std::wstring&)> walk =
        [&](HKEY root, const std::wstring& path, const std::wstring& label) {
          all[label + L"\\" + path] = {};
          for (const std::wstring& name : fake.registry.ValueNames(root, path))
            all[label + L"\\" + path + L"|" + name] = fake.registry.GetValue(root, path, name)->bytes;
          for (const std::wstring& sub : fake.registry.SubKeyNames(root, path))
            walk(root, path + L"\\" + sub, label);
        };
    walk(HKEY_LOCAL_MACHINE, L"Software", L"HKLM");
    walk(HKEY_CURRENT_USER, L"Software", L"HKCU");
    return all;
  }

  // What a switch changed: keys and values added, removed or rewritten.
  std::vector<std::wstring> Changes(const std::map<std::wstring, std::vector<BYTE>>& before) {
    const auto after = Snapshot();
    std::vector<std::wstring> changes;
    for (const auto& [path, bytes] : before) {
      const auto found = after.find(path);
      if (found == after.end())
        changes.push_back(L"-" + path);
      else if (found->second != bytes)
        changes.push_back(L"~" + path);
    }
    for (const auto& [path, bytes] : after)
      if (before.count(path) == 0) changes.push_back(L"+" + path);
    return changes;
  }
};

constexpr wchar_t kMachineRun[] = L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";

TEST_F(RunTargetTest, ASwitchChangesExactlyTheEntryAskedFor) {
  const std::wstring run = L"HKLM\\" + std::wstring(kRunKey);
  struct Case {
    std::wstring target;
    std::vector<std::wstring> records;   // Windows 10: the approval record written, if any
    std::vector<std::wstring> deletion;  // Windows 7: what disabling removes
  };
  const std::wstring approved = L"HKLM\\" + std::wstring(kApprovedRun);
  const Case cases[] = {
      {std::wstring(kMachineRun) + L"Tools\\Updater",
       {L"+" + approved + L"|Tools\\Updater"},
       {L"-" + run + L"|Tools\\Updater"}},
      {std::wstring(kMachineRun) + L"Updater",
       {L"+" + approved + L"|Updater"},
       {L"-" + run + L"|Updater"}},
      // The value goes; the subkey of the same name is no entry and stays.
      {std::wstring(kMachineRun) + L"Twin",
       {L"+" + approved + L"|Twin"},
       {L"-" + run + L"|Twin"}},
      // The root's long name and other letter case address the same key.
      {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\microsoft\\Windows\\CurrentVersion\\RUN\\Updater",
       {L"+" + approved + L"|Updater"},
       {L"-" + run + L"|Updater"}},
      // The default value, named by a Target that ends in the backslash.
      {std::wstring(kMachineRun), {L"+" + approved + L"|"}, {L"-" + run + L"|"}},
      // Names with a NUL cannot be passed intact: nothing changes, least of all the
      // default value or a value named by the text before the NUL.
      {std::wstring(kMachineRun) + std::wstring(L"\0Hidden", 7), {}, {}},
      {std::wstring(kMachineRun) + std::wstring(L"Twin\0x", 6), {}, {}},
      // Anything that is not one of the three Run keys switches nothing.
      {L"HKLM\\Software\\Other\\Run\\Updater", {}, {}},
      {L"HKCU\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo", {}, {}},
      {L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce\\Updater", {}, {}},
      {L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", {}, {}},
      {L"HKCU\\Foo", {}, {}},
      {L"", {}, {}},
  };
  for (const Case& c : cases) {
    const std::string label = WideToUtf8Debug(c.target);
    fake.system.SetVersion(10, 0, 19045);
    auto before = Snapshot();
    SetAutorunEnabled(c.target, L"HKLM", false);
    EXPECT_EQ(Changes(before), c.records) << "Windows 10: " << label;
    SetUp();  // the record gone again

    fake.system.SetVersion(6, 1, 7601);
    before = Snapshot();
    SetAutorunEnabled(c.target, L"HKLM", false);
    // The value leaves its Run key for the system tool's store, checked on its own.
    std::vector<std::wstring> outsideStore;
    for (std::wstring& change : Changes(before))
      if (change.find(L"\\Shared Tools") == std::wstring::npos) outsideStore.push_back(std::move(change));
    EXPECT_EQ(outsideStore, c.deletion) << "Windows 7: " << label;
    fake.registry.DeleteTree(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shared Tools");
    SetUp();  // the deleted value back
  }
}

TEST_F(RunTargetTest, TheListGivesEveryValueATargetThatSwitchesItself) {
  TAutorunList list;
  CollectRunKeys(list);
  for (const TAutorunInfo& entry : list) {
    HKEY root = nullptr;
    std::wstring key;
    std::wstring name;
    const bool addressable = entry.Caption.find(L'\0') == std::wstring::npos;
    EXPECT_EQ(ParseRunTarget(entry.Target, root, key, name), addressable)
        << WideToUtf8Debug(entry.Target);
    if (addressable) {
      EXPECT_EQ(name, entry.Caption);
    }
  }
  // The names with a NUL are listed as read, with their own commands (never those of the
  // values their text before the NUL names).
  const TAutorunInfo* hidden =
      Find(list, L"HKLM", std::wstring(kMachineRun) + std::wstring(L"\0Hidden", 7));
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(hidden->RawData, L"a.exe");
  const TAutorunInfo* cut = Find(list, L"HKLM", std::wstring(kMachineRun) + std::wstring(L"Twin\0x", 6));
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->RawData, L"b.exe");
}

}  // namespace
