// One-call registry access. Every TReg function opens its own key with the access its
// kind of operation needs, always in the 64-bit view, does one thing, closes the key
// and turns every failure into its default result: callers learn the outcome of a write
// by reading again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformHandles.h"
#include "platform/WinTypes.h"

// "HKLM" / "HKEY_LOCAL_MACHINE" and so on; the empty text for a handle that is not a
// predefined root. The last three roots have no short name.
std::wstring RootKeyToName(HKEY rootKey, bool shortName);
// The root named by a long or short name, ignoring a-z case; nullptr for anything else.
HKEY NameToRootKey(std::wstring_view name);

class TReg {
 public:
  TReg() = delete;

  static bool IsKey(HKEY rootKey, std::wstring_view key);
  static std::vector<BYTE> ReadBinary(HKEY rootKey, std::wstring_view key, std::wstring_view name);
  static bool ReadBool(HKEY rootKey, std::wstring_view key, std::wstring_view name, bool value);
  static std::int32_t ReadInteger(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                                  std::int32_t value);
  static std::wstring ReadString(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                                 std::wstring_view value);
  // Replace the list's contents with the names read; the result is the list's size.
  static int ReadKeyNames(HKEY rootKey, std::wstring_view key, std::vector<std::wstring>& keyNames);
  static int ReadValueNames(HKEY rootKey, std::wstring_view key,
                            std::vector<std::wstring>& valueNames);

  static void WriteBinary(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                          const std::vector<BYTE>& value);
  // A value of any type with exactly these bytes.
  static void WriteValue(HKEY rootKey, std::wstring_view key, std::wstring_view name, DWORD type,
                         const std::vector<BYTE>& data);
  static void WriteInteger(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                           std::int32_t value);
  static void WriteString(HKEY rootKey, std::wstring_view key, std::wstring_view name,
                          std::wstring_view value);
  // Writes a binary value into a key that is opened, and created where missing, one
  // level at a time without following registry links: an elevated write into a key the
  // user controls must not land wherever a link the user planted points. A key on the way
  // that is a link is refused with ERROR_REPARSE_POINT_ENCOUNTERED and nothing is
  // written anywhere; otherwise the status of the first call that failed.
  [[nodiscard]] static LSTATUS WriteBinaryNoLinks(HKEY rootKey, std::wstring_view key,
                                                  std::wstring_view name,
                                                  const std::vector<BYTE>& value);
  static void DeleteKey(HKEY rootKey, std::wstring_view key, std::wstring_view name);
  static void DeleteValue(HKEY rootKey, std::wstring_view key, std::wstring_view name);

  // Splits "ROOT\key\path\Name"; false with fewer than three backslash-separated parts.
  static bool Parse(std::wstring_view text, HKEY& rootKey, std::wstring& key, std::wstring& name);
  // Deletes the subkey or, when there is none of that name, the value a path names.
  static void Delete(std::wstring_view text);
};

// One value as an enumeration gives it: name, type and data.
struct TRegValue {
  std::wstring name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// The text TReg::ReadString gives for a value of this type and data: the string types up
// to their first NUL, a multi-string's first string, nothing for the other types.
std::wstring RegValueText(DWORD type, const std::vector<BYTE>& data);

// One key held open for reading (in the 64-bit view, with the rights the TReg reads step
// down to), for the catalogue's sources that read every value of a key in each refresh:
// the same results as the TReg reads without opening the key again for each value.
class TRegReader {
 public:
  TRegReader() = default;
  TRegReader(HKEY rootKey, std::wstring_view key);

  bool IsOpen() const { return static_cast<bool>(key_); }
  // Replaces the list with every value, its type and data, in enumeration order, in one
  // pass; false with the list empty when the key is not open or the enumeration fails.
  bool ReadValues(std::vector<TRegValue>& values);
  // As TReg::ReadBinary.
  std::vector<BYTE> ReadBinary(std::wstring_view name);

 private:
  UniqueRegKey key_;
};

// Access masks, always with the 64-bit view.
inline constexpr REGSAM kRegReadAccess = KEY_READ | KEY_WOW64_64KEY;                 // 0x20119
inline constexpr REGSAM kRegQueryEnumAccess = 0x20009 | KEY_WOW64_64KEY;            // 0x20109
inline constexpr REGSAM kRegQueryAccess = KEY_QUERY_VALUE | KEY_WOW64_64KEY;        // 0x00101
inline constexpr REGSAM kRegWriteAccess = KEY_READ | KEY_WRITE | KEY_WOW64_64KEY;  // 0x2011F
