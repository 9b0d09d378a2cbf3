#include "Tavin/Registry.h"

#include <algorithm>
#include <array>
#include <new>

#include "Tavin/Text.h"
#include "platform/PlatformHandles.h"
#include "platform/Utf8.h"

namespace {

struct RootName {
  HKEY root;
  const wchar_t* longName;
  const wchar_t* shortName;  // nullptr: the root has none
};

const std::array<RootName, 7>& RootNames() {
  static const std::array<RootName, 7> names = {{
      {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT", L"HKCR"},
      {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"HKCU"},
      {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"HKLM"},
      {HKEY_USERS, L"HKEY_USERS", L"HKU"},
      {HKEY_PERFORMANCE_DATA, L"HKEY_PERFORMANCE_DATA", nullptr},
      {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG", nullptr},
      {HKEY_DYN_DATA, L"HKEY_DYN_DATA", nullptr},
  }};
  return names;
}

// Key paths are always taken from the root, so a leading backslash means nothing; the
// registry itself rejects one.
std::wstring KeyPath(std::wstring_view key) {
  while (!key.empty() && key.front() == L'\\') key.remove_prefix(1);
  return std::wstring(key);
}

// The registry functions take names as NUL-terminated strings, so a name that holds a
// NUL (NtSetValueKey can store one) would reach them cut short and address another
// value, the key's default value for a leading NUL. Such names are never passed on.
bool Addressable(std::wstring_view text) { return text.find(L'\0') == std::wstring_view::npos; }

// Opens an existing key for reading, stepping down from full read rights to what a
// restricted key may still allow.
UniqueRegKey OpenForRead(HKEY rootKey, std::wstring_view key) {
  if (!Addressable(key)) return {};
  const std::wstring path = KeyPath(key);
  UniqueRegKey opened;
  for (REGSAM access : {kRegReadAccess, kRegQueryEnumAccess, kRegQueryAccess}) {
    if (PlatformRegistry().RegOpenKeyExW(rootKey, path.c_str(), 0, access, opened.put()) ==
        ERROR_SUCCESS)
      return opened;
    opened.release();  // a failed open leaves nothing to close
  }
  return {};
}

// Opens a key for writing, creating it (and its parents) when it is missing.
UniqueRegKey OpenForWrite(HKEY rootKey, std::wstring_view key) {
  if (!Addressable(key)) return {};
  const std::wstring path = KeyPath(key);
  UniqueRegKey opened;
  DWORD disposition = 0;
  if (PlatformRegistry().RegCreateKeyExW(rootKey, path.c_str(), REG_OPTION_NON_VOLATILE,
                                         kRegWriteAccess, opened.put(),
                                         &disposition) != ERROR_SUCCESS) {
    opened.release();
    return {};
  }
  return opened;
}

// Opens an existing key with write rights. Deletes use it: removing something must never
// create the keys on the way to it.
UniqueRegKey OpenExistingForWrite(HKEY rootKey, std::wstring_view key) {
  if (!Addressable(key)) return {};
  const std::wstring path = KeyPath(key);
  UniqueRegKey opened;
  if (PlatformRegistry().RegOpenKeyExW(rootKey, path.c_str(), 0, kRegWriteAccess, opened.put()) !=
      ERROR_SUCCESS) {
    opened.release();
    return {};
  }
  return opened;
}

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
};

// Reads a value in two calls: its size, then its data. The value can grow in between;
// the read then reports ERROR_MORE_DATA and fails like any other error.
bool QueryRaw(HKEY key, const std::wstring& name, RawValue& value, bool& sizeKnown) {
  sizeKnown = false;
  if (!Addressable(name)) return false;
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (PlatformRegistry().RegQueryValueExW(key, name.c_str(), &type, nullptr, &size) !=
      ERROR_SUCCESS)
    return false;
  value.type = type;
  try {
    value.bytes.assign(size, 0);
  } catch (const std::bad_alloc&) {
    // A value larger than the memory the process can get reads as missing.
    return false;
  }
  sizeKnown = true;
  if (size == 0) return true;
  DWORD read = size;
  if (PlatformRegistry().RegQueryValueExW(key, name.c_str(), &type, value.bytes.data(), &read) !=
      ERROR_SUCCESS)
    return false;
  value.type = type;
  value.bytes.resize(std::min(read, size));
  return true;
}

// What ReadBinary gives for a value whose size was learnt: its data when it is of a binary
// kind and was read, otherwise that many zero bytes.
std::vector<BYTE> BinaryResult(bool read, const RawValue& value);

bool IsBinaryType(DWORD type) {
  return type == REG_BINARY || type == REG_NONE || type == REG_RESOURCE_LIST ||
         type == REG_FULL_RESOURCE_DESCRIPTOR || type == REG_RESOURCE_REQUIREMENTS_LIST;
}

// The registry's own limits on the length of names, in characters without the NUL.
constexpr DWORD kMaxKeyNameLength = 255;
constexpr DWORD kMaxValueNameLength = 16383;

// Enumerates names with a buffer sized from RegQueryInfoKeyW, growing it when a longer
// name appeared since, up to the longest name the registry allows. A call that still
// reports ERROR_MORE_DATA then is not a name at all, and the enumeration fails.
template <typename Enum>
bool ReadNames(DWORD maxLength, DWORD limit, Enum enumerate, std::vector<std::wstring>& names) {
  std::vector<wchar_t> buffer(static_cast<size_t>(std::min(maxLength, limit)) + 1);
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LSTATUS status = enumerate(index, buffer.data(), &length);
    if (status == ERROR_NO_MORE_ITEMS) return true;
    if (status == ERROR_MORE_DATA) {
      if (buffer.size() > limit) return false;
      buffer.resize(std::min<size_t>(buffer.size() * 2, static_cast<size_t>(limit) + 1));
      continue;
    }
    if (status != ERROR_SUCCESS) return false;
    names.emplace_back(buffer.data(), std::min<size_t>(length, buffer.size()));
    ++index;
  }
}

// Deeper than the registry lets keys nest: a tree that claims more is not followed.
constexpr int kMaxKeyDepth = 512;

// Windows marks a symbolic link by this value on the link key itself, which only an open
// with REG_OPTION_OPEN_LINK reaches.
constexpr wchar_t kSymbolicLinkValue[] = L"SymbolicLinkValue";

// Opens a subkey for enumerating its own subkeys without following it when it is a link,
// with the best rights it grants.
UniqueRegKey OpenSubKeyAsIs(HKEY parent, const std::wstring& name) {
  UniqueRegKey opened;
  for (REGSAM access : {kRegWriteAccess, kRegReadAccess, kRegQueryEnumAccess}) {
    if (PlatformRegistry().RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, access,
                                         opened.put()) == ERROR_SUCCESS)
      return opened;
    opened.release();
  }
  return {};
}

