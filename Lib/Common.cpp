#include "Lib/Common.h"

#include <algorithm>

#include "Tavin/Path.h"
#include "Tavin/Resources.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"

namespace {

// CompareStringW as -1, 0, 1. Should the call ever fail, the texts are ordered by their
// code units so the list stays sorted, and only identical texts count as equal.
int CompareLocale(std::wstring_view a, std::wstring_view b) {
  DWORD error = NO_ERROR;
  const int result = PlatformLocale().CompareStringW(
      LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
      static_cast<int>(b.size()), &error);
  if (result == CSTR_LESS_THAN) return -1;
  if (result == CSTR_EQUAL) return 0;
  if (result == CSTR_GREATER_THAN) return 1;
  return a < b ? -1 : (b < a ? 1 : 0);
}

std::wstring UpperLocale(std::wstring text) {
  if (!text.empty()) PlatformLocale().CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

bool FilterList::Add(const std::wstring& text) {
  const auto at = std::lower_bound(rows_.begin(), rows_.end(), text,
                                   [](const std::wstring& row, const std::wstring& value) {
                                     return CompareLocale(row, value) < 0;
                                   });
  if (at != rows_.end() && CompareLocale(*at, text) == 0) return false;
  rows_.insert(at, text);
  return true;
}

bool FilterList::Contains(const std::wstring& text) const {
  const auto at = std::lower_bound(rows_.begin(), rows_.end(), text,
                                   [](const std::wstring& row, const std::wstring& value) {
                                     return CompareLocale(row, value) < 0;
                                   });
  return at != rows_.end() && CompareLocale(*at, text) == 0;
}

void FilterList::Clear() { rows_.clear(); }

void LoadTextResource(FilterList& list, const std::wstring& name) {
  const auto bytes = LoadRcData(name);
  if (!bytes) return;
  const std::vector<std::wstring> lines = SplitTextLines(*bytes);
  list.Clear();
  for (const std::wstring& line : lines) list.Add(line);
}

bool MatchesList(const FilterList& list, const std::wstring& text, bool fileMode) {
  return MatchingRow(list, text, fileMode) != nullptr;
}

const std::wstring* MatchingRow(const FilterList& list, const std::wstring& text, bool fileMode) {
  const std::wstring fileName = fileMode ? ExtractFileName(text) : std::wstring();
  std::wstring upperText;  // made on the first path fragment
  for (const std::wstring& raw : list.Rows()) {
    const std::wstring row = ExpandFolderVariable(Trim(raw));
    if (row.empty() || row.compare(0, 2, L"//") == 0) continue;
    if (!fileMode) {
      if (text.size() >= row.size() && CompareLocale(std::wstring_view(text).substr(0, row.size()), row) == 0)
        return &raw;
    } else if (row.back() == L'*') {
      if (SameTextAscii(std::wstring_view(row).substr(0, row.size() - 1), fileName)) return &raw;
    } else {
      if (upperText.empty()) upperText = UpperLocale(text);
      if (upperText.find(UpperLocale(row)) != std::wstring::npos) return &raw;
    }
  }
  return nullptr;
}

std::optional<nlohmann::json> ParseJsonText(std::string_view utf8) {
  try {
    nlohmann::json value = nlohmann::json::parse(utf8.begin(), utf8.end(), nullptr, false);
    if (value.is_discarded()) return std::nullopt;
    return value;
  } catch (const std::exception&) {
    // Only running out of memory gets here; the text then has no value either.
    return std::nullopt;
  }
}

void AddJsonArray(FilterList& list, const nlohmann::json& object, const std::wstring& name) {
  try {
    if (!object.is_object()) return;
    const auto member = object.find(WideToUtf8(name));
    if (member == object.end() || !member->is_array()) return;
    for (const nlohmann::json& element : *member) {
      if (element.is_string())
        list.Add(Utf8ToWide(element.get_ref<const std::string&>()));
      else if (element.is_structured())
        list.Add(std::wstring());
      else
        list.Add(Utf8ToWide(element.dump()));
    }
  } catch (const std::exception&) {
    // A reply of any shape adds what it could; nothing reaches the window's handler.
  }
}

void ShellOpen(const std::wstring& url) {
  (void)PlatformShell().ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr,
                                      SW_SHOWNORMAL);
}
