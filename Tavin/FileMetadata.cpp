#include "Tavin/FileMetadata.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <vector>

#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformHandles.h"
#include "platform/SizedBuffer.h"

namespace {

// A whole decimal integer (leading blanks and a sign allowed); nothing otherwise.
std::optional<long long> ParseInteger(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + (text[i] - L'0');
    if (value > 0x7FFFFFFFLL + 1) return std::nullopt;  // beyond a 32-bit integer
  }
  value = negative ? -value : value;
  if (value > 0x7FFFFFFFLL) return std::nullopt;
  return value;
}

// Whether the bytes [at, at + count) lie inside the block of size bytes. What
// VerQueryValueW points to is computed from lengths the file itself states, so it is
// checked against the block the system really returned before anything is read.
bool InsideBlock(const void* block, DWORD size, const void* at, size_t count) {
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const auto where = reinterpret_cast<std::uintptr_t>(at);
  return at != nullptr && where >= start && where - start <= size && count <= size - (where - start);
}

}  // namespace

bool FileExists(const std::wstring& path) {
  DWORD error = NO_ERROR;
  const DWORD attributes = PlatformFiles().GetFileAttributesW(path.c_str(), &error);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int GetVersionStrings(const std::wstring& fileName, const std::vector<std::wstring>& keys,
                      TVersionStrings& results) {
  if (!FileExists(fileName)) return 0;
  IVersionInfo& versions = PlatformVersions();
  DWORD handle = 0;
  DWORD error = NO_ERROR;
  const DWORD size = versions.GetFileVersionInfoSizeW(fileName.c_str(), &handle, &error);
  if (size == 0) return 0;
  SizedBuffer block(size);
  if (!versions.GetFileVersionInfoW(fileName.c_str(), 0, size, block.as<void>(), &error)) return 0;

  void* translation = nullptr;
  UINT translationLength = 0;
  if (!versions.VerQueryValueW(block.as<void>(), L"\\VarFileInfo\\Translation\\", &translation,
                               &translationLength))
    return 0;
  // Only the first translation names the string table; no other one and no fallback
  // code page is tried, so a file whose first translation has no table gives nothing.
  if (translationLength < 2 * sizeof(WORD) || !InsideBlock(block.as<void>(), size, translation, 2 * sizeof(WORD)))
    return 0;
  const auto* pair = static_cast<const WORD*>(translation);
  std::array<wchar_t, 9> table{};
  std::swprintf(table.data(), table.size(), L"%.4x%.4x", static_cast<unsigned>(pair[0]),
                static_cast<unsigned>(pair[1]));

  for (const std::wstring& key : keys) {
    const std::wstring path = L"\\StringFileInfo\\" + std::wstring(table.data()) + L"\\" + key;
    void* value = nullptr;
    UINT length = 0;
    if (!versions.VerQueryValueW(block.as<void>(), path.c_str(), &value, &length)) continue;
    if (!InsideBlock(block.as<void>(), size, value, sizeof(wchar_t))) continue;
    // The value ends at its terminator, never beyond the length it states, and never
    // beyond the block's end, whatever length it states.
    const auto* text = static_cast<const wchar_t*>(value);
    const size_t room = (size - (reinterpret_cast<std::uintptr_t>(value) -
                                 reinterpret_cast<std::uintptr_t>(block.as<void>()))) /
                        sizeof(wchar_t);
    const size_t limit = std::min<size_t>(length, room);
    size_t count = 0;
    while (count < limit && text[count] != L'\0') ++count;
    results[key] = std::wstring(text, count);
  }
  return static_cast<int>(results.size());
}

TFileIconRead ReadFileIcon(const TIconCache& known, const std::wstring& fileText, int defaultIndex) {
  TFileIconRead read;
  std::wstring unquoted;
  for (wchar_t c : fileText)
    if (c != L'"') unquoted.push_back(c);
  const std::wstring cleaned = Trim(unquoted);
  if (cleaned.empty()) {
    read.index = defaultIndex;
    return read;
  }
  read.name = cleaned;

  std::wstring path = cleaned;
  WORD iconNumber = 0;
  if (const size_t comma = cleaned.find(L','); comma != std::wstring::npos) {
    path = Trim(std::wstring_view(cleaned).substr(0, comma));
    const auto number = ParseInteger(std::wstring_view(cleaned).substr(comma + 1));
    iconNumber = static_cast<WORD>(number ? *number : defaultIndex);
  }

  // Known already: StoreFileIcon finds it in the cache.
  if (known.contains(cleaned)) return read;
  if (!FileExists(path)) {
    read.index = 0;
    return read;
  }

  try {
    // The shell may write the path of the file whose icon it used back into the buffer,
    // up to MAX_PATH characters: the buffer holds at least that, and a longer path whole.
    std::vector<wchar_t> buffer(std::max<size_t>(path.size(), MAX_PATH) + 1, L'\0');
    path.copy(buffer.data(), path.size());
    IIcons& icons = PlatformIcons();
    UniqueIcon icon(icons.ExtractAssociatedIconW(nullptr, buffer.data(), &iconNumber));
    if (!icon) {
      read.index = 0;
      return read;
    }
    DWORD error = NO_ERROR;
    if (!icons.SaveIconToIco(icon.get(), &read.ico, &error)) {
      read.ico.clear();
      read.index = defaultIndex;
    }
  } catch (const std::exception&) {
    read.ico.clear();
    read.index = defaultIndex;
  }
  return read;
}

int StoreFileIcon(TIconCache& cache, TImageCollection& collection, TFileIconRead read) {
  if (read.index) return *read.index;
  if (const auto cached = cache.find(read.name); cached != cache.end()) return cached->second;
  const int index = collection.AddIcon(read.name, std::move(read.ico));
  cache[read.name] = index;
  return index;
}

int GetFileIconIndex(TIconCache& cache, TImageCollection& collection, const std::wstring& fileText,
                     int defaultIndex) {
  return StoreFileIcon(cache, collection, ReadFileIcon(cache, fileText, defaultIndex));
}
