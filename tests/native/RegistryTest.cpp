// TReg against the registry fake: masks, defaults, odd data and path strings.
#include <gtest/gtest.h>

#include "Tavin/Registry.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"

namespace {

constexpr wchar_t kKey[] = L"Software\\Orvane Test";

class RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(fake.registry.OpenHandleCount(), 0u) << "a key was left open"; }
  FakePlatform fake;
};

TEST(RootNamesTest, RootKeyToName) {
  struct Case {
    HKEY root;
    const wchar_t* longName;
    const wchar_t* shortName;
  };
  const Case cases[] = {
      {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT", L"HKCR"},
      {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"HKCU"},
      {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"HKLM"},
      {HKEY_USERS, L"HKEY_USERS", L"HKU"},
      {HKEY_PERFORMANCE_DATA, L"HKEY_PERFORMANCE_DATA", L"HKEY_PERFORMANCE_DATA"},
      {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG", L"HKEY_CURRENT_CONFIG"},
      {HKEY_DYN_DATA, L"HKEY_DYN_DATA", L"HKEY_DYN_DATA"},
      {nullptr, L"", L""},
      {reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RootKeyToName(c.root, false), c.longName);
    EXPECT_EQ(RootKeyToName(c.root, true), c.shortName);
  }
}

TEST(RootNamesTest, NameToRootKeyIgnoresAsciiCaseAndKnowsOnlyTheTable) {
  EXPECT_EQ(NameToRootKey(L"hklm"), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(NameToRootKey(L"Hkey_Local_Machine"), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(NameToRootKey(L"HKU"), HKEY_USERS);
  EXPECT_EQ(NameToRootKey(L"hkey_current_config"), HKEY_CURRENT_CONFIG);
  for (const wchar_t* unknown : {L"HKCC", L"", L"HKLM ", L"HKEY_LOCAL_MACHINE\\", L"H\u212aLM"})
    EXPECT_EQ(NameToRootKey(unknown), nullptr) << WideToUtf8Debug(unknown);
}

TEST(ParseTest, SplitsRegistryPathStrings) {
  struct Case {
    std::wstring text;
    bool ok;
    HKEY root;
    std::wstring key, name;
  };
  const Case cases[] = {
      {L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo", true, HKEY_LOCAL_MACHINE,
       L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Foo"},
      {L"HKCU\\Run\\Foo", true, HKEY_CURRENT_USER, L"Run", L"Foo"},
      {L"hkcu\\Run\\Foo", true, HKEY_CURRENT_USER, L"Run", L"Foo"},
      {L"HKLM\\\\Foo", true, HKEY_LOCAL_MACHINE, L"", L"Foo"},
      {L"XYZ\\Run\\Foo", true, nullptr, L"Run", L"Foo"},
      {L"HKCU\\Run\\", true, HKEY_CURRENT_USER, L"Run", L""},
      {L"HKCU\\\\\\Run\\Foo", true, HKEY_CURRENT_USER, L"Run", L"Foo"},
      {L"HKCU\\a\\b\\c\\", true, HKEY_CURRENT_USER, L"a\\b\\c", L""},
      {L"HKCU\\Foo", false, HKEY_DYN_DATA, L"", L""},
      {L"", false, HKEY_DYN_DATA, L"", L""},
  };
  for (const Case& c : cases) {
    HKEY root = HKEY_DYN_DATA;  // "not set" shows as this marker
    std::wstring key = L"stale", name = L"stale";
    EXPECT_EQ(TReg::Parse(c.text, root, key, name), c.ok) << WideToUtf8Debug(c.text);
    EXPECT_EQ(root, c.root) << WideToUtf8Debug(c.text);
    EXPECT_EQ(key, c.key) << WideToUtf8Debug(c.text);
    EXPECT_EQ(name, c.name) << WideToUtf8Debug(c.text);
  }
}

TEST_F(RegistryTest, EveryOpenAsksForTheSixtyFourBitViewWithTheMaskOfItsKind) {
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"s", L"x");
  (void)TReg::ReadString(HKEY_CURRENT_USER, kKey, L"s", L"");
  (void)TReg::IsKey(HKEY_CURRENT_USER, kKey);
  TReg::WriteString(HKEY_CURRENT_USER, kKey, L"s", L"y");
  const std::vector<RegCall> calls = fake.registry.CallLog();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].function, "RegOpenKeyExW");
  EXPECT_EQ(calls[0].sam, 0x20119u);
  EXPECT_EQ(calls[1].function, "RegOpenKeyExW");
  EXPECT_EQ(calls[1].sam, 0x20109u);
  EXPECT_EQ(calls[2].function, "RegCreateKeyExW");
  EXPECT_EQ(calls[2].sam, 0x2011Fu);
}

TEST_F(RegistryTest, ReadsStepDownToLesserRightsWhenFullReadIsRefused) {
  fake.registry.SetDword(HKEY_LOCAL_MACHINE, kKey, L"n", 7);
  fake.registry.faults.Fail("RegOpenKeyExW", ERROR_ACCESS_DENIED, 0, 2);
  EXPECT_EQ(TReg::ReadInteger(HKEY_LOCAL_MACHINE, kKey, L"n", -1), 7);
  const std::vector<RegCall> calls = fake.registry.CallLog();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].sam, 0x20119u);
  EXPECT_EQ(calls[1].sam, 0x20109u);
  EXPECT_EQ(calls[2].sam, 0x00101u);
}

