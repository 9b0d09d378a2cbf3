// A saved listing (`orvanec list --format json`) against the catalogue of now: what was
// added, removed and changed since.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Lib/Autorun.h"
#include "Lib/CatalogueFormat.h"

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
  // From list --verify: absent when the listing has no such key; inside, null (no file,
  // no signer) or the text.
  std::optional<std::optional<std::wstring>> Signature;
  std::optional<std::optional<std::wstring>> Signer;
};

struct TFieldChange {
  std::string Field;  // the listing's key: caption, rawData, fileName, enabled, signature, signer
  std::string Before;  // the values as JSON texts
  std::string After;
};

struct TChangedEntry {
  std::wstring From;    // as the catalogue holds them now
  std::wstring Target;
  std::vector<TFieldChange> Changes;
};

// A key held more than once by one side: its first entry counts, the rest are named here
// once per key and side.
struct TDuplicateEntry {
  std::wstring From;
  std::wstring Target;
  bool InSnapshot = false;  // else in the catalogue of now
};

struct TCatalogueDiff {
  std::vector<TSnapshotEntry> Added;    // in the catalogue's order
  std::vector<TSnapshotEntry> Removed;  // in the snapshot's order
  std::vector<TChangedEntry> Changed;   // in the catalogue's order
  std::vector<TDuplicateEntry> Duplicates;  // the snapshot's, then the catalogue's
  // No change; duplicates are no change.
  bool Empty() const { return Added.empty() && Removed.empty() && Changed.empty(); }
};

// Reads a snapshot: UTF-8 (a byte-order mark is skipped) or UTF-16 little-endian with its
// byte-order mark, as a PowerShell redirection writes it. Nothing when the text is not a
// JSON array of objects that each hold the texts "from" and "target", or when a field it
// knows has the wrong type; `reason` then says what is wrong.
std::optional<std::vector<TSnapshotEntry>> ParseSnapshot(std::string_view bytes, std::string& reason);

// Entries are paired by from and target, ignoring the case of a-z as the list view does;
// when a side holds one key twice, its first entry counts, as the view's first row does,
// and the key is named once in Duplicates. Texts compare exactly, lone surrogates
// included.
// With `signatures` (one per entry of `now`, as list --verify makes them), signature and
// signer are compared too where the snapshot has them.
TCatalogueDiff DiffCatalogue(const std::vector<TSnapshotEntry>& before, const TAutorunList& now,
                             const TSignatureList* signatures = nullptr);

// Whether any entry of the snapshot says who signed it, so the catalogue of now is worth
// verifying for the comparison.
bool SnapshotHasSignatures(const std::vector<TSnapshotEntry>& snapshot);

// "added   FROM  TARGET", "removed FROM  TARGET", "changed FROM  TARGET" followed by one
// indented "FIELD: BEFORE -> AFTER" line per field (the values as JSON texts); "no
// changes" when there are none. Duplicates come first, one line each. Control
// characters of names show as visible escapes.
std::string FormatDiffText(const TCatalogueDiff& diff);
// {"added": [entries], "changed": [{"from", "target", "changes": {FIELD: {"before": ...,
// "after": ...}}}], "duplicates": [{"from", "target", "in": "snapshot" or "catalogue"}],
// "removed": [entries]}; entries carry the fields they have. Lone surrogates are written
// as \udXXX escapes, as in a listing.
std::string FormatDiffJson(const TCatalogueDiff& diff);
