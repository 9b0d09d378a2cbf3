#include "Lib/MsConfigStartupFolder.h"

#include <memory>
#include <vector>

#include "Lib/MsConfigStore.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"

// What the system tool keeps for a startup file, one key per file below the store, named
// after the file's full path with every backslash made a caret:
//   path             the file's full path, where enabling puts it back
//   backup           the copy's full path, in %windir%\pss
//   backupExtension  what was appended to the file's name for the copy: ".CommonStartup"
//                    for the all-users folder, ".Startup" for a user's
//   location         "Common Startup" or "Startup"
//   item             the name shown: the file's name without its extension
//   command          the command shown
//   YEAR ... SECOND  when it was disabled
// The key and value names, the backup folder and the suffixes agree across the public
// descriptions of the store; what those do not settle is written here as the tool is
// described to behave, not confirmed against it: for a shortcut the tool shows the
// shortcut's target as `command`, where we write the file's own path (resolving a
// shortcut is not this unit's work, and the tool restores from `path` and `backup`); a
// second file of the same name, from another user's folder, gets a copy named with a
// number before the suffix, as the tool's own choice there is unknown.
namespace {

constexpr wchar_t kPath[] = L"path";
constexpr wchar_t kBackup[] = L"backup";
constexpr wchar_t kBackupExtension[] = L"backupExtension";
constexpr wchar_t kLocation[] = L"location";
constexpr wchar_t kItem[] = L"item";
constexpr wchar_t kCommand[] = L"command";

constexpr wchar_t kCommonSuffix[] = L".CommonStartup";
constexpr wchar_t kUserSuffix[] = L".Startup";
constexpr wchar_t kCommonLocation[] = L"Common Startup";
constexpr wchar_t kUserLocation[] = L"Startup";

// Startup files are shortcuts and small programs; a larger file is refused rather than
// held in memory whole.
constexpr size_t kLargestFile = 64u * 1024 * 1024;

[[noreturn]] void Raise(DWORD error) {
  throw PlatformError(error, PlatformFiles().FormatSystemMessage(error));
}

std::wstring StorePath(const std::wstring& subKey) {
  return std::wstring(kMsConfigFolderStore) + L"\\" + subKey;
}

// "\\?\C:\a" and "\\?\UNC\server\share\a" as the paths they stand for.
std::wstring WithoutLongPathPrefix(const std::wstring& path) {
  if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
  if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
  return path;
}

bool SamePath(std::wstring a, std::wstring b) {
  if (a.size() != b.size()) return false;
  if (!a.empty()) PlatformLocale().CharUpperBuffW(a.data(), static_cast<DWORD>(a.size()));
  if (!b.empty()) PlatformLocale().CharUpperBuffW(b.data(), static_cast<DWORD>(b.size()));
  return a == b;
}

// The file behind an open handle must be no link itself and must really lie in `folder`:
// a junction on the way would have taken the handle elsewhere.
void CheckLiesIn(IOpenFile& file, const std::wstring& folder) {
  DWORD error = ERROR_SUCCESS;
  DWORD attributes = 0;
  if (!file.GetAttributes(&attributes, &error)) Raise(error);
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) Raise(ERROR_REPARSE_POINT_ENCOUNTERED);
  std::wstring finalPath;
  if (!file.GetFinalPathName(&finalPath, &error)) Raise(error);
  if (!SamePath(ExtractFileDir(WithoutLongPathPrefix(finalPath)), folder))
    Raise(ERROR_REPARSE_POINT_ENCOUNTERED);
}

// Deleting what was made: a failure to do so leaves a stray copy, never a lost file.
void Discard(IOpenFile& file) {
  DWORD ignored = ERROR_SUCCESS;
  (void)file.MarkForDeletion(&ignored);
}

// The system tool's backup folder, made when missing. It lies in %windir%, which only
// administrators can change; it is still refused when it is a link.
std::wstring BackupFolder() {
  const std::wstring windows = GetSpecialFolder(CSIDL_WINDOWS);
  if (windows.empty()) Raise(ERROR_PATH_NOT_FOUND);
  const std::wstring folder = windows + L"\\pss";
  DWORD error = ERROR_SUCCESS;
  if (!PlatformFiles().CreateDirectoryW(folder.c_str(), &error) && error != ERROR_ALREADY_EXISTS)
    Raise(error);
  const DWORD attributes = PlatformFiles().GetFileAttributesW(folder.c_str(), &error);
  if (attributes == INVALID_FILE_ATTRIBUTES) Raise(error);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) Raise(ERROR_DIRECTORY);
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) Raise(ERROR_REPARSE_POINT_ENCOUNTERED);
  return folder;
}

