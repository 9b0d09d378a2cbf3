// Case-insensitive names for the fakes. Windows compares registry, file and service
// names by upper-casing both sides with its own table; this folds the same way for the
// scripts a test is likely to use (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic,
// full-width Latin). The C library's towupper is no help: in the "C" locale mingw's
// only knows ASCII, so the two builds would disagree.
#pragma once

#include <string>
#include <string_view>

wchar_t FoldChar(wchar_t c);
std::wstring FoldCase(std::wstring_view text);
bool SameFolded(std::wstring_view a, std::wstring_view b);
