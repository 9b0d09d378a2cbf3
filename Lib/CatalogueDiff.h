// A saved listing (`orvanec list --format json`) against the catalogue of now: what was
// added, removed and changed since.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Lib/Autorun.h"

// One entry of a snapshot. from and target are required; the other fields are compared
// only when both sides have them, so a listing from an older or newer companion, with
// fields missing or added, still compares on what it shares with this one.
struct TSnapshotEntry {
  std::wstring From;
  std::wstring Target;
  std::optional<std::wstring> Caption;
  std::optional<std::wstring> RawData;
  std::optional<std::wstring> FileName;
  std::optional<bool> Enabled;
};

struct TFieldChange {
  std::string Field;  // the listing's key: caption, rawData, fileName or enabled
  std::string Before;  // the values as JSON texts
  std::string After;
};

struct TChangedEntry {
  std::wstring From;    // as the catalogue holds them now
  std::wstring Target;
  std::vector<TFieldChange> Changes;
};

struct TCatalogueDiff {
  std::vector<TSnapshotEntry> Added;    // in the catalogue's order
  std::vector<TSnapshotEntry> Removed;  // in the snapshot's order
  std::vector<TChangedEntry> Changed;   // in the catalogue's order
  bool Empty() const { return Added.empty() && Removed.empty() && Changed.empty(); }
};

// Reads a snapshot: UTF-8 (a byte-order mark is skipped) or UTF-16 little-endian with its
// byte-order mark, as a PowerShell redirection writes it. Nothing when the text is not a
// JSON array of objects that each hold the texts "from" and "target", or when a field it
// knows has the wrong type; `reason` then says what is wrong.
std::optional<std::vector<TSnapshotEntry>> ParseSnapshot(std::string_view bytes, std::string& reason);

// Entries are paired by from and target, ignoring the case of a-z as the list view does;
// when a side holds one key twice, its first entry counts, as the view's first row does.
TCatalogueDiff DiffCatalogue(const std::vector<TSnapshotEntry>& before, const TAutorunList& now);

// "added   FROM  TARGET", "removed FROM  TARGET", "changed FROM  TARGET" followed by one
// indented "FIELD: BEFORE -> AFTER" line per field; "no changes" when there are none.
std::string FormatDiffText(const TCatalogueDiff& diff);
// {"added": [entries], "removed": [entries], "changed": [{"from", "target", "changes":
// {FIELD: {"before": ..., "after": ...}}}]}; entries carry the fields they have.
std::string FormatDiffJson(const TCatalogueDiff& diff);
