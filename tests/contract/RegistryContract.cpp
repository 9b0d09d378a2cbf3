// The registry's contract: value types and their exact bytes, the two-call sizes, strings
// without a terminator, enumeration order and its end, name buffers, access per handle,
// deleting keys, and names with backslashes or NULs.
#include <string>
#include <vector>

#include "tests/contract/ContractWorlds.h"

namespace {

// A key handle, closed through the registry that opened it.
class Key {
 public:
  explicit Key(IRegistry& reg) : reg_(reg) {}
  ~Key() { Reset(); }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY* Put() {
    Reset();
    return &key_;
  }
  HKEY Get() const { return key_; }
  void Reset() {
    if (key_ != nullptr) (void)reg_.RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  IRegistry& reg_;
  HKEY key_ = nullptr;
};

std::wstring Below(RegistryWorld& w, const std::wstring& sub) {
  return sub.empty() ? w.Base() : w.Base() + L"\\" + sub;
}

LSTATUS Open(RegistryWorld& w, Key& key, const std::wstring& sub, REGSAM sam) {
  return w.Registry().RegOpenKeyExW(HKEY_CURRENT_USER, Below(w, sub).c_str(), 0, sam, key.Put());
}

LSTATUS Create(RegistryWorld& w, Key& key, const std::wstring& sub, DWORD* disposition = nullptr) {
  return w.Registry().RegCreateKeyExW(HKEY_CURRENT_USER, Below(w, sub).c_str(),
                                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, key.Put(),
                                      disposition);
}

std::string Set(IRegistry& reg, HKEY key, const wchar_t* name, DWORD type,
                const std::vector<BYTE>& data, size_t count) {
  return ErrorName(static_cast<DWORD>(
      reg.RegSetValueExW(key, name, type, data.data(), static_cast<DWORD>(count))));
}

std::string Set(IRegistry& reg, HKEY key, const wchar_t* name, DWORD type,
                const std::vector<BYTE>& data) {
  return Set(reg, key, name, type, data, data.size());
}

// The two calls a reader makes: the size and type, then the bytes into a buffer with
// room to spare (so a size that grew or a write past the data would show).
std::string Read(IRegistry& reg, HKEY key, const wchar_t* name) {
  DWORD type = 0xDEAD;
  DWORD size = 0;
  LSTATUS status = reg.RegQueryValueExW(key, name, &type, nullptr, &size);
  if (status != ERROR_SUCCESS) return ErrorName(static_cast<DWORD>(status));
  std::vector<BYTE> data(size + 8, 0xCC);
  DWORD filled = static_cast<DWORD>(data.size());
  status = reg.RegQueryValueExW(key, name, &type, data.data(), &filled);
  if (status != ERROR_SUCCESS) return "second call " + ErrorName(static_cast<DWORD>(status));
  std::string line = "type=" + std::to_string(type) + " size=" + std::to_string(size);
  if (filled != size) line += " then " + std::to_string(filled);
  return line + " " + Hex(data.data(), filled);
}

// Names by index until the call says there are no more, then how it ended.
void EnumValues(IRegistry& reg, HKEY key, Transcript& seen) {
  for (DWORD index = 0;; ++index) {
    wchar_t name[64];
    DWORD cch = 64;
    DWORD type = 0;
    const LSTATUS status = reg.RegEnumValueW(key, index, name, &cch, &type);
    if (status != ERROR_SUCCESS) {
      seen.push_back("values end " + ErrorName(static_cast<DWORD>(status)));
      return;
    }
    seen.push_back("value " + Shown(std::wstring(name, cch)));
  }
}

void EnumKeys(IRegistry& reg, HKEY key, Transcript& seen) {
  for (DWORD index = 0;; ++index) {
    wchar_t name[64];
    DWORD cch = 64;
    const LSTATUS status = reg.RegEnumKeyExW(key, index, name, &cch);
    if (status != ERROR_SUCCESS) {
      seen.push_back("keys end " + ErrorName(static_cast<DWORD>(status)));
      return;
    }
    seen.push_back("key " + Shown(std::wstring(name, cch)));
  }
}

const std::vector<BYTE> kSz = Utf16(std::wstring(L"ab", 3));  // with its terminator

const std::vector<RegistryCase> kCases = {
    {"ValueTypesReadBackWithTheirExactBytes",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key key(reg);
       if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       const std::vector<BYTE> multi = Utf16(std::wstring(L"a\0b\0", 5));
       const std::vector<BYTE> dword = {0x78, 0x56, 0x34, 0x12};
       const std::vector<BYTE> qword = {8, 7, 6, 5, 4, 3, 2, 1};
       const std::vector<BYTE> binary = {0x00, 0x01, 0xFF};
       struct Value {
         const wchar_t* name;
         DWORD type;
         std::vector<BYTE> data;
       } values[] = {{L"sz", REG_SZ, kSz},
                     {L"expand", REG_EXPAND_SZ, Utf16(std::wstring(L"%A%", 4))},
                     {L"multi", REG_MULTI_SZ, multi},
                     {L"dword", REG_DWORD, dword},
                     {L"qword", REG_QWORD, qword},
                     {L"binary", REG_BINARY, binary},
                     {L"none", REG_NONE, {}}};
       for (const Value& v : values) {
         const std::string status = Set(reg, key.Get(), v.name, v.type, v.data);
         if (status != "ERROR_SUCCESS") seen.push_back("set " + Shown(v.name) + " " + status);
       }
       for (const Value& v : values) seen.push_back(Shown(v.name) + " " + Read(reg, key.Get(), v.name));
     },
     {"sz type=1 size=6 610062000000", "expand type=2 size=8 2500410025000000",
      "multi type=7 size=10 61000000620000000000", "dword type=4 size=4 78563412",
      "qword type=11 size=8 0807060504030201", "binary type=3 size=3 0001ff",
      "none type=0 size=0 -"}},