bool IsLink(HKEY key) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  return PlatformRegistry().RegQueryValueExW(key, kSymbolicLinkValue, &type, nullptr, &size) ==
             ERROR_SUCCESS &&
         type == REG_LINK;
}

// Deletes a key and everything below it, deepest first. A link is left where it is:
// RegDeleteKeyExW would follow it and delete the key it points at, which may be anywhere
// in the registry. A subkey that cannot be opened is still deleted when the registry
// allows it (the right to delete a key is its own).
void DeleteKeyTree(HKEY parent, const std::wstring& name, int depth) {
  if (depth > kMaxKeyDepth || !Addressable(name)) return;
  {
    UniqueRegKey child = OpenSubKeyAsIs(parent, name);
    if (!child) {
      // Without even the right to look, whether it is a link cannot be told: leave it.
      return;
    }
    if (IsLink(child.get())) return;
    std::vector<std::wstring> subKeys;
    DWORD count = 0;
    DWORD maxLength = 0;
    if (PlatformRegistry().RegQueryInfoKeyW(child.get(), &count, &maxLength, nullptr, nullptr,
                                            nullptr) == ERROR_SUCCESS) {
      ReadNames(
          maxLength, kMaxKeyNameLength,
          [&](DWORD index, wchar_t* buffer, DWORD* length) {
            return PlatformRegistry().RegEnumKeyExW(child.get(), index, buffer, length);
          },
          subKeys);
    }
    for (const std::wstring& subKey : subKeys) DeleteKeyTree(child.get(), subKey, depth + 1);
  }
  (void)PlatformRegistry().RegDeleteKeyExW(parent, name.c_str(), KEY_WOW64_64KEY);
}

