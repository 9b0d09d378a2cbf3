#include "Lib/CatalogueDiff.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <unordered_map>

#include "Lib/Common.h"
#include "Lib/DisplayText.h"
#include "Lib/JsonText.h"
#include "Tavin/Text.h"
#include "platform/Utf8.h"

namespace {

using nlohmann::json;

// The snapshot's bytes as UTF-8 without a byte-order mark. UTF-16 has to come with its
// mark: without one nothing tells it from bytes that are simply not JSON.
std::optional<std::string> SnapshotUtf8(std::string_view bytes, std::string& reason) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
    if (bytes.size() % 2 != 0) {
      reason = "it is UTF-16 with an odd number of bytes";
      return std::nullopt;
    }
    return WideToUtf8(Utf16LeBytesToWide(reinterpret_cast<const unsigned char*>(bytes.data()) + 2,
                                         bytes.size() - 2));
  }
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") {
    reason = "it is UTF-16 big-endian; save it as UTF-8";
    return std::nullopt;
  }
  return std::string(bytes);
}

// A key that may be null: absent, null, or a text.
bool ReadNullableText(const json& object, const char* key,
                      std::optional<std::optional<std::wstring>>& field, size_t index,
                      std::string& reason) {
  const auto found = object.find(key);
  if (found == object.end()) return true;
  if (found->is_null()) {
    field.emplace(std::nullopt);
    return true;
  }
  if (!found->is_string()) {
    reason = "entry " + std::to_string(index + 1) + ": \"" + key + "\" is not a text or null";
    return false;
  }
  field.emplace(JsonWide(found->get_ref<const std::string&>()));
  return true;
}

std::string Ordinal(size_t index) { return "entry " + std::to_string(index + 1); }

bool ReadText(const json& object, const char* key, std::optional<std::wstring>& field,
              size_t index, std::string& reason) {
  const auto found = object.find(key);
  if (found == object.end()) return true;
  if (!found->is_string()) {
    reason = Ordinal(index) + ": \"" + key + "\" is not a text";
    return false;
  }
  field = JsonWide(found->get_ref<const std::string&>());
  return true;
}

std::wstring FoldedKey(const std::wstring& from, const std::wstring& target) {
  return LowerCaseAscii(from) + L"|" + LowerCaseAscii(target);
}

TSnapshotEntry FromCatalogue(const TAutorunInfo& entry) {
  return TSnapshotEntry{entry.From,     entry.Target,  entry.Caption, entry.RawData,
                        entry.FileName, entry.Enabled, std::nullopt,  std::nullopt};
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

std::string NullableJson(const std::optional<std::wstring>& text) {
  return text ? JsonQuote(*text) : "null";
}

void CompareNullable(const char* field, const std::optional<std::optional<std::wstring>>& before,
                     const std::optional<std::optional<std::wstring>>& after,
                     std::vector<TFieldChange>& changes) {
  if (before && after && *before != *after)
    changes.push_back({field, NullableJson(*before), NullableJson(*after)});
}

void CompareText(const char* field, const std::optional<std::wstring>& before,
                 const std::optional<std::wstring>& after, std::vector<TFieldChange>& changes) {
  if (before && after && *before != *after)
    changes.push_back({field, JsonQuote(*before), JsonQuote(*after)});
}

// An entry as an object with the fields it has, in the order a listing writes them.
std::string EntryJson(const TSnapshotEntry& entry) {
  std::string out = "{\"from\": " + JsonQuote(entry.From);
  if (entry.Caption) out += ", \"caption\": " + JsonQuote(*entry.Caption);
  out += ", \"target\": " + JsonQuote(entry.Target);
  if (entry.FileName) out += ", \"fileName\": " + JsonQuote(*entry.FileName);
  if (entry.RawData) out += ", \"rawData\": " + JsonQuote(*entry.RawData);
  if (entry.Enabled) out += std::string(", \"enabled\": ") + JsonBool(*entry.Enabled);
  if (entry.Signature) out += ", \"signature\": " + NullableJson(*entry.Signature);
  if (entry.Signer) out += ", \"signer\": " + NullableJson(*entry.Signer);
  return out + "}";
}

// A value's JSON text for the text table: JSON escapes the C0 controls and lone
// surrogates itself, but leaves DEL and the C1 controls as they are.
std::string Visible(const std::string& jsonText) {
  return WideToUtf8(VisibleText(Utf8ToWide(jsonText)));
}

std::string EntryLine(const char* what, const std::wstring& from, const std::wstring& target) {
  return std::string(what) + " " + WideToUtf8(VisibleText(from)) + "  " +
         WideToUtf8(VisibleText(target)) + "\n";
}

// "name": [item, ...] with one item per line.
template <typename List, typename Item>
std::string JsonArray(const char* name, const List& list, Item item) {
  std::string out = std::string("  \"") + name + "\": [";
  for (size_t i = 0; i < list.size(); ++i) out += (i == 0 ? "\n    " : ",\n    ") + item(list[i]);
  return out + (list.empty() ? "]" : "\n  ]");
}

}  // namespace

