// Values of the machine's native and 32-bit Run keys and of the user's Run key.
#include "Lib/AutorunSources.h"
#include "Lib/StartupApproved.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"

namespace {

// The registry is always read in its 64-bit view, so the 32-bit programs' key is named
// through its Wow6432Node branch.
constexpr wchar_t kMachineRunKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kMachineRun32Key[] =
    L"\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kUserRunKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

void CollectRunKeys(TAutorunList& list) {
  CollectRunKey(HKEY_LOCAL_MACHINE, kMachineRunKey, list);
  CollectRunKey(HKEY_LOCAL_MACHINE, kMachineRun32Key, list);
  CollectRunKey(HKEY_CURRENT_USER, kUserRunKey, list);
}

void CollectRunKey(HKEY rootKey, const std::wstring& keyPath, TAutorunList& list) {
  std::vector<std::wstring> names;
  if (TReg::ReadValueNames(rootKey, keyPath, names) == 0) return;
  const std::wstring rootName = RootKeyToName(rootKey, true);
  const std::wstring approvalKey = ApprovalKeyForRunKey(keyPath);
  for (const std::wstring& name : names) {
    TAutorunInfo entry;
    entry.RawData = TReg::ReadString(rootKey, keyPath, name, L"");
    entry.FileName = ExtractCommandFile(entry.RawData);
    entry.Caption = name;
    entry.Target = rootName + keyPath + L"\\" + name;
    entry.From = rootName;
    entry.Enabled = IsStartupApproved(rootKey, approvalKey, name);
    list.push_back(std::move(entry));
  }
}

void SetRunEntryEnabled(const std::wstring& target, bool enable) {
  if (IsWindows10OrLater()) {
    HKEY rootKey = nullptr;
    std::wstring key;
    std::wstring name;
    if (!TReg::Parse(target, rootKey, key, name)) return;
    // The Run value itself stays untouched; only its approval record changes.
    TReg::WriteBinary(rootKey, ApprovalKeyForRunKey(key), name, MakeStartupApproved(enable));
    return;
  }
  // Windows before 10 has no approval records: a disabled Run value is removed.
  if (!enable) TReg::Delete(target);
}
