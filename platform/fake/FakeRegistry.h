// An in-memory registry with the observable behaviour of Win32's: case-insensitive key
// and value names that keep their spelling, typed values as raw bytes, values listed in
// the order they were written and subkeys in the registry's own sorted order, access
// rights per handle, ERROR_KEY_DELETED on handles to deleted keys, the 32-bit view of
// HKLM\Software and an HKLM that a user without administrator rights cannot write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"
#include "platform/fake/FaultPlan.h"

struct RegValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;

  bool operator==(const RegValue&) const = default;
};

// One RegOpenKeyExW, RegCreateKeyExW or RegDeleteKeyExW as the code asked for it: the
// root of the key, the path below that root (before any 32-bit redirection) and the
// access mask passed.
struct RegCall {
  std::string function;
  HKEY root = nullptr;
  std::wstring path;
  REGSAM sam = 0;
};

class FakeRegistry : public IRegistry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  [[nodiscard]] LSTATUS RegOpenKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                      REGSAM samDesired, HKEY* result) override;
  [[nodiscard]] LSTATUS RegCreateKeyExW(HKEY key, const wchar_t* subKey, DWORD options,
                                        REGSAM samDesired, HKEY* result,
                                        DWORD* disposition) override;
  [[nodiscard]] LSTATUS RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD* type,
                                         BYTE* data, DWORD* cbData) override;
  [[nodiscard]] LSTATUS RegEnumValueW(HKEY key, DWORD index, wchar_t* valueName,
                                      DWORD* cchValueName, DWORD* type, BYTE* data = nullptr,
                                      DWORD* cbData = nullptr) override;
  [[nodiscard]] LSTATUS RegEnumKeyExW(HKEY key, DWORD index, wchar_t* name,
                                      DWORD* cchName) override;
  [[nodiscard]] LSTATUS RegQueryInfoKeyW(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLen,
                                         DWORD* values, DWORD* maxValueNameLen,
                                         DWORD* maxValueLen) override;
  [[nodiscard]] LSTATUS RegSetValueExW(HKEY key, const wchar_t* valueName, DWORD type,
                                       const BYTE* data, DWORD cbData) override;
  [[nodiscard]] LSTATUS RegDeleteValueW(HKEY key, const wchar_t* valueName) override;
  [[nodiscard]] LSTATUS RegDeleteKeyExW(HKEY key, const wchar_t* subKey,
                                        REGSAM samDesired) override;
  LSTATUS RegCloseKey(HKEY key) override;

  // Plays a 32-bit process on 64-bit Windows: opening, creating or deleting anything
  // under HKLM\Software without KEY_WOW64_64KEY lands in HKLM\Software\Wow6432Node.
  // (KEY_WOW64_32KEY goes there whether this is on or not.)
  void SetWow64Redirection(bool on);
  // Plays a user without administrator rights: nothing under HKLM can be opened for
  // writing, created or deleted.
  void SetMachineReadOnly(bool on);

  // Test setup and inspection. These work on the stored tree directly: no redirection,
  // no access checks, no faults, nothing in the call log. `root` is a predefined key and
  // `path` is relative to it ("Software\\Vendor"); missing keys are created on writes.
  void CreateKey(HKEY root, std::wstring_view path);
  bool HasKey(HKEY root, std::wstring_view path) const;
  // Makes `path` a symbolic link to another key, as REG_OPTION_CREATE_LINK does: opens
  // and deletes through it reach the target; REG_OPTION_OPEN_LINK opens the link itself,
  // which carries the REG_LINK value "SymbolicLinkValue".
  void SetLink(HKEY root, std::wstring_view path, HKEY targetRoot, std::wstring_view targetPath);
  // Removes a key with everything below it; handles to those keys report
  // ERROR_KEY_DELETED from then on.
  void DeleteTree(HKEY root, std::wstring_view path);
  void SetValue(HKEY root, std::wstring_view path, std::wstring_view name, DWORD type,
                std::vector<BYTE> bytes);
  // Stores the text as Windows does: UTF-16LE with the terminating NUL included.
  void SetString(HKEY root, std::wstring_view path, std::wstring_view name,
                 std::wstring_view text, DWORD type = REG_SZ);
  void SetMultiString(HKEY root, std::wstring_view path, std::wstring_view name,
                      const std::vector<std::wstring>& strings);
  void SetDword(HKEY root, std::wstring_view path, std::wstring_view name, DWORD value);
  std::optional<RegValue> GetValue(HKEY root, std::wstring_view path,
                                   std::wstring_view name) const;
  // The text of a string value up to its first NUL; nullopt when the value is missing
  // or not one of the string types.
  std::optional<std::wstring> GetString(HKEY root, std::wstring_view path,
                                        std::wstring_view name) const;
  std::optional<DWORD> GetDword(HKEY root, std::wstring_view path, std::wstring_view name) const;
  // Names as stored, values in the order they were first written, subkeys sorted the
  // way RegEnumKeyExW returns them. Empty for a missing key.
  std::vector<std::wstring> ValueNames(HKEY root, std::wstring_view path) const;
  std::vector<std::wstring> SubKeyNames(HKEY root, std::wstring_view path) const;

  // Handles handed out and not closed yet (the predefined roots are not counted).
  std::size_t OpenHandleCount() const;
  std::vector<RegCall> CallLog() const;
  void ClearCallLog();

  // The bytes Windows stores for a REG_SZ: UTF-16LE code units and a NUL.
  static std::vector<BYTE> StringBytes(std::wstring_view text);

  FaultPlan faults{
      "FakeRegistry",
      {"RegCloseKey", "RegCreateKeyExW", "RegDeleteKeyExW", "RegDeleteValueW", "RegEnumKeyExW",
       "RegEnumValueW", "RegOpenKeyExW", "RegQueryInfoKeyW", "RegQueryValueExW", "RegSetValueExW"}};

 private:
  struct Key;
  struct OpenKey {
    std::shared_ptr<Key> key;
    REGSAM access = 0;
  };
  using Parts = std::vector<std::wstring>;

  std::shared_ptr<Key> RootKey(HKEY root) const;
  std::shared_ptr<Key> RequireRoot(HKEY root) const;
  LSTATUS Resolve(HKEY handle, OpenKey& open) const;
  Parts InView(HKEY root, Parts parts, REGSAM sam) const;
  bool DeniedOnMachine(HKEY root, REGSAM sam) const;
  std::shared_ptr<Key> Find(HKEY root, const Parts& parts) const;
  std::shared_ptr<Key> FindThroughLinks(HKEY root, const Parts& parts, bool openLastLink) const;
  std::shared_ptr<Key> FindOrCreate(HKEY root, const Parts& parts);
  // The walk RegCreateKeyExW makes: links on the way are followed (the last one only
  // without openLastLink), and missing keys are created where the walk has got to, in
  // whichever hive that is. Without `create` nothing changes; the result is then null
  // when a key is missing, and *landedRoot says in which hive the walk ended. Null with
  // *dangling for a link that points nowhere.
  std::shared_ptr<Key> WalkForCreate(HKEY root, const Parts& parts, bool openLastLink,
                                     bool create, HKEY* landedRoot, bool* dangling);
  HKEY NewHandle(std::shared_ptr<Key> key, REGSAM sam);
  void Record(const char* function, HKEY handle, const wchar_t* subKey, REGSAM sam);

  mutable std::mutex mutex_;
  std::map<HKEY, std::shared_ptr<Key>> roots_;
  std::map<HKEY, OpenKey> handles_;
  std::uintptr_t nextHandle_ = 0x1000;
  bool wow64_ = false;
  bool machineReadOnly_ = false;
  std::vector<RegCall> callLog_;
};