std::optional<std::vector<TSnapshotEntry>> ParseSnapshot(std::string_view bytes, std::string& reason) {
  const std::optional<std::string> utf8 = SnapshotUtf8(bytes, reason);
  if (!utf8) return std::nullopt;
  const std::optional<json> value = ParseJsonLossless(*utf8);
  if (!value) {
    reason = "it is not JSON";
    return std::nullopt;
  }
  if (!value->is_array()) {
    reason = "it is not a JSON array of entries";
    return std::nullopt;
  }
  std::vector<TSnapshotEntry> entries;
  entries.reserve(value->size());
  for (size_t i = 0; i < value->size(); ++i) {
    const json& item = (*value)[i];
    if (!item.is_object()) {
      reason = Ordinal(i) + " is not an object";
      return std::nullopt;
    }
    TSnapshotEntry entry;
    std::optional<std::wstring> from, target;
    if (!ReadText(item, "from", from, i, reason) || !ReadText(item, "target", target, i, reason))
      return std::nullopt;
    if (!from || !target) {
      reason = Ordinal(i) + " has no \"from\" and \"target\"";
      return std::nullopt;
    }
    entry.From = std::move(*from);
    entry.Target = std::move(*target);
    if (!ReadText(item, "caption", entry.Caption, i, reason) ||
        !ReadText(item, "rawData", entry.RawData, i, reason) ||
        !ReadText(item, "fileName", entry.FileName, i, reason))
      return std::nullopt;
    if (!ReadNullableText(item, "signature", entry.Signature, i, reason) ||
        !ReadNullableText(item, "signer", entry.Signer, i, reason))
      return std::nullopt;
    if (const auto enabled = item.find("enabled"); enabled != item.end()) {
      if (!enabled->is_boolean()) {
        reason = Ordinal(i) + ": \"enabled\" is not true or false";
        return std::nullopt;
      }
      entry.Enabled = enabled->get<bool>();
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

namespace {

// Key -> index of the key's first entry; every later twin is reported once per key.
template <typename List>
std::unordered_map<std::wstring, size_t> IndexByKey(const List& list, bool inSnapshot,
                                                    std::vector<TDuplicateEntry>& duplicates) {
  std::unordered_map<std::wstring, size_t> byKey;
  std::unordered_map<std::wstring, bool> reported;
  for (size_t i = 0; i < list.size(); ++i) {
    const std::wstring key = FoldedKey(list[i].From, list[i].Target);
    if (byKey.emplace(key, i).second) continue;
    if (reported.emplace(key, true).second)
      duplicates.push_back({list[i].From, list[i].Target, inSnapshot});
  }
  return byKey;
}

}  // namespace

bool SnapshotHasSignatures(const std::vector<TSnapshotEntry>& snapshot) {
  return std::any_of(snapshot.begin(), snapshot.end(),
                     [](const TSnapshotEntry& entry) { return entry.Signature.has_value(); });
}

TCatalogueDiff DiffCatalogue(const std::vector<TSnapshotEntry>& before, const TAutorunList& now,
                             const TSignatureList* signatures) {
  TCatalogueDiff diff;
  const auto beforeByKey = IndexByKey(before, true, diff.Duplicates);
  const auto nowByKey = IndexByKey(now, false, diff.Duplicates);

  for (size_t i = 0; i < now.size(); ++i) {
    const std::wstring key = FoldedKey(now[i].From, now[i].Target);
    if (nowByKey.at(key) != i) continue;  // a later twin of an entry already compared
    TSnapshotEntry present = FromCatalogue(now[i]);
    if (signatures != nullptr && i < signatures->size()) {
      const std::optional<TSignatureInfo>& signature = (*signatures)[i];
      present.Signature.emplace(signature ? std::optional<std::wstring>(SignatureStateName(signature->State))
                                          : std::nullopt);
      present.Signer.emplace(signature ? signature->Signer : std::nullopt);
    }
    const auto found = beforeByKey.find(key);
    if (found == beforeByKey.end()) {
      diff.Added.push_back(present);
      continue;
    }
    const TSnapshotEntry& old = before[found->second];
    TChangedEntry changed{present.From, present.Target, {}};
    CompareText("rawData", old.RawData, present.RawData, changed.Changes);
    CompareText("fileName", old.FileName, present.FileName, changed.Changes);
    CompareText("caption", old.Caption, present.Caption, changed.Changes);
    if (old.Enabled && present.Enabled && *old.Enabled != *present.Enabled)
      changed.Changes.push_back({"enabled", JsonBool(*old.Enabled), JsonBool(*present.Enabled)});
    CompareNullable("signature", old.Signature, present.Signature, changed.Changes);
    CompareNullable("signer", old.Signer, present.Signer, changed.Changes);
    if (!changed.Changes.empty()) diff.Changed.push_back(std::move(changed));
  }
  for (size_t i = 0; i < before.size(); ++i) {
    const std::wstring key = FoldedKey(before[i].From, before[i].Target);
    if (beforeByKey.at(key) == i && !nowByKey.contains(key)) diff.Removed.push_back(before[i]);
  }
  return diff;
}

std::string FormatDiffText(const TCatalogueDiff& diff) {
  std::string out;
  for (const TDuplicateEntry& entry : diff.Duplicates)
    out += EntryLine(entry.InSnapshot ? "duplicate in the snapshot:" : "duplicate in the catalogue:",
                     entry.From, entry.Target);
  if (diff.Empty()) return out + "no changes\n";
  for (const TSnapshotEntry& entry : diff.Added) out += EntryLine("added  ", entry.From, entry.Target);
  for (const TSnapshotEntry& entry : diff.Removed) out += EntryLine("removed", entry.From, entry.Target);
  for (const TChangedEntry& entry : diff.Changed) {
    out += EntryLine("changed", entry.From, entry.Target);
    for (const TFieldChange& change : entry.Changes)
      out += "        " + change.Field + ": " + Visible(change.Before) + " -> " + Visible(change.After) + "\n";
  }
  return out;
}

std::string FormatDiffJson(const TCatalogueDiff& diff) {
  std::string out = "{\n";
  out += JsonArray("added", diff.Added, EntryJson) + ",\n";
  out += JsonArray("changed", diff.Changed, [](const TChangedEntry& entry) {
    std::string item = "{\"from\": " + JsonQuote(entry.From) + ", \"target\": " + JsonQuote(entry.Target) +
                       ", \"changes\": {";
    for (size_t i = 0; i < entry.Changes.size(); ++i) {
      const TFieldChange& change = entry.Changes[i];
      item += (i == 0 ? "\"" : ", \"") + change.Field + "\": {\"before\": " + change.Before +
              ", \"after\": " + change.After + "}";
    }
    return item + "}}";
  });
  out += ",\n";
  out += JsonArray("duplicates", diff.Duplicates, [](const TDuplicateEntry& entry) {
    return "{\"from\": " + JsonQuote(entry.From) + ", \"target\": " + JsonQuote(entry.Target) +
           ", \"in\": " + (entry.InSnapshot ? "\"snapshot\"" : "\"catalogue\"") + "}";
  });
  out += ",\n";
  out += JsonArray("removed", diff.Removed, EntryJson);
  return out + "\n}\n";
}
