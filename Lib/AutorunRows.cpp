#include "Lib/AutorunRows.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "Tavin/Text.h"
#include "platform/Utf8.h"

namespace {

// The text after the last backslash or colon: a Run value's or a task's name.
std::wstring FileNamePart(const std::wstring& text) { return ExtractFileName(text); }

std::wstring ProductNameOr(const TAutorunInfo& entry) {
  TVersionStrings strings;
  GetVersionStrings(entry.FileName, {L"ProductName"}, strings);
  const auto found = strings.find(L"ProductName");
  return (found != strings.end() && !found->second.empty()) ? found->second : entry.Caption;
}

// The white list of the entry's kind and the row of it that matches: services by their
// name, tasks and Run values by the file-name part of the target, startup files by their
// path in the file list.
std::optional<THiddenBy> WhiteListed(const TAutorunInfo& entry, const TRowSources& sources) {
  const bool file = SameTextAscii(entry.From, kFromFile);
  const FilterList* list = file ? sources.fileWhite : sources.nameWhite;
  if (list == nullptr) return std::nullopt;
  const std::wstring* row = nullptr;
  if (file)
    row = MatchingRow(*list, entry.Target, true);
  else if (SameTextAscii(entry.From, kFromService))
    row = MatchingRow(*list, entry.Target, false);
  else
    row = MatchingRow(*list, FileNamePart(entry.Target), false);
  if (row == nullptr) return std::nullopt;
  return THiddenBy{file ? kHiddenByFileWhite : kHiddenByNameWhite, *row};
}

// One path segment: RFC 3986's unreserved characters stand as they are; every other
// byte of the UTF-8 text, "/" included, becomes %XX. What is left cannot end the
// address, start another argument on a command line, change its meaning or reach
// another path. A segment that is exactly "." or ".." would be taken as a step within
// the path, so its dots are encoded too.
std::wstring PercentEncodeSegment(std::wstring_view text) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  if (text == L"." || text == L"..") return text.size() == 1 ? L"%2E" : L"%2E%2E";
  std::wstring encoded;
  for (const char byte : WideToUtf8(text)) {
    const auto b = static_cast<unsigned char>(byte);
    const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                       b == '-' || b == '.' || b == '_' || b == '~';
    if (plain) {
      encoded += static_cast<wchar_t>(b);
    } else {
      encoded += L'%';
      encoded += kHex[b >> 4];
      encoded += kHex[b & 0xF];
    }
  }
  return encoded;
}

}  // namespace

void TAutorunRows::Clear() {
  rows_.clear();
  index_.clear();
}

std::wstring TAutorunRows::FoldedKey(const std::wstring& from, const std::wstring& target) {
  return LowerCaseAscii(from) + L"|" + LowerCaseAscii(target);
}

void TAutorunRows::Reindex() {
  index_.clear();
  for (size_t i = 0; i < rows_.size(); ++i) index_.emplace(FoldedKey(rows_[i].From, rows_[i].Target), i);
}

int TAutorunRows::FindRow(const std::wstring& target, const std::wstring& from) const {
  const auto found = index_.find(FoldedKey(from, target));
  return found == index_.end() ? -1 : static_cast<int>(found->second);
}

std::optional<THiddenBy> WhyHidden(const TAutorunInfo& entry, const TRowSources& sources) {
  if (entry.Caption.empty()) return THiddenBy{kHiddenByUnnamed, std::nullopt};
  if (auto listed = WhiteListed(entry, sources)) return listed;
  if (!entry.Enabled && !sources.showAll) return THiddenBy{kHiddenByDisabled, std::nullopt};
  return std::nullopt;
}

std::optional<TRowKey> TAutorunRows::KeyOf(int row) const {
  if (row < 0 || row >= Count()) return std::nullopt;
  const TAutorunItem& item = rows_[static_cast<size_t>(row)];
  return TRowKey{item.From, item.Target};
}

int TAutorunRows::FindByPrefix(std::wstring_view prefix, int start, bool wrap,
                               TPrefixMatch match) const {
  const int count = Count();
  if (prefix.empty() || count == 0) return -1;
  if (start < 0 || start >= count) start = 0;
  const int steps = wrap ? count : count - start;
  for (int step = 0; step < steps; ++step) {
    const int row = (start + step) % count;
    if (match(prefix, rows_[static_cast<size_t>(row)].FileName)) return row;
  }
  return -1;
}

