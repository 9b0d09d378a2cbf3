// Writing a whole text through a call that may take less than it is given, as WriteFile
// and WriteConsoleW may. A console before Windows 8 refuses one write larger than its
// 64 KB shared heap can hold (about 26,000 characters) with ERROR_NOT_ENOUGH_MEMORY, so
// console text goes in pieces far below that.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "platform/WinTypes.h"

// UTF-16 units per WriteConsoleW call, and bytes per WriteFile call.
inline constexpr size_t kConsolePieceUnits = 8192;
inline constexpr size_t kFilePieceBytes = 1u << 20;

// Calls write(data, count, &written) until every unit is written; each call gets at most
// maxUnits and, for text of wchar_t, never the first half of a surrogate pair without
// its second. False as soon as a call fails or writes nothing.
template <typename Char, typename Write>
bool WriteInPieces(std::basic_string_view<Char> text, size_t maxUnits, Write&& write) {
  size_t offset = 0;
  while (offset < text.size()) {
    size_t count = std::min(text.size() - offset, std::max<size_t>(maxUnits, 2));
    if constexpr (sizeof(Char) == 2) {
      const auto last = static_cast<unsigned>(text[offset + count - 1]);
      if (offset + count < text.size() && last >= 0xD800 && last <= 0xDBFF) --count;
    }
    DWORD written = 0;
    if (!write(text.data() + offset, static_cast<DWORD>(count), &written) || written == 0)
      return false;
    offset += std::min<size_t>(written, count);
  }
  return true;
}
