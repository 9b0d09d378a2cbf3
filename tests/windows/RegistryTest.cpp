// The registry adapter against Wine's registry: the 64-bit view of HKLM\Software. What
// every key does (value types and bytes, the two-call sizes, enumeration, names, deletion)
// is held by the registry's contract table (tests/contract/RegistryContract.cpp), which
// runs over this adapter and over the fake.
#include "WineTest.h"
#include "platform/PlatformHandles.h"

namespace {

class AnyRegistry : public WineTest {
 protected:
  IRegistry& reg() { return PlatformRegistry(); }
};

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
