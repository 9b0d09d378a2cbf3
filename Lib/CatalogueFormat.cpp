#include "Lib/CatalogueFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <thread>

#include "Lib/DisplayText.h"
#include "Lib/FileReplace.h"
#include "Lib/JsonText.h"
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

std::string JsonString(const std::wstring& text) { return JsonQuote(text); }

// Display width in code points; close enough for aligning a console table.
size_t Width(const std::wstring& text) { return text.size(); }

// Every text of the table goes out through here or Visible, so no name reaches the
// terminal with its control characters.
std::string Pad(const std::wstring& text, size_t width) {
  const std::wstring visible = VisibleText(text);
  return WideToUtf8(visible) + std::string(width > Width(visible) ? width - Width(visible) : 0, ' ');
}

std::string Visible(const std::wstring& text) { return WideToUtf8(VisibleText(text)); }

const std::optional<THiddenBy>* HiddenByOf(const THiddenByList* why, size_t index) {
  return (why != nullptr && index < why->size()) ? &(*why)[index] : nullptr;
}

const TSignatureInfo* SignatureOf(const TSignatureList* signatures, size_t index) {
  if (signatures == nullptr || index >= signatures->size() || !(*signatures)[index]) return nullptr;
  return &*(*signatures)[index];
}

std::wstring DescribeSignature(const TSignatureInfo* signature) {
  if (signature == nullptr) return L"";
  std::wstring text = SignatureStateName(signature->State);
  if (signature->Signer) text += L": " + *signature->Signer;
  return text;
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

std::string FormatCatalogueText(const TAutorunList& list, const THiddenByList* why,
                                const TSignatureList* signatures) {
  const std::wstring stateTitle = L"State", fromTitle = L"From", captionTitle = L"Caption",
                     signatureTitle = L"Signature", targetTitle = L"Target";
  size_t fromWidth = Width(fromTitle);
  size_t captionWidth = Width(captionTitle);
  size_t signatureWidth = Width(signatureTitle);
  for (size_t i = 0; i < list.size(); ++i) {
    fromWidth = std::max(fromWidth, Width(VisibleText(list[i].From)));
    captionWidth = std::max(captionWidth, Width(VisibleText(list[i].Caption)));
    signatureWidth =
        std::max(signatureWidth, Width(VisibleText(DescribeSignature(SignatureOf(signatures, i)))));
  }
  constexpr size_t kStateWidth = 8;
  std::string out = Pad(stateTitle, kStateWidth) + "  " + Pad(fromTitle, fromWidth) + "  " +
                    Pad(captionTitle, captionWidth) + "  ";
  if (signatures) out += Pad(signatureTitle, signatureWidth) + "  ";
  out += WideToUtf8(targetTitle) + "\n";
  for (size_t i = 0; i < list.size(); ++i) {
    const TAutorunInfo& entry = list[i];
    out += Pad(entry.Enabled ? L"enabled" : L"disabled", kStateWidth) + "  " +
           Pad(entry.From, fromWidth) + "  " + Pad(entry.Caption, captionWidth) + "  ";
    if (signatures) out += Pad(DescribeSignature(SignatureOf(signatures, i)), signatureWidth) + "  ";
    out += Visible(entry.Target) + "\n";
    // Under the state column, so the reason reads as part of the entry above it.
    if (const auto* hidden = HiddenByOf(why, i); hidden != nullptr && hidden->has_value())
      out += std::string(kStateWidth + 2, ' ') + "hidden by " + Visible(DescribeHiddenBy(**hidden)) +
             "\n";
  }
  return out;
}

std::string FormatCatalogueCsv(const TAutorunList& list, const THiddenByList* why,
                               const TSignatureList* signatures) {
  std::string out = "from,caption,target,fileName,rawData,enabled";
  if (why) out += ",hiddenBy";
  if (signatures) out += ",signature,signer";
  out += "\r\n";
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
    if (signatures) {
      const TSignatureInfo* signature = SignatureOf(signatures, i);
      out += ',' + (signature ? CsvField(SignatureStateName(signature->State)) : std::string());
      out += ',' + (signature && signature->Signer ? CsvField(*signature->Signer) : std::string());
    }
    out += "\r\n";
  }
  return out;
}

std::string FormatCatalogueJson(const TAutorunList& list, const THiddenByList* why,
                                const TSignatureList* signatures) {
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
    if (signatures) {
      const TSignatureInfo* signature = SignatureOf(signatures, i);
      out += ", \"signature\": " + (signature ? JsonString(SignatureStateName(signature->State)) : "null");
      out += ", \"signer\": " +
             (signature && signature->Signer ? JsonString(*signature->Signer) : std::string("null"));
    }
    out += "}";
  }
  out += list.empty() ? "]\n" : "\n]\n";
  return out;
}

TSignatureList VerifyEntrySignatures(const TAutorunList& list) {
  std::vector<std::wstring> files;
  std::vector<size_t> entryOf;
  for (size_t i = 0; i < list.size(); ++i)
    if (EntryFileExists(list[i]).value_or(false)) {
      files.push_back(list[i].FileName);
      entryOf.push_back(i);
    }
  const std::vector<TSignatureInfo> checked =
      VerifyFileSignatures(files, std::max(1u, std::thread::hardware_concurrency()));
  TSignatureList signatures(list.size());
  for (size_t k = 0; k < checked.size(); ++k) signatures[entryOf[k]] = checked[k];
  return signatures;
}

std::string FormatSavedList(const TAutorunList& list) {
  std::string out = kBom;
  for (const TAutorunInfo& entry : list)
    out += WideToUtf8(entry.From + L"|" + entry.Caption + L"|" + entry.Target) + "\r\n";
  return out;
}

void SaveCatalogue(const std::wstring& path, const TAutorunList& list) {
  DWORD error = ERROR_SUCCESS;
  if (!ReplaceFileContents(path, FormatSavedList(list), &error))
    throw PlatformError(error, PlatformFiles().FormatSystemMessage(error));
}
