// Registry data of any type and length, with any name, must read as its documented
// result: the Run-key source and the approval records read values they did not write.
#include <algorithm>
#include <cstdlib>

#include "Lib/Autorun.h"
#include "Lib/AutorunSources.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "fuzz/FuzzInput.h"
#include "platform/fake/FakePlatform.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedRun[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

}  // namespace

// Layout: byte 0 the value type, byte 1 the length of the name in bytes, then the name
// (UTF-16LE), then the data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const DWORD type = data[0] % 12;
  const size_t nameBytes = std::min<size_t>(data[1], size - 2);
  // Win32 passes value names NUL-terminated, so no name holds a NUL.
  std::wstring name = FuzzText(data + 2, nameBytes);
  name.resize(std::min(name.size(), name.find(L'\0')));
  const std::vector<BYTE> bytes(data + 2 + nameBytes, data + size);

  // Made once: setting up every fake for each input cost more than the reading. What an
  // input writes is removed again before the next one (a failed check ends the run).
  static FakePlatform& fake = *new FakePlatform;
  fake.registry.SetValue(HKEY_CURRENT_USER, kRunKey, name, type, bytes);
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, name, type, bytes);

  const std::vector<BYTE> binary = TReg::ReadBinary(HKEY_CURRENT_USER, kRunKey, name);
  if (binary.size() != bytes.size()) std::abort();
  const std::wstring text = TReg::ReadString(HKEY_CURRENT_USER, kRunKey, name, L"default");
  if (text.size() > bytes.size()) std::abort();
  (void)TReg::ReadInteger(HKEY_CURRENT_USER, kRunKey, name, 0);

  TAutorunList list;
  CollectRunKeys(list);
  if (list.size() != 1 || list[0].Caption != name) std::abort();
  if (fake.registry.OpenHandleCount() != 0) std::abort();

  fake.registry.DeleteTree(HKEY_CURRENT_USER, kRunKey);
  fake.registry.DeleteTree(HKEY_CURRENT_USER, kApprovedRun);
  fake.registry.ClearCallLog();
  return 0;
}