// A new, empty copy in the backup folder under the first free name: the file's name and
// the suffix, or with " (2)" and on before the suffix when that is taken.
std::unique_ptr<IOpenFile> CreateBackup(const std::wstring& folder, const std::wstring& fileName,
                                        const std::wstring& suffix, std::wstring& backupPath) {
  for (int n = 1; n < 100; ++n) {
    const std::wstring candidate = folder + L"\\" + fileName +
                                   (n == 1 ? std::wstring() : L" (" + std::to_wstring(n) + L")") +
                                   suffix;
    DWORD error = ERROR_SUCCESS;
    std::unique_ptr<IOpenFile> file = PlatformFiles().CreateNewFile(candidate.c_str(), &error);
    if (file) {
      backupPath = candidate;
      return file;
    }
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) Raise(error);
  }
  Raise(ERROR_FILE_EXISTS);
}

struct StoredFile {
  std::wstring subKey;
  std::wstring path;
  std::wstring backup;
};

std::vector<StoredFile> ReadStore() {
  std::vector<std::wstring> subKeys;
  TReg::ReadKeyNames(HKEY_LOCAL_MACHINE, kMsConfigFolderStore, subKeys);
  std::vector<StoredFile> stored;
  for (std::wstring& subKey : subKeys) {
    const std::wstring key = StorePath(subKey);
    StoredFile entry;
    entry.path = TReg::ReadString(HKEY_LOCAL_MACHINE, key, kPath, L"");
    if (entry.path.empty() || ExtractFileName(entry.path).empty()) continue;
    entry.backup = TReg::ReadString(HKEY_LOCAL_MACHINE, key, kBackup, L"");
    if (entry.backup.empty()) {
      // An entry without its copy's path names it the way the tool names its copies.
      std::wstring suffix = TReg::ReadString(HKEY_LOCAL_MACHINE, key, kBackupExtension, L"");
      if (suffix.empty())
        suffix = SameTextAscii(TReg::ReadString(HKEY_LOCAL_MACHINE, key, kLocation, L""),
                               kCommonLocation)
                     ? kCommonSuffix
                     : kUserSuffix;
      entry.backup = GetSpecialFolder(CSIDL_WINDOWS) + L"\\pss\\" + ExtractFileName(entry.path) + suffix;
    }
    entry.subKey = std::move(subKey);
    stored.push_back(std::move(entry));
  }
  return stored;
}

bool Exists(const std::wstring& path) {
  DWORD error = ERROR_SUCCESS;
  return PlatformFiles().GetFileAttributesW(path.c_str(), &error) != INVALID_FILE_ATTRIBUTES ||
         (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND);
}

}  // namespace

