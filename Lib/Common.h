// Program-wide helpers of the windows: opening links, and the filter lists that hide
// known-harmless autorun entries (built-in text resources, extended by the rows the
// maker's server sends as JSON arrays).
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

// Rows kept sorted and free of duplicates, both by the user's locale ignoring case
// (CompareStringW with LOCALE_USER_DEFAULT and NORM_IGNORECASE). An empty row is a row.
class FilterList {
 public:
  // A row as MatchesList reads it: trimmed and expanded; for a row that does not end in
  // "*" also upper-cased by CharUpperBuffW. Empty rows and comments have none.
  struct MatchRow {
    std::wstring text;
    std::wstring upper;
    size_t index = 0;  // of the row as the list holds it, in Rows()
  };

  // Adds the text unless an equal row is there already; true when it was added.
  bool Add(const std::wstring& text);
  // Adds every text that no row equals, the first of equal texts winning: the texts are
  // sorted once and merged in, so a long array costs n log n, not a shift per row.
  void AddRange(std::vector<std::wstring> texts);
  bool Contains(const std::wstring& text) const;
  void Clear();
  const std::vector<std::wstring>& Rows() const { return rows_; }
  size_t Count() const { return rows_.size(); }

  // The rows that can match, in list order, prepared once after each change.
  const std::vector<MatchRow>& MatchRows() const;

 private:
  std::vector<std::wstring> rows_;
  mutable std::vector<MatchRow> matchRows_;
  mutable bool prepared_ = false;
};

// The most rows one list takes from one reply: a reply is anyone's to write, and the list
// is searched for every entry on every refresh.
inline constexpr size_t kReplyRowLimit = 100'000;

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

// How deep objects and arrays may nest in a JSON text the program reads. The replies and
// files it reads are flat (an object of arrays of strings); every level of a deeper
// text would only become another node of the tree.
inline constexpr size_t kJsonDepthLimit = 64;

// The value of a JSON text; nothing when the text is not JSON or nests its objects and
// arrays deeper than kJsonDepthLimit (found before any of the tree is built). Never
// throws.
std::optional<nlohmann::json> ParseJsonText(std::string_view utf8);

// Adds the elements of the array member `name` of `object` to the list: a string's text,
// the JSON text of a number, true, false or null, and an empty row for an object or an
// array; at most the first kReplyRowLimit elements. Anything else (no such member, not an
// array, not an object) adds nothing.
void AddJsonArray(FilterList& list, const nlohmann::json& object, const std::wstring& name);

// Hands a URL to the shell's "open" verb as OpenAddressAsUser does (Tavin/OpenAddress.h:
// the signed-in user's browser, never an elevated one); the outcome is not examined. Only for
// addresses the program builds itself from its own settings: "open" starts whatever the
// text names, so links that came from the network go through OpenLink (Tavin/Update.h),
// which lets only web links through.
// The owner is the window the shell's own messages (an error, a choice) belong to.
void ShellOpen(const std::wstring& url, HWND owner = nullptr);
