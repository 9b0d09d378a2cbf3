// The registry adapter against Wine's registry: value types and bytes, the two-call
// sizes, enumeration, deletion and the 64-bit view.
#include <algorithm>
#include <cstring>
#include <vector>

#include "WineTest.h"
#include "platform/PlatformHandles.h"

namespace {

std::vector<BYTE> Bytes(const void* data, size_t size) {
  const BYTE* begin = static_cast<const BYTE*>(data);
  return {begin, begin + size};
}

template <size_t N>
std::vector<BYTE> Text(const wchar_t (&text)[N]) {  // with every terminator
  return Bytes(text, N * sizeof(wchar_t));
}

class AnyRegistry : public WineTest {
 protected:
  void SetUp() override {
    // Wine reuses its small process ids, so a run cut short leaves keys under the very
    // name the next run picks.
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrvaneWineTest");
    keyPath_ = L"Software\\OrvaneWineTest\\" + RunUniqueName(L"Registry");
    DWORD disposition = 0;
    ASSERT_EQ(reg().RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS | KEY_WOW64_64KEY, key_.put(), &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  }
  void TearDown() override {
    key_.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrvaneWineTest");
  }
  IRegistry& reg() { return PlatformRegistry(); }
  void Set(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
    ASSERT_EQ(reg().RegSetValueExW(key_.get(), name, type, data.data(),
                                   static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }

  std::wstring keyPath_;
  UniqueRegKey key_;
};

TEST_F(AnyRegistry, ValuesComeBackWithTheirTypeAndExactBytes) {
  const DWORD dword = 0x12345678;
  const unsigned long long qword = 0x0102030405060708ull;
  const BYTE binary[] = {0, 1, 0, 0xFF, 0};
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
  } cases[] = {
      {L"Sz", REG_SZ, Text(L"C:\\Tools\\app.exe /min")},
      {L"Expand", REG_EXPAND_SZ, Text(L"%ProgramFiles%\\app.exe")},
      {L"Multi", REG_MULTI_SZ, Text(L"one\0two\0")},
      {L"Binary", REG_BINARY, Bytes(binary, sizeof binary)},
      {L"Dword", REG_DWORD, Bytes(&dword, sizeof dword)},
      {L"Qword", REG_QWORD, Bytes(&qword, sizeof qword)},
      {L"Empty", REG_NONE, {}},
      // Data in the default value, named by a null pointer.
      {nullptr, REG_SZ, Text(L"default")},
  };
  for (const Case& c : cases) Set(c.name, c.type, c.data);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name ? c.name : L"(default)");
    DWORD type = 0xDEAD;
    DWORD size = 0;
    ASSERT_EQ(reg().RegQueryValueExW(key_.get(), c.name, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, c.type);
    ASSERT_EQ(size, c.data.size());
    std::vector<BYTE> data(size + 4, 0xCC);
    DWORD bufferSize = static_cast<DWORD>(data.size());
    ASSERT_EQ(reg().RegQueryValueExW(key_.get(), c.name, &type, data.data(), &bufferSize),
              ERROR_SUCCESS);
    EXPECT_EQ(bufferSize, size);
    data.resize(bufferSize);
    EXPECT_EQ(data, c.data);
  }
}

// A REG_SZ written without its terminator is kept byte for byte, so readers must not
// assume one; but when a terminator lies just behind the count, Wine takes it in (as
// Windows does: see TerminatorJustBehindTheCount in the registry's contract table), so
// the outcome depends on what lay behind the bytes. The catalogue's reads are proven
// against the fakes, which keep the count they are given.
TEST_F(AnyRegistry, WineGapUnterminatedStringGainsATerminator) {
  Set(L"Unterminated", REG_SZ, Bytes(L"abcd", 3 * sizeof(wchar_t)));
  BYTE data[16];
  DWORD size = sizeof data;
  ASSERT_EQ(reg().RegQueryValueExW(key_.get(), L"Unterminated", nullptr, data, &size),
            ERROR_SUCCESS);
  const std::vector<BYTE> read(data, data + size);
  EXPECT_TRUE(read == Text(L"abc") || read == Bytes(L"abc", 3 * sizeof(wchar_t))) << size;
}

TEST_F(AnyRegistry, WineGapValuesEnumerateInNameOrder) {
  for (const wchar_t* name : {L"Zulu", L"alpha", L"Mike"}) Set(name, REG_SZ, Text(L"x"));
  std::vector<std::wstring> names;
  wchar_t name[16];
  DWORD cch = 16;
  for (DWORD index = 0; cch = 16, reg().RegEnumValueW(key_.get(), index, name, &cch, nullptr) ==
                                      ERROR_SUCCESS;
       ++index)
    names.emplace_back(name, cch);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"alpha", L"Mike", L"Zulu"}));
}