TEST_F(RegistryTest, TheThirtyTwoBitViewIsReachedOnlyThroughItsBranch) {
  fake.registry.SetWow64Redirection(true);
  fake.registry.SetString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                          L"Native", L"n.exe");
  fake.registry.SetString(HKEY_LOCAL_MACHINE,
                          L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
                          L"Redirected", L"r.exe");
  std::vector<std::wstring> names;
  TReg::ReadValueNames(HKEY_LOCAL_MACHINE, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                       names);
  EXPECT_EQ(names, std::vector<std::wstring>{L"Native"});
}

TEST_F(RegistryTest, ReadStringDefaults) {
  fake.registry.CreateKey(HKEY_CURRENT_USER, kKey);
  EXPECT_EQ(TReg::ReadString(HKEY_CURRENT_USER, kKey, L"missing", L"dflt"), L"");
  EXPECT_EQ(TReg::ReadString(HKEY_CURRENT_USER, L"Software\\Nowhere", L"x", L"dflt"), L"dflt");
  EXPECT_EQ(TReg::ReadString(nullptr, kKey, L"x", L"dflt"), L"dflt");
}

TEST_F(RegistryTest, ReadStringOfOddData) {
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
    std::wstring expected;
  };
  const std::vector<BYTE> twoStrings = [] {
    std::vector<BYTE> b = RegSz(L"one");
    const std::vector<BYTE> two = RegSz(L"two");
    b.insert(b.end(), two.begin(), two.end());
    b.push_back(0);
    b.push_back(0);
    return b;
  }();
  std::vector<BYTE> oddCount = RegSz(L"ab", false);
  oddCount.push_back('c');
  const Case cases[] = {
      {L"plain", REG_SZ, RegSz(L"C:\\a.exe -x"), L"C:\\a.exe -x"},
      {L"unterminated", REG_SZ, RegSz(L"abc", false), L"abc"},
      {L"odd byte count", REG_SZ, oddCount, L"ab"},
      {L"cut at NUL", REG_SZ, RegSz(std::wstring(L"ab\0cd", 5)), L"ab"},
      {L"expandable kept", REG_EXPAND_SZ, RegSz(L"%ProgramFiles%\\a.exe"), L"%ProgramFiles%\\a.exe"},
      {L"non-ASCII", REG_SZ, RegSz(L"C:\\프로그램\\Ünï.exe"), L"C:\\프로그램\\Ünï.exe"},
      {L"empty", REG_SZ, {}, L""},
      {L"dword", REG_DWORD, Bytes({1, 0, 0, 0}), L""},
      {L"binary", REG_BINARY, Bytes({'a', 0, 'b', 0}), L""},
      {L"multi", REG_MULTI_SZ, twoStrings, L"one"},
  };
  for (const Case& c : cases) fake.registry.SetValue(HKEY_CURRENT_USER, kKey, c.name, c.type, c.data);
  for (const Case& c : cases)
    EXPECT_EQ(TReg::ReadString(HKEY_CURRENT_USER, kKey, c.name, L"dflt"), c.expected)
        << WideToUtf8Debug(c.name);
}

