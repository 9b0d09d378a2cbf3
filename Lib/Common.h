// Program-wide helpers of the windows: opening links, and the filter lists that hide
// known-harmless autorun entries (built-in text resources, extended by the rows the
// maker's server sends as JSON arrays).
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Rows kept sorted and free of duplicates, both by the user's locale ignoring case
// (CompareStringW with LOCALE_USER_DEFAULT and NORM_IGNORECASE). An empty row is a row.
class FilterList {
 public:
  // Adds the text unless an equal row is there already; true when it was added.
  bool Add(const std::wstring& text);
  bool Contains(const std::wstring& text) const;
  void Clear();
  const std::vector<std::wstring>& Rows() const { return rows_; }
  size_t Count() const { return rows_.size(); }

 private:
  std::vector<std::wstring> rows_;
};

// Empties the list and fills it with the lines of the RT_RCDATA resource `name` (UTF-8
// with a byte-order mark). When the resource cannot be had, the list keeps its rows.
void LoadTextResource(FilterList& list, const std::wstring& name);

// Whether a row of the list matches the text. Rows are trimmed and their leading folder
// variable expanded; empty rows and "//" comments never match. Name mode: the text begins
// with the row (user's locale, ignoring case). File mode: a row ending in "*" names the
// text's file name (a-z case ignored); any other row is a path fragment found anywhere
// in the text once both are upper-cased by CharUpperBuffW.
bool MatchesList(const FilterList& list, const std::wstring& text, bool fileMode);
// The same test, answering with the first matching row as the list holds it (before
// trimming and expansion), or nullptr when no row matches. The pointer lives as long as
// the list is not changed.
const std::wstring* MatchingRow(const FilterList& list, const std::wstring& text, bool fileMode);

// The value of a JSON text; nothing when the text is not JSON. Never throws.
std::optional<nlohmann::json> ParseJsonText(std::string_view utf8);

// Adds the elements of the array member `name` of `object` to the list: a string's text,
// the JSON text of a number, true, false or null, and an empty row for an object or an
// array. Anything else (no such member, not an array, not an object) adds nothing.
void AddJsonArray(FilterList& list, const nlohmann::json& object, const std::wstring& name);

// Hands a URL to the shell's "open" verb; the outcome is not examined. Only for
// addresses the program builds itself from its own settings: "open" starts whatever the
// text names, so links that came from the network go through OpenLink (Tavin/Update.h),
// which lets only web links through.
void ShellOpen(const std::wstring& url);
