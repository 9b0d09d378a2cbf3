#include "Lib/MsConfigStore.h"

#include <vector>

#include "Lib/AutorunSources.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"
#include "platform/Utf8.h"

namespace {

// What the system tool writes for a Run value, and reads back.
constexpr wchar_t kHive[] = L"hkey";      // "HKLM" or "HKCU"
constexpr wchar_t kKey[] = L"key";        // the Run key below the hive
constexpr wchar_t kItem[] = L"item";      // the value's name
constexpr wchar_t kCommand[] = L"command";  // its text
constexpr wchar_t kIniMapping[] = L"inimapping";
// The tool keeps only the text and restores a REG_SZ; these two keep the value exact.
constexpr wchar_t kExactType[] = L"OrvaneValueType";
constexpr wchar_t kExactData[] = L"OrvaneValueData";

struct StoredRun {
  std::wstring subKey;
  HKEY root = nullptr;
  std::wstring keyPath;  // as the catalogue names it
  std::wstring name;
};

std::wstring StorePath(const std::wstring& subKey) {
  return std::wstring(kMsConfigRunStore) + L"\\" + subKey;
}

[[noreturn]] void RaiseCannotWrite() {
  throw PlatformError(ERROR_CANTWRITE, PlatformFiles().FormatSystemMessage(ERROR_CANTWRITE));
}

// The value of that exact name, with its type and bytes, read from the key the catalogue's
// root and path stand for.
bool ReadRunValue(HKEY rootKey, std::wstring keyPath, const std::wstring& name, TRegValue& found) {
  MapToSessionUser(rootKey, keyPath);
  std::vector<TRegValue> values;
  if (!TRegReader(rootKey, keyPath).ReadValues(values)) return false;
  for (TRegValue& value : values) {
    if (!SameTextAscii(value.name, name)) continue;
    found = std::move(value);
    return true;
  }
  return false;
}

// Every stored entry that names one of the three Run keys.
std::vector<StoredRun> ReadStore() {
  std::vector<std::wstring> subKeys;
  TReg::ReadKeyNames(HKEY_LOCAL_MACHINE, kMsConfigRunStore, subKeys);
  std::vector<StoredRun> stored;
  for (std::wstring& subKey : subKeys) {
    const std::wstring path = StorePath(subKey);
    const std::wstring hive = TReg::ReadString(HKEY_LOCAL_MACHINE, path, kHive, L"");
    std::wstring key = TReg::ReadString(HKEY_LOCAL_MACHINE, path, kKey, L"");
    const std::wstring item = TReg::ReadString(HKEY_LOCAL_MACHINE, path, kItem, L"");
    while (!key.empty() && key.front() == L'\\') key.erase(0, 1);
    StoredRun entry;
    if (!ParseRunTarget(hive + L"\\" + key + L"\\" + item, entry.root, entry.keyPath, entry.name))
      continue;
    entry.subKey = std::move(subKey);
    stored.push_back(std::move(entry));
  }
  return stored;
}

std::vector<BYTE> StringBytes(const std::wstring& text) {
  const std::string utf16 = WideToUtf16LeBytes(text);
  std::vector<BYTE> bytes(utf16.begin(), utf16.end());
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

}  // namespace

std::wstring FreeMsConfigSubKey(const wchar_t* store, const std::wstring& name) {
  std::wstring base = name;
  for (wchar_t& c : base)
    if (c == L'\\') c = L'^';
  std::wstring candidate = base;
  for (int n = 2; TReg::IsKey(HKEY_LOCAL_MACHINE, std::wstring(store) + L"\\" + candidate); ++n)
    candidate = base + L" (" + std::to_wstring(n) + L")";
  return candidate;
}

// The local time of the disabling, as the system tool stamps its entries.
void StampMsConfigEntry(const std::wstring& path) {
  SYSTEMTIME now{};
  PlatformSystem().GetLocalTime(&now);
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, L"YEAR", now.wYear);
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, L"MONTH", now.wMonth);
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, L"DAY", now.wDay);
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, L"HOUR", now.wHour);
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, L"MINUTE", now.wMinute);
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, L"SECOND", now.wSecond);
}

void StoreRunValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& name) {
  TRegValue value;
  if (!ReadRunValue(rootKey, keyPath, name, value)) return;

  const std::wstring subKey =
      FreeMsConfigSubKey(kMsConfigRunStore, name.empty() ? std::wstring(L"(default)") : name);
  const std::wstring path = StorePath(subKey);
  std::wstring key = keyPath;
  while (!key.empty() && key.front() == L'\\') key.erase(0, 1);
  TReg::WriteString(HKEY_LOCAL_MACHINE, path, kHive, RootKeyToName(rootKey, true));
  TReg::WriteString(HKEY_LOCAL_MACHINE, path, kKey, key);
  TReg::WriteString(HKEY_LOCAL_MACHINE, path, kItem, value.name);
  TReg::WriteString(HKEY_LOCAL_MACHINE, path, kCommand, RegValueText(value.type, value.data));
  TReg::WriteString(HKEY_LOCAL_MACHINE, path, kIniMapping, L"0");
  TReg::WriteInteger(HKEY_LOCAL_MACHINE, path, kExactType, static_cast<std::int32_t>(value.type));
  TReg::WriteBinary(HKEY_LOCAL_MACHINE, path, kExactData, value.data);
  StampMsConfigEntry(path);

  // Only a complete copy lets the original go.
  const bool stored =
      TReg::ReadString(HKEY_LOCAL_MACHINE, path, kItem, L"") == value.name &&
      TReg::ReadInteger(HKEY_LOCAL_MACHINE, path, kExactType, -1) ==
          static_cast<std::int32_t>(value.type) &&
      TReg::ReadBinary(HKEY_LOCAL_MACHINE, path, kExactData) == value.data;
  if (!stored) {
    TReg::DeleteKey(HKEY_LOCAL_MACHINE, kMsConfigRunStore, subKey);
    RaiseCannotWrite();
  }
  HKEY valueRoot = rootKey;
  std::wstring valueKey = keyPath;
  MapToSessionUser(valueRoot, valueKey);
  TReg::DeleteValue(valueRoot, valueKey, value.name);
  TRegValue left;
  if (ReadRunValue(rootKey, keyPath, name, left)) {
    // The original could not be removed: the copy goes, so the entry is not twice.
    TReg::DeleteKey(HKEY_LOCAL_MACHINE, kMsConfigRunStore, subKey);
    RaiseCannotWrite();
  }
}

void RestoreRunValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& name) {
  for (const StoredRun& entry : ReadStore()) {
    if (entry.root != rootKey || !SameTextAscii(entry.keyPath, keyPath) ||
        !SameTextAscii(entry.name, name))
      continue;
    TRegValue existing;
    if (ReadRunValue(rootKey, keyPath, entry.name, existing)) return;

    const std::wstring path = StorePath(entry.subKey);
    const std::int32_t type = TReg::ReadInteger(HKEY_LOCAL_MACHINE, path, kExactType, -1);
    std::vector<BYTE> data;
    DWORD valueType = REG_SZ;
    // Our own entries carry the exact type beside the bytes, written and checked together.
    if (type >= 0) {
      valueType = static_cast<DWORD>(type);
      data = TReg::ReadBinary(HKEY_LOCAL_MACHINE, path, kExactData);
    } else {
      data = StringBytes(TReg::ReadString(HKEY_LOCAL_MACHINE, path, kCommand, L""));
    }
    HKEY valueRoot = rootKey;
    std::wstring valueKey = keyPath;
    MapToSessionUser(valueRoot, valueKey);
    TReg::WriteValue(valueRoot, valueKey, entry.name, valueType, data);
    TRegValue restored;
    if (!ReadRunValue(rootKey, keyPath, entry.name, restored) || restored.type != valueType ||
        restored.data != data)
      RaiseCannotWrite();
    TReg::DeleteKey(HKEY_LOCAL_MACHINE, kMsConfigRunStore, entry.subKey);
    return;
  }
}

void CollectStoredRunValues(TAutorunList& list) {
  for (const StoredRun& entry : ReadStore()) {
    const std::wstring rootName = RootKeyToName(entry.root, true);
    const std::wstring target = rootName + entry.keyPath + L"\\" + entry.name;
    bool listed = false;
    for (const TAutorunInfo& known : list)
      listed = listed || (known.From == rootName && SameTextAscii(known.Target, target));
    if (listed) continue;
    TAutorunInfo info;
    info.RawData = TReg::ReadString(HKEY_LOCAL_MACHINE, StorePath(entry.subKey), kCommand, L"");
    info.FileName = ExtractCommandFile(info.RawData);
    info.Target = target;
    info.From = rootName;
    info.Enabled = false;
    info.Caption = entry.name;
    list.push_back(std::move(info));
  }
}
