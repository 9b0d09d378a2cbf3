// Switching startup files and Run values: approval records on Windows 10 and later,
// deletion on older Windows.
#include "tests/support/CatalogueFixture.h"

#include "platform/PlatformError.h"

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

  // A value name with a backslash cannot be told apart from its key path: the record is
  // written for the text after the last backslash.
  SetAutorunEnabled(L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Tools\\Helper",
                    L"HKCU", false);
  EXPECT_EQ(Record(HKEY_CURRENT_USER, kApprovedRun, L"Helper")[0], 3);

  // Text that does not parse changes nothing.
  SetAutorunEnabled(L"HKCU\\Foo", L"HKCU", false);
  EXPECT_TRUE(Record(HKEY_CURRENT_USER, L"", L"Foo").empty());
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

TEST_F(SwitchTest, OnWindows81DisablingDeletesAndEnablingDoesNothing) {
  fake.system.SetVersion(6, 3, 9600);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Bar", L"bar.exe");
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  fake.files.AddFile(kUserStartup, L"Tray.lnk");

  SetAutorunEnabled(kFooTarget, L"HKCU", true);
  SetAutorunEnabled(file, L"FILE", true);
  EXPECT_TRUE(fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Foo").has_value());
  EXPECT_TRUE(fake.files.Exists(file));

  SetAutorunEnabled(kFooTarget, L"HKCU", false);
  SetAutorunEnabled(file, L"FILE", false);
  EXPECT_FALSE(fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Foo").has_value());
  EXPECT_TRUE(fake.registry.GetValue(HKEY_CURRENT_USER, kRunKey, L"Bar").has_value());
  EXPECT_FALSE(fake.files.Exists(file));
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, kApprovedRun));

  TAutorunList list;
  CollectAutorun(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{
                               L"HKCU:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Bar"}));
}

TEST_F(SwitchTest, OnWindows81AStartupFileThatCannotBeDeletedRaisesTheSystemsMessage) {
  fake.system.SetVersion(6, 3, 9600);
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

}  // namespace
