// Files in the all-users and the user's Startup folders.
#include <array>

#include "Lib/AutorunSources.h"
#include "Lib/MsConfigStartupFolder.h"
#include "Lib/StartupApproved.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

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

}  // namespace

void CollectStartupFolders(TAutorunList& list) {
  // On Vista and 7 a disabled file lies in the system tool's store, listed after the
  // files of its folder.
  const bool stored = !UsesStartupApprovalRecords();
  for (int csidl : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
    const std::wstring folder = GetSpecialFolder(csidl);
    CollectStartupFolder(folder, list);
    if (stored) CollectStoredStartupFiles(folder, list);
  }
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
  // Vista and 7 keep no records: a disabled startup file moves into the system tool's
  // store, and back when enabled.
  if (enable)
    RestoreStartupFile(target);
  else
    StoreStartupFile(target, ApprovalRoot(ExtractFileDir(target)) == HKEY_LOCAL_MACHINE);
}
