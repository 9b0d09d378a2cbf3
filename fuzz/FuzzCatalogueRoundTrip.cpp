// A catalogue of any names (lone surrogates and control characters included) survives
// its own outputs: the JSON listing parses back to the same entries and compares with the
// catalogue without a change, and an RFC 4180 reader splits the CSV listing into exactly
// the fields that were written.
//
// Input: records separated by 0xFF bytes; in a record, fields separated by 0xFE; each
// field is UTF-16LE code units (an odd last byte is dropped). The fields are from,
// caption, target, fileName, rawData; a record's first byte also says enabled.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Lib/CatalogueDiff.h"
#include "Lib/CatalogueFormat.h"
#include "fuzz/FuzzInput.h"
#include "platform/Utf8.h"
#include "platform/fake/FakePlatform.h"

namespace {

std::vector<std::string_view> Split(std::string_view bytes, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t at; (at = bytes.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.push_back(bytes.substr(start, at - start));
  parts.push_back(bytes.substr(start));
  return parts;
}

std::wstring Field(const std::vector<std::string_view>& fields, size_t index) {
  if (index >= fields.size()) return L"";
  const std::string_view field = fields[index];
  return FuzzText(reinterpret_cast<const std::uint8_t*>(field.data()), field.size());
}

// RFC 4180: records end with CR LF, a quoted field doubles its quotes and may hold CR,
// LF and commas. Nothing when the text breaks the rules.
std::optional<std::vector<std::vector<std::string>>> ReadCsv(std::string_view text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) return std::nullopt;
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        field += text[i];
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
        if (text[i] == '"') return std::nullopt;  // a quote inside an unquoted field
        field += text[i++];
      }
    }
    record.push_back(std::move(field));
    field.clear();
    if (i < text.size() && text[i] == ',') {
      ++i;
      continue;
    }
    if (text.substr(i, 2) != "\r\n") return std::nullopt;
    i += 2;
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FakePlatform fake;  // the listing asks whether files exist: there are none
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TAutorunList list;
  for (std::string_view record : Split(bytes, '\xFF')) {
    if (record.empty()) continue;
    const bool enabled = (static_cast<unsigned char>(record[0]) & 1) != 0;
    const std::vector<std::string_view> fields = Split(record.substr(1), '\xFE');
    list.push_back(TAutorunInfo{Field(fields, 3), Field(fields, 1), Field(fields, 4), Field(fields, 2),
                                Field(fields, 0), enabled});
  }

  // JSON: the same entries, field for field, and no change against the catalogue.
  std::string reason;
  const auto parsed = ParseSnapshot(FormatCatalogueJson(list), reason);
  if (!parsed || parsed->size() != list.size()) std::abort();
  for (size_t i = 0; i < list.size(); ++i) {
    const TSnapshotEntry& entry = (*parsed)[i];
    const TAutorunInfo& original = list[i];
    if (entry.From != original.From || entry.Target != original.Target ||
        entry.Caption != original.Caption || entry.FileName != original.FileName ||
        entry.RawData != original.RawData || entry.Enabled != original.Enabled)
      std::abort();
  }
  if (!DiffCatalogue(*parsed, list).Empty()) std::abort();

  // CSV: a header and one record per entry with the fields as UTF-8.
  const auto records = ReadCsv(FormatCatalogueCsv(list));
  if (!records || records->size() != list.size() + 1) std::abort();
  for (size_t i = 0; i < list.size(); ++i) {
    const TAutorunInfo& entry = list[i];
    const std::vector<std::string> expected = {
        WideToUtf8(entry.From),     WideToUtf8(entry.Caption), WideToUtf8(entry.Target),
        WideToUtf8(entry.FileName), WideToUtf8(entry.RawData), entry.Enabled ? "true" : "false"};
    if ((*records)[i + 1] != expected) std::abort();
  }
  return 0;
}
