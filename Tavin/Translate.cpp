#include "Tavin/Translate.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "Tavin/Resources.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

std::wstring CurrentLanguage;

namespace {

// The table's lines, from module start to module end. Lookups only read it.
std::vector<std::wstring> gTable;

// A line is "code=text": the name before the first "=", the value after it; a line
// without "=" has neither.
std::wstring_view LineName(std::wstring_view line) {
  const size_t equals = line.find(L'=');
  return equals == std::wstring_view::npos ? std::wstring_view() : line.substr(0, equals);
}

std::wstring_view LineValue(std::wstring_view line) {
  const size_t equals = line.find(L'=');
  return equals == std::wstring_view::npos ? std::wstring_view() : line.substr(equals + 1);
}

// The table writes a line break as the two characters "\n"; the interface wants a
// carriage return there, and only that.
std::wstring ExpandLineBreaks(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' && i + 1 < text.size() && text[i + 1] == L'n') {
      out.push_back(L'\r');
      ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

// The line of the block starting at `first` whose name is `language`, if any. A block
// ends at the first empty line (a line of spaces does not end it).
const std::wstring* FindInBlock(size_t first, std::wstring_view language) {
  for (size_t i = first; i < gTable.size() && !gTable[i].empty(); ++i)
    if (LineName(gTable[i]) == language) return &gTable[i];
  return nullptr;
}

}  // namespace

std::wstring DetectLanguage() {
  ILocale& locale = PlatformLocale();
  const LCID lcid = locale.GetUserDefaultLCID();
  DWORD error = NO_ERROR;
  const int needed = locale.GetLocaleInfoW(lcid, LOCALE_SISO639LANGNAME, nullptr, 0, &error);
  if (needed < 1) return L"en";
  std::wstring name(static_cast<size_t>(needed), L'\0');
  const int written = locale.GetLocaleInfoW(lcid, LOCALE_SISO639LANGNAME, name.data(), needed, &error);
  if (written < 1) return L"en";
  name.resize(std::min(name.find(L'\0'), static_cast<size_t>(written)));
  return name;
}

std::wstring TranslateText(const std::wstring& text, const std::wstring& language) {
  if (text.empty()) return {};
  const std::wstring& wanted = language.empty() ? CurrentLanguage : language;

  // Any language's text finds its block, so a text translated once translates again.
  size_t match = 0;
  while (match < gTable.size() && !SameTextAscii(LineValue(gTable[match]), text)) ++match;
  if (match == gTable.size()) return ExpandLineBreaks(text);

  size_t first = match;
  while (first > 0 && !gTable[first - 1].empty()) --first;

  const std::wstring* line = FindInBlock(first, wanted);
  if (line == nullptr) line = FindInBlock(first, L"en");
  return line == nullptr ? ExpandLineBreaks(text) : ExpandLineBreaks(LineValue(*line));
}

void InitializeTranslation() {
  gTable.clear();
  // Without the table every lookup gives back its text, and the Korean interface shows.
  if (const auto bytes = LoadRcData(L"translate")) gTable = SplitTextLines(*bytes);
  CurrentLanguage = DetectLanguage().substr(0, 2);
}

void FinalizeTranslation() {
  gTable.clear();
  gTable.shrink_to_fit();
  CurrentLanguage.clear();
}
