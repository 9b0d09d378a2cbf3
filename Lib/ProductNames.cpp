#include "Lib/ProductNames.h"

#include "Tavin/FileMetadata.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

namespace {

std::wstring ProductNameOf(const std::wstring& path) {
  TVersionStrings strings;
  GetVersionStrings(path, {L"ProductName"}, strings);
  const auto found = strings.find(L"ProductName");
  return found != strings.end() ? found->second : std::wstring();
}

}  // namespace

bool IsNetworkPath(const std::wstring& path) {
  if (path.size() < 3 || path[0] != L'\\' || path[1] != L'\\') return false;
  // \\?\C:\... and \\.\... name local files and devices; \\?\UNC\ is a share again.
  if (path[2] == L'?' || path[2] == L'.') return StartsTextAscii(L"\\\\?\\UNC\\", path);
  return true;
}

std::wstring TProductNames::Lookup(const std::wstring& path) {
  const std::wstring key = LowerCaseAscii(path);
  if (unreachable_.contains(key)) return {};
  // A wildcard in the text would make the search below list other files; the "?" of a
  // \\?\ prefix is none.
  const size_t from = StartsTextAscii(L"\\\\?\\", path) ? 4 : 0;
  const bool plain = path.find_first_of(L"*?", from) == std::wstring::npos;
  FindData found;
  DWORD error = NO_ERROR;
  std::unique_ptr<IFileSearch> search =
      plain ? PlatformFiles().FindFirstFileW(path.c_str(), &found, &error) : nullptr;
  if (!search) {
    // A share that answers says the file or its folder is not there; anything else
    // (no such server, network down, access refused) is not asked again.
    if (plain && IsNetworkPath(path) && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
      unreachable_.insert(key);
    }
    known_.erase(key);
    return plain ? std::wstring() : ProductNameOf(path);
  }
  search.reset();
  if (const auto it = known_.find(key);
      it != known_.end() && it->second.size == found.size && it->second.lastWrite == found.lastWrite) {
    return it->second.name;
  }
  TKnown known{found.size, found.lastWrite, ProductNameOf(path)};
  std::wstring name = known.name;
  known_[key] = std::move(known);
  return name;
}
