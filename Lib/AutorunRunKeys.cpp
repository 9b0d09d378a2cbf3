// Values of the machine's native and 32-bit Run keys and of the user's Run key.
#include "Lib/AutorunSources.h"
#include "Lib/MsConfigStore.h"
#include "Lib/StartupApproved.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformHandles.h"

namespace {

// The registry is always read in its 64-bit view, so the 32-bit programs' key is named
// through its Wow6432Node branch.
constexpr wchar_t kMachineRunKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kMachineRun32Key[] =
    L"\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kUserRunKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RunKey {
  HKEY root;
  const wchar_t* path;
};

// The three keys, in the order a refresh reads them.
const RunKey kRunKeys[] = {
    {HKEY_LOCAL_MACHINE, kMachineRunKey},
    {HKEY_LOCAL_MACHINE, kMachineRun32Key},
    {HKEY_CURRENT_USER, kUserRunKey},
};

}  // namespace

void CollectRunKeys(TAutorunList& list) {
  for (const RunKey& key : kRunKeys) CollectRunKey(key.root, key.path, list);
  // Vista and 7 keep what was disabled in the system tool's store: listed as disabled,
  // the tool's own entries too.
  if (!UsesStartupApprovalRecords()) CollectStoredRunValues(list);
}

void CollectRunKey(HKEY rootKey, const std::wstring& keyPath, TAutorunList& list) {
  // One pass over the key gives every name with its command, and the approval key is
  // opened once for all of them: a refresh of a thousand values costs two opens, not
  // four per value.
  std::vector<TRegValue> values;
  HKEY readRoot = rootKey;
  std::wstring readPath = keyPath;
  MapToSessionUser(readRoot, readPath);
  if (!TRegReader(readRoot, readPath).ReadValues(values)) {
    // A Run key that was never created holds nothing; any other failure leaves its
    // values unread. The open is repeated to learn which.
    const std::wstring relative = readPath.substr(readPath.find_first_not_of(L'\\'));
    UniqueRegKey probe;
    const LSTATUS status = PlatformRegistry().RegOpenKeyExW(readRoot, relative.c_str(), 0,
                                                            kRegQueryAccess, probe.put());
    if (status != ERROR_SUCCESS) probe.release();  // a failed open leaves nothing to close
    const std::wstring name = L"the Run key " + RootKeyToName(rootKey, true) + keyPath;
    if (status == ERROR_SUCCESS)
      ReportUnreadSource(name + L": its values could not be listed");
    else if (status != ERROR_FILE_NOT_FOUND)
      ReportUnreadSource(name, static_cast<DWORD>(status));
    return;
  }
  if (values.empty()) return;
  const std::wstring rootName = RootKeyToName(rootKey, true);
  TApprovalRecords records(rootKey, ApprovalKeyForRunKey(keyPath));
  for (TRegValue& value : values) {
    TAutorunInfo entry;
    entry.RawData = RegValueText(value.type, value.data);
    entry.FileName = ExtractCommandFile(entry.RawData);
    entry.Target = rootName + keyPath + L"\\" + value.name;
    entry.From = rootName;
    entry.Enabled = records.StartsAtLogon(value.name);
    entry.Caption = std::move(value.name);
    list.push_back(std::move(entry));
  }
}

bool ParseRunTarget(std::wstring_view target, HKEY& rootKey, std::wstring& keyPath,
                    std::wstring& name) {
  // A value name may hold backslashes, so the Target cannot be split at one: the key
  // part is one of the three Run keys, and everything after it is the name.
  const size_t rootEnd = target.find(L'\\');
  if (rootEnd == std::wstring_view::npos) return false;
  const HKEY root = NameToRootKey(target.substr(0, rootEnd));
  const std::wstring_view rest = target.substr(rootEnd);
  for (const RunKey& key : kRunKeys) {
    const std::wstring_view path = key.path;
    if (key.root != root || rest.size() <= path.size() || rest[path.size()] != L'\\' ||
        !SameTextAscii(rest.substr(0, path.size()), path))
      continue;
    const std::wstring_view valueName = rest.substr(path.size() + 1);
    // The registry functions take names up to their first NUL; such a value cannot be
    // addressed, and a cut name would switch another one (or the default value).
    if (valueName.find(L'\0') != std::wstring_view::npos) return false;
    rootKey = key.root;
    keyPath = path;
    name = valueName;
    return true;
  }
  return false;
}

void SetRunEntryEnabled(const std::wstring& target, bool enable) {
  HKEY rootKey = nullptr;
  std::wstring keyPath;
  std::wstring name;
  if (!ParseRunTarget(target, rootKey, keyPath, name)) return;
  if (UsesStartupApprovalRecords()) {
    // The Run value itself stays untouched; only its approval record changes.
    WriteApprovalRecord(rootKey, ApprovalKeyForRunKey(keyPath), name, enable);
    return;
  }
  // Vista and 7 keep no records: a disabled Run value moves into the system tool's store
  // (that value alone: a subkey of the same name is no entry of ours), and back again.
  if (enable)
    RestoreRunValue(rootKey, keyPath, name);
  else
    StoreRunValue(rootKey, keyPath, name);
}