TEST_F(RegistryTest, ReadBinaryTakesDataOnlyFromBinaryKindsAndZeroFillsTheRest) {
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
    std::vector<BYTE> expected;
  };
  const Case cases[] = {
      {L"binary", REG_BINARY, Bytes({3, 0, 0, 0, 9}), Bytes({3, 0, 0, 0, 9})},
      {L"none", REG_NONE, Bytes({1, 2}), Bytes({1, 2})},
      {L"resource list", REG_RESOURCE_LIST, Bytes({5}), Bytes({5})},
      {L"empty binary", REG_BINARY, {}, {}},
      {L"string", REG_SZ, RegSz(L"abcde"), std::vector<BYTE>(12, 0)},
      {L"dword", REG_DWORD, Bytes({1, 2, 3, 4}), Bytes({0, 0, 0, 0})},
      {L"qword", REG_QWORD, Bytes({1, 2, 3, 4, 5, 6, 7, 8}), std::vector<BYTE>(8, 0)},
  };
  for (const Case& c : cases) fake.registry.SetValue(HKEY_CURRENT_USER, kKey, c.name, c.type, c.data);
  for (const Case& c : cases)
    EXPECT_EQ(TReg::ReadBinary(HKEY_CURRENT_USER, kKey, c.name), c.expected) << WideToUtf8Debug(c.name);
  EXPECT_TRUE(TReg::ReadBinary(HKEY_CURRENT_USER, kKey, L"missing").empty());
  EXPECT_TRUE(TReg::ReadBinary(HKEY_CURRENT_USER, L"Software\\Nowhere", L"x").empty());
}

TEST_F(RegistryTest, ReadIntegerAndReadBool) {
  fake.registry.SetDword(HKEY_CURRENT_USER, kKey, L"seven", 7);
  fake.registry.SetValue(HKEY_CURRENT_USER, kKey, L"big", REG_DWORD_BIG_ENDIAN, Bytes({1, 0, 0, 0}));
  fake.registry.SetValue(HKEY_CURRENT_USER, kKey, L"short", REG_DWORD, Bytes({1, 0}));
  fake.registry.SetValue(HKEY_CURRENT_USER, kKey, L"text", REG_SZ, RegSz(L"7"));
  fake.registry.SetDword(HKEY_CURRENT_USER, kKey, L"minus", 0xFFFFFFFF);
  fake.registry.SetDword(HKEY_CURRENT_USER, kKey, L"zero", 0);
  EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"seven", -5), 7);
  EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"big", -5), 1);  // taken as stored
  EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"short", -5), -5);
  EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"text", -5), -5);
  EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"minus", 0), -1);
  EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"missing", -5), -5);
  EXPECT_TRUE(TReg::ReadBool(HKEY_CURRENT_USER, kKey, L"seven", false));
  EXPECT_FALSE(TReg::ReadBool(HKEY_CURRENT_USER, kKey, L"zero", true));
  EXPECT_TRUE(TReg::ReadBool(HKEY_CURRENT_USER, kKey, L"missing", true));
}