    {"TwoCallSizes",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key key(reg);
       if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       const std::vector<BYTE> path = Utf16(std::wstring(L"abcdef", 7));
       (void)Set(reg, key.Get(), L"Path", REG_SZ, path);
       DWORD size = 0;
       DWORD type = 0;
       LSTATUS status = reg.RegQueryValueExW(key.Get(), L"Path", &type, nullptr, &size);
       seen.push_back("no buffer " + ErrorName(static_cast<DWORD>(status)) + " size=" + std::to_string(size));
       BYTE small[4] = {};
       size = sizeof small;
       type = 0;
       status = reg.RegQueryValueExW(key.Get(), L"Path", &type, small, &size);
       seen.push_back("small " + ErrorName(static_cast<DWORD>(status)) + " size=" + std::to_string(size) +
                      " type=" + std::to_string(type));
       std::vector<BYTE> exact(14);
       size = 14;
       status = reg.RegQueryValueExW(key.Get(), L"Path", &type, exact.data(), &size);
       seen.push_back("exact " + ErrorName(static_cast<DWORD>(status)) + " size=" + std::to_string(size));
       type = 0;
       status = reg.RegQueryValueExW(key.Get(), L"Path", &type, nullptr, nullptr);
       seen.push_back("type only " + ErrorName(static_cast<DWORD>(status)) + " type=" + std::to_string(type));
       wchar_t name[16];
       DWORD cch = 16;
       size = sizeof small;
       status = reg.RegEnumValueW(key.Get(), 0, name, &cch, &type, small, &size);
       seen.push_back("enum small " + ErrorName(static_cast<DWORD>(status)) + " size=" + std::to_string(size));
       cch = 16;
       size = 0;
       status = reg.RegEnumValueW(key.Get(), 0, name, &cch, &type, nullptr, &size);
       seen.push_back("enum size " + ErrorName(static_cast<DWORD>(status)) + " size=" + std::to_string(size));
       DWORD subKeys = 9, maxSubKey = 9, values = 9, maxName = 9, maxData = 9;
       status = reg.RegQueryInfoKeyW(key.Get(), &subKeys, &maxSubKey, &values, &maxName, &maxData);
       seen.push_back("info " + ErrorName(static_cast<DWORD>(status)) + " subkeys=" +
                      std::to_string(subKeys) + "/" + std::to_string(maxSubKey) + " values=" +
                      std::to_string(values) + " name=" + std::to_string(maxName) +
                      " data=" + std::to_string(maxData));
     },
     {"no buffer ERROR_SUCCESS size=14", "small ERROR_MORE_DATA size=14 type=1",
      "exact ERROR_SUCCESS size=14", "type only ERROR_SUCCESS type=1",
      "enum small ERROR_MORE_DATA size=14", "enum size ERROR_SUCCESS size=14",
      "info ERROR_SUCCESS subkeys=0/0 values=1 name=4 data=14"}},

