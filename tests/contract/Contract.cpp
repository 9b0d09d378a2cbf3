#include "tests/contract/Contract.h"

#include <cstdio>

std::string ErrorName(DWORD code) {
  switch (code) {
    case 0: return "ERROR_SUCCESS";
    case 2: return "ERROR_FILE_NOT_FOUND";
    case 3: return "ERROR_PATH_NOT_FOUND";
    case 5: return "ERROR_ACCESS_DENIED";
    case 6: return "ERROR_INVALID_HANDLE";
    case 18: return "ERROR_NO_MORE_FILES";
    case 80: return "ERROR_FILE_EXISTS";
    case 87: return "ERROR_INVALID_PARAMETER";
    case 122: return "ERROR_INSUFFICIENT_BUFFER";
    case 123: return "ERROR_INVALID_NAME";
    case 161: return "ERROR_BAD_PATHNAME";
    case 183: return "ERROR_ALREADY_EXISTS";
    case 223: return "ERROR_FILE_TOO_LARGE";
    case 234: return "ERROR_MORE_DATA";
    case 259: return "ERROR_NO_MORE_ITEMS";
    case 267: return "ERROR_DIRECTORY";
    case 1018: return "ERROR_KEY_DELETED";
    case 1060: return "ERROR_SERVICE_DOES_NOT_EXIST";
    default: return std::to_string(code);
  }
}

std::string Hex(const BYTE* data, size_t size) {
  if (size == 0) return "-";
  std::string text;
  char pair[3];
  for (size_t i = 0; i < size; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned>(data[i]));
    text += pair;
  }
  return text;
}

std::string Hex(const std::vector<BYTE>& bytes) { return Hex(bytes.data(), bytes.size()); }

std::string Shown(std::wstring_view text) {
  std::string shown;
  for (wchar_t c : text) {
    const auto unit = static_cast<unsigned>(c);
    if (unit >= 0x20 && unit < 0x7F) {
      shown += static_cast<char>(unit);
    } else {
      char escape[12];
      std::snprintf(escape, sizeof escape, "\\u%04x", unit);
      shown += escape;
    }
  }
  return shown;
}

std::vector<BYTE> Utf16(std::wstring_view text) {
  // The tables use characters of the basic plane only, so a code unit is a character.
  std::vector<BYTE> bytes;
  for (wchar_t c : text) {
    const auto unit = static_cast<unsigned>(c);
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>((unit >> 8) & 0xFF));
  }
  return bytes;
}