void StoreStartupFile(const std::wstring& target, bool common) {
  DWORD error = ERROR_SUCCESS;
  std::unique_ptr<IOpenFile> original = PlatformFiles().OpenForDeletion(target.c_str(), &error);
  if (!original) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return;
    Raise(error);
  }
  CheckLiesIn(*original, ExtractFileDir(target));
  DWORD attributes = 0;
  if (!original->GetAttributes(&attributes, &error)) Raise(error);
  // Read through the handle that was checked, never by name again: what is copied is
  // what will be deleted.
  std::string bytes;
  if (!original->ReadAll(kLargestFile, &bytes, &error)) Raise(error);

  // 1. The copy, complete, in the backup folder.
  const std::wstring fileName = ExtractFileName(target);
  const std::wstring suffix = common ? kCommonSuffix : kUserSuffix;
  const std::wstring folder = BackupFolder();
  std::wstring backupPath;
  std::unique_ptr<IOpenFile> backup = CreateBackup(folder, fileName, suffix, backupPath);
  try {
    CheckLiesIn(*backup, folder);
    if (!backup->WriteAll(bytes, &error)) Raise(error);
    std::string written;
    if (!backup->ReadAll(kLargestFile, &written, &error)) Raise(error);
    if (written != bytes) Raise(ERROR_WRITE_FAULT);
  } catch (...) {
    Discard(*backup);
    throw;
  }

  // 2. Its key, read back before the original may go.
  const std::wstring subKey = FreeMsConfigSubKey(kMsConfigFolderStore, target);
  const std::wstring key = StorePath(subKey);
  auto undo = [&] {
    TReg::DeleteKey(HKEY_LOCAL_MACHINE, kMsConfigFolderStore, subKey);
    Discard(*backup);
  };
  TReg::WriteString(HKEY_LOCAL_MACHINE, key, kPath, target);
  TReg::WriteString(HKEY_LOCAL_MACHINE, key, kBackup, backupPath);
  TReg::WriteString(HKEY_LOCAL_MACHINE, key, kBackupExtension, suffix);
  TReg::WriteString(HKEY_LOCAL_MACHINE, key, kLocation, common ? kCommonLocation : kUserLocation);
  TReg::WriteString(HKEY_LOCAL_MACHINE, key, kItem, FileNameWithoutExt(fileName));
  TReg::WriteString(HKEY_LOCAL_MACHINE, key, kCommand, target);
  StampMsConfigEntry(key);
  if (TReg::ReadString(HKEY_LOCAL_MACHINE, key, kPath, L"") != target ||
      TReg::ReadString(HKEY_LOCAL_MACHINE, key, kBackup, L"") != backupPath) {
    undo();
    Raise(ERROR_CANTWRITE);
  }

  // 3. The original, through its handle. A read-only file (a common trick of software
  // that wants to stay) is made writable first and gets its attribute back should the
  // deletion still fail.
  const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly) {
    const DWORD writable = attributes & ~FILE_ATTRIBUTE_READONLY;
    if (!original->SetAttributes(writable == 0 ? FILE_ATTRIBUTE_NORMAL : writable, &error)) {
      undo();
      Raise(error);
    }
  }
  if (!original->MarkForDeletion(&error)) {
    if (readOnly) {
      DWORD ignored = ERROR_SUCCESS;
      (void)original->SetAttributes(attributes, &ignored);
    }
    undo();
    Raise(error);
  }
}

void RestoreStartupFile(const std::wstring& target) {
  for (const StoredFile& entry : ReadStore()) {
    if (!SamePath(entry.path, target)) continue;
    // Nothing is overwritten: a file of that name back in the folder keeps its place and
    // the stored one stays stored.
    if (Exists(target)) Raise(ERROR_FILE_EXISTS);

    DWORD error = ERROR_SUCCESS;
    std::unique_ptr<IOpenFile> backup = PlatformFiles().OpenForDeletion(entry.backup.c_str(), &error);
    if (!backup) Raise(error);
    CheckLiesIn(*backup, ExtractFileDir(entry.backup));
    std::string bytes;
    if (!backup->ReadAll(kLargestFile, &bytes, &error)) Raise(error);

    // The folder is the user's: the new file is made first, empty, and written only once
    // its final path shows it lies in that folder and not behind a junction elsewhere.
    std::unique_ptr<IOpenFile> restored = PlatformFiles().CreateNewFile(target.c_str(), &error);
    if (!restored) Raise(error);
    try {
      CheckLiesIn(*restored, ExtractFileDir(target));
      if (!restored->WriteAll(bytes, &error)) Raise(error);
      std::string written;
      if (!restored->ReadAll(kLargestFile, &written, &error)) Raise(error);
      if (written != bytes) Raise(ERROR_WRITE_FAULT);
      TReg::DeleteKey(HKEY_LOCAL_MACHINE, kMsConfigFolderStore, entry.subKey);
      if (TReg::IsKey(HKEY_LOCAL_MACHINE, StorePath(entry.subKey))) Raise(ERROR_CANTWRITE);
    } catch (...) {
      Discard(*restored);
      throw;
    }
    // The file is back and the store no longer names its copy; a copy that cannot be
    // removed is left behind, which loses nothing.
    Discard(*backup);
    return;
  }
}

void CollectStoredStartupFiles(const std::wstring& folder, TAutorunList& list) {
  if (folder.empty()) return;
  for (const StoredFile& entry : ReadStore()) {
    if (!SamePath(ExtractFileDir(entry.path), folder)) continue;
    bool listed = false;
    for (const TAutorunInfo& known : list)
      listed = listed || (known.From == kFromFile && SamePath(known.Target, entry.path));
    if (listed) continue;
    TAutorunInfo info;
    info.FileName = entry.path;
    info.Caption = FileNameWithoutExt(ExtractFileName(entry.path));
    info.Target = entry.path;
    info.From = kFromFile;
    info.Enabled = false;
    list.push_back(std::move(info));
  }
}