    // Strings are stored with the byte count given: readers cannot count on a
    // terminator, nor on an even size.
    {"StringsKeepTheByteCountGiven",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key key(reg);
       if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       const std::vector<BYTE> abcd = Utf16(L"abcd");
       (void)Set(reg, key.Get(), L"unterminated", REG_SZ, abcd, 6);
       (void)Set(reg, key.Get(), L"odd", REG_SZ, abcd, 5);
       (void)Set(reg, key.Get(), L"inner nul", REG_SZ, Utf16(std::wstring(L"a\0b", 4)));
       (void)Set(reg, key.Get(), L"binary", REG_BINARY, abcd, 6);
       for (const wchar_t* name : {L"unterminated", L"odd", L"inner nul", L"binary"})
         seen.push_back(Shown(name) + " " + Read(reg, key.Get(), name));
     },
     {"unterminated type=1 size=6 610062006300", "odd type=1 size=5 6100620063",
      "inner nul type=1 size=8 6100000062000000", "binary type=3 size=6 610062006300"}},

    {"TerminatorJustBehindTheCount",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key key(reg);
       if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       (void)Set(reg, key.Get(), L"sz", REG_SZ, kSz, 4);
       seen.push_back("sz " + Read(reg, key.Get(), L"sz"));
     },
     {"sz type=1 size=6 610062000000"},
     nullptr,
     {},
     "A count that leaves out the terminator while one lies just behind it is taken to "
     "include it (Wine does so too, and its source says Windows NT does). The fake keeps "
     "the count it is given: to see the terminator it would have to read past the caller's "
     "buffer, which the sanitizers rightly refuse. Readers then meet the unterminated "
     "string, the stricter case for them.",
     {"sz type=1 size=4 61006200"}},

    // The documentation leaves the order of values and subkeys open ("any new value will
    // have an arbitrary index"); what Windows does in practice is kept by the fake:
    // values in the order they were first written, subkeys sorted by their upper-cased
    // names, so '_' comes after the letters.
    {"EnumerationOrderAndItsEnd",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key key(reg);
       if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       for (const wchar_t* name : {L"Zulu", L"alpha", L"_under", L"Mike"}) {
         (void)Set(reg, key.Get(), name, REG_SZ, kSz);
         Key child(reg);
         (void)Create(w, child, name);
       }
       EnumValues(reg, key.Get(), seen);
       EnumKeys(reg, key.Get(), seen);
     },
     {"value Zulu", "value alpha", "value _under", "value Mike", "values end ERROR_NO_MORE_ITEMS",
      "key alpha", "key Mike", "key Zulu", "key _under", "keys end ERROR_NO_MORE_ITEMS"},
     "Wine keeps values sorted by name as well, and compares names folded to lower case, "
     "so '_' sorts before the letters in both lists.",
     {"value _under", "value alpha", "value Mike", "value Zulu", "values end ERROR_NO_MORE_ITEMS",
      "key _under", "key alpha", "key Mike", "key Zulu", "keys end ERROR_NO_MORE_ITEMS"}},

    {"NameBuffersNeedRoomForTheTerminator",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key key(reg);
       if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       (void)Set(reg, key.Get(), L"Seven77", REG_SZ, kSz);
       Key child(reg);
       (void)Create(w, child, L"Seven77");
       for (DWORD capacity : {7u, 8u}) {
         wchar_t name[16] = {};
         DWORD cch = capacity;
         LSTATUS status = reg.RegEnumValueW(key.Get(), 0, name, &cch, nullptr);
         seen.push_back("value in " + std::to_string(capacity) + " " +
                        ErrorName(static_cast<DWORD>(status)) + " cch=" + std::to_string(cch));
         cch = capacity;
         status = reg.RegEnumKeyExW(key.Get(), 0, name, &cch);
         seen.push_back("key in " + std::to_string(capacity) + " " +
                        ErrorName(static_cast<DWORD>(status)) + " cch=" + std::to_string(cch));
       }
     },
     {"value in 7 ERROR_MORE_DATA cch=7", "key in 7 ERROR_MORE_DATA cch=7",
      "value in 8 ERROR_SUCCESS cch=7", "key in 8 ERROR_SUCCESS cch=7"}},

    {"AccessFollowsTheHandle",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       {
         Key key(reg);
         if (Open(w, key, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
         (void)Set(reg, key.Get(), L"v", REG_SZ, kSz);
       }
       Key read(reg);
       seen.push_back("open read " + ErrorName(static_cast<DWORD>(Open(w, read, L"", KEY_READ))));
       seen.push_back("read: set " + Set(reg, read.Get(), L"v", REG_SZ, kSz));
       seen.push_back("read: delete value " +
                      ErrorName(static_cast<DWORD>(reg.RegDeleteValueW(read.Get(), L"v"))));
       seen.push_back("read: query " + Read(reg, read.Get(), L"v"));
       Key write(reg);
       seen.push_back("open set " + ErrorName(static_cast<DWORD>(Open(w, write, L"", KEY_SET_VALUE))));
       seen.push_back("set: query " + Read(reg, write.Get(), L"v"));
       wchar_t name[16];
       DWORD cch = 16;
       seen.push_back("set: enum keys " +
                      ErrorName(static_cast<DWORD>(reg.RegEnumKeyExW(write.Get(), 0, name, &cch))));
       seen.push_back("set: set " + Set(reg, write.Get(), L"v", REG_SZ, kSz));
     },
     {"open read ERROR_SUCCESS", "read: set ERROR_ACCESS_DENIED",
      "read: delete value ERROR_ACCESS_DENIED", "read: query type=1 size=6 610062000000",
      "open set ERROR_SUCCESS", "set: query ERROR_ACCESS_DENIED",
      "set: enum keys ERROR_ACCESS_DENIED", "set: set ERROR_SUCCESS"}},

    // RegDeleteKeyExW deletes one key: the documentation asks callers to delete the
    // subkeys first, and the system refuses a key that still has them.
    {"DeletingKeysFromTheBottomUp",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       Key child(reg);
       (void)Create(w, child, L"Parent\\Child");
       auto remove = [&](const wchar_t* sub, REGSAM view = 0) {
         return ErrorName(static_cast<DWORD>(reg.RegDeleteKeyExW(base.Get(), sub, view)));
       };
       seen.push_back("parent with child " + remove(L"Parent"));
       // The program deletes in the 64-bit view; outside HKLM\Software there is one view.
       seen.push_back("child " + remove(L"Parent\\Child", KEY_WOW64_64KEY));
       seen.push_back("handle to the deleted child: set " + Set(reg, child.Get(), L"v", REG_SZ, kSz));
       seen.push_back("parent " + remove(L"Parent"));
       seen.push_back("parent again " + remove(L"Parent"));
     },
     {"parent with child ERROR_ACCESS_DENIED", "child ERROR_SUCCESS",
      "handle to the deleted child: set ERROR_KEY_DELETED", "parent ERROR_SUCCESS",
      "parent again ERROR_FILE_NOT_FOUND"}},

    // A value name is any text, backslashes included; a key name given to a call is a
    // path, so its backslashes make levels.
    {"BackslashesInNames",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       seen.push_back("set a\\b " + Set(reg, base.Get(), L"a\\b", REG_SZ, kSz));
       seen.push_back("read a\\b " + Read(reg, base.Get(), L"a\\b"));
       Key made(reg);
       DWORD disposition = 0;
       const LSTATUS created = Create(w, made, L"x\\y", &disposition);
       seen.push_back("create x\\y " + ErrorName(static_cast<DWORD>(created)) +
                      " disposition=" + std::to_string(disposition));
       EnumValues(reg, base.Get(), seen);
       EnumKeys(reg, base.Get(), seen);
       Key opened(reg);
       seen.push_back("open x\\y\\ " + ErrorName(static_cast<DWORD>(Open(w, opened, L"x\\y\\", KEY_READ))));
       seen.push_back("open \\x " +
                      ErrorName(static_cast<DWORD>(reg.RegOpenKeyExW(base.Get(), L"\\x", 0, KEY_READ, opened.Put()))));
     },
     {"set a\\b ERROR_SUCCESS", "read a\\b type=1 size=6 610062000000",
      "create x\\y ERROR_SUCCESS disposition=1", "value a\\b", "values end ERROR_NO_MORE_ITEMS",
      "key x", "keys end ERROR_NO_MORE_ITEMS", "open x\\y\\ ERROR_SUCCESS",
      "open \\x ERROR_BAD_PATHNAME"}},

    // The interface takes NUL-terminated names, as the W functions do: a NUL ends the
    // name. Data may hold NULs anywhere (see StringsKeepTheByteCountGiven).
    {"ANulEndsAName",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       const std::wstring valueName(L"nul\0tail", 8);
       const std::wstring keyName(L"k\0j", 3);
       seen.push_back("set " + Set(reg, base.Get(), valueName.c_str(), REG_SZ, kSz));
       Key made(reg);
       seen.push_back("create " + ErrorName(static_cast<DWORD>(Create(w, made, keyName))));
       seen.push_back("read nul " + Read(reg, base.Get(), L"nul"));
       EnumValues(reg, base.Get(), seen);
       EnumKeys(reg, base.Get(), seen);
     },
     {"set ERROR_SUCCESS", "create ERROR_SUCCESS", "read nul type=1 size=6 610062000000",
      "value nul", "values end ERROR_NO_MORE_ITEMS", "key k", "keys end ERROR_NO_MORE_ITEMS"}},

    {"MissingKeysAndValuesAndCreation",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       Key key(reg);
       const LSTATUS opened = Open(w, key, L"Missing", KEY_READ);
       seen.push_back("open missing " + ErrorName(static_cast<DWORD>(opened)) +
                      " handle=" + (key.Get() == nullptr ? "null" : "set"));
       seen.push_back("open missing\\deeper " +
                      ErrorName(static_cast<DWORD>(Open(w, key, L"Missing\\Deeper", KEY_READ))));
       seen.push_back("query missing " + Read(reg, base.Get(), L"Missing"));
       seen.push_back("delete missing value " +
                      ErrorName(static_cast<DWORD>(reg.RegDeleteValueW(base.Get(), L"Missing"))));
       seen.push_back("delete missing key " +
                      ErrorName(static_cast<DWORD>(reg.RegDeleteKeyExW(base.Get(), L"Missing", 0))));
       (void)Set(reg, base.Get(), L"Gone", REG_SZ, kSz);
       seen.push_back("delete value " + ErrorName(static_cast<DWORD>(reg.RegDeleteValueW(base.Get(), L"Gone"))));
       seen.push_back("query deleted " + Read(reg, base.Get(), L"Gone"));
       for (int round = 0; round < 2; ++round) {
         DWORD disposition = 0;
         const LSTATUS created = Create(w, key, L"New\\Deeper", &disposition);
         seen.push_back("create new\\deeper " + ErrorName(static_cast<DWORD>(created)) +
                        " disposition=" + std::to_string(disposition));
       }
     },
     {"open missing ERROR_FILE_NOT_FOUND handle=null", "open missing\\deeper ERROR_FILE_NOT_FOUND",
      "query missing ERROR_FILE_NOT_FOUND", "delete missing value ERROR_FILE_NOT_FOUND",
      "delete missing key ERROR_FILE_NOT_FOUND", "delete value ERROR_SUCCESS",
      "query deleted ERROR_FILE_NOT_FOUND", "create new\\deeper ERROR_SUCCESS disposition=1",
      "create new\\deeper ERROR_SUCCESS disposition=2"}},

    // Names of values and keys ignore case and keep the spelling first given; ".." is a
    // name like any other, not the parent.
    {"NamesIgnoreCase",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       (void)Set(reg, base.Get(), L"MixedCase", REG_SZ, kSz);
       seen.push_back("query MIXEDCASE " + Read(reg, base.Get(), L"MIXEDCASE"));
       seen.push_back("set mixedcase " + Set(reg, base.Get(), L"mixedcase", REG_DWORD, {1, 0, 0, 0}));
       seen.push_back("query MixedCase " + Read(reg, base.Get(), L"MixedCase"));
       Key child(reg);
       (void)Create(w, child, L"Child");
       DWORD disposition = 0;
       const LSTATUS created = Create(w, child, L"CHILD", &disposition);
       seen.push_back("create CHILD " + ErrorName(static_cast<DWORD>(created)) +
                      " disposition=" + std::to_string(disposition));
       std::wstring upper = w.Base() + L"\\child";
       for (wchar_t& c : upper)
         if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
       Key opened(reg);
       seen.push_back("open upper-cased path " +
                      ErrorName(static_cast<DWORD>(reg.RegOpenKeyExW(HKEY_CURRENT_USER, upper.c_str(), 0,
                                                                     KEY_READ, opened.Put()))));
       seen.push_back("open child\\.. " + ErrorName(static_cast<DWORD>(Open(w, opened, L"Child\\..", KEY_READ))));
       EnumValues(reg, base.Get(), seen);
       EnumKeys(reg, base.Get(), seen);
     },
     {"query MIXEDCASE type=1 size=6 610062000000", "set mixedcase ERROR_SUCCESS",
      "query MixedCase type=4 size=4 01000000", "create CHILD ERROR_SUCCESS disposition=2",
      "open upper-cased path ERROR_SUCCESS", "open child\\.. ERROR_FILE_NOT_FOUND", "value MixedCase",
      "values end ERROR_NO_MORE_ITEMS", "key Child", "keys end ERROR_NO_MORE_ITEMS"}},

    // A value far larger than a name buffer: enumerating names asks for no data, so it
    // never turns into ERROR_MORE_DATA; the key's information gives the longest data.
    {"LargeValueInEnumerationAndInfo",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       std::vector<BYTE> big(64 * 1024);
       for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<BYTE>(i % 251);
       seen.push_back("set " + Set(reg, base.Get(), L"Big", REG_BINARY, big));
       (void)Set(reg, base.Get(), L"Count", REG_DWORD, {0, 0, 0, 0});
       std::vector<BYTE> data(big.size() + 8, 0xCC);
       DWORD size = static_cast<DWORD>(data.size());
       DWORD type = 0;
       const LSTATUS read = reg.RegQueryValueExW(base.Get(), L"Big", &type, data.data(), &size);
       data.resize(size);
       seen.push_back("read " + ErrorName(static_cast<DWORD>(read)) + " type=" + std::to_string(type) +
                      " size=" + std::to_string(size) + " same=" + (data == big ? "yes" : "no"));
       for (DWORD index = 0;; ++index) {
         wchar_t name[8];
         DWORD cch = 8;
         type = 0;
         const LSTATUS status = reg.RegEnumValueW(base.Get(), index, name, &cch, &type);
         if (status != ERROR_SUCCESS) {
           seen.push_back("values end " + ErrorName(static_cast<DWORD>(status)));
           break;
         }
         seen.push_back("value " + Shown(std::wstring(name, cch)) + " type=" + std::to_string(type));
       }
       DWORD subKeys = 9, maxSubKey = 9, values = 9, maxName = 9, maxData = 9;
       const LSTATUS status = reg.RegQueryInfoKeyW(base.Get(), &subKeys, &maxSubKey, &values, &maxName, &maxData);
       seen.push_back("info " + ErrorName(static_cast<DWORD>(status)) + " values=" + std::to_string(values) +
                      " name=" + std::to_string(maxName) + " data=" + std::to_string(maxData));
     },
     {"set ERROR_SUCCESS", "read ERROR_SUCCESS type=3 size=65536 same=yes", "value Big type=3",
      "value Count type=4", "values end ERROR_NO_MORE_ITEMS",
      "info ERROR_SUCCESS values=2 name=5 data=65536"}},

    // A registry link is followed by opens and creates alike, the key named included, so a
    // write through it lands in the target; REG_OPTION_OPEN_LINK reaches the link itself,
    // which carries the REG_LINK value SymbolicLinkValue and nothing of the target's.
    {"ALinkIsFollowedUnlessOpenedAsALink",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key target(reg);
       if (Create(w, target, L"Target") != ERROR_SUCCESS) return seen.push_back("no target");
       (void)Set(reg, target.Get(), L"v", REG_SZ, kSz);
       w.MakeLink(L"Link", L"Target");
       const auto type = [&reg](HKEY key, const wchar_t* name) {
         DWORD valueType = 0;
         DWORD size = 0;
         const LSTATUS status = reg.RegQueryValueExW(key, name, &valueType, nullptr, &size);
         return status == ERROR_SUCCESS ? "type=" + std::to_string(valueType)
                                        : ErrorName(static_cast<DWORD>(status));
       };
       Key key(reg);
       seen.push_back("open " + ErrorName(static_cast<DWORD>(Open(w, key, L"Link", KEY_READ))));
       seen.push_back("v " + Read(reg, key.Get(), L"v"));
       seen.push_back("link mark " + type(key.Get(), L"SymbolicLinkValue"));
       seen.push_back("open as link " + ErrorName(static_cast<DWORD>(reg.RegOpenKeyExW(
                                            HKEY_CURRENT_USER, Below(w, L"Link").c_str(),
                                            REG_OPTION_OPEN_LINK, KEY_READ, key.Put()))));
       seen.push_back("v " + type(key.Get(), L"v"));
       seen.push_back("link mark " + type(key.Get(), L"SymbolicLinkValue"));
       DWORD disposition = 0;
       const LSTATUS created = Create(w, key, L"Link", &disposition);
       seen.push_back("create " + ErrorName(static_cast<DWORD>(created)) +
                      " disposition=" + std::to_string(disposition));
       seen.push_back("set w " + Set(reg, key.Get(), L"w", REG_SZ, kSz));
       seen.push_back("w in target " + type(target.Get(), L"w"));
       const LSTATUS asLink = reg.RegCreateKeyExW(
           HKEY_CURRENT_USER, Below(w, L"Link").c_str(),
           REG_OPTION_NON_VOLATILE | REG_OPTION_OPEN_LINK, KEY_READ, key.Put(), &disposition);
       seen.push_back("create as link " + ErrorName(static_cast<DWORD>(asLink)) +
                      " disposition=" + std::to_string(disposition));
       seen.push_back("link mark " + type(key.Get(), L"SymbolicLinkValue"));
       seen.push_back("below the link " +
                      ErrorName(static_cast<DWORD>(Create(w, key, L"Link\\Sub", &disposition))));
       Key sub(reg);
       seen.push_back("sub in target " +
                      ErrorName(static_cast<DWORD>(Open(w, sub, L"Target\\Sub", KEY_READ))));
     },
     {"open ERROR_SUCCESS", "v type=1 size=6 610062000000", "link mark ERROR_FILE_NOT_FOUND",
      "open as link ERROR_SUCCESS", "v ERROR_FILE_NOT_FOUND", "link mark type=6",
      "create ERROR_SUCCESS disposition=2", "set w ERROR_SUCCESS", "w in target type=1",
      "create as link ERROR_SUCCESS disposition=2", "link mark type=6",
      "below the link ERROR_SUCCESS", "sub in target ERROR_SUCCESS"}},

    // The default value is the value with the empty name; a null name means it too. A
    // new key has none.
    {"DefaultValue",
     [](RegistryWorld& w, Transcript& seen) {
       IRegistry& reg = w.Registry();
       Key base(reg);
       if (Open(w, base, L"", KEY_ALL_ACCESS) != ERROR_SUCCESS) return seen.push_back("no base");
       seen.push_back("fresh " + Read(reg, base.Get(), nullptr));
       seen.push_back("set null " + Set(reg, base.Get(), nullptr, REG_SZ, kSz));
       seen.push_back("read empty " + Read(reg, base.Get(), L""));
       EnumValues(reg, base.Get(), seen);
       seen.push_back("delete empty " + ErrorName(static_cast<DWORD>(reg.RegDeleteValueW(base.Get(), L""))));
       seen.push_back("read null " + Read(reg, base.Get(), nullptr));
     },
     {"fresh ERROR_FILE_NOT_FOUND", "set null ERROR_SUCCESS", "read empty type=1 size=6 610062000000",
      "value ", "values end ERROR_NO_MORE_ITEMS", "delete empty ERROR_SUCCESS",
      "read null ERROR_FILE_NOT_FOUND"}},
};

}  // namespace

const std::vector<RegistryCase>& RegistryCases() { return kCases; }

TEST_P(RegistryContract, Holds) {
  std::unique_ptr<RegistryWorld> world = MakeRegistryWorld();
  RunContractCase(*world, GetParam());
}
