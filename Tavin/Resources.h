// The program's own RCDATA resources, and the text format of the ones that hold lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The bytes of the RT_RCDATA resource `name` (matched without regard to case) of the
// program's own executable; nothing when there is no such resource or it cannot be read.
std::optional<std::string> LoadRcData(const std::wstring& name);

// UTF-8 text (a byte-order mark is skipped; invalid sequences become U+FFFD) split into
// lines at CR LF, CR or LF. Text after the last line end is one more line; a line end at
// the very end adds no empty line.
std::vector<std::wstring> SplitTextLines(std::string_view utf8);