bool ShowsFileFacts(const TAutorunInfo& entry) {
  return !SameTextAscii(entry.From, kFromTask) && !SameTextAscii(entry.From, kFromService);
}

bool DescribeNewRow(const TAutorunInfo& entry, const TRowSources& sources, TAutorunItem& row) {
  row.Target = entry.Target;
  row.From = entry.From;
  row.Enabled = entry.Enabled;
  if (WhiteListed(entry, sources)) return false;
  if (SameTextAscii(entry.From, kFromTask)) {
    row.FileName = entry.Caption;
    row.Icon = kImageClock;
  } else if (SameTextAscii(entry.From, kFromService)) {
    row.FileName = entry.Caption;
    row.Icon = kImageGears;
  } else if (!sources.readFiles) {
    row.FileName = entry.Caption;
    row.Icon = kImageCubes;
  } else {
    row.FileName = ProductNameOr(entry);
    row.Icon = (sources.iconCache && sources.images)
                   ? GetFileIconIndex(*sources.iconCache, *sources.images, entry.FileName, kImageCubes)
                   : kImageCubes;
  }
  return true;
}

std::unordered_set<std::wstring> TAutorunRows::ShownKeys() const {
  std::unordered_set<std::wstring> keys;
  keys.reserve(index_.size());
  for (const auto& [key, row] : index_) keys.insert(key);
  return keys;
}

TMergePlan TAutorunRows::PlanMerge(const TAutorunList& catalogue, const TIsShown& shown,
                                   const TRowSources& sources) {
  TMergePlan plan;
  plan.reserve(catalogue.size());
  // The rows this plan adds: a later entry with the same folded key finds that row, as
  // it would find a row shown already.
  std::unordered_set<std::wstring> added;
  for (const TAutorunInfo& entry : catalogue) {
    TMergeStep& step = plan.emplace_back();
    step.key = FoldedKey(entry.From, entry.Target);
    if (shown(step.key) || added.contains(step.key)) continue;
    if (WhyHidden(entry, sources)) continue;
    TAutorunItem item;
    if (!DescribeNewRow(entry, sources, item)) continue;
    added.insert(step.key);
    step.row = std::move(item);
  }
  return plan;
}

void TAutorunRows::Apply(const TAutorunList& catalogue, TMergePlan plan, const TFileIcons* icons) {
  if (plan.size() != catalogue.size()) throw std::invalid_argument("a merge plan must have one step per entry");
  // Whether each row's exact From and Target is still in the catalogue. Only an entry
  // with the row's folded key can be, and that entry finds the row.
  std::vector<bool> kept(rows_.size(), false);
  for (size_t i = 0; i < catalogue.size(); ++i) {
    const TAutorunInfo& entry = catalogue[i];
    TMergeStep& step = plan[i];
    if (const auto found = index_.find(step.key); found != index_.end()) {
      TAutorunItem& row = rows_[found->second];
      row.Enabled = entry.Enabled;
      if (row.From == entry.From && row.Target == entry.Target) kept[found->second] = true;
      continue;
    }
    if (!step.row) continue;
    if (icons && ShowsFileFacts(entry)) {
      if (const auto icon = icons->find(entry.FileName); icon != icons->end()) step.row->Icon = icon->second;
    }
    index_.emplace(std::move(step.key), rows_.size());
    rows_.push_back(std::move(*step.row));
    kept.push_back(true);
  }
  // The removal compares keys exactly: a row survives only while the catalogue holds an
  // entry with exactly its From and Target.
  if (std::find(kept.begin(), kept.end(), false) == kept.end()) return;
  size_t next = 0;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (!kept[i]) continue;
    if (next != i) rows_[next] = std::move(rows_[i]);
    ++next;
  }
  rows_.resize(next);
  Reindex();
}

void TAutorunRows::Merge(const TAutorunList& catalogue, const TRowSources& sources) {
  Apply(catalogue, PlanMerge(catalogue, [this](const std::wstring& key) { return index_.contains(key); }, sources));
}

std::wstring EntryLookupPath(const std::wstring& from, const std::wstring& target) {
  // Each part is encoded on its own and only then joined: the name is one segment,
  // whatever it holds.
  return L"/entry/" + PercentEncodeSegment(LowerCaseAscii(from)) + L"/" +
         PercentEncodeSegment(LowerCaseAscii(FileNamePart(target)));
}
