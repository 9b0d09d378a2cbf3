// Files in the all-users and the user's Startup folders.
#include <array>

#include "Lib/AutorunSources.h"
#include "Lib/StartupApproved.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"

namespace {

constexpr std::array<std::wstring_view, 6> kStartableExtensions = {L".url", L".lnk", L".exe",
                                                                    L".bat", L".cmd", L".com"};

bool IsStartable(const std::wstring& name) {
  const std::wstring extension = ExtractFileExt(name);
  for (std::wstring_view candidate : kStartableExtensions)
    if (SameTextAscii(extension, candidate)) return true;
  return false;
}

// Records of the all-users folder live under the machine's root, the user's under hers.
HKEY ApprovalRoot(const std::wstring& folder) {
  return GetSpecialFolder(CSIDL_COMMON_STARTUP) == folder ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

[[noreturn]] void Raise(DWORD error) {
  throw PlatformError(error, PlatformFiles().FormatSystemMessage(error));
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

// Deletes a startup file with the rights of the elevated program from a folder its user
// controls. The file is opened once, as itself (a link is not followed), and checked and
// deleted through that handle, so nothing can be swapped in between: a link in place of
// the file is refused, and so is a file whose final path lies elsewhere than in the
// folder named (the folder, or one above it, made a junction to a system folder). A
// read-only file is made writable first; should the deletion still fail, it gets its
// attribute back.
void DeleteStartupFile(const std::wstring& target) {
  DWORD error = ERROR_SUCCESS;
  std::unique_ptr<IOpenFile> file = PlatformFiles().OpenForDeletion(target.c_str(), &error);
  if (!file) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return;
    Raise(error);
  }
  DWORD attributes = 0;
  if (!file->GetAttributes(&attributes, &error)) Raise(error);
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) Raise(ERROR_REPARSE_POINT_ENCOUNTERED);
  std::wstring finalPath;
  if (!file->GetFinalPathName(&finalPath, &error)) Raise(error);
  if (!SamePath(ExtractFileDir(WithoutLongPathPrefix(finalPath)), ExtractFileDir(target)))
    Raise(ERROR_REPARSE_POINT_ENCOUNTERED);

  const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly) {
    const DWORD writable = attributes & ~FILE_ATTRIBUTE_READONLY;
    if (!file->SetAttributes(writable == 0 ? FILE_ATTRIBUTE_NORMAL : writable, &error))
      Raise(error);
  }
  if (!file->MarkForDeletion(&error)) {
    if (readOnly) {
      DWORD ignored = ERROR_SUCCESS;
      (void)file->SetAttributes(attributes, &ignored);
    }
    Raise(error);
  }
}

}  // namespace

void CollectStartupFolders(TAutorunList& list) {
  CollectStartupFolder(GetSpecialFolder(CSIDL_COMMON_STARTUP), list);
  CollectStartupFolder(GetSpecialFolder(CSIDL_STARTUP), list);
}

void CollectStartupFolder(const std::wstring& folder, TAutorunList& list) {
  if (folder.empty()) return;
  const HKEY root = ApprovalRoot(folder);

  // A folder that cannot be listed, for whatever reason (no access, a network folder
  // that is gone, a path the system refuses, an error half-way), contributes nothing;
  // it must never cost the user the Run keys, tasks and services listed after it.
  const size_t before = list.size();
  TApprovalRecords records(root, kApprovedStartupFolderKey);
  FindData found;
  DWORD error = ERROR_SUCCESS;
  const std::wstring pattern = folder + L"\\*";
  std::unique_ptr<IFileSearch> search = PlatformFiles().FindFirstFileW(pattern.c_str(), &found, &error);
  if (!search) {
    // A folder that is not there holds nothing; one that is there and refuses is unread.
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
      ReportUnreadSource(L"the Startup folder " + folder, error);
    return;
  }

  for (;;) {
    if ((found.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsStartable(found.fileName)) {
      TAutorunInfo entry;
      entry.FileName = folder + L"\\" + found.fileName;
      entry.Caption = FileNameWithoutExt(found.fileName);
      entry.Target = entry.FileName;
      entry.From = kFromFile;
      entry.Enabled = records.StartsAtLogon(found.fileName);
      list.push_back(std::move(entry));
    }
    if (!search->FindNextFileW(&found, &error)) {
      if (error != ERROR_NO_MORE_FILES) {
        list.resize(before);
        ReportUnreadSource(L"the Startup folder " + folder, error);
      }
      return;
    }
  }
}

void SetStartupFileEnabled(const std::wstring& target, bool enable) {
  if (UsesStartupApprovalRecords()) {
    WriteApprovalRecord(ApprovalRoot(ExtractFileDir(target)), kApprovedStartupFolderKey,
                        ExtractFileName(target), enable);
    return;
  }
  // Vista and 7 keep no records: a disabled startup file is removed. One that is gone
  // already is what was asked for.
  if (enable) return;
  DeleteStartupFile(target);
}