TEST_F(AnyRegistry, SmallBufferGivesMoreDataAndTheSizeNeeded) {
  Set(L"Path", REG_SZ, Text(L"C:\\Program Files\\Long Name\\tool.exe"));
  BYTE small[8] = {};
  DWORD size = sizeof small;
  DWORD type = 0;
  EXPECT_EQ(reg().RegQueryValueExW(key_.get(), L"Path", &type, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, sizeof(L"C:\\Program Files\\Long Name\\tool.exe"));
  EXPECT_EQ(type, REG_SZ);
}

TEST_F(AnyRegistry, NamesAreCaseInsensitive) {
  Set(L"MixedCase", REG_SZ, Text(L"x"));
  DWORD size = 0;
  EXPECT_EQ(reg().RegQueryValueExW(key_.get(), L"MIXEDCASE", nullptr, nullptr, &size),
            ERROR_SUCCESS);
  UniqueRegKey again;
  EXPECT_EQ(reg().RegOpenKeyExW(HKEY_CURRENT_USER, (keyPath_ + L"\\..").c_str(), 0, KEY_READ,
                                again.put()),
            ERROR_FILE_NOT_FOUND)
      << "'..' is an ordinary (missing) key name in the registry, not a parent";
  std::wstring upper = keyPath_;
  for (wchar_t& ch : upper) ch = static_cast<wchar_t>(::towupper(ch));
  EXPECT_EQ(reg().RegOpenKeyExW(HKEY_CURRENT_USER, upper.c_str(), 0, KEY_READ, again.put()),
            ERROR_SUCCESS);
}

TEST_F(AnyRegistry, EnumerationGivesNamesTypesAndTheEnd) {
  // A value far larger than any name buffer: the adapter asks for no data, so it never
  // turns the enumeration into ERROR_MORE_DATA.
  std::vector<BYTE> big(64 * 1024, 0x5A);
  Set(L"Big", REG_BINARY, big);
  Set(L"Run", REG_SZ, Text(L"app.exe"));
  Set(L"Count", REG_DWORD, std::vector<BYTE>(4, 0));

  DWORD subKeys = 9, maxSubKey = 9, values = 0, maxName = 0, maxValue = 0;
  ASSERT_EQ(reg().RegQueryInfoKeyW(key_.get(), &subKeys, &maxSubKey, &values, &maxName,
                                   &maxValue),
            ERROR_SUCCESS);
  EXPECT_EQ(subKeys, 0u);
  EXPECT_EQ(values, 3u);
  EXPECT_EQ(maxName, 5u) << "characters of \"Count\", without the terminator";
  EXPECT_EQ(maxValue, big.size());

  std::vector<std::pair<std::wstring, DWORD>> seen;
  for (DWORD index = 0;; ++index) {
    wchar_t name[16];
    DWORD cch = 16;
    DWORD type = 0;
    LSTATUS status = reg().RegEnumValueW(key_.get(), index, name, &cch, &type);
    if (status == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(status, ERROR_SUCCESS) << index;
    EXPECT_EQ(cch, std::wcslen(name)) << "the count leaves out the terminator";
    seen.emplace_back(name, type);
  }
  // Wine keeps values sorted by name (Windows lists a fresh key's values in creation
  // order): nothing may depend on the order; see WineGapValuesEnumerateInNameOrder.
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::pair<std::wstring, DWORD>>{
                      {L"Big", REG_BINARY}, {L"Count", REG_DWORD}, {L"Run", REG_SZ}}));

  wchar_t tiny[3];
  DWORD cch = 3;
  EXPECT_EQ(reg().RegEnumValueW(key_.get(), 0, tiny, &cch, nullptr), ERROR_MORE_DATA);
}

