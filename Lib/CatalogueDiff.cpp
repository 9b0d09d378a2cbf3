#include "Lib/CatalogueDiff.h"

#include <nlohmann/json.hpp>

#include <unordered_map>

#include "Lib/Common.h"
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

std::string Ordinal(size_t index) { return "entry " + std::to_string(index + 1); }

bool ReadText(const json& object, const char* key, std::optional<std::wstring>& field,
              size_t index, std::string& reason) {
  const auto found = object.find(key);
  if (found == object.end()) return true;
  if (!found->is_string()) {
    reason = Ordinal(index) + ": \"" + key + "\" is not a text";
    return false;
  }
  field = Utf8ToWide(found->get_ref<const std::string&>());
  return true;
}

std::wstring FoldedKey(const std::wstring& from, const std::wstring& target) {
  return LowerCaseAscii(from) + L"|" + LowerCaseAscii(target);
}

TSnapshotEntry FromCatalogue(const TAutorunInfo& entry) {
  return TSnapshotEntry{entry.From, entry.Target, entry.Caption, entry.RawData, entry.FileName,
                        entry.Enabled};
}

// Texts from the registry may hold lone surrogates; their bytes are replaced rather than
// ending the output with an exception.
std::string Dump(const json& value, int indent = -1) {
  return value.dump(indent, ' ', false, json::error_handler_t::replace);
}

std::string JsonText(const std::wstring& text) { return Dump(json(WideToUtf8(text))); }
std::string JsonBool(bool value) { return value ? "true" : "false"; }

void CompareText(const char* field, const std::optional<std::wstring>& before,
                 const std::optional<std::wstring>& after, std::vector<TFieldChange>& changes) {
  if (before && after && *before != *after)
    changes.push_back({field, JsonText(*before), JsonText(*after)});
}

json EntryJson(const TSnapshotEntry& entry) {
  json object = json::object();
  object["from"] = WideToUtf8(entry.From);
  if (entry.Caption) object["caption"] = WideToUtf8(*entry.Caption);
  object["target"] = WideToUtf8(entry.Target);
  if (entry.FileName) object["fileName"] = WideToUtf8(*entry.FileName);
  if (entry.RawData) object["rawData"] = WideToUtf8(*entry.RawData);
  if (entry.Enabled) object["enabled"] = *entry.Enabled;
  return object;
}

std::string EntryLine(const char* what, const std::wstring& from, const std::wstring& target) {
  return std::string(what) + " " + WideToUtf8(from) + "  " + WideToUtf8(target) + "\n";
}

}  // namespace

std::optional<std::vector<TSnapshotEntry>> ParseSnapshot(std::string_view bytes, std::string& reason) {
  const std::optional<std::string> utf8 = SnapshotUtf8(bytes, reason);
  if (!utf8) return std::nullopt;
  const std::optional<json> value = ParseJsonText(*utf8);
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

TCatalogueDiff DiffCatalogue(const std::vector<TSnapshotEntry>& before, const TAutorunList& now) {
  std::unordered_map<std::wstring, size_t> beforeByKey;
  for (size_t i = 0; i < before.size(); ++i)
    beforeByKey.emplace(FoldedKey(before[i].From, before[i].Target), i);
  std::unordered_map<std::wstring, size_t> nowByKey;
  for (size_t i = 0; i < now.size(); ++i) nowByKey.emplace(FoldedKey(now[i].From, now[i].Target), i);

  TCatalogueDiff diff;
  for (size_t i = 0; i < now.size(); ++i) {
    const std::wstring key = FoldedKey(now[i].From, now[i].Target);
    if (nowByKey.at(key) != i) continue;  // a later twin of an entry already compared
    const TSnapshotEntry present = FromCatalogue(now[i]);
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
    if (!changed.Changes.empty()) diff.Changed.push_back(std::move(changed));
  }
  for (size_t i = 0; i < before.size(); ++i) {
    const std::wstring key = FoldedKey(before[i].From, before[i].Target);
    if (beforeByKey.at(key) == i && !nowByKey.contains(key)) diff.Removed.push_back(before[i]);
  }
  return diff;
}

std::string FormatDiffText(const TCatalogueDiff& diff) {
  if (diff.Empty()) return "no changes\n";
  std::string out;
  for (const TSnapshotEntry& entry : diff.Added) out += EntryLine("added  ", entry.From, entry.Target);
  for (const TSnapshotEntry& entry : diff.Removed) out += EntryLine("removed", entry.From, entry.Target);
  for (const TChangedEntry& entry : diff.Changed) {
    out += EntryLine("changed", entry.From, entry.Target);
    for (const TFieldChange& change : entry.Changes)
      out += "        " + change.Field + ": " + change.Before + " -> " + change.After + "\n";
  }
  return out;
}

std::string FormatDiffJson(const TCatalogueDiff& diff) {
  json out = {{"added", json::array()}, {"removed", json::array()}, {"changed", json::array()}};
  for (const TSnapshotEntry& entry : diff.Added) out["added"].push_back(EntryJson(entry));
  for (const TSnapshotEntry& entry : diff.Removed) out["removed"].push_back(EntryJson(entry));
  for (const TChangedEntry& entry : diff.Changed) {
    json changes = json::object();
    for (const TFieldChange& change : entry.Changes)
      changes[change.Field] = {{"before", json::parse(change.Before)}, {"after", json::parse(change.After)}};
    out["changed"].push_back(
        {{"from", WideToUtf8(entry.From)}, {"target", WideToUtf8(entry.Target)}, {"changes", changes}});
  }
  return Dump(out, 2) + "\n";
}