TEST_F(RegistryTest, NameListsComeInEnumerationOrderAndReplaceTheList) {
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"zeta", L"");
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"", L"default");
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"a\\b", L"");
  const std::wstring longName(300, L'n');
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, longName, L"");
  fake.registry.CreateKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Beta");
  fake.registry.CreateKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\alpha");

  std::vector<std::wstring> names = {L"stale"};
  EXPECT_EQ(TReg::ReadValueNames(HKEY_CURRENT_USER, kKey, names), 4);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"zeta", L"", L"a\\b", longName}));
  EXPECT_EQ(TReg::ReadKeyNames(HKEY_CURRENT_USER, kKey, names), 2);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"alpha", L"Beta"}));
  EXPECT_EQ(TReg::ReadKeyNames(HKEY_CURRENT_USER, L"Software\\Nowhere", names), 0);
  EXPECT_TRUE(names.empty());

  // A failure half-way leaves nothing rather than a partial list.
  names = {L"stale"};
  fake.registry.faults.Fail("RegEnumValueW", ERROR_ACCESS_DENIED, 1);
  EXPECT_EQ(TReg::ReadValueNames(HKEY_CURRENT_USER, kKey, names), 0);
  EXPECT_TRUE(names.empty());
}

TEST_F(RegistryTest, WritesCreateTheKeyAndStoreExactBytes) {
  TReg::WriteBinary(HKEY_CURRENT_USER, L"\\Software\\New\\Deep", L"b", Bytes({2, 0, 0, 0, 1}));
  TReg::WriteInteger(HKEY_CURRENT_USER, L"Software\\New\\Deep", L"i", -2);
  TReg::WriteString(HKEY_CURRENT_USER, L"Software\\New\\Deep", L"s", L"Ωx");
  auto b = fake.registry.GetValue(HKEY_CURRENT_USER, L"Software\\New\\Deep", L"b");
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->type, REG_BINARY);
  EXPECT_EQ(b->bytes, Bytes({2, 0, 0, 0, 1}));
  auto i = fake.registry.GetValue(HKEY_CURRENT_USER, L"Software\\New\\Deep", L"i");
  ASSERT_TRUE(i.has_value());
  EXPECT_EQ(i->type, REG_DWORD);
  EXPECT_EQ(i->bytes, Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
  auto s = fake.registry.GetValue(HKEY_CURRENT_USER, L"Software\\New\\Deep", L"s");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->type, REG_SZ);
  EXPECT_EQ(s->bytes, RegSz(L"Ωx"));
  EXPECT_EQ(TReg::ReadString(HKEY_CURRENT_USER, L"Software\\New\\Deep", L"s", L""), L"Ωx");
}

TEST_F(RegistryTest, DeletesNeverCreateAKey) {
  TReg::DeleteValue(HKEY_CURRENT_USER, L"Software\\Fresh\\Deep", L"x");
  TReg::DeleteKey(HKEY_CURRENT_USER, L"Software\\Fresh\\Deep", L"x");
  TReg::Delete(L"HKCU\\Software\\Fresh\\Deep\\x");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, L"Software\\Fresh"));
  for (const RegCall& call : fake.registry.CallLog())
    EXPECT_NE(call.function, "RegCreateKeyExW") << WideToUtf8Debug(call.path);
}

TEST_F(RegistryTest, KeyDeletionNeverFollowsALink) {
  // A link below the deleted key points at a key elsewhere: opening or deleting through
  // it would reach that key, so the link is left and its target untouched.
  fake.registry.SetString(HKEY_LOCAL_MACHINE, L"Software\\Precious", L"keep", L"v");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, L"Software\\Precious\\Child", L"keep", L"v");
  fake.registry.SetString(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Tree\\Plain", L"x", L"1");
  fake.registry.SetLink(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Tree\\Link", HKEY_LOCAL_MACHINE,
                        L"Software\\Precious");
  TReg::DeleteKey(HKEY_CURRENT_USER, kKey, L"Tree");
  EXPECT_TRUE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\Precious\\Child"));
  EXPECT_EQ(fake.registry.GetString(HKEY_LOCAL_MACHINE, L"Software\\Precious", L"keep"), L"v");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Tree\\Plain"));

  // Named directly, the link is not deleted either: RegDeleteKeyExW would delete its
  // target.
  fake.registry.SetLink(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Direct", HKEY_LOCAL_MACHINE,
                        L"Software\\Precious\\Child");
  TReg::Delete(L"HKCU\\" + std::wstring(kKey) + L"\\Direct");
  EXPECT_TRUE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\Precious\\Child"));
}