// Opens the key below the root one name at a time with REG_OPTION_OPEN_LINK, creating
// missing keys, so no link on the way is followed; a link found is refused. Creating a
// key cannot give a link: a new key is an ordinary one.
LSTATUS OpenForWriteNoLinks(HKEY rootKey, std::wstring_view key, UniqueRegKey& result) {
  if (!Addressable(key)) return ERROR_INVALID_PARAMETER;
  std::vector<std::wstring> parts;
  const std::wstring path = KeyPath(key);
  for (size_t start = 0; start <= path.size();) {
    size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  UniqueRegKey current;
  HKEY parent = rootKey;
  for (size_t i = 0; i < parts.size(); ++i) {
    // On the way only the rights to look for the link mark and to create the next key.
    const REGSAM access = i + 1 == parts.size()
                              ? kRegWriteAccess
                              : (KEY_QUERY_VALUE | KEY_CREATE_SUB_KEY | KEY_WOW64_64KEY);
    UniqueRegKey next;
    DWORD disposition = 0;
    const LSTATUS status = PlatformRegistry().RegCreateKeyExW(
        parent, parts[i].c_str(), REG_OPTION_NON_VOLATILE | REG_OPTION_OPEN_LINK, access,
        next.put(), &disposition);
    if (status != ERROR_SUCCESS) {
      next.release();
      return status;
    }
    if (IsLink(next.get())) return static_cast<LSTATUS>(ERROR_REPARSE_POINT_ENCOUNTERED);
    current = std::move(next);
    parent = current.get();
  }
  if (!current) return ERROR_INVALID_PARAMETER;  // no key below the root was named
  result = std::move(current);
  return ERROR_SUCCESS;
}

void SetValue(HKEY rootKey, std::wstring_view key, std::wstring_view name, DWORD type,
              const BYTE* data, size_t size) {
  if (!Addressable(name)) return;
  UniqueRegKey opened = OpenForWrite(rootKey, key);
  if (!opened) return;
  const std::wstring valueName(name);
  (void)PlatformRegistry().RegSetValueExW(opened.get(), valueName.c_str(), type, data,
                                          static_cast<DWORD>(size));
}

}  // namespace

std::wstring RootKeyToName(HKEY rootKey, bool shortName) {
  for (const RootName& entry : RootNames()) {
    if (entry.root != rootKey) continue;
    return (shortName && entry.shortName != nullptr) ? entry.shortName : entry.longName;
  }
  return {};
}

HKEY NameToRootKey(std::wstring_view name) {
  for (const RootName& entry : RootNames()) {
    if (SameTextAscii(name, entry.longName)) return entry.root;
    if (entry.shortName != nullptr && SameTextAscii(name, entry.shortName)) return entry.root;
  }
  return nullptr;
}

bool TReg::IsKey(HKEY rootKey, std::wstring_view key) {
  if (!Addressable(key)) return false;
  const std::wstring path = KeyPath(key);
  UniqueRegKey opened;
  if (PlatformRegistry().RegOpenKeyExW(rootKey, path.c_str(), 0, kRegQueryEnumAccess,
                                       opened.put()) != ERROR_SUCCESS) {
    opened.release();
    return false;
  }
  return true;
}

namespace {

std::vector<BYTE> ReadBinaryOf(HKEY opened, std::wstring_view name) {
  RawValue value;
  bool sizeKnown = false;
  const bool read = QueryRaw(opened, std::wstring(name), value, sizeKnown);
  if (!sizeKnown) return {};
  return BinaryResult(read, value);
}

std::vector<BYTE> BinaryResult(bool read, const RawValue& value) {
  // Data is taken only from the binary kinds; for any other type, or a read that failed
  // once the size was known, the caller gets that many zero bytes.
  if (!read || !IsBinaryType(value.type)) return std::vector<BYTE>(value.bytes.size(), 0);
  return value.bytes;
}

}  // namespace

std::vector<BYTE> TReg::ReadBinary(HKEY rootKey, std::wstring_view key, std::wstring_view name) {
  UniqueRegKey opened = OpenForRead(rootKey, key);
  if (!opened) return {};
  return ReadBinaryOf(opened.get(), name);
}

bool TReg::ReadBool(HKEY rootKey, std::wstring_view key, std::wstring_view name, bool value) {
  return ReadInteger(rootKey, key, name, value ? 1 : 0) != 0;
}

std::int32_t TReg::ReadInteger(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                               std::int32_t value) {
  UniqueRegKey opened = OpenForRead(rootKey, key);
  if (!opened) return value;
  RawValue raw;
  bool sizeKnown = false;
  if (!QueryRaw(opened.get(), std::wstring(name), raw, sizeKnown)) return value;
  // A big-endian DWORD is taken as stored: the bytes are not swapped.
  if ((raw.type != REG_DWORD && raw.type != REG_DWORD_BIG_ENDIAN) || raw.bytes.size() != 4)
    return value;
  const std::uint32_t bits = static_cast<std::uint32_t>(raw.bytes[0]) |
                             (static_cast<std::uint32_t>(raw.bytes[1]) << 8) |
                             (static_cast<std::uint32_t>(raw.bytes[2]) << 16) |
                             (static_cast<std::uint32_t>(raw.bytes[3]) << 24);
  return static_cast<std::int32_t>(bits);
}