TEST_F(AnyRegistry, SubkeysEnumerateAndDeleteOnlyWhenEmpty) {
  for (const wchar_t* name : {L"Alpha", L"Beta\\Inner"}) {
    UniqueRegKey child;
    ASSERT_EQ(reg().RegCreateKeyExW(key_.get(), name, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                    child.put(), nullptr),
              ERROR_SUCCESS);
  }
  std::vector<std::wstring> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[32];
    DWORD cch = 32;
    LSTATUS status = reg().RegEnumKeyExW(key_.get(), index, name, &cch);
    if (status == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(status, ERROR_SUCCESS);
    names.emplace_back(name, cch);
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Alpha", L"Beta"}));

  EXPECT_EQ(reg().RegDeleteKeyExW(key_.get(), L"Beta", KEY_WOW64_64KEY), ERROR_ACCESS_DENIED)
      << "a key with subkeys is not deleted";
  EXPECT_EQ(reg().RegDeleteKeyExW(key_.get(), L"Alpha", KEY_WOW64_64KEY), ERROR_SUCCESS);
  EXPECT_EQ(reg().RegDeleteKeyExW(key_.get(), L"Alpha", KEY_WOW64_64KEY), ERROR_FILE_NOT_FOUND);
}

TEST_F(AnyRegistry, MissingThingsAreFileNotFound) {
  UniqueRegKey missing;
  EXPECT_EQ(reg().RegOpenKeyExW(key_.get(), L"Nope", 0, KEY_READ, missing.put()),
            ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(missing);
  DWORD size = 0;
  EXPECT_EQ(reg().RegQueryValueExW(key_.get(), L"Nope", nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg().RegDeleteValueW(key_.get(), L"Nope"), ERROR_FILE_NOT_FOUND);

  Set(L"Gone", REG_SZ, Text(L"x"));
  EXPECT_EQ(reg().RegDeleteValueW(key_.get(), L"Gone"), ERROR_SUCCESS);
  EXPECT_EQ(reg().RegQueryValueExW(key_.get(), L"Gone", nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(AnyRegistry, OpeningAnExistingKeyForWriteSaysSo) {
  UniqueRegKey again;
  DWORD disposition = 0;
  ASSERT_EQ(reg().RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), REG_OPTION_NON_VOLATILE,
                                  KEY_WRITE, again.put(), &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
}

// The catalogue reads the 32-bit programs' entries by writing and reading
// HKLM\Software\Wow6432Node through the 64-bit view; a 32-bit view of HKLM\Software is
// the same place.
TEST_F(AnyRegistry, Wow6432NodeThroughThe64BitViewIsThe32BitView) {
  const std::wstring name = RunUniqueName(L"OrvaneWineTest");
  const std::wstring wow = L"Software\\Wow6432Node\\" + name;
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, wow.c_str());
  {
    UniqueRegKey written;
    ASSERT_EQ(reg().RegCreateKeyExW(HKEY_LOCAL_MACHINE, wow.c_str(), REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS | KEY_WOW64_64KEY, written.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(reg().RegSetValueExW(written.get(), L"Where", REG_DWORD,
                                   reinterpret_cast<const BYTE*>("\x20\0\0\0"), 4),
              ERROR_SUCCESS);
  }
  struct View {
    const wchar_t* what;
    std::wstring path;
    REGSAM sam;
  } views[] = {
      {L"plain 64-bit open", wow, KEY_READ},
      {L"64-bit view", wow, KEY_READ | KEY_WOW64_64KEY},
      {L"32-bit view of Software", L"Software\\" + name, KEY_READ | KEY_WOW64_32KEY},
  };
  for (const View& view : views) {
    SCOPED_TRACE(view.what);
    UniqueRegKey read;
    ASSERT_EQ(reg().RegOpenKeyExW(HKEY_LOCAL_MACHINE, view.path.c_str(), 0, view.sam, read.put()),
              ERROR_SUCCESS);
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(reg().RegQueryValueExW(read.get(), L"Where", nullptr,
                                     reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 0x20u);
  }
  UniqueRegKey native;
  EXPECT_EQ(reg().RegOpenKeyExW(HKEY_LOCAL_MACHINE, (L"Software\\" + name).c_str(), 0,
                                KEY_READ | KEY_WOW64_64KEY, native.put()),
            ERROR_FILE_NOT_FOUND)
      << "the 64-bit Software key does not see the 32-bit one";
  EXPECT_EQ(reg().RegDeleteKeyExW(HKEY_LOCAL_MACHINE, wow.c_str(), KEY_WOW64_64KEY),
            ERROR_SUCCESS);
}

}  // namespace
