#include "platform/fake/FakeRegistry.h"

#include <unordered_map>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/fake/CaseFold.h"

namespace {

// RegSetValueExW reads cbData bytes from data; a null pointer with a size is an access
// violation the system reports instead of taking.
constexpr LSTATUS kErrorNoAccess = 998;

constexpr REGSAM kViewFlags = KEY_WOW64_64KEY | KEY_WOW64_32KEY;
// What a user without administrator rights is refused under HKLM.
constexpr REGSAM kMachineWriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE;

struct Value {
  std::wstring name;
  RegValue value;
};

std::vector<std::wstring> SplitParts(std::wstring_view path) {
  // Empty components (a trailing or doubled backslash) are skipped, as the registry's
  // own path parsing does for a trailing one.
  std::vector<std::wstring> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L'\\', start);
    if (end == std::wstring_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// A path below the root: the parent key's own path, then the relative subkey path.
std::vector<std::wstring> PathBelowRoot(const std::wstring& base, std::wstring_view relative) {
  std::vector<std::wstring> parts = SplitParts(base);
  for (std::wstring& part : SplitParts(relative)) parts.push_back(std::move(part));
  return parts;
}

std::wstring JoinParts(const std::vector<std::wstring>& parts) {
  std::wstring path;
  for (const std::wstring& part : parts) {
    if (!path.empty()) path += L'\\';
    path += part;
  }
  return path;
}

// Copies a name with its terminator into a caller's buffer of `capacity` characters.
LSTATUS CopyName(const std::wstring& name, wchar_t* buffer, DWORD* capacity) {
  if (buffer == nullptr || capacity == nullptr) return ERROR_INVALID_PARAMETER;
  // The count includes room for the terminator; a name that does not fit leaves the
  // count as it was, so callers size their buffer from RegQueryInfoKeyW.
  if (*capacity <= name.size()) return ERROR_MORE_DATA;
  std::copy(name.begin(), name.end(), buffer);
  buffer[name.size()] = L'\0';
  *capacity = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

}  // namespace

struct FakeRegistry::Key {
  HKEY root = nullptr;
  std::wstring path;  // below the root, as spelled when the key was created
  std::wstring name;
  std::vector<Value> values;  // in the order they were first written
  // Folded name -> position in values, so a lookup costs the same in a key of ten
  // values as in one of ten thousand (the benchmarks fill keys that large).
  std::unordered_map<std::wstring, size_t> valueIndex;
  // Keyed by the upper-cased name: the hive keeps subkeys sorted by that, so '_' comes
  // after the letters, and RegEnumKeyExW returns them in this order.
  std::map<std::wstring, std::shared_ptr<Key>> subKeys;
  bool deleted = false;
  // A symbolic link (REG_OPTION_CREATE_LINK): opening a path through it lands in the
  // key it points at, unless REG_OPTION_OPEN_LINK asks for the link itself.
  bool isLink = false;
  HKEY linkRoot = nullptr;
  std::vector<std::wstring> linkTarget;

  Value* FindValue(std::wstring_view valueName) {
    const auto found = valueIndex.find(FoldCase(valueName));
    return found == valueIndex.end() ? nullptr : &values[found->second];
  }
  void AddValue(Value value) {
    valueIndex[FoldCase(value.name)] = values.size();
    values.push_back(std::move(value));
  }
  bool EraseValue(std::wstring_view valueName) {
    const auto found = valueIndex.find(FoldCase(valueName));
    if (found == valueIndex.end()) return false;
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(found->second));
    valueIndex.clear();
    for (size_t i = 0; i < values.size(); ++i) valueIndex[FoldCase(values[i].name)] = i;
    return true;
  }
  const Value* FindValue(std::wstring_view valueName) const {
    return const_cast<Key*>(this)->FindValue(valueName);
  }
  Key* FindSubKey(std::wstring_view subKeyName) const {
    const auto found = subKeys.find(FoldCase(subKeyName));
    return found == subKeys.end() ? nullptr : found->second.get();
  }
  void MarkDeleted() {
    deleted = true;
    for (auto& entry : subKeys) entry.second->MarkDeleted();
  }
};

FakeRegistry::FakeRegistry() {
  for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                    HKEY_CURRENT_CONFIG}) {
    auto key = std::make_shared<Key>();
    key->root = root;
    roots_.emplace(root, std::move(key));
  }
}