std::wstring TReg::ReadString(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                              std::wstring_view value) {
  UniqueRegKey opened = OpenForRead(rootKey, key);
  if (!opened) return std::wstring(value);
  RawValue raw;
  bool sizeKnown = false;
  // From here on every failure reads as the empty string: the key exists.
  if (!QueryRaw(opened.get(), std::wstring(name), raw, sizeKnown)) return {};
  return RegValueText(raw.type, raw.bytes);
}

std::wstring RegValueText(DWORD type, const std::vector<BYTE>& data) {
  // Other types have no defined text; multi-strings give their first string and
  // everything else nothing, which keeps command lines of odd values harmless.
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return {};
  std::wstring text = Utf16LeBytesToWide(data.data(), data.size());
  const size_t nul = text.find(L'\0');
  if (nul != std::wstring::npos) text.resize(nul);
  return text;
}

TRegReader::TRegReader(HKEY rootKey, std::wstring_view key) : key_(OpenForRead(rootKey, key)) {}

std::vector<BYTE> TRegReader::ReadBinary(std::wstring_view name) {
  if (!key_) return {};
  return ReadBinaryOf(key_.get(), name);
}

bool TRegReader::ReadValues(std::vector<TRegValue>& values) {
  values.clear();
  if (!key_) return false;
  DWORD count = 0;
  DWORD maxName = 0;
  DWORD maxData = 0;
  if (PlatformRegistry().RegQueryInfoKeyW(key_.get(), nullptr, nullptr, &count, &maxName,
                                          &maxData) != ERROR_SUCCESS)
    return false;
  try {
    // Buffers sized for the longest name and the largest data the key reports; a value
    // that grew since makes the call ask for more, up to the registry's name limit.
    std::vector<wchar_t> name(static_cast<size_t>(std::min(maxName, kMaxValueNameLength)) + 1);
    std::vector<BYTE> data(std::max<DWORD>(maxData, 1));
    values.reserve(count);
    for (DWORD index = 0;;) {
      DWORD nameLength = static_cast<DWORD>(name.size());
      DWORD dataSize = static_cast<DWORD>(data.size());
      DWORD type = REG_NONE;
      const LSTATUS status = PlatformRegistry().RegEnumValueW(
          key_.get(), index, name.data(), &nameLength, &type, data.data(), &dataSize);
      if (status == ERROR_NO_MORE_ITEMS) return true;
      if (status == ERROR_MORE_DATA) {
        if (dataSize > data.size()) {
          data.resize(dataSize);
        } else if (name.size() <= kMaxValueNameLength) {
          name.resize(std::min<size_t>(name.size() * 2, kMaxValueNameLength + 1));
        } else {
          values.clear();
          return false;
        }
        continue;
      }
      if (status != ERROR_SUCCESS) {
        values.clear();
        return false;
      }
      TRegValue& value = values.emplace_back();
      value.name.assign(name.data(), std::min<size_t>(nameLength, name.size()));
      value.type = type;
      value.data.assign(data.begin(), data.begin() + std::min<size_t>(dataSize, data.size()));
      ++index;
    }
  } catch (const std::bad_alloc&) {
    values.clear();
    return false;
  }
}

int TReg::ReadKeyNames(HKEY rootKey, std::wstring_view key, std::vector<std::wstring>& keyNames) {
  keyNames.clear();
  UniqueRegKey opened = OpenForRead(rootKey, key);
  if (!opened) return 0;
  DWORD count = 0;
  DWORD maxLength = 0;
  if (PlatformRegistry().RegQueryInfoKeyW(opened.get(), &count, &maxLength, nullptr, nullptr,
                                          nullptr) != ERROR_SUCCESS)
    return 0;
  bool complete = false;
  try {
    complete = ReadNames(
        maxLength, kMaxKeyNameLength,
        [&](DWORD index, wchar_t* buffer, DWORD* length) {
          return PlatformRegistry().RegEnumKeyExW(opened.get(), index, buffer, length);
        },
        keyNames);
  } catch (const std::bad_alloc&) {
    // A key with more names than memory holds lists nothing rather than a part.
  }
  if (!complete) keyNames.clear();
  return static_cast<int>(keyNames.size());
}

