// The rows of the autorun list: one record per shown entry, kept in line with the
// catalogue by Merge. The Win32 list control is a thin view over these records.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Lib/Autorun.h"
#include "Lib/Common.h"
#include "Lib/HiddenBy.h"
#include "Tavin/FileMetadata.h"

struct TAutorunItem {
  std::wstring FileName;  // the display name of column 0, not a file name
  std::wstring Target;
  std::wstring From;
  int Icon = 0;
  bool Enabled = false;
};

// What names a row's entry across refreshes: its kind tag and its target. A row number
// does not, since a refresh removes and appends rows around it.
struct TRowKey {
  std::wstring From;
  std::wstring Target;
};

// Whether text begins with prefix, as the list's type-ahead search compares.
using TPrefixMatch = bool (*)(std::wstring_view prefix, std::wstring_view text);

// Images of the list: the blank page, the blue cubes, the clock and the gears.
inline constexpr int kImageBlankPage = 0;
inline constexpr int kImageCubes = 1;
inline constexpr int kImageClock = 2;
inline constexpr int kImageGears = 3;

// What deciding and describing a new row needs: the lent white lists, the images and
// the icon cache the list view owns, and the "All Programs" box. With `readFiles`, a new
// row's product name and icon are read from its file as the row is made; without, it
// shows its caption and the cubes, and nothing is read.
struct TRowSources {
  const FilterList* fileWhite = nullptr;
  const FilterList* nameWhite = nullptr;
  TImageCollection* images = nullptr;
  TIconCache* iconCache = nullptr;
  bool showAll = false;
  bool readFiles = true;
};

// One catalogue entry's part in a merge worked out ahead: its folded key and, when it is
// new and shown, the row it becomes, described already.
struct TMergeStep {
  std::wstring key;
  std::optional<TAutorunItem> row;
};
using TMergePlan = std::vector<TMergeStep>;

// The image index of each new file row's icon, by the entry's FileName.
using TFileIcons = std::unordered_map<std::wstring, int>;

class TAutorunRows {
 public:
  const std::vector<TAutorunItem>& Rows() const { return rows_; }
  int Count() const { return static_cast<int>(rows_.size()); }
  const TAutorunItem& Row(int index) const { return rows_.at(static_cast<size_t>(index)); }
  void Clear();

  // The first row from the top whose Target and From equal these, ignoring the case of
  // a-z; -1 when there is none.
  int FindRow(const std::wstring& target, const std::wstring& from) const;
  // The row of that entry now, or -1 when it has none.
  int RowOf(const TRowKey& key) const { return FindRow(key.Target, key.From); }
  // The key of a row; nothing for a row number that is not there.
  std::optional<TRowKey> KeyOf(int row) const;

  // Type-ahead and find: the first row from `start` on whose display name `match`
  // accepts for the text (begins with it, or is it), going round to the top when `wrap`;
  // -1 when none does (or prefix is empty). A start outside the rows begins at the top.
  int FindByPrefix(std::wstring_view prefix, int start, bool wrap, TPrefixMatch match) const;

  // Existing rows take the entry's enabled state and nothing else; new entries become
  // rows at the end unless unnamed, disabled while not all are shown, or white-listed;
  // rows whose exact From and Target the catalogue no longer holds are removed.
  void Merge(const TAutorunList& catalogue, const TRowSources& sources);

  // The merge in two halves. PlanMerge decides and describes, and may read files, so it
  // can run away from the window's thread; `shown` tells whether a folded key has a row
  // where the plan is to be applied. Apply then only looks keys up, and a new file row
  // takes its icon from `icons` when they hold one. A step whose row meanwhile exists
  // updates that row.
  using TIsShown = std::function<bool(const std::wstring& key)>;
  static TMergePlan PlanMerge(const TAutorunList& catalogue, const TIsShown& shown, const TRowSources& sources);
  void Apply(const TAutorunList& catalogue, TMergePlan plan, const TFileIcons* icons = nullptr);

  // The folded keys of the rows shown now.
  std::unordered_set<std::wstring> ShownKeys() const;

  // The key rows are indexed by: From and Target with A-Z folded.
  static std::wstring FoldedKey(const std::wstring& from, const std::wstring& target);

 private:
  void Reindex();

  std::vector<TAutorunItem> rows_;
  // Folded key -> row: rows never share a folded key, since an entry that finds a row
  // updates it instead of adding another.
  std::unordered_map<std::wstring, size_t> index_;
};

// Which rule keeps a new entry out of the rows, or nothing when Merge gives it one. The
// outcome is the view's own: Merge asks this before describing a row. When more than one
// rule applies, the white list is named before "disabled", since ticking "All Programs"
// would not show a white-listed entry.
std::optional<THiddenBy> WhyHidden(const TAutorunInfo& entry, const TRowSources& sources);

// Whether the entry's row shows its file's product name and icon: Run values and
// startup files do; tasks and services show their captions and their kind's image.
bool ShowsFileFacts(const TAutorunInfo& entry);

// Whether a new entry is shown, and how (its kind's white list, display name and icon);
// false when its white list hides it.
bool DescribeNewRow(const TAutorunInfo& entry, const TRowSources& sources, TAutorunItem& row);

// The entry lookup page's path for a row: "/entry/" + from + "/" + the file-name part of
// target, with A-Z lower-cased. The kind and the name are each one path segment,
// percent-encoded from UTF-8 except for the unreserved characters ("/" inside the name
// is %2F; a name of exactly "." or ".." is %2E or %2E%2E) and joined after encoding.
std::wstring EntryLookupPath(const std::wstring& from, const std::wstring& target);
