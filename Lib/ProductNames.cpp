#include "Lib/ProductNames.h"

#include <memory>

#include "Lib/AutorunRows.h"
#include "Lib/WorkWithDeadline.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

namespace {

std::wstring ProductNameOf(const std::wstring& path) {
  TVersionStrings strings;
  GetVersionStrings(path, {L"ProductName"}, strings);
  const auto found = strings.find(L"ProductName");
  return found != strings.end() ? found->second : std::wstring();
}

// A wildcard in the text would make a search list other files; the question mark of a
// long-path prefix is none.
bool PlainPath(const std::wstring& path) {
  const size_t from = StartsTextAscii(L"\\\\?\\", path) ? 4 : 0;
  return path.find_first_of(L"*?", from) == std::wstring::npos;
}

}  // namespace

bool IsNetworkPath(const std::wstring& path) {
  if (path.size() < 3 || path[0] != L'\\' || path[1] != L'\\') return false;
  // \\?\C:\... and \\.\... name local files and devices; \\?\UNC\ is a share again.
  if (path[2] == L'?' || path[2] == L'.') return StartsTextAscii(L"\\\\?\\UNC\\", path);
  return true;
}

std::wstring NetworkPlace(const std::wstring& path) {
  if (!IsNetworkPath(path)) return {};
  const size_t server = StartsTextAscii(L"\\\\?\\UNC\\", path) ? 8 : 2;
  // The server's name, then the share's: the place ends at the separator after both.
  size_t end = path.find(L'\\', server);
  if (end != std::wstring::npos) end = path.find(L'\\', end + 1);
  const std::wstring_view rest = std::wstring_view(path).substr(server, end == std::wstring::npos ? std::wstring::npos : end - server);
  return L"\\\\" + LowerCaseAscii(rest);
}

TProductNames::TProductNames(std::chrono::milliseconds networkDeadline)
    : networkDeadline_(networkDeadline) {}

std::wstring TProductNames::PlaceOf(const std::wstring& path) {
  std::wstring place = NetworkPlace(path);
  if (!place.empty()) return place;
  // A drive letter, also behind the \\?\ prefix.
  const size_t at = StartsTextAscii(L"\\\\?\\", path) ? 4 : 0;
  if (path.size() < at + 3 || path[at + 1] != L':' || path[at + 2] != L'\\') return {};
  const wchar_t letter = path[at];
  if (!((letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z'))) return {};
  const wchar_t folded = static_cast<wchar_t>(letter | 0x20);
  auto known = remoteDrives_.find(folded);
  if (known == remoteDrives_.end()) {
    const wchar_t root[] = {folded, L':', L'\\', L'\0'};
    known = remoteDrives_.emplace(folded, PlatformFiles().GetDriveTypeW(root) == DRIVE_REMOTE).first;
  }
  if (known->second) place = {folded, L':'};
  return place;
}

TProductNames::TNameRead TProductNames::ReadName(const std::wstring& path, bool remote,
                                                 const std::optional<TKnown>& known) {
  TNameRead read;
  FindData found;
  DWORD error = NO_ERROR;
  std::unique_ptr<IFileSearch> search = PlatformFiles().FindFirstFileW(path.c_str(), &found, &error);
  if (!search) {
    // A share that answers says the file or its folder is not there; anything else
    // (no such server, network down, access refused) means the share is not reachable.
    read.unreachable = remote && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    return read;
  }
  search.reset();
  if (known && known->size == found.size && known->lastWrite == found.lastWrite) {
    read.found = known;
  } else {
    read.found = TKnown{found.size, found.lastWrite, ProductNameOf(path)};
  }
  return read;
}

void TProductNames::Store(const std::wstring& key, const std::wstring& place, const TNameRead& read) {
  if (read.unreachable) unreachable_.insert(place);
  if (read.found) {
    known_[key] = *read.found;
  } else {
    known_.erase(key);
  }
}

std::wstring TProductNames::Lookup(const std::wstring& path) { return Read(path, nullptr).productName; }

TFileFacts TProductNames::Read(const std::wstring& path, std::shared_ptr<const TIconCache> knownIcons) {
  TFileFacts facts;
  const std::wstring place = PlaceOf(path);
  if (!place.empty() && unreachable_.contains(place)) {
    facts.icon.index = 0;
    return facts;
  }
  if (!PlainPath(path)) {
    facts.productName = ProductNameOf(path);
    if (knownIcons) facts.icon = ReadFileIcon(*knownIcons, path, kImageCubes);
    return facts;
  }
  const std::wstring key = LowerCaseAscii(path);
  std::optional<TKnown> known;
  if (const auto it = known_.find(key); it != known_.end()) known = it->second;

  if (place.empty()) {
    const TNameRead read = ReadName(path, false, known);
    Store(key, place, read);
    if (read.found) facts.productName = read.found->name;
    if (knownIcons) facts.icon = ReadFileIcon(*knownIcons, path, kImageCubes);
    return facts;
  }

  // On a share: the reading is given its own copies, and its results are shared, so a
  // read that outlives the deadline frees nothing the refresh still uses, nor the reverse.
  struct TShared {
    std::wstring path;
    std::optional<TKnown> known;
    std::shared_ptr<const TIconCache> icons;
    TNameRead name;
    TFileIconRead icon;
  };
  auto shared = std::make_shared<TShared>();
  shared->path = path;
  shared->known = known;
  shared->icons = std::move(knownIcons);
  const bool inTime = RunWithDeadline(
      [shared] {
        shared->name = ReadName(shared->path, true, shared->known);
        // Nothing more is asked of a share that just said it cannot be reached.
        if (shared->icons && !shared->name.unreachable)
          shared->icon = ReadFileIcon(*shared->icons, shared->path, kImageCubes);
      },
      networkDeadline_);
  if (!inTime) {
    unreachable_.insert(place);
    facts.icon.index = 0;
    return facts;
  }
  Store(key, place, shared->name);
  if (shared->name.found) facts.productName = shared->name.found->name;
  if (shared->name.unreachable) {
    facts.icon.index = 0;
  } else {
    facts.icon = std::move(shared->icon);
  }
  return facts;
}