int TReg::ReadValueNames(HKEY rootKey, std::wstring_view key,
                         std::vector<std::wstring>& valueNames) {
  valueNames.clear();
  UniqueRegKey opened = OpenForRead(rootKey, key);
  if (!opened) return 0;
  DWORD count = 0;
  DWORD maxLength = 0;
  if (PlatformRegistry().RegQueryInfoKeyW(opened.get(), nullptr, nullptr, &count, &maxLength,
                                          nullptr) != ERROR_SUCCESS)
    return 0;
  bool complete = false;
  try {
    complete = ReadNames(
        maxLength, kMaxValueNameLength,
        [&](DWORD index, wchar_t* buffer, DWORD* length) {
          return PlatformRegistry().RegEnumValueW(opened.get(), index, buffer, length, nullptr);
        },
        valueNames);
  } catch (const std::bad_alloc&) {
    // As for subkeys: nothing rather than a part.
  }
  if (!complete) valueNames.clear();
  return static_cast<int>(valueNames.size());
}

LSTATUS TReg::WriteBinaryNoLinks(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                                 const std::vector<BYTE>& value) {
  if (!Addressable(name)) return ERROR_INVALID_PARAMETER;
  UniqueRegKey opened;
  if (const LSTATUS status = OpenForWriteNoLinks(rootKey, key, opened); status != ERROR_SUCCESS)
    return status;
  const std::wstring valueName(name);
  return PlatformRegistry().RegSetValueExW(opened.get(), valueName.c_str(), REG_BINARY,
                                           value.data(), static_cast<DWORD>(value.size()));
}

void TReg::WriteBinary(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                       const std::vector<BYTE>& value) {
  SetValue(rootKey, key, name, REG_BINARY, value.data(), value.size());
}

void TReg::WriteValue(HKEY rootKey, std::wstring_view key, std::wstring_view name, DWORD type,
                      const std::vector<BYTE>& data) {
  SetValue(rootKey, key, name, type, data.data(), data.size());
}

void TReg::WriteInteger(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                        std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const BYTE data[4] = {static_cast<BYTE>(bits), static_cast<BYTE>(bits >> 8),
                        static_cast<BYTE>(bits >> 16), static_cast<BYTE>(bits >> 24)};
  SetValue(rootKey, key, name, REG_DWORD, data, sizeof data);
}

void TReg::WriteString(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                       std::wstring_view value) {
  // REG_SZ data carries its terminating NUL.
  std::string bytes = WideToUtf16LeBytes(value);
  bytes.append(2, '\0');
  SetValue(rootKey, key, name, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

void TReg::DeleteKey(HKEY rootKey, std::wstring_view key, std::wstring_view name) {
  // An empty name would address the key itself, not a subkey of it.
  if (name.empty()) return;
  UniqueRegKey opened = OpenExistingForWrite(rootKey, key);
  if (!opened) return;
  DeleteKeyTree(opened.get(), std::wstring(name), 0);
}

void TReg::DeleteValue(HKEY rootKey, std::wstring_view key, std::wstring_view name) {
  if (!Addressable(name)) return;
  UniqueRegKey opened = OpenExistingForWrite(rootKey, key);
  if (!opened) return;
  const std::wstring valueName(name);
  (void)PlatformRegistry().RegDeleteValueW(opened.get(), valueName.c_str());
}

bool TReg::Parse(std::wstring_view text, HKEY& rootKey, std::wstring& key, std::wstring& name) {
  key.clear();
  name.clear();
  std::vector<std::wstring_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t pos = text.find(L'\\', start);
    if (pos == std::wstring_view::npos) {
      parts.push_back(text.substr(start));
      break;
    }
    parts.push_back(text.substr(start, pos - start));
    start = pos + 1;
  }
  if (parts.size() < 3) return false;
  rootKey = NameToRootKey(parts.front());
  for (size_t i = 1; i + 1 < parts.size(); ++i) {
    if (i > 1) key += L'\\';
    key += parts[i];
  }
  key = KeyPath(key);
  name = std::wstring(parts.back());
  return true;
}

void TReg::Delete(std::wstring_view text) {
  HKEY rootKey = nullptr;
  std::wstring key;
  std::wstring name;
  if (!Parse(text, rootKey, key, name)) return;
  // The empty name is the key's default value, never a subkey: treating it as one would
  // delete the whole key the value lives in.
  if (!name.empty() && IsKey(rootKey, key + L"\\" + name))
    DeleteKey(rootKey, key, name);
  else
    DeleteValue(rootKey, key, name);
}
