// Small text helpers shared by the units. "Ascii" in a name means only the letters a-z
// and A-Z are folded, the way Windows compares registry tags and file extensions here.
#pragma once

#include <string>
#include <string_view>

wchar_t UpperAscii(wchar_t c);
wchar_t LowerAscii(wchar_t c);
std::wstring UpperCaseAscii(std::wstring_view text);
std::wstring LowerCaseAscii(std::wstring_view text);
bool SameTextAscii(std::wstring_view a, std::wstring_view b);
bool StartsTextAscii(std::wstring_view prefix, std::wstring_view text);
// Position of the first occurrence of needle in text ignoring a-z case, or npos.
size_t FindTextAscii(std::wstring_view text, std::wstring_view needle);
bool ContainsTextAscii(std::wstring_view text, std::wstring_view needle);

// Removes every character whose code is 32 or below from both ends.
std::wstring Trim(std::wstring_view text);

// The text after the last backslash (or colon, with a drive), the whole text without one.
std::wstring ExtractFileName(std::wstring_view path);
// The text before the last backslash, without that backslash; empty without one.
std::wstring ExtractFileDir(std::wstring_view path);
// From the last dot of the file name to its end, dot included; empty without a dot.
std::wstring ExtractFileExt(std::wstring_view path);
// The file name without its extension.
std::wstring FileNameWithoutExt(std::wstring_view name);
