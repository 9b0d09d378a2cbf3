#include "Lib/Common.h"

#include <algorithm>

#include "Tavin/OpenAddress.h"
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
  prepared_ = false;
  return true;
}

void FilterList::AddRange(std::vector<std::wstring> texts) {
  if (texts.empty()) return;
  // Stable, so of equal texts the first given comes first and is the one kept.
  std::stable_sort(texts.begin(), texts.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareLocale(a, b) < 0;
  });
  std::vector<std::wstring> merged;
  merged.reserve(rows_.size() + texts.size());
  const auto append = [&merged](std::wstring& text) {
    if (merged.empty() || CompareLocale(merged.back(), text) != 0) merged.push_back(std::move(text));
  };
  size_t row = 0;
  size_t next = 0;
  while (row < rows_.size() || next < texts.size()) {
    // A row already listed goes before an equal new text, which is then dropped.
    if (next == texts.size() || (row < rows_.size() && CompareLocale(rows_[row], texts[next]) <= 0))
      append(rows_[row++]);
    else
      append(texts[next++]);
  }
  rows_ = std::move(merged);
  prepared_ = false;
}

bool FilterList::Contains(const std::wstring& text) const {
  const auto at = std::lower_bound(rows_.begin(), rows_.end(), text,
                                   [](const std::wstring& row, const std::wstring& value) {
                                     return CompareLocale(row, value) < 0;
                                   });
  return at != rows_.end() && CompareLocale(*at, text) == 0;
}

void FilterList::Clear() {
  rows_.clear();
  prepared_ = false;
}

const std::vector<FilterList::MatchRow>& FilterList::MatchRows() const {
  if (prepared_) return matchRows_;
  matchRows_.clear();
  for (size_t i = 0; i < rows_.size(); ++i) {
    MatchRow row{ExpandFolderVariable(Trim(rows_[i])), {}, i};
    if (row.text.empty() || row.text.compare(0, 2, L"//") == 0) continue;
    if (row.text.back() != L'*') row.upper = UpperLocale(row.text);
    matchRows_.push_back(std::move(row));
  }
  prepared_ = true;
  return matchRows_;
}

void LoadTextResource(FilterList& list, const std::wstring& name) {
  const auto bytes = LoadRcData(name);
  if (!bytes) return;
  list.Clear();
  list.AddRange(SplitTextLines(*bytes));
}

bool MatchesList(const FilterList& list, const std::wstring& text, bool fileMode) {
  return MatchingRow(list, text, fileMode) != nullptr;
}

const std::wstring* MatchingRow(const FilterList& list, const std::wstring& text, bool fileMode) {
  const std::wstring fileName = fileMode ? ExtractFileName(text) : std::wstring();
  std::wstring upperText;  // made on the first path fragment
  bool upperMade = false;
  for (const FilterList::MatchRow& row : list.MatchRows()) {
    if (!fileMode) {
      if (text.size() >= row.text.size() &&
          CompareLocale(std::wstring_view(text).substr(0, row.text.size()), row.text) == 0)
        return &list.Rows()[row.index];
    } else if (row.text.back() == L'*') {
      if (SameTextAscii(std::wstring_view(row.text).substr(0, row.text.size() - 1), fileName))
        return &list.Rows()[row.index];
    } else {
      if (!upperMade) {
        upperText = UpperLocale(text);
        upperMade = true;
      }
      if (upperText.find(row.upper) != std::wstring::npos) return &list.Rows()[row.index];
    }
  }
  return nullptr;
}

namespace {

// How deep the text's objects and arrays nest, counted on the bytes alone: brackets
// inside strings (escaped quotes included) are text, not structure. Exact for every
// valid JSON text; for one that is not, exact up to the first fault, which is as far as
// the parser would build anything. It stops counting once past the limit.
size_t JsonDepth(std::string_view text) {
  size_t depth = 0;
  size_t deepest = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > deepest) deepest = depth;
      if (deepest > kJsonDepthLimit) break;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return deepest;
}

}  // namespace

std::optional<nlohmann::json> ParseJsonText(std::string_view utf8) {
  // nlohmann/json parses any depth without recursion, so a deep text does not overflow
  // the stack: it builds one node per level instead, millions of them for a reply of
  // nothing but "[". The depth is looked at first, and nothing is built for a text too
  // deep.
  if (JsonDepth(utf8) > kJsonDepthLimit) return std::nullopt;
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
    std::vector<std::wstring> texts;
    texts.reserve(std::min(member->size(), kReplyRowLimit));
    for (const nlohmann::json& element : *member) {
      if (texts.size() == kReplyRowLimit) break;
      if (element.is_string())
        texts.push_back(Utf8ToWide(element.get_ref<const std::string&>()));
      else if (element.is_structured())
        texts.emplace_back();
      else
        texts.push_back(Utf8ToWide(element.dump()));
    }
    list.AddRange(std::move(texts));
  } catch (const std::exception&) {
    // Only running out of memory gets here: nothing is added, and nothing reaches the
    // window's handler.
  }
}

void ShellOpen(const std::wstring& url, HWND owner) { (void)OpenAddressAsUser(url, owner); }
