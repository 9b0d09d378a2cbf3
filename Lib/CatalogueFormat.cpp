#include "Lib/CatalogueFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "Tavin/FileMetadata.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"
#include "platform/Utf8.h"

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

std::string CsvField(const std::wstring& text) {
  const std::string bytes = WideToUtf8(text);
  if (bytes.find_first_of(",\"\r\n") == std::string::npos) return bytes;
  std::string quoted = "\"";
  for (char c : bytes) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string JsonString(const std::wstring& text) {
  std::string out = "\"";
  for (unsigned char c : WideToUtf8(text)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + '"';
}

// Display width in code points; close enough for aligning a console table.
size_t Width(const std::wstring& text) { return text.size(); }

std::string Pad(const std::wstring& text, size_t width) {
  return WideToUtf8(text) + std::string(width > Width(text) ? width - Width(text) : 0, ' ');
}

const std::optional<THiddenBy>* HiddenByOf(const THiddenByList* why, size_t index) {
  return (why != nullptr && index < why->size()) ? &(*why)[index] : nullptr;
}

}  // namespace

std::wstring DescribeHiddenBy(const THiddenBy& hiddenBy) {
  return hiddenBy.Row ? hiddenBy.List + L": " + *hiddenBy.Row : hiddenBy.List;
}

std::optional<bool> EntryFileExists(const TAutorunInfo& entry) {
  if (SameTextAscii(entry.From, kFromTask) || SameTextAscii(entry.From, kFromService))
    return std::nullopt;
  return FileExists(entry.FileName);
}

std::string FormatCatalogueText(const TAutorunList& list, const THiddenByList* why) {
  const std::wstring stateTitle = L"State", fromTitle = L"From", captionTitle = L"Caption",
                     targetTitle = L"Target";
  size_t fromWidth = Width(fromTitle);
  size_t captionWidth = Width(captionTitle);
  for (const TAutorunInfo& entry : list) {
    fromWidth = std::max(fromWidth, Width(entry.From));
    captionWidth = std::max(captionWidth, Width(entry.Caption));
  }
  constexpr size_t kStateWidth = 8;
  std::string out = Pad(stateTitle, kStateWidth) + "  " + Pad(fromTitle, fromWidth) + "  " +
                    Pad(captionTitle, captionWidth) + "  " + WideToUtf8(targetTitle) + "\n";
  for (size_t i = 0; i < list.size(); ++i) {
    const TAutorunInfo& entry = list[i];
    out += Pad(entry.Enabled ? L"enabled" : L"disabled", kStateWidth) + "  " +
           Pad(entry.From, fromWidth) + "  " + Pad(entry.Caption, captionWidth) + "  " +
           WideToUtf8(entry.Target) + "\n";
    // Under the state column, so the reason reads as part of the entry above it.
    if (const auto* hidden = HiddenByOf(why, i); hidden != nullptr && hidden->has_value())
      out += std::string(kStateWidth + 2, ' ') + "hidden by " + WideToUtf8(DescribeHiddenBy(**hidden)) +
             "\n";
  }
  return out;
}

std::string FormatCatalogueCsv(const TAutorunList& list, const THiddenByList* why) {
  std::string out = why ? "from,caption,target,fileName,rawData,enabled,hiddenBy\r\n"
                        : "from,caption,target,fileName,rawData,enabled\r\n";
  for (size_t i = 0; i < list.size(); ++i) {
    const TAutorunInfo& entry = list[i];
    out += CsvField(entry.From) + ',' + CsvField(entry.Caption) + ',' + CsvField(entry.Target) +
           ',' + CsvField(entry.FileName) + ',' + CsvField(entry.RawData) + ',' +
           (entry.Enabled ? "true" : "false");
    if (why) {
      const auto* hidden = HiddenByOf(why, i);
      out += ',' + ((hidden != nullptr && hidden->has_value()) ? CsvField(DescribeHiddenBy(**hidden))
                                                                : std::string());
    }
    out += "\r\n";
  }
  return out;
}

std::string FormatCatalogueJson(const TAutorunList& list, const THiddenByList* why) {
  std::string out = "[";
  for (size_t i = 0; i < list.size(); ++i) {
    const TAutorunInfo& entry = list[i];
    out += i == 0 ? "\n  {" : ",\n  {";
    out += "\"from\": " + JsonString(entry.From);
    out += ", \"caption\": " + JsonString(entry.Caption);
    out += ", \"target\": " + JsonString(entry.Target);
    out += ", \"fileName\": " + JsonString(entry.FileName);
    out += ", \"rawData\": " + JsonString(entry.RawData);
    out += std::string(", \"enabled\": ") + (entry.Enabled ? "true" : "false");
    const std::optional<bool> exists = EntryFileExists(entry);
    out += std::string(", \"fileExists\": ") + (!exists ? "null" : *exists ? "true" : "false");
    if (why) {
      const auto* hidden = HiddenByOf(why, i);
      if (hidden != nullptr && hidden->has_value()) {
        const THiddenBy& by = **hidden;
        out += ", \"hiddenBy\": {\"list\": " + JsonString(by.List) +
               ", \"row\": " + (by.Row ? JsonString(*by.Row) : std::string("null")) + "}";
      } else {
        out += ", \"hiddenBy\": null";
      }
    }
    out += "}";
  }
  out += list.empty() ? "]\n" : "\n]\n";
  return out;
}

std::string FormatSavedList(const TAutorunList& list) {
  std::string out = kBom;
  for (const TAutorunInfo& entry : list)
    out += WideToUtf8(entry.From + L"|" + entry.Caption + L"|" + entry.Target) + "\r\n";
  return out;
}

void SaveCatalogue(const std::wstring& path, const TAutorunList& list) {
  DWORD error = ERROR_SUCCESS;
  if (!PlatformFiles().WriteWholeFile(path.c_str(), FormatSavedList(list), &error))
    throw PlatformError(error, PlatformFiles().FormatSystemMessage(error));
}