TEST_F(RegistryTest, KeyDeletionStopsAtTheRegistrysDepthAndTakesWhatItMayDelete) {
  std::wstring deep = std::wstring(kKey) + L"\\Deep";
  for (int i = 0; i < 600; ++i) deep += L"\\k";
  fake.registry.CreateKey(HKEY_CURRENT_USER, deep);
  TReg::DeleteKey(HKEY_CURRENT_USER, kKey, L"Deep");  // returns, whatever is left
  EXPECT_TRUE(fake.registry.HasKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Deep"));

  // A subkey that refuses the open for writing is still looked into and deleted with
  // the rights it grants. The calls: the parent, then the subkey's write open (refused).
  fake.registry.CreateKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Guarded\\Inner");
  fake.registry.faults.Fail("RegOpenKeyExW", ERROR_ACCESS_DENIED, 1, 1);
  TReg::DeleteKey(HKEY_CURRENT_USER, kKey, L"Guarded");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Guarded"));
}

TEST_F(RegistryTest, NameEnumerationThatNeverFitsFailsCleanly) {
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"a", L"");
  fake.registry.CreateKey(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Sub");
  // A registry that keeps answering "more data" past the longest name it allows.
  fake.registry.faults.Fail("RegEnumValueW", ERROR_MORE_DATA);
  fake.registry.faults.Fail("RegEnumKeyExW", ERROR_MORE_DATA);
  std::vector<std::wstring> names = {L"stale"};
  EXPECT_EQ(TReg::ReadValueNames(HKEY_CURRENT_USER, kKey, names), 0);
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(TReg::ReadKeyNames(HKEY_CURRENT_USER, kKey, names), 0);
  EXPECT_TRUE(names.empty());
}

// A name with a NUL reaches the registry functions cut short and would address another
// value (the default value, for a leading NUL): TReg never passes one on.
TEST_F(RegistryTest, NamesWithANulAddressNothing) {
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"", L"default");
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"Run", L"run");
  const std::wstring leading(L"\0x", 2);
  const std::wstring inner(L"Run\0x", 5);
  for (const std::wstring& name : {leading, inner}) {
    EXPECT_EQ(TReg::ReadString(HKEY_CURRENT_USER, kKey, name, L"dflt"), L"");
    EXPECT_TRUE(TReg::ReadBinary(HKEY_CURRENT_USER, kKey, name).empty());
    TReg::WriteString(HKEY_CURRENT_USER, kKey, name, L"changed");
    TReg::DeleteValue(HKEY_CURRENT_USER, kKey, name);
    TReg::Delete(L"HKCU\\" + std::wstring(kKey) + L"\\" + name);
  }
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kKey, L""), L"default");
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, kKey, L"Run"), L"run");
  EXPECT_EQ(fake.registry.ValueNames(HKEY_CURRENT_USER, kKey).size(), 2u);
  EXPECT_FALSE(TReg::IsKey(HKEY_CURRENT_USER, std::wstring(L"Software\0x", 10)));
}

TEST_F(RegistryTest, MachineWritesWithoutAdministratorRightsChangeNothing) {
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kKey, L"keep", L"v");
  fake.registry.SetMachineReadOnly(true);
  TReg::WriteString(HKEY_LOCAL_MACHINE, kKey, L"keep", L"changed");
  TReg::WriteBinary(HKEY_LOCAL_MACHINE, L"Software\\NewKey", L"b", Bytes({1}));
  TReg::DeleteValue(HKEY_LOCAL_MACHINE, kKey, L"keep");
  TReg::Delete(std::wstring(L"HKLM\\") + kKey);
  EXPECT_EQ(TReg::ReadString(HKEY_LOCAL_MACHINE, kKey, L"keep", L""), L"v");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\NewKey"));
  EXPECT_TRUE(fake.registry.HasKey(HKEY_LOCAL_MACHINE, kKey));
}

