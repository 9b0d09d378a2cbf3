// Byte helpers for tests that look at registry data and files.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Utf8.h"
#include "platform/WinTypes.h"

inline std::vector<BYTE> Bytes(std::initializer_list<int> values) {
  std::vector<BYTE> bytes;
  for (int v : values) bytes.push_back(static_cast<BYTE>(v));
  return bytes;
}

// A string as Windows stores it in REG_SZ data, terminator included unless told not to.
inline std::vector<BYTE> RegSz(std::wstring_view text, bool terminate = true) {
  std::string raw = WideToUtf16LeBytes(text);
  if (terminate) raw.append(2, '\0');
  return std::vector<BYTE>(raw.begin(), raw.end());
}

// Readable test messages for wide texts.
inline std::string WideToUtf8Debug(std::wstring_view text) { return WideToUtf8(text); }