FakeRegistry::~FakeRegistry() = default;

std::shared_ptr<FakeRegistry::Key> FakeRegistry::RootKey(HKEY root) const {
  const auto found = roots_.find(root);
  return found == roots_.end() ? nullptr : found->second;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::RequireRoot(HKEY root) const {
  auto key = RootKey(root);
  // A test that sets up data under a handle that is no root has a bug of its own.
  if (!key) throw std::invalid_argument("FakeRegistry: not a predefined root key");
  return key;
}

LSTATUS FakeRegistry::Resolve(HKEY handle, OpenKey& open) const {
  if (auto root = RootKey(handle)) {
    // The predefined handles carry every right the user has on the hive.
    open.key = std::move(root);
    open.access = (machineReadOnly_ && handle == HKEY_LOCAL_MACHINE) ? KEY_READ : KEY_ALL_ACCESS;
    return ERROR_SUCCESS;
  }
  const auto found = handles_.find(handle);
  if (found == handles_.end()) return ERROR_INVALID_HANDLE;
  if (found->second.key->deleted) return ERROR_KEY_DELETED;
  open = found->second;
  return ERROR_SUCCESS;
}

FakeRegistry::Parts FakeRegistry::InView(HKEY root, Parts parts, REGSAM sam) const {
  // WOW64 sends a 32-bit process's HKLM\Software to Wow6432Node unless it asks for the
  // 64-bit view explicitly, on every call: the view is not inherited from the handle.
  // Any process that asks for the 32-bit view gets it.
  const bool view32 = (sam & KEY_WOW64_32KEY) != 0 || (wow64_ && (sam & KEY_WOW64_64KEY) == 0);
  if (!view32 || root != HKEY_LOCAL_MACHINE) return parts;
  if (parts.empty() || !SameFolded(parts[0], L"Software")) return parts;
  if (parts.size() >= 2 && SameFolded(parts[1], L"Wow6432Node")) return parts;
  parts.insert(parts.begin() + 1, L"Wow6432Node");
  return parts;
}

bool FakeRegistry::DeniedOnMachine(HKEY root, REGSAM sam) const {
  return machineReadOnly_ && root == HKEY_LOCAL_MACHINE && (sam & kMachineWriteAccess) != 0;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::Find(HKEY root, const Parts& parts) const {
  std::shared_ptr<Key> key = RootKey(root);
  for (const std::wstring& part : parts) {
    if (!key) break;
    const auto found = key->subKeys.find(FoldCase(part));
    key = found == key->subKeys.end() ? nullptr : found->second;
  }
  return key;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::FindThroughLinks(HKEY root, const Parts& parts,
                                                                bool openLastLink) const {
  std::shared_ptr<Key> key = RootKey(root);
  for (size_t i = 0; i < parts.size() && key; ++i) {
    const auto found = key->subKeys.find(FoldCase(parts[i]));
    key = found == key->subKeys.end() ? nullptr : found->second;
    // Windows gives up after a few hops too; links to links are rare.
    for (int hops = 0; key && key->isLink && hops < 16; ++hops) {
      if (openLastLink && i + 1 == parts.size()) break;
      key = Find(key->linkRoot, key->linkTarget);
    }
    if (key && key->isLink && !(openLastLink && i + 1 == parts.size())) key = nullptr;
  }
  return key;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::WalkForCreate(HKEY root, const Parts& parts,
                                                             bool openLastLink, bool create,
                                                             HKEY* landedRoot, bool* dangling) {
  std::shared_ptr<Key> key = RequireRoot(root);
  *dangling = false;
  for (size_t i = 0; i < parts.size(); ++i) {
    *landedRoot = key->root;
    const bool last = i + 1 == parts.size();
    const auto found = key->subKeys.find(FoldCase(parts[i]));
    if (found == key->subKeys.end()) {
      if (!create) return nullptr;
      auto made = std::make_shared<Key>();
      made->root = key->root;
      made->name = parts[i];
      made->path = key->path.empty() ? parts[i] : key->path + L"\\" + parts[i];
      key->subKeys.emplace(FoldCase(parts[i]), made);
      key = std::move(made);
      continue;
    }
    key = found->second;
    for (int hops = 0; key && key->isLink && !(openLastLink && last) && hops < 16; ++hops)
      key = Find(key->linkRoot, key->linkTarget);
    if (!key || (key->isLink && !(openLastLink && last))) {
      *dangling = true;
      return nullptr;
    }
  }
  *landedRoot = key->root;
  return key;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::FindOrCreate(HKEY root, const Parts& parts) {
  std::shared_ptr<Key> key = RequireRoot(root);
  for (const std::wstring& part : parts) {
    auto& slot = key->subKeys[FoldCase(part)];
    if (!slot) {
      slot = std::make_shared<Key>();
      slot->root = root;
      slot->name = part;
      slot->path = key->path.empty() ? part : key->path + L"\\" + part;
    }
    key = slot;
  }
  return key;
}

HKEY FakeRegistry::NewHandle(std::shared_ptr<Key> key, REGSAM sam) {
  // Values are never reused, so a handle kept after RegCloseKey reads as invalid.
  const HKEY handle = reinterpret_cast<HKEY>(nextHandle_);
  nextHandle_ += 4;
  handles_.emplace(handle, OpenKey{std::move(key), sam & ~kViewFlags});
  return handle;
}

void FakeRegistry::Record(const char* function, HKEY handle, const wchar_t* subKey, REGSAM sam) {
  RegCall call;
  call.function = function;
  call.sam = sam;
  Parts parts;
  if (auto root = RootKey(handle)) {
    call.root = handle;
  } else if (const auto found = handles_.find(handle); found != handles_.end()) {
    call.root = found->second.key->root;
    parts = SplitParts(found->second.key->path);
  }
  for (std::wstring& part : SplitParts(subKey == nullptr ? L"" : subKey))
    parts.push_back(std::move(part));
  call.path = JoinParts(parts);
  callLog_.push_back(std::move(call));
}

LSTATUS FakeRegistry::RegOpenKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                    REGSAM samDesired, HKEY* result) {
  const auto fault = faults.Check("RegOpenKeyExW");
  std::lock_guard lock(mutex_);
  Record("RegOpenKeyExW", key, subKey, samDesired);
  if (result != nullptr) *result = nullptr;
  if (fault) return static_cast<LSTATUS>(*fault);
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  OpenKey parent;
  if (const LSTATUS status = Resolve(key, parent); status != ERROR_SUCCESS) return status;
  const std::wstring_view relative = subKey == nullptr ? L"" : subKey;
  if (!relative.empty() && relative.front() == L'\\') return ERROR_BAD_PATHNAME;

  Parts parts = PathBelowRoot(parent.key->path, relative);
  const HKEY root = parent.key->root;
  std::shared_ptr<Key> target = FindThroughLinks(root, InView(root, parts, samDesired),
                                                 (options & REG_OPTION_OPEN_LINK) != 0);
  if (!target) return ERROR_FILE_NOT_FOUND;
  // The rights are checked against the key being opened, after it was found: a link
  // from the user's hive into HKLM is as closed to a user as HKLM itself.
  if (DeniedOnMachine(target->root, samDesired)) return ERROR_ACCESS_DENIED;
  *result = NewHandle(std::move(target), samDesired);
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegCreateKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                      REGSAM samDesired, HKEY* result, DWORD* disposition) {
  const auto fault = faults.Check("RegCreateKeyExW");
  std::lock_guard lock(mutex_);
  Record("RegCreateKeyExW", key, subKey, samDesired);
  if (result != nullptr) *result = nullptr;
  if (fault) return static_cast<LSTATUS>(*fault);
  if (result == nullptr || subKey == nullptr) return ERROR_INVALID_PARAMETER;
  OpenKey parent;
  if (const LSTATUS status = Resolve(key, parent); status != ERROR_SUCCESS) return status;
  const std::wstring_view relative = subKey;
  if (!relative.empty() && relative.front() == L'\\') return ERROR_BAD_PATHNAME;

  Parts parts = PathBelowRoot(parent.key->path, relative);
  const HKEY root = parent.key->root;
  parts = InView(root, std::move(parts), samDesired);
  // As on Windows, a link on the way is followed, the key named itself too unless
  // REG_OPTION_OPEN_LINK asks for the link.
  const bool openLink = (options & REG_OPTION_OPEN_LINK) != 0;
  HKEY landed = root;
  bool dangling = false;
  std::shared_ptr<Key> target = WalkForCreate(root, parts, openLink, false, &landed, &dangling);
  if (dangling) return ERROR_FILE_NOT_FOUND;
  const bool exists = target != nullptr;
  // Creating a key needs the right to create subkeys in HKLM as much as opening one for
  // writing does; the hive that counts is the one the walk ends in.
  if (DeniedOnMachine(landed, samDesired) ||
      (!exists && machineReadOnly_ && landed == HKEY_LOCAL_MACHINE))
    return ERROR_ACCESS_DENIED;
  if (!exists) target = WalkForCreate(root, parts, openLink, true, &landed, &dangling);
  if (!target) return ERROR_FILE_NOT_FOUND;
  if (disposition != nullptr) *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
  *result = NewHandle(std::move(target), samDesired);
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD* type, BYTE* data,
                                       DWORD* cbData) {
  const auto fault = faults.Check("RegQueryValueExW");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey open;
  if (const LSTATUS status = Resolve(key, open); status != ERROR_SUCCESS) return status;
  if ((open.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (data != nullptr && cbData == nullptr) return ERROR_INVALID_PARAMETER;
  const Value* value = open.key->FindValue(valueName == nullptr ? L"" : valueName);
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;

  const auto size = static_cast<DWORD>(value->value.bytes.size());
  if (type != nullptr) *type = value->value.type;
  if (data == nullptr) {
    if (cbData != nullptr) *cbData = size;
    return ERROR_SUCCESS;
  }
  if (*cbData < size) {
    *cbData = size;
    return ERROR_MORE_DATA;
  }
  if (size != 0) std::memcpy(data, value->value.bytes.data(), size);
  *cbData = size;
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegEnumValueW(HKEY key, DWORD index, wchar_t* valueName, DWORD* cchValueName,
                                    DWORD* type, BYTE* data, DWORD* cbData) {
  const auto fault = faults.Check("RegEnumValueW");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey open;
  if (const LSTATUS status = Resolve(key, open); status != ERROR_SUCCESS) return status;
  if ((open.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (index >= open.key->values.size()) return ERROR_NO_MORE_ITEMS;
  const Value& value = open.key->values[index];
  if (data != nullptr && cbData == nullptr) return ERROR_INVALID_PARAMETER;
  const LSTATUS status = CopyName(value.name, valueName, cchValueName);
  if (status != ERROR_SUCCESS) return status;
  if (type != nullptr) *type = value.value.type;
  const auto size = static_cast<DWORD>(value.value.bytes.size());
  if (cbData != nullptr) {
    // As in Win32: the data's size always, the data when the buffer holds it.
    const DWORD capacity = *cbData;
    *cbData = size;
    if (data != nullptr) {
      if (capacity < size) return ERROR_MORE_DATA;
      if (size != 0) std::memcpy(data, value.value.bytes.data(), size);
    }
  }
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegEnumKeyExW(HKEY key, DWORD index, wchar_t* name, DWORD* cchName) {
  const auto fault = faults.Check("RegEnumKeyExW");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey open;
  if (const LSTATUS status = Resolve(key, open); status != ERROR_SUCCESS) return status;
  if ((open.access & KEY_ENUMERATE_SUB_KEYS) == 0) return ERROR_ACCESS_DENIED;
  if (index >= open.key->subKeys.size()) return ERROR_NO_MORE_ITEMS;
  const auto entry = std::next(open.key->subKeys.begin(), static_cast<std::ptrdiff_t>(index));
  return CopyName(entry->second->name, name, cchName);
}

LSTATUS FakeRegistry::RegQueryInfoKeyW(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLen,
                                       DWORD* values, DWORD* maxValueNameLen, DWORD* maxValueLen) {
  const auto fault = faults.Check("RegQueryInfoKeyW");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey open;
  if (const LSTATUS status = Resolve(key, open); status != ERROR_SUCCESS) return status;
  if ((open.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  size_t longestKey = 0;
  for (const auto& entry : open.key->subKeys)
    longestKey = std::max(longestKey, entry.second->name.size());
  size_t longestName = 0;
  size_t longestData = 0;
  for (const Value& value : open.key->values) {
    longestName = std::max(longestName, value.name.size());
    longestData = std::max(longestData, value.value.bytes.size());
  }
  if (subKeys != nullptr) *subKeys = static_cast<DWORD>(open.key->subKeys.size());
  if (maxSubKeyLen != nullptr) *maxSubKeyLen = static_cast<DWORD>(longestKey);
  if (values != nullptr) *values = static_cast<DWORD>(open.key->values.size());
  if (maxValueNameLen != nullptr) *maxValueNameLen = static_cast<DWORD>(longestName);
  if (maxValueLen != nullptr) *maxValueLen = static_cast<DWORD>(longestData);
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegSetValueExW(HKEY key, const wchar_t* valueName, DWORD type,
                                     const BYTE* data, DWORD cbData) {
  const auto fault = faults.Check("RegSetValueExW");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey open;
  if (const LSTATUS status = Resolve(key, open); status != ERROR_SUCCESS) return status;
  if ((open.access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (data == nullptr && cbData != 0) return kErrorNoAccess;
  RegValue stored{type, data == nullptr ? std::vector<BYTE>() : std::vector<BYTE>(data, data + cbData)};
  const std::wstring_view name = valueName == nullptr ? L"" : valueName;
  // Overwriting keeps the value's place and its first spelling.
  if (Value* existing = open.key->FindValue(name))
    existing->value = std::move(stored);
  else
    open.key->AddValue({std::wstring(name), std::move(stored)});
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegDeleteValueW(HKEY key, const wchar_t* valueName) {
  const auto fault = faults.Check("RegDeleteValueW");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey open;
  if (const LSTATUS status = Resolve(key, open); status != ERROR_SUCCESS) return status;
  if ((open.access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  const std::wstring_view name = valueName == nullptr ? L"" : valueName;
  return open.key->EraseValue(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LSTATUS FakeRegistry::RegDeleteKeyExW(HKEY key, const wchar_t* subKey, REGSAM samDesired) {
  const auto fault = faults.Check("RegDeleteKeyExW");
  std::lock_guard lock(mutex_);
  Record("RegDeleteKeyExW", key, subKey, samDesired);
  if (fault) return static_cast<LSTATUS>(*fault);
  OpenKey parent;
  if (const LSTATUS status = Resolve(key, parent); status != ERROR_SUCCESS) return status;
  if (subKey == nullptr) return ERROR_INVALID_PARAMETER;
  const std::wstring_view relative = subKey;
  if (!relative.empty() && relative.front() == L'\\') return ERROR_BAD_PATHNAME;

  Parts parts = PathBelowRoot(parent.key->path, relative);
  const HKEY root = parent.key->root;
  parts = InView(root, std::move(parts), samDesired);
  // An empty subkey names the key itself; a hive's root cannot be deleted.
  if (parts.empty()) return ERROR_ACCESS_DENIED;
  // RegDeleteKeyExW opens the key it deletes like any open does: through a link, to the
  // key the link points at.
  std::shared_ptr<Key> target = FindThroughLinks(root, parts, false);
  if (!target) return ERROR_FILE_NOT_FOUND;
  if (machineReadOnly_ && target->root == HKEY_LOCAL_MACHINE) return ERROR_ACCESS_DENIED;
  // RegDeleteKeyExW removes one key; with subkeys left the system refuses, and callers
  // have to delete from the bottom up.
  if (!target->subKeys.empty()) return ERROR_ACCESS_DENIED;
  const Parts targetParts = SplitParts(target->path);
  if (targetParts.empty()) return ERROR_ACCESS_DENIED;
  std::shared_ptr<Key> owner = Find(target->root, Parts(targetParts.begin(), targetParts.end() - 1));
  if (!owner) return ERROR_FILE_NOT_FOUND;
  owner->subKeys.erase(FoldCase(targetParts.back()));
  target->MarkDeleted();
  return ERROR_SUCCESS;
}

LSTATUS FakeRegistry::RegCloseKey(HKEY key) {
  const auto fault = faults.Check("RegCloseKey");
  std::lock_guard lock(mutex_);
  if (fault) return static_cast<LSTATUS>(*fault);
  // Closing a predefined key is allowed and does nothing.
  if (roots_.count(key) != 0) return ERROR_SUCCESS;
  return handles_.erase(key) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void FakeRegistry::SetWow64Redirection(bool on) {
  std::lock_guard lock(mutex_);
  wow64_ = on;
  // A 64-bit Windows always has the 32-bit view's key.
  if (on) FindOrCreate(HKEY_LOCAL_MACHINE, {L"SOFTWARE", L"WOW6432Node"});
}

void FakeRegistry::SetMachineReadOnly(bool on) {
  std::lock_guard lock(mutex_);
  machineReadOnly_ = on;
}

void FakeRegistry::CreateKey(HKEY root, std::wstring_view path) {
  std::lock_guard lock(mutex_);
  FindOrCreate(root, SplitParts(path));
}

void FakeRegistry::SetLink(HKEY root, std::wstring_view path, HKEY targetRoot,
                           std::wstring_view targetPath) {
  std::lock_guard lock(mutex_);
  RequireRoot(targetRoot);
  std::shared_ptr<Key> link = FindOrCreate(root, SplitParts(path));
  link->isLink = true;
  link->linkRoot = targetRoot;
  link->linkTarget = SplitParts(targetPath);
  // What Windows stores on the link key: the target's native path, without a NUL.
  std::wstring native = targetRoot == HKEY_LOCAL_MACHINE ? L"\\REGISTRY\\MACHINE\\" : L"\\REGISTRY\\USER\\";
  native += targetPath;
  std::vector<BYTE> bytes = StringBytes(native);
  bytes.resize(bytes.size() - 2);
  if (Value* existing = link->FindValue(L"SymbolicLinkValue"))
    existing->value = RegValue{REG_LINK, std::move(bytes)};
  else
    link->AddValue({L"SymbolicLinkValue", RegValue{REG_LINK, std::move(bytes)}});
}

bool FakeRegistry::HasKey(HKEY root, std::wstring_view path) const {
  std::lock_guard lock(mutex_);
  RequireRoot(root);
  return Find(root, SplitParts(path)) != nullptr;
}

void FakeRegistry::DeleteTree(HKEY root, std::wstring_view path) {
  std::lock_guard lock(mutex_);
  RequireRoot(root);
  const Parts parts = SplitParts(path);
  if (parts.empty()) return;
  std::shared_ptr<Key> target = Find(root, parts);
  if (!target) return;
  Find(root, Parts(parts.begin(), parts.end() - 1))->subKeys.erase(FoldCase(parts.back()));
  target->MarkDeleted();
}

void FakeRegistry::SetValue(HKEY root, std::wstring_view path, std::wstring_view name, DWORD type,
                            std::vector<BYTE> bytes) {
  std::lock_guard lock(mutex_);
  std::shared_ptr<Key> key = FindOrCreate(root, SplitParts(path));
  if (Value* existing = key->FindValue(name))
    existing->value = RegValue{type, std::move(bytes)};
  else
    key->AddValue({std::wstring(name), RegValue{type, std::move(bytes)}});
}

std::vector<BYTE> FakeRegistry::StringBytes(std::wstring_view text) {
  std::vector<BYTE> bytes;
  bytes.reserve((text.size() + 1) * 2);
  auto put = [&bytes](std::uint32_t unit) {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>((unit >> 8) & 0xFF));
  };
  for (wchar_t c : text) {
    const auto code = static_cast<std::uint32_t>(c);
    // A 32-bit wchar_t holds whole code points; Windows stores those above the BMP as
    // surrogate pairs.
    if (code > 0xFFFF && code <= 0x10FFFF) {
      put(0xD800 + ((code - 0x10000) >> 10));
      put(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      put(code);
    }
  }
  put(0);
  return bytes;
}

void FakeRegistry::SetString(HKEY root, std::wstring_view path, std::wstring_view name,
                             std::wstring_view text, DWORD type) {
  SetValue(root, path, name, type, StringBytes(text));
}

void FakeRegistry::SetMultiString(HKEY root, std::wstring_view path, std::wstring_view name,
                                  const std::vector<std::wstring>& strings) {
  std::vector<BYTE> bytes;
  for (const std::wstring& text : strings) {
    const std::vector<BYTE> one = StringBytes(text);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  // The list ends with an empty string.
  bytes.push_back(0);
  bytes.push_back(0);
  SetValue(root, path, name, REG_MULTI_SZ, std::move(bytes));
}

void FakeRegistry::SetDword(HKEY root, std::wstring_view path, std::wstring_view name,
                            DWORD value) {
  SetValue(root, path, name, REG_DWORD,
           {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
            static_cast<BYTE>(value >> 24)});
}

std::optional<RegValue> FakeRegistry::GetValue(HKEY root, std::wstring_view path,
                                               std::wstring_view name) const {
  std::lock_guard lock(mutex_);
  RequireRoot(root);
  const std::shared_ptr<Key> key = Find(root, SplitParts(path));
  if (!key) return std::nullopt;
  const Value* value = key->FindValue(name);
  if (value == nullptr) return std::nullopt;
  return value->value;
}

std::optional<std::wstring> FakeRegistry::GetString(HKEY root, std::wstring_view path,
                                                    std::wstring_view name) const {
  const std::optional<RegValue> value = GetValue(root, path, name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ && value->type != REG_MULTI_SZ))
    return std::nullopt;
  std::wstring text;
  const std::vector<BYTE>& bytes = value->bytes;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t unit = bytes[i] | (static_cast<std::uint32_t>(bytes[i + 1]) << 8);
    if (unit == 0) break;
    if constexpr (sizeof(wchar_t) == 4) {
      if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
        const std::uint32_t low = bytes[i + 2] | (static_cast<std::uint32_t>(bytes[i + 3]) << 8);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
          i += 2;
        }
      }
    }
    text.push_back(static_cast<wchar_t>(unit));
  }
  return text;
}

std::optional<DWORD> FakeRegistry::GetDword(HKEY root, std::wstring_view path,
                                            std::wstring_view name) const {
  const std::optional<RegValue> value = GetValue(root, path, name);
  if (!value || value->type != REG_DWORD || value->bytes.size() != 4) return std::nullopt;
  return static_cast<DWORD>(value->bytes[0] | (value->bytes[1] << 8) | (value->bytes[2] << 16) |
                            (static_cast<DWORD>(value->bytes[3]) << 24));
}

std::vector<std::wstring> FakeRegistry::ValueNames(HKEY root, std::wstring_view path) const {
  std::lock_guard lock(mutex_);
  RequireRoot(root);
  std::vector<std::wstring> names;
  if (const std::shared_ptr<Key> key = Find(root, SplitParts(path)))
    for (const Value& value : key->values) names.push_back(value.name);
  return names;
}

std::vector<std::wstring> FakeRegistry::SubKeyNames(HKEY root, std::wstring_view path) const {
  std::lock_guard lock(mutex_);
  RequireRoot(root);
  std::vector<std::wstring> names;
  if (const std::shared_ptr<Key> key = Find(root, SplitParts(path)))
    for (const auto& entry : key->subKeys) names.push_back(entry.second->name);
  return names;
}

std::size_t FakeRegistry::OpenHandleCount() const {
  std::lock_guard lock(mutex_);
  return handles_.size();
}

std::vector<RegCall> FakeRegistry::CallLog() const {
  std::lock_guard lock(mutex_);
  return callLog_;
}

void FakeRegistry::ClearCallLog() {
  std::lock_guard lock(mutex_);
  callLog_.clear();
}
