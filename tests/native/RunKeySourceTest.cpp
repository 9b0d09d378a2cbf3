// Values of the three Run keys.
#include "tests/support/CatalogueFixture.h"

namespace {

using RunKeySourceTest = CatalogueTest;

TEST_F(RunKeySourceTest, ListsTheThreeKeysInOrderWithTheirFields) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"\"C:\\User\\foo.exe\" /tray");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRun32Key, L"Foo", L"C:\\x86\\foo.exe");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Foo", L"C:\\native\\foo.exe -a");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Bar", L"%ProgramFiles%\\Bar\\bar.exe",
                          REG_EXPAND_SZ);

  TAutorunList list;
  CollectRunKeys(list);
  const std::wstring machineRun = L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
  EXPECT_EQ(Targets(list),
            (std::vector<std::wstring>{
                L"HKLM:" + machineRun + L"Foo", L"HKLM:" + machineRun + L"Bar",
                L"HKLM:HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo",
                L"HKCU:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo"}));
  EXPECT_EQ(list[0].Caption, L"Foo");
  EXPECT_EQ(list[0].RawData, L"C:\\native\\foo.exe -a");
  EXPECT_EQ(list[0].FileName, L"C:\\native\\foo.exe");
  EXPECT_EQ(list[1].RawData, L"%ProgramFiles%\\Bar\\bar.exe");
  EXPECT_EQ(list[1].FileName, L"C:\\Program Files\\Bar\\bar.exe");
  EXPECT_EQ(list[3].FileName, L"C:\\User\\foo.exe");
  for (const TAutorunInfo& entry : list) EXPECT_TRUE(entry.Enabled);
}

TEST_F(RunKeySourceTest, EachKeyIsJudgedByItsOwnApprovalKeyAndRoot) {
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Foo", L"a.exe");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRun32Key, L"Foo", L"b.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"c.exe");
  // Only the 32-bit value is disabled, by its record in Run32 under HKLM.
  fake.registry.SetValue(HKEY_LOCAL_MACHINE, kApprovedRun32, L"Foo", REG_BINARY, ApprovalRecord(3));
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun32, L"Foo", REG_BINARY, ApprovalRecord(3));
  TAutorunList list;
  CollectRunKeys(list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_TRUE(list[0].Enabled);
  EXPECT_FALSE(list[1].Enabled);
  EXPECT_TRUE(list[2].Enabled);

  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Foo", REG_BINARY, ApprovalRecord(3));
  CollectRunKeys(list);  // appends: the caller empties the catalogue
  ASSERT_EQ(list.size(), 6u);
  EXPECT_FALSE(list[5].Enabled);
}

TEST_F(RunKeySourceTest, EveryValueIsListedWhateverItsNameTypeOrData) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"", L"default.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Tools\\Helper", L"h.exe");
  fake.registry.SetDword(HKEY_CURRENT_USER, kRunKey, L"Number", 5);
  fake.registry.SetValue(HKEY_CURRENT_USER, kRunKey, L"Odd", REG_SZ, Bytes({'a', 0, 'b'}));
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"프로그램", L"C:\\앱\\실행.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Long", std::wstring(5000, L'x') + L".exe");

  TAutorunList list;
  CollectRunKeys(list);
  ASSERT_EQ(list.size(), 6u);
  const std::wstring run = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
  EXPECT_EQ(list[0].Caption, L"");
  EXPECT_EQ(list[0].Target, run);  // ends in the backslash
  EXPECT_EQ(list[1].Caption, L"Tools\\Helper");
  EXPECT_EQ(list[1].Target, run + L"Tools\\Helper");
  EXPECT_EQ(list[2].RawData, L"");
  EXPECT_EQ(list[2].FileName, L"");
  EXPECT_EQ(list[3].RawData, L"a");
  EXPECT_EQ(list[4].FileName, L"C:\\앱\\실행.exe");
  EXPECT_EQ(list[5].FileName.size(), 5004u);
}

TEST_F(RunKeySourceTest, KeysThatCannotBeOpenedOrValuesThatCannotBeReadAreAbsorbed) {
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Machine", L"m.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"User", L"u.exe");
  // Every open of the machine's key fails; the user's key is still read.
  fake.registry.faults.Fail("RegOpenKeyExW", ERROR_ACCESS_DENIED, 0, 3);
  TAutorunList list;
  CollectRunKeys(list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Caption, L"User");

  // Names and commands come in one pass; a pass that fails half-way lists nothing of that
  // key rather than a part, and the other keys are still read.
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Second", L"s.exe");
  fake.registry.faults.Clear();
  fake.registry.faults.Fail("RegEnumValueW", ERROR_ACCESS_DENIED, 1, 1);
  list.clear();
  CollectRunKeys(list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Caption, L"User");
  EXPECT_EQ(list[0].RawData, L"u.exe");
}

// A refresh reads each Run key in one pass and opens its approval key once, however many
// values there are.
TEST_F(RunKeySourceTest, EachKeyAndItsApprovalKeyAreOpenedOnce) {
  for (int i = 0; i < 50; ++i) {
    const std::wstring name = L"App" + std::to_wstring(i);
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, name, name + L".exe");
    fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, name, REG_BINARY,
                           ApprovalRecord(i % 3 == 0 ? 3 : 2));
  }
  fake.registry.ClearCallLog();
  TAutorunList list;
  CollectRunKey(HKEY_CURRENT_USER, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", list);
  ASSERT_EQ(list.size(), 50u);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(list[i].RawData, L"App" + std::to_wstring(i) + L".exe");
    EXPECT_EQ(list[i].Enabled, i % 3 != 0);
  }
  EXPECT_EQ(fake.registry.CallLog().size(), 2u) << "one open of the Run key, one of its approval key";
}

}  // namespace
