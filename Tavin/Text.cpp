#include "Tavin/Text.h"

#include <algorithm>

wchar_t UpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; }

std::wstring UpperCaseAscii(std::wstring_view text) {
  std::wstring result(text);
  std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
  return result;
}

std::wstring LowerCaseAscii(std::wstring_view text) {
  std::wstring result(text);
  std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
  return result;
}

bool SameTextAscii(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

bool StartsTextAscii(std::wstring_view prefix, std::wstring_view text) {
  return text.size() >= prefix.size() && SameTextAscii(prefix, text.substr(0, prefix.size()));
}

size_t FindTextAscii(std::wstring_view text, std::wstring_view needle) {
  if (needle.size() > text.size()) return std::wstring_view::npos;
  for (size_t i = 0; i + needle.size() <= text.size(); ++i)
    if (SameTextAscii(text.substr(i, needle.size()), needle)) return i;
  return std::wstring_view::npos;
}

bool ContainsTextAscii(std::wstring_view text, std::wstring_view needle) {
  return FindTextAscii(text, needle) != std::wstring_view::npos;
}

std::wstring Trim(std::wstring_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] <= L' ') ++first;
  while (last > first && text[last - 1] <= L' ') --last;
  return std::wstring(text.substr(first, last - first));
}

std::wstring ExtractFileName(std::wstring_view path) {
  const size_t pos = path.find_last_of(L"\\:");
  return std::wstring(pos == std::wstring_view::npos ? path : path.substr(pos + 1));
}

std::wstring ExtractFileDir(std::wstring_view path) {
  const size_t pos = path.find_last_of(L'\\');
  return pos == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, pos));
}

std::wstring ExtractFileExt(std::wstring_view path) {
  const std::wstring name = ExtractFileName(path);
  const size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

std::wstring FileNameWithoutExt(std::wstring_view name) {
  const std::wstring ext = ExtractFileExt(name);
  return std::wstring(name.substr(0, name.size() - ext.size()));
}
