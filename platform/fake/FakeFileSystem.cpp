#include "platform/fake/FakeFileSystem.h"

#include <algorithm>

#include "platform/fake/CaseFold.h"

namespace {

// Windows takes '/' for '\' and collapses doubled separators; a trailing one names the
// same folder.
std::wstring Normalize(std::wstring_view path) {
  std::wstring out;
  out.reserve(path.size());
  for (wchar_t c : path) {
    if (c == L'/') c = L'\\';
    if (c == L'\\' && !out.empty() && out.back() == L'\\') continue;
    out.push_back(c);
  }
  while (!out.empty() && out.back() == L'\\') out.pop_back();
  return out;
}

// Splits "C:\a\b" into "C:\a" and "b"; no parent for a path without a separator.
bool SplitLast(const std::wstring& path, std::wstring& parent, std::wstring& name) {
  const size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return false;
  parent = path.substr(0, slash);
  name = path.substr(slash + 1);
  return true;
}

// A drive's root ("C:") lists no "." and ".." entries.
bool IsDriveRoot(const std::wstring& path) { return path.size() == 2 && path[1] == L':'; }

bool MatchMask(std::wstring_view mask, std::wstring_view name) {
  // "*.*" is the old spelling of "everything", names without a dot included.
  if (mask == L"*.*") mask = L"*";
  size_t m = 0;
  size_t n = 0;
  size_t starMask = std::wstring_view::npos;
  size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == L'?' || FoldChar(mask[m]) == FoldChar(name[n]))) {
      ++m;
      ++n;
    } else if (m < mask.size() && mask[m] == L'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::wstring_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == L'*') ++m;
  return m == mask.size();
}

struct Message {
  DWORD code;
  const wchar_t* text;
};

// The English texts of FormatMessageW for the codes the program meets.
constexpr Message kMessages[] = {
    {0, L"The operation completed successfully."},
    {1, L"Incorrect function."},
    {2, L"The system cannot find the file specified."},
    {3, L"The system cannot find the path specified."},
    {5, L"Access is denied."},
    {6, L"The handle is invalid."},
    {8, L"Not enough memory resources are available to process this command."},
    {18, L"There are no more files."},
    {32, L"The process cannot access the file because it is being used by another process."},
    {33, L"The process cannot access the file because another process has locked a portion of "
         L"the file."},
    {29, L"The system cannot write to the specified device."},
    {80, L"The file exists."},
    {87, L"The parameter is incorrect."},
    {109, L"The pipe has been ended."},
    {112, L"There is not enough space on the disk."},
    {122, L"The data area passed to a system call is too small."},
    {123, L"The filename, directory name, or volume label syntax is incorrect."},
    {145, L"The directory is not empty."},
    {223, L"The file size exceeds the limit allowed and cannot be saved."},
    {161, L"The specified path is invalid."},
    {183, L"Cannot create a file when that file already exists."},
    {232, L"The pipe is being closed."},
    {234, L"More data is available."},
    {259, L"No more data is available."},
    {1013, L"The configuration registry key could not be written."},
    {1018, L"Illegal operation attempted on a registry key that has been marked for deletion."},
    {1052, L"The requested control is not valid for this service."},
    {1060, L"The specified service does not exist as an installed service."},
    {1072, L"The specified service has been marked for deletion."},
    {1073, L"The specified service already exists."},
    {1251, L"This operation is supported only when you are connected to the server."},
};

}  // namespace

class FakeFileSystem::Search : public IFileSearch {
 public:
  Search(FakeFileSystem& owner, std::vector<FindData> matches)
      : owner_(owner), matches_(std::move(matches)) {}
  ~Search() override { owner_.SearchClosed(); }
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;

  BOOL FindNextFileW(FindData* data, DWORD* error) override {
    if (owner_.Refuses("FindNextFileW", {data}, error)) return FALSE;
    if (next_ >= matches_.size()) {
      if (error != nullptr) *error = ERROR_NO_MORE_FILES;
      return FALSE;
    }
    *data = matches_[next_++];
    return TRUE;
  }