TEST_F(RegistryTest, DeletePrefersASubkeyOfThatNameAndRemovesItsWholeTree) {
  const std::wstring run = L"Software\\Run";
  fake.registry.SetString(HKEY_CURRENT_USER, run, L"Twin", L"value stays");
  fake.registry.SetString(HKEY_CURRENT_USER, run + L"\\Twin\\a\\b", L"deep", L"x");
  fake.registry.CreateKey(HKEY_CURRENT_USER, run + L"\\Twin\\c");
  TReg::Delete(L"HKCU\\" + run + L"\\Twin");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, run + L"\\Twin"));
  EXPECT_TRUE(fake.registry.GetValue(HKEY_CURRENT_USER, run, L"Twin").has_value());

  TReg::Delete(L"HKCU\\" + run + L"\\Twin");
  EXPECT_FALSE(fake.registry.GetValue(HKEY_CURRENT_USER, run, L"Twin").has_value());
  EXPECT_TRUE(fake.registry.HasKey(HKEY_CURRENT_USER, run));
}

TEST_F(RegistryTest, DeleteOfAnEmptyNameRemovesTheDefaultValueNeverTheKey) {
  const std::wstring run = L"Software\\Run";
  fake.registry.SetString(HKEY_CURRENT_USER, run, L"", L"default");
  fake.registry.SetString(HKEY_CURRENT_USER, run, L"Other", L"kept");
  TReg::Delete(L"HKCU\\" + run + L"\\");
  EXPECT_TRUE(fake.registry.HasKey(HKEY_CURRENT_USER, run));
  EXPECT_FALSE(fake.registry.GetValue(HKEY_CURRENT_USER, run, L"").has_value());
  EXPECT_TRUE(fake.registry.GetValue(HKEY_CURRENT_USER, run, L"Other").has_value());
  TReg::DeleteKey(HKEY_CURRENT_USER, L"Software", L"");
  EXPECT_TRUE(fake.registry.HasKey(HKEY_CURRENT_USER, run));
}

TEST_F(RegistryTest, EveryFailureEndsInTheDefaultResult) {
  fake.registry.SetString(HKEY_CURRENT_USER, kKey, L"s", L"v");
  fake.registry.SetDword(HKEY_CURRENT_USER, kKey, L"d", 1);
  fake.registry.SetValue(HKEY_CURRENT_USER, kKey, L"b", REG_BINARY, Bytes({1, 2}));
  for (const char* call : {"RegOpenKeyExW", "RegQueryValueExW"}) {
    fake.registry.faults.Clear();
    fake.registry.faults.Fail(call, ERROR_ACCESS_DENIED);
    EXPECT_TRUE(TReg::ReadBinary(HKEY_CURRENT_USER, kKey, L"b").empty()) << call;
    EXPECT_EQ(TReg::ReadInteger(HKEY_CURRENT_USER, kKey, L"d", 9), 9) << call;
  }
  fake.registry.faults.Clear();
  // The size was known, the data read failed: that many zero bytes.
  fake.registry.faults.Fail("RegQueryValueExW", ERROR_MORE_DATA, 1, 1);
  EXPECT_EQ(TReg::ReadBinary(HKEY_CURRENT_USER, kKey, L"b"), Bytes({0, 0}));
  fake.registry.faults.Clear();
  fake.registry.faults.Fail("RegSetValueExW", ERROR_ACCESS_DENIED);
  TReg::WriteString(HKEY_CURRENT_USER, kKey, L"s", L"changed");
  fake.registry.faults.Clear();
  EXPECT_EQ(TReg::ReadString(HKEY_CURRENT_USER, kKey, L"s", L""), L"v");
}

}  // namespace
