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

[[noreturn]] void ThrowListingError(DWORD error) {
  throw PlatformError(error, PlatformFiles().FormatSystemMessage(error));
}

}  // namespace

void CollectStartupFolders(TAutorunList& list) {
  CollectStartupFolder(GetSpecialFolder(CSIDL_COMMON_STARTUP), list);
  CollectStartupFolder(GetSpecialFolder(CSIDL_STARTUP), list);
}

void CollectStartupFolder(const std::wstring& folder, TAutorunList& list) {
  if (folder.empty()) return;
  const HKEY root = ApprovalRoot(folder);

  FindData found;
  DWORD error = ERROR_SUCCESS;
  const std::wstring pattern = folder + L"\\*";
  std::unique_ptr<IFileSearch> search = PlatformFiles().FindFirstFileW(pattern.c_str(), &found, &error);
  if (!search) {
    // An empty or unreadable folder lists nothing; a folder that is gone (it vanished
    // after the shell named it) is an error the refresh reports.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ||
        error == ERROR_ACCESS_DENIED)
      return;
    ThrowListingError(error);
  }

  for (;;) {
    if ((found.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsStartable(found.fileName)) {
      TAutorunInfo entry;
      entry.FileName = folder + L"\\" + found.fileName;
      entry.Caption = FileNameWithoutExt(found.fileName);
      entry.Target = entry.FileName;
      entry.From = kFromFile;
      entry.Enabled = IsStartupApproved(root, kApprovedStartupFolderKey, found.fileName);
      list.push_back(std::move(entry));
    }
    if (!search->FindNextFileW(&found, &error)) {
      if (error == ERROR_NO_MORE_FILES) return;
      ThrowListingError(error);
    }
  }
}

void SetStartupFileEnabled(const std::wstring& target, bool enable) {
  if (IsWindows10OrLater()) {
    TReg::WriteBinary(ApprovalRoot(ExtractFileDir(target)), kApprovedStartupFolderKey,
                      ExtractFileName(target), MakeStartupApproved(enable));
    return;
  }
  // Windows before 10 has no approval records: a disabled startup file is removed.
  if (enable) return;
  DWORD error = ERROR_SUCCESS;
  if (!PlatformFiles().DeleteFileW(target.c_str(), &error))
    throw PlatformError(error, PlatformFiles().FormatSystemMessage(error));
}