 private:
  FakeFileSystem& owner_;
  // The listing is taken when the search begins; FindFirstFileW has returned the first.
  std::vector<FindData> matches_;
  size_t next_ = 1;
};

class FakeFileSystem::OpenFile : public IOpenFile {
 public:
  OpenFile(FakeFileSystem& owner, std::wstring path) : owner_(owner), path_(std::move(path)) {}
  ~OpenFile() override { owner_.FileClosed(path_, deletePending_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  BOOL GetAttributes(DWORD* attributes, DWORD* error) override {
    if (owner_.Refuses("GetFileInformationByHandle", {}, error)) return FALSE;
    std::lock_guard lock(owner_.mutex_);
    Entry* entry = Find(error);
    if (entry == nullptr) return FALSE;
    *attributes = entry->attributes;
    return TRUE;
  }

  BOOL GetFinalPathName(std::wstring* path, DWORD* error) override {
    if (owner_.Refuses("GetFinalPathNameByHandleW", {}, error)) return FALSE;
    std::lock_guard lock(owner_.mutex_);
    if (Find(error) == nullptr) return FALSE;
    *path = L"\\\\?\\" + path_;
    return TRUE;
  }

  BOOL SetAttributes(DWORD attributes, DWORD* error) override {
    if (owner_.Refuses("SetFileInformationByHandle", {}, error)) return FALSE;
    std::lock_guard lock(owner_.mutex_);
    Entry* entry = Find(error);
    if (entry == nullptr) return FALSE;
    if (attributes == 0) return TRUE;
    const DWORD kept = entry->attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    entry->attributes = kept | (attributes & ~FILE_ATTRIBUTE_NORMAL);
    return TRUE;
  }

  BOOL MarkForDeletion(DWORD* error) override {
    if (owner_.Refuses("SetFileInformationByHandle", {}, error)) return FALSE;
    std::lock_guard lock(owner_.mutex_);
    Entry* entry = Find(error);
    if (entry == nullptr) return FALSE;
    if ((entry->attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      *error = ERROR_ACCESS_DENIED;
      return FALSE;
    }
    deletePending_ = true;
    return TRUE;
  }

  BOOL ReadAll(size_t maxBytes, std::string* bytes, DWORD* error) override {
    if (owner_.Refuses("ReadFile", {}, error)) return FALSE;
    std::lock_guard lock(owner_.mutex_);
    Entry* entry = Find(error);
    if (entry == nullptr) return FALSE;
    if (entry->contents.size() > maxBytes) {
      *error = ERROR_FILE_TOO_LARGE;
      return FALSE;
    }
    *bytes = entry->contents;
    return TRUE;
  }

  BOOL WriteAll(const std::string& bytes, DWORD* error) override {
    if (owner_.Refuses("WriteFile", {}, error)) return FALSE;
    std::lock_guard lock(owner_.mutex_);
    Entry* entry = Find(error);
    if (entry == nullptr) return FALSE;
    entry->contents += bytes;
    entry->written = ++owner_.writes_;
    return TRUE;
  }

 private:
  Entry* Find(DWORD* error) {
    Folder* folder = nullptr;
    Entry* entry = owner_.FindEntry(path_, &folder);
    // The handle holds the file: only a test that removes it behind the handle's back
    // gets here.
    if (entry == nullptr) *error = ERROR_FILE_NOT_FOUND;
    return entry;
  }

  FakeFileSystem& owner_;
  std::wstring path_;  // the final path, junctions resolved
  bool deletePending_ = false;
};

FakeFileSystem::FakeFileSystem() = default;
FakeFileSystem::~FakeFileSystem() = default;

std::wstring FakeFileSystem::ThroughJunctions(std::wstring_view path) const {
  std::wstring resolved = Normalize(path);
  // Windows gives up on long chains of reparse points too.
  for (int hops = 0; hops < 16 && !junctions_.empty(); ++hops) {
    const std::wstring folded = FoldCase(resolved);
    bool replaced = false;
    for (const auto& [link, target] : junctions_) {
      if (folded.compare(0, link.size(), link) != 0) continue;
      if (folded.size() != link.size() && folded[link.size()] != L'\\') continue;
      resolved = Normalize(target) + resolved.substr(link.size());
      replaced = true;
      break;
    }
    if (!replaced) break;
  }
  return resolved;
}

FakeFileSystem::Entry* FakeFileSystem::FindEntry(std::wstring_view path, Folder** folder) {
  std::wstring parent;
  std::wstring name;
  *folder = SplitLast(Normalize(path), parent, name) ? FindFolder(parent) : nullptr;
  if (*folder == nullptr) return nullptr;
  for (Entry& entry : (*folder)->entries)
    if (SameFolded(entry.name, name)) return &entry;
  return nullptr;
}

void FakeFileSystem::FileClosed(const std::wstring& path, bool deletePending) {
  std::lock_guard lock(mutex_);
  --openFiles_;
  if (!deletePending) return;
  Folder* folder = nullptr;
  if (Entry* entry = FindEntry(path, &folder)) {
    const std::wstring name = entry->name;
    std::erase_if(folder->entries, [&name](const Entry& e) { return SameFolded(e.name, name); });
  }
}

std::unique_ptr<IOpenFile> FakeFileSystem::OpenForDeletion(const wchar_t* path, DWORD* error) {
  if (Refuses("CreateFileW", {path}, error)) return nullptr;
  std::lock_guard lock(mutex_);
  Folder* folder = nullptr;
  Entry* entry = FindEntry(path, &folder);
  if (entry == nullptr) {
    *error = folder == nullptr ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  // A folder, junction or not, needs backup semantics to be opened.
  if ((entry->attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *error = ERROR_ACCESS_DENIED;
    return nullptr;
  }
  const std::wstring finalPath = folder->path + L"\\" + entry->name;
  if (const auto locked = locks_.find(FoldCase(finalPath)); locked != locks_.end()) {
    *error = locked->second;
    return nullptr;
  }
  ++openFiles_;
  return std::make_unique<OpenFile>(*this, finalPath);
}

std::unique_ptr<IOpenFile> FakeFileSystem::CreateNewFile(const wchar_t* path, DWORD* error) {
  if (Refuses("CreateFileW", {path}, error)) return nullptr;
  std::lock_guard lock(mutex_);
  std::wstring parent;
  std::wstring name;
  Folder* folder = SplitLast(Normalize(path), parent, name) ? FindFolder(parent) : nullptr;
  if (folder == nullptr || name.empty()) {
    *error = ERROR_PATH_NOT_FOUND;
    return nullptr;
  }
  for (const Entry& entry : folder->entries) {
    if (!SameFolded(entry.name, name)) continue;
    *error = ERROR_FILE_EXISTS;
    return nullptr;
  }
  const std::wstring finalPath = folder->path + L"\\" + name;
  if (const auto locked = locks_.find(FoldCase(finalPath)); locked != locks_.end()) {
    *error = locked->second;
    return nullptr;
  }
  folder->entries.push_back({name, FILE_ATTRIBUTE_ARCHIVE, {}, ++writes_});
  ++openFiles_;
  return std::make_unique<OpenFile>(*this, finalPath);
}

BOOL FakeFileSystem::CreateDirectoryW(const wchar_t* path, DWORD* error) {
  if (Refuses("CreateDirectoryW", {path}, error)) return FALSE;
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(path);
  std::wstring parent;
  std::wstring name;
  Folder* above = SplitLast(normalized, parent, name) ? FindFolder(parent) : nullptr;
  if (above == nullptr || name.empty()) {
    *error = ERROR_PATH_NOT_FOUND;
    return FALSE;
  }
  for (const Entry& entry : above->entries) {
    if (!SameFolded(entry.name, name)) continue;
    *error = ERROR_ALREADY_EXISTS;
    return FALSE;
  }
  MakeFolder(above->path + L"\\" + name);
  return TRUE;
}

void FakeFileSystem::AddJunction(std::wstring_view path, std::wstring_view target) {
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(path);
  std::wstring parent;
  std::wstring name;
  if (!SplitLast(normalized, parent, name)) return;
  Folder& above = MakeFolder(parent);
  std::erase_if(above.entries, [&name](const Entry& entry) { return SameFolded(entry.name, name); });
  above.entries.push_back({name, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, {}});
  junctions_[FoldCase(normalized)] = std::wstring(target);
}

int FakeFileSystem::OpenFileCount() const {
  std::lock_guard lock(mutex_);
  return openFiles_;
}

FakeFileSystem::Folder* FakeFileSystem::FindFolder(std::wstring_view path) {
  const auto found = folders_.find(FoldCase(ThroughJunctions(path)));
  return found == folders_.end() ? nullptr : &found->second;
}

const FakeFileSystem::Folder* FakeFileSystem::FindFolder(std::wstring_view path) const {
  return const_cast<FakeFileSystem*>(this)->FindFolder(path);
}

FakeFileSystem::Folder& FakeFileSystem::MakeFolder(std::wstring_view path) {
  const std::wstring normalized = Normalize(path);
  if (Folder* existing = FindFolder(normalized)) return *existing;
  std::wstring parent;
  std::wstring name;
  if (SplitLast(normalized, parent, name) && !parent.empty()) {
    Folder& above = MakeFolder(parent);
    const bool listed = std::any_of(above.entries.begin(), above.entries.end(),
                                    [&name](const Entry& entry) { return SameFolded(entry.name, name); });
    if (!listed) above.entries.push_back({name, FILE_ATTRIBUTE_DIRECTORY, {}});
  }
  Folder& folder = folders_[FoldCase(normalized)];
  folder.path = normalized;
  return folder;
}

bool FakeFileSystem::IsFile(std::wstring_view path) const {
  std::wstring parent;
  std::wstring name;
  if (!SplitLast(Normalize(path), parent, name)) return false;
  const Folder* folder = FindFolder(parent);
  return folder != nullptr &&
         std::any_of(folder->entries.begin(), folder->entries.end(), [&name](const Entry& entry) {
           return SameFolded(entry.name, name) && (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
         });
}

void FakeFileSystem::SearchClosed() {
  std::lock_guard lock(mutex_);
  --openSearches_;
}

std::unique_ptr<IFileSearch> FakeFileSystem::FindFirstFileW(const wchar_t* pattern, FindData* data,
                                                            DWORD* error) {
  if (Refuses("FindFirstFileW", {pattern, data}, error)) return nullptr;
  std::lock_guard lock(mutex_);
  std::wstring text(pattern);
  std::replace(text.begin(), text.end(), L'/', L'\\');
  const size_t slash = text.rfind(L'\\');
  if (slash == std::wstring::npos) {
    *error = ERROR_PATH_NOT_FOUND;
    return nullptr;
  }
  const std::wstring mask = text.substr(slash + 1);
  const Folder* folder = FindFolder(text.substr(0, slash));
  if (folder == nullptr) {
    // A file where the folder should be is not a missing path: the system opens it as a
    // folder and is told it is none (ERROR_DIRECTORY, "The directory name is invalid.").
    *error = IsFile(text.substr(0, slash)) ? ERROR_DIRECTORY : ERROR_PATH_NOT_FOUND;
    return nullptr;
  }
  if (deniedListing_.count(FoldCase(folder->path)) != 0) {
    *error = ERROR_ACCESS_DENIED;
    return nullptr;
  }

  std::vector<FindData> matches;
  auto consider = [&](const std::wstring& name, DWORD attributes, std::uint64_t size,
                      std::uint64_t written) {
    if (!mask.empty() && MatchMask(mask, name)) matches.push_back(FindData{attributes, name, size, written});
  };
  if (!IsDriveRoot(folder->path)) {
    consider(L".", FILE_ATTRIBUTE_DIRECTORY, 0, 0);
    consider(L"..", FILE_ATTRIBUTE_DIRECTORY, 0, 0);
  }
  for (const Entry& entry : folder->entries) {
    consider(entry.name, entry.attributes, entry.contents.size(), entry.written);
  }
  if (matches.empty()) {
    *error = ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  *data = matches.front();
  ++openSearches_;
  return std::make_unique<Search>(*this, std::move(matches));
}

BOOL FakeFileSystem::DeleteFileW(const wchar_t* path, DWORD* error) {
  if (Refuses("DeleteFileW", {path}, error)) return FALSE;
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(path);
  std::wstring parent;
  std::wstring name;
  Folder* folder = SplitLast(normalized, parent, name) ? FindFolder(parent) : nullptr;
  if (folder == nullptr) {
    *error = ERROR_PATH_NOT_FOUND;
    return FALSE;
  }
  const auto entry = std::find_if(folder->entries.begin(), folder->entries.end(),
                                  [&name](const Entry& e) { return SameFolded(e.name, name); });
  if (entry == folder->entries.end()) {
    *error = ERROR_FILE_NOT_FOUND;
    return FALSE;
  }
  // DeleteFileW removes files only; a folder, like a read-only file, is refused.
  if ((entry->attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    *error = ERROR_ACCESS_DENIED;
    return FALSE;
  }
  if (const auto locked = locks_.find(FoldCase(normalized)); locked != locks_.end()) {
    *error = locked->second;
    return FALSE;
  }
  folder->entries.erase(entry);
  return TRUE;
}

BOOL FakeFileSystem::WriteWholeFile(const wchar_t* path, const std::string& bytes, DWORD* error) {
  if (Refuses("CreateFileW", {path}, error)) return FALSE;
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(path);
  std::wstring parent;
  std::wstring name;
  Folder* folder = SplitLast(normalized, parent, name) ? FindFolder(parent) : nullptr;
  if (folder == nullptr || name.empty()) {
    *error = ERROR_PATH_NOT_FOUND;
    return FALSE;
  }
  auto entry = std::find_if(folder->entries.begin(), folder->entries.end(),
                            [&name](const Entry& e) { return SameFolded(e.name, name); });
  // CREATE_ALWAYS cannot empty a folder or a read-only file; nor a hidden or system file
  // when the caller asks for FILE_ATTRIBUTE_NORMAL, as the adapter does: the attributes
  // asked for must include those of the file there.
  constexpr DWORD kRefused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY |
                             FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (entry != folder->entries.end() && (entry->attributes & kRefused) != 0) {
    *error = ERROR_ACCESS_DENIED;
    return FALSE;
  }
  if (const auto locked = locks_.find(FoldCase(normalized)); locked != locks_.end()) {
    *error = locked->second;
    return FALSE;
  }
  // CREATE_ALWAYS has made (or emptied) the file before the write can fail.
  if (entry == folder->entries.end()) {
    folder->entries.push_back({name, FILE_ATTRIBUTE_ARCHIVE, {}});
    entry = std::prev(folder->entries.end());
  }
  entry->attributes |= FILE_ATTRIBUTE_ARCHIVE;
  entry->contents.clear();
  if (Refuses("WriteFile", {}, error)) return FALSE;
  entry->contents = bytes;
  entry->written = ++writes_;
  return TRUE;
}

BOOL FakeFileSystem::MoveFileExW(const wchar_t* from, const wchar_t* to, DWORD flags,
                                 DWORD* error) {
  if (Refuses("MoveFileExW", {from, to}, error)) return FALSE;
  std::lock_guard lock(mutex_);
  const std::wstring source = Normalize(from);
  const std::wstring target = Normalize(to);
  std::wstring sourceParent, sourceName, targetParent, targetName;
  Folder* sourceFolder = SplitLast(source, sourceParent, sourceName) ? FindFolder(sourceParent) : nullptr;
  Folder* targetFolder = SplitLast(target, targetParent, targetName) ? FindFolder(targetParent) : nullptr;
  if (sourceFolder == nullptr || targetFolder == nullptr || targetName.empty()) {
    *error = ERROR_PATH_NOT_FOUND;
    return FALSE;
  }
  auto named = [](Folder* folder, const std::wstring& name) {
    return std::find_if(folder->entries.begin(), folder->entries.end(),
                        [&name](const Entry& e) { return SameFolded(e.name, name); });
  };
  auto moving = named(sourceFolder, sourceName);
  if (moving == sourceFolder->entries.end()) {
    *error = ERROR_FILE_NOT_FOUND;
    return FALSE;
  }
  for (const std::wstring* path : {&source, &target})
    if (const auto locked = locks_.find(FoldCase(*path)); locked != locks_.end()) {
      *error = locked->second;
      return FALSE;
    }
  if (SameFolded(source, target)) return TRUE;
  Entry moved = *moving;
  moved.name = targetName;
  auto replaced = named(targetFolder, targetName);
  if (replaced != targetFolder->entries.end()) {
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0) {
      *error = ERROR_ALREADY_EXISTS;
      return FALSE;
    }
    if ((replaced->attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
      *error = ERROR_ACCESS_DENIED;
      return FALSE;
    }
    *replaced = std::move(moved);
  } else {
    targetFolder->entries.push_back(std::move(moved));
  }
  // The vector may have grown: find the source again before erasing it.
  sourceFolder->entries.erase(named(sourceFolder, sourceName));
  return TRUE;
}

BOOL FakeFileSystem::ReadWholeFile(const wchar_t* path, size_t maxBytes, std::string* bytes,
                                   DWORD* error) {
  if (Refuses("ReadFile", {}, error)) return FALSE;
  const DWORD attributes = GetFileAttributesW(path, error);
  if (attributes == INVALID_FILE_ATTRIBUTES) return FALSE;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *error = ERROR_ACCESS_DENIED;  // CreateFileW on a folder without backup semantics
    return FALSE;
  }
  std::optional<std::string> contents = FileContents(path);
  if (!contents) {
    *error = ERROR_FILE_NOT_FOUND;
    return FALSE;
  }
  if (contents->size() > maxBytes) {
    *error = ERROR_FILE_TOO_LARGE;
    return FALSE;
  }
  *bytes = std::move(*contents);
  return TRUE;
}

void FakeFileSystem::SetDriveType(std::wstring_view root, UINT type) {
  std::lock_guard lock(mutex_);
  driveTypes_[FoldCase(root)] = type;
}

UINT FakeFileSystem::GetDriveTypeW(const wchar_t* root) {
  std::lock_guard lock(mutex_);
  const auto found = driveTypes_.find(FoldCase(root));
  return found != driveTypes_.end() ? found->second : DRIVE_FIXED;
}

DWORD FakeFileSystem::GetFileAttributesW(const wchar_t* path, DWORD* error) {
  if (Refuses("GetFileAttributesW", {path}, error)) return INVALID_FILE_ATTRIBUTES;
  std::lock_guard lock(mutex_);
  if (*path == L'\0') {
    *error = ERROR_PATH_NOT_FOUND;
    return INVALID_FILE_ATTRIBUTES;
  }
  const std::wstring normalized = Normalize(path);
  // A junction is not followed for its own attributes.
  if (junctions_.count(FoldCase(normalized)) != 0)
    return FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  if (FindFolder(normalized) != nullptr) return FILE_ATTRIBUTE_DIRECTORY;
  std::wstring parent;
  std::wstring name;
  const Folder* folder = SplitLast(normalized, parent, name) ? FindFolder(parent) : nullptr;
  if (folder == nullptr) {
    *error = ERROR_PATH_NOT_FOUND;
    return INVALID_FILE_ATTRIBUTES;
  }
  for (const Entry& entry : folder->entries)
    if (SameFolded(entry.name, name)) return entry.attributes;
  *error = ERROR_FILE_NOT_FOUND;
  return INVALID_FILE_ATTRIBUTES;
}

bool FakeFileSystem::Refuses(const char* call, std::initializer_list<const void*> required, DWORD*& error) {
  // A caller may pass no error slot; the call fails the same way.
  thread_local DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check(call)) {
    *error = *fault;
    return true;
  }
  for (const void* argument : required) {
    if (argument != nullptr) continue;
    *error = ERROR_INVALID_PARAMETER;
    return true;
  }
  return false;
}

std::wstring FakeFileSystem::FormatSystemMessage(DWORD error) {
  (void)faults.Check("FormatMessageW");
  for (const Message& message : kMessages)
    if (message.code == error) return message.text;
  return L"Error " + std::to_wstring(error);
}

void FakeFileSystem::AddFolder(std::wstring_view folder) {
  std::lock_guard lock(mutex_);
  MakeFolder(folder);
}

void FakeFileSystem::AddFile(std::wstring_view folder, std::wstring_view name, DWORD attributes,
                             std::string contents) {
  std::lock_guard lock(mutex_);
  Folder& target = MakeFolder(folder);
  for (Entry& entry : target.entries) {
    if (SameFolded(entry.name, name)) {
      entry.attributes = attributes;
      entry.contents = std::move(contents);
      entry.written = ++writes_;
      return;
    }
  }
  target.entries.push_back({std::wstring(name), attributes, std::move(contents), ++writes_});
}

bool FakeFileSystem::Exists(std::wstring_view path) const {
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(path);
  if (FindFolder(normalized) != nullptr) return true;
  std::wstring parent;
  std::wstring name;
  if (!SplitLast(normalized, parent, name)) return false;
  const Folder* folder = FindFolder(parent);
  return folder != nullptr &&
         std::any_of(folder->entries.begin(), folder->entries.end(),
                     [&name](const Entry& entry) { return SameFolded(entry.name, name); });
}

void FakeFileSystem::RemoveFolder(std::wstring_view folder) {
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(folder);
  const std::wstring key = FoldCase(normalized);
  const std::wstring below = key + L"\\";
  std::erase_if(folders_, [&](const auto& item) {
    return item.first == key || item.first.compare(0, below.size(), below) == 0;
  });
  std::wstring parent;
  std::wstring name;
  if (!SplitLast(normalized, parent, name)) return;
  if (Folder* above = FindFolder(parent))
    std::erase_if(above->entries, [&name](const Entry& entry) { return SameFolded(entry.name, name); });
}

void FakeFileSystem::DenyListing(std::wstring_view folder) {
  std::lock_guard lock(mutex_);
  deniedListing_.insert(FoldCase(Normalize(folder)));
}

void FakeFileSystem::LockFile(std::wstring_view path, DWORD error) {
  std::lock_guard lock(mutex_);
  const std::wstring key = FoldCase(Normalize(path));
  if (error == NO_ERROR)
    locks_.erase(key);
  else
    locks_[key] = error;
}

std::vector<FindData> FakeFileSystem::Entries(std::wstring_view folder) const {
  std::lock_guard lock(mutex_);
  std::vector<FindData> entries;
  if (const Folder* found = FindFolder(folder))
    for (const Entry& entry : found->entries) entries.push_back(FindData{entry.attributes, entry.name});
  return entries;
}

std::optional<std::string> FakeFileSystem::FileContents(std::wstring_view path) const {
  std::lock_guard lock(mutex_);
  const std::wstring normalized = Normalize(path);
  std::wstring parent;
  std::wstring name;
  if (!SplitLast(normalized, parent, name)) return std::nullopt;
  const Folder* folder = FindFolder(parent);
  if (folder == nullptr) return std::nullopt;
  for (const Entry& entry : folder->entries)
    if (SameFolded(entry.name, name) && (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      return entry.contents;
  return std::nullopt;
}

int FakeFileSystem::OpenSearchCount() const {
  std::lock_guard lock(mutex_);
  return openSearches_;
}
