// The registry fake is what every catalogue test stands on, so the parts where the real
// registry is easy to get wrong are pinned here: the two-call value protocol, name
// buffers that count the terminator, access rights per handle, enumeration order,
// deleted keys, the 32-bit view and a non-administrator's HKLM.
#include "platform/fake/FakeRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FakeRegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u) << "a key was left open"; }

  HKEY Open(HKEY root, const wchar_t* path, REGSAM sam) {
    HKEY key = nullptr;
    EXPECT_EQ(registry.RegOpenKeyExW(root, path, 0, sam, &key), ERROR_SUCCESS) << path;
    return key;
  }

  FakeRegistry registry;
};

TEST_F(FakeRegistryTest, QueryValueFollowsTheTwoCallProtocol) {
  registry.SetString(HKEY_CURRENT_USER, L"Software\\Vendor", L"Path", L"C:\\x");
  HKEY key = Open(HKEY_CURRENT_USER, L"Software\\Vendor", KEY_QUERY_VALUE);

  // The size probe: no buffer, the size in bytes (the NUL included) and the type.
  DWORD type = REG_NONE;
  DWORD size = 0;
  ASSERT_EQ(registry.RegQueryValueExW(key, L"path", &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, 10u);

  // One byte short: ERROR_MORE_DATA, the needed size, and the buffer left alone.
  std::vector<BYTE> buffer(size - 1, 0xCC);
  DWORD shortSize = size - 1;
  EXPECT_EQ(registry.RegQueryValueExW(key, L"Path", nullptr, buffer.data(), &shortSize),
            ERROR_MORE_DATA);
  EXPECT_EQ(shortSize, size);
  EXPECT_EQ(buffer, std::vector<BYTE>(size - 1, 0xCC));

  buffer.assign(size + 4, 0xCC);
  DWORD fullSize = static_cast<DWORD>(buffer.size());
  ASSERT_EQ(registry.RegQueryValueExW(key, L"Path", nullptr, buffer.data(), &fullSize),
            ERROR_SUCCESS);
  EXPECT_EQ(fullSize, size);
  buffer.resize(fullSize);
  EXPECT_EQ(buffer, (std::vector<BYTE>{'C', 0, ':', 0, '\\', 0, 'x', 0, 0, 0}));

  // A buffer without a size is refused; a missing value is not found.
  EXPECT_EQ(registry.RegQueryValueExW(key, L"Path", nullptr, buffer.data(), nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(registry.RegQueryValueExW(key, L"Other", nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(FakeRegistryTest, StringsAreStoredAsUtf16WithTheirTerminator) {
  registry.SetString(HKEY_CURRENT_USER, L"K", L"Latin", L"A\u00e9");
  registry.SetString(HKEY_CURRENT_USER, L"K", L"Expand", L"%X%", REG_EXPAND_SZ);
  registry.SetMultiString(HKEY_CURRENT_USER, L"K", L"Multi", {L"a", L"b"});

  EXPECT_EQ(registry.GetValue(HKEY_CURRENT_USER, L"K", L"Latin"),
            (RegValue{REG_SZ, {'A', 0, 0xE9, 0, 0, 0}}));
  EXPECT_EQ(registry.GetValue(HKEY_CURRENT_USER, L"K", L"Expand")->type, REG_EXPAND_SZ);
  EXPECT_EQ(registry.GetValue(HKEY_CURRENT_USER, L"K", L"Multi"),
            (RegValue{REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}}));
  // A code point above the BMP is a surrogate pair in the data, whatever wchar_t is.
  const std::wstring clef = sizeof(wchar_t) == 4 ? std::wstring(1, static_cast<wchar_t>(0x1D11E))
                                                 : std::wstring{static_cast<wchar_t>(0xD834),
                                                                static_cast<wchar_t>(0xDD1E)};
  EXPECT_EQ(FakeRegistry::StringBytes(clef), (std::vector<BYTE>{0x34, 0xD8, 0x1E, 0xDD, 0, 0}));
  registry.SetString(HKEY_CURRENT_USER, L"K", L"Clef", clef);
  EXPECT_EQ(registry.GetString(HKEY_CURRENT_USER, L"K", L"Clef"), clef);
}

TEST_F(FakeRegistryTest, EachCallNeedsItsAccessRight) {
  registry.SetDword(HKEY_CURRENT_USER, L"K", L"V", 1);
  registry.CreateKey(HKEY_CURRENT_USER, L"K\\Sub");

  enum class Call { Query, EnumValues, EnumKeys, Info, Set, DeleteValue };
  struct Case {
    REGSAM sam;
    Call call;
    LSTATUS expected;
  };
  const Case cases[] = {
      {KEY_QUERY_VALUE, Call::Query, ERROR_SUCCESS},
      {KEY_ENUMERATE_SUB_KEYS, Call::Query, ERROR_ACCESS_DENIED},
      {KEY_QUERY_VALUE, Call::EnumValues, ERROR_SUCCESS},
      {KEY_ENUMERATE_SUB_KEYS, Call::EnumValues, ERROR_ACCESS_DENIED},
      {KEY_ENUMERATE_SUB_KEYS, Call::EnumKeys, ERROR_SUCCESS},
      {KEY_QUERY_VALUE, Call::EnumKeys, ERROR_ACCESS_DENIED},
      {KEY_QUERY_VALUE, Call::Info, ERROR_SUCCESS},
      {KEY_ENUMERATE_SUB_KEYS, Call::Info, ERROR_ACCESS_DENIED},
      {KEY_SET_VALUE, Call::Set, ERROR_SUCCESS},
      {KEY_READ, Call::Set, ERROR_ACCESS_DENIED},
      {KEY_SET_VALUE, Call::DeleteValue, ERROR_FILE_NOT_FOUND},
      {KEY_READ | KEY_WOW64_64KEY, Call::DeleteValue, ERROR_ACCESS_DENIED},
      {KEY_WRITE, Call::Query, ERROR_ACCESS_DENIED},
      {KEY_ALL_ACCESS, Call::EnumKeys, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    HKEY key = Open(HKEY_CURRENT_USER, L"K", c.sam);
    wchar_t name[16];
    DWORD length = 16;
    DWORD size = 0;
    const BYTE data[4] = {};
    LSTATUS status = ERROR_SUCCESS;
    switch (c.call) {
      case Call::Query: status = registry.RegQueryValueExW(key, L"V", nullptr, nullptr, &size); break;
      case Call::EnumValues: status = registry.RegEnumValueW(key, 0, name, &length, nullptr); break;
      case Call::EnumKeys: status = registry.RegEnumKeyExW(key, 0, name, &length); break;
      case Call::Info: status = registry.RegQueryInfoKeyW(key, &size, nullptr, nullptr, nullptr, nullptr); break;
      case Call::Set: status = registry.RegSetValueExW(key, L"W", REG_DWORD, data, 4); break;
      case Call::DeleteValue: status = registry.RegDeleteValueW(key, L"Missing"); break;
    }
    EXPECT_EQ(status, c.expected) << "sam " << c.sam << " call " << static_cast<int>(c.call);
    EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
  }
}

TEST_F(FakeRegistryTest, EnumerationOrderAndNameBuffers) {
  for (const wchar_t* name : {L"Zeta", L"alpha", L"_under", L"Beta"})
    registry.SetDword(HKEY_CURRENT_USER, L"K", name, 0);
  for (const wchar_t* name : {L"Zeta", L"alpha", L"_under", L"Beta"})
    registry.CreateKey(HKEY_CURRENT_USER, std::wstring(L"K\\") + name);
  // Values come in the order written; subkeys sorted by their upper-cased names, which
  // puts '_' after the letters.
  EXPECT_EQ(registry.ValueNames(HKEY_CURRENT_USER, L"k"),
            (std::vector<std::wstring>{L"Zeta", L"alpha", L"_under", L"Beta"}));

  HKEY key = Open(HKEY_CURRENT_USER, L"K", KEY_READ);
  std::vector<std::wstring> keys;
  wchar_t name[8];
  for (DWORD index = 0;; ++index) {
    DWORD length = 8;
    const LSTATUS status = registry.RegEnumKeyExW(key, index, name, &length);
    if (status == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(status, ERROR_SUCCESS);
    keys.emplace_back(name, length);
  }
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"alpha", L"Beta", L"Zeta", L"_under"}));

  // The count includes the terminator: six characters need seven.
  DWORD length = 6;
  EXPECT_EQ(registry.RegEnumValueW(key, 2, name, &length, nullptr), ERROR_MORE_DATA);
  length = 7;
  DWORD type = REG_NONE;
  ASSERT_EQ(registry.RegEnumValueW(key, 2, name, &length, &type), ERROR_SUCCESS);
  EXPECT_EQ(length, 6u);
  EXPECT_EQ(std::wstring(name), L"_under");
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(registry.RegEnumValueW(key, 4, name, &length, nullptr), ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(FakeRegistryTest, QueryInfoReportsCountsAndLongestNamesAndData) {
  registry.SetString(HKEY_CURRENT_USER, L"K", L"Longest", L"abc");  // 8 bytes
  registry.SetDword(HKEY_CURRENT_USER, L"K", L"V", 0);
  registry.SetValue(HKEY_CURRENT_USER, L"K", L"", REG_BINARY, std::vector<BYTE>(9));
  registry.CreateKey(HKEY_CURRENT_USER, L"K\\Sub");
  registry.CreateKey(HKEY_CURRENT_USER, L"K\\Subkey");

  HKEY key = Open(HKEY_CURRENT_USER, L"K", KEY_QUERY_VALUE);
  DWORD subKeys = 0, maxSubKey = 0, values = 0, maxName = 0, maxData = 0;
  ASSERT_EQ(registry.RegQueryInfoKeyW(key, &subKeys, &maxSubKey, &values, &maxName, &maxData),
            ERROR_SUCCESS);
  EXPECT_EQ(subKeys, 2u);
  EXPECT_EQ(maxSubKey, 6u);
  EXPECT_EQ(values, 3u);
  EXPECT_EQ(maxName, 7u);
  EXPECT_EQ(maxData, 9u);
  // A null value name is the default value.
  DWORD size = 0;
  EXPECT_EQ(registry.RegQueryValueExW(key, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 9u);
  EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(FakeRegistryTest, OpenAndCreateFollowThePathRules) {
  registry.CreateKey(HKEY_CURRENT_USER, L"Software\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b");
  // Cyrillic folds like Latin; a trailing backslash names the same key.
  HKEY key = Open(HKEY_CURRENT_USER, L"SOFTWARE\\\u041f\u0420\u041e\u0413\u0420\u0410\u041c\u041c\u042b\\", KEY_READ);
  EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);

  EXPECT_EQ(registry.RegOpenKeyExW(HKEY_CURRENT_USER, L"\\Software", 0, KEY_READ, &key),
            ERROR_BAD_PATHNAME);
  key = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x42));
  EXPECT_EQ(registry.RegOpenKeyExW(HKEY_CURRENT_USER, L"Missing", 0, KEY_READ, &key),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(registry.RegOpenKeyExW(nullptr, L"Software", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);

  // An empty or null subkey opens a second handle to the same key.
  HKEY parent = Open(HKEY_CURRENT_USER, L"Software", KEY_READ);
  HKEY again = Open(parent, nullptr, KEY_READ);
  HKEY third = Open(parent, L"", KEY_READ);
  EXPECT_NE(again, parent);
  EXPECT_EQ(registry.OpenHandleCount(), 3u);
  for (HKEY open : {parent, again, third}) EXPECT_EQ(registry.RegCloseKey(open), ERROR_SUCCESS);
  EXPECT_EQ(registry.RegCloseKey(parent), ERROR_INVALID_HANDLE) << "closed twice";

  // Creation makes every missing level and says whether it did.
  DWORD disposition = 0;
  ASSERT_EQ(registry.RegCreateKeyExW(HKEY_CURRENT_USER, L"A\\B\\C", 0, KEY_WRITE, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  EXPECT_TRUE(registry.HasKey(HKEY_CURRENT_USER, L"a\\b"));
  EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
  ASSERT_EQ(registry.RegCreateKeyExW(HKEY_CURRENT_USER, L"a\\B", 0, KEY_READ, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  EXPECT_EQ(registry.SubKeyNames(HKEY_CURRENT_USER, L"A"), std::vector<std::wstring>{L"B"})
      << "the first spelling stays";
  EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(FakeRegistryTest, DeletingAKeyLeavesItsHandlesDead) {
  registry.CreateKey(HKEY_CURRENT_USER, L"K\\Child\\Grandchild");
  HKEY root = Open(HKEY_CURRENT_USER, L"K", KEY_ALL_ACCESS);
  HKEY child = Open(root, L"Child\\Grandchild", KEY_READ);

  // One key at a time, from the bottom up.
  EXPECT_EQ(registry.RegDeleteKeyExW(root, L"Child", KEY_WOW64_64KEY), ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry.RegDeleteKeyExW(root, L"Child\\Grandchild", KEY_WOW64_64KEY), ERROR_SUCCESS);
  EXPECT_EQ(registry.RegDeleteKeyExW(root, L"Child\\Grandchild", KEY_WOW64_64KEY), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(registry.HasKey(HKEY_CURRENT_USER, L"K\\Child\\Grandchild"));

  DWORD size = 0;
  EXPECT_EQ(registry.RegQueryValueExW(child, L"V", nullptr, nullptr, &size), ERROR_KEY_DELETED);
  // A key made again under the old name is a new key; the old handle stays dead.
  registry.CreateKey(HKEY_CURRENT_USER, L"K\\Child\\Grandchild");
  EXPECT_EQ(registry.RegQueryInfoKeyW(child, &size, nullptr, nullptr, nullptr, nullptr),
            ERROR_KEY_DELETED);
  EXPECT_EQ(registry.RegCloseKey(child), ERROR_SUCCESS);
  EXPECT_EQ(registry.RegCloseKey(root), ERROR_SUCCESS);
}

TEST_F(FakeRegistryTest, Wow64RedirectionSendsThe32BitViewToWow6432Node) {
  registry.SetWow64Redirection(true);
  registry.SetDword(HKEY_LOCAL_MACHINE, L"Software\\Vendor", L"Bits", 64);
  registry.SetDword(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\Vendor", L"Bits", 32);

  struct Case {
    REGSAM sam;
    DWORD bits;
  };
  for (const Case& c : {Case{KEY_READ, 32}, Case{KEY_READ | KEY_WOW64_32KEY, 32},
                        Case{KEY_READ | KEY_WOW64_64KEY, 64}}) {
    HKEY key = Open(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vendor", c.sam);
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(registry.RegQueryValueExW(key, L"Bits", nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, c.bits) << "sam " << c.sam;
    EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
  }

  // The view is chosen on every call: a key opened in the 64-bit view does not carry it
  // to a relative open that leaves the flag out.
  HKEY software = Open(HKEY_LOCAL_MACHINE, L"Software", KEY_READ | KEY_WOW64_64KEY);
  HKEY vendor = Open(software, L"Vendor", KEY_READ);
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(registry.RegQueryValueExW(vendor, L"Bits", nullptr, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 32u);
  for (HKEY open : {vendor, software}) EXPECT_EQ(registry.RegCloseKey(open), ERROR_SUCCESS);

  // Creating without the flag writes into the 32-bit view; the log shows what was asked.
  HKEY created = nullptr;
  ASSERT_EQ(registry.RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\New", 0, KEY_WRITE, &created,
                                     nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(registry.RegCloseKey(created), ERROR_SUCCESS);
  EXPECT_TRUE(registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\New"));
  EXPECT_FALSE(registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\New"));
  const std::vector<RegCall> log = registry.CallLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().function, "RegCreateKeyExW");
  EXPECT_EQ(log.back().root, HKEY_LOCAL_MACHINE);
  EXPECT_EQ(log.back().path, L"Software\\New");
  EXPECT_EQ(log.back().sam, KEY_WRITE);
  // A relative open logs the full path, spelled as the keys are.
  EXPECT_EQ(log[log.size() - 2].path, L"SOFTWARE\\Vendor");
}

TEST_F(FakeRegistryTest, AReadOnlyMachineRefusesEveryWrite) {
  registry.SetDword(HKEY_LOCAL_MACHINE, L"Software\\Run", L"V", 1);
  registry.SetDword(HKEY_CURRENT_USER, L"Software\\Run", L"V", 1);
  registry.SetMachineReadOnly(true);

  struct Case {
    bool create;
    HKEY root;
    const wchar_t* path;
    REGSAM sam;
    LSTATUS expected;
  };
  const Case cases[] = {
      {false, HKEY_LOCAL_MACHINE, L"Software\\Run", KEY_READ | KEY_WOW64_64KEY, ERROR_SUCCESS},
      {false, HKEY_LOCAL_MACHINE, L"Software\\Run", KEY_SET_VALUE, ERROR_ACCESS_DENIED},
      {false, HKEY_LOCAL_MACHINE, L"Software\\Run", DELETE, ERROR_ACCESS_DENIED},
      {false, HKEY_LOCAL_MACHINE, L"Software\\Run", KEY_ALL_ACCESS, ERROR_ACCESS_DENIED},
      {false, HKEY_LOCAL_MACHINE, L"Software\\Missing", KEY_WRITE, ERROR_FILE_NOT_FOUND},
      {true, HKEY_LOCAL_MACHINE, L"Software\\Run", KEY_READ | KEY_WRITE, ERROR_ACCESS_DENIED},
      {true, HKEY_LOCAL_MACHINE, L"Software\\Run", KEY_READ, ERROR_SUCCESS},
      {true, HKEY_LOCAL_MACHINE, L"Software\\New", KEY_READ, ERROR_ACCESS_DENIED},
      {true, HKEY_CURRENT_USER, L"Software\\Run", KEY_ALL_ACCESS, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    HKEY key = nullptr;
    const LSTATUS status = c.create ? registry.RegCreateKeyExW(c.root, c.path, 0, c.sam, &key, nullptr)
                                    : registry.RegOpenKeyExW(c.root, c.path, 0, c.sam, &key);
    EXPECT_EQ(status, c.expected) << c.path << " sam " << c.sam << " create " << c.create;
    if (key != nullptr) {
      EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
    }
  }
  EXPECT_FALSE(registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\New"));

  // Neither the predefined handle nor a deletion gets around it.
  const BYTE data[4] = {};
  EXPECT_EQ(registry.RegSetValueExW(HKEY_LOCAL_MACHINE, L"V", REG_DWORD, data, 4), ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry.RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Run", KEY_WOW64_64KEY),
            ERROR_ACCESS_DENIED);
  EXPECT_TRUE(registry.HasKey(HKEY_LOCAL_MACHINE, L"Software\\Run"));
}

}  // namespace
