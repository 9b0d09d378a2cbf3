#include "platform/fake/FakeShell.h"

namespace {

// SHGetFolderPathW takes CSIDL_FLAG_CREATE and friends in the high byte of csidl.
constexpr int kCsidlFlagMask = 0xFF00;

}  // namespace

HRESULT FakeShell::SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                                    wchar_t* path) {
  (void)owner;
  (void)token;
  (void)flags;
  std::lock_guard lock(mutex_);
  // The buffer never keeps stale text when the call fails.
  if (path != nullptr) path[0] = L'\0';
  if (auto fault = faults.Check("SHGetFolderPathW")) return static_cast<HRESULT>(*fault);
  return CopyFolder(folders_, csidl, path);
}

HRESULT FakeShell::SHGetFolderPathOfShellUser(int csidl, DWORD flags, wchar_t* path) {
  (void)flags;
  std::lock_guard lock(mutex_);
  if (path != nullptr) path[0] = L'\0';
  if (auto fault = faults.Check("SHGetFolderPathOfShellUser")) return static_cast<HRESULT>(*fault);
  if (shellUserError_ != S_OK) return shellUserError_;
  return CopyFolder(shellUserFolders_, csidl, path);
}

HRESULT FakeShell::GetShellUser(std::wstring* sid) {
  std::lock_guard lock(mutex_);
  if (auto fault = faults.Check("GetShellUser")) return static_cast<HRESULT>(*fault);
  if (shellUserError_ != S_OK) return shellUserError_;
  if (shellUser_.empty()) return S_FALSE;
  *sid = shellUser_;
  return S_OK;
}

BOOL FakeShell::GetProcessElevationType(DWORD* type) {
  std::lock_guard lock(mutex_);
  if (faults.Check("GetProcessElevationType")) return FALSE;
  *type = elevationType;
  return TRUE;
}

HRESULT FakeShell::ShellExecuteThroughDesktop(const wchar_t* file) {
  std::lock_guard lock(mutex_);
  openedThroughDesktop.emplace_back(file == nullptr ? L"" : file);
  if (auto fault = faults.Check("ShellExecuteThroughDesktop")) return static_cast<HRESULT>(*fault);
  return desktopResult;
}

void FakeShell::SetShellUser(std::wstring sid) {
  std::lock_guard lock(mutex_);
  shellUser_ = std::move(sid);
  shellUserError_ = S_OK;
}

void FakeShell::FailShellUser(HRESULT error) {
  std::lock_guard lock(mutex_);
  shellUserError_ = error;
}

void FakeShell::SetShellUserFolder(int csidl, std::wstring path) {
  std::lock_guard lock(mutex_);
  shellUserFolders_[csidl] = Folder{std::move(path), S_OK};
}

HRESULT FakeShell::CopyFolder(const std::map<int, Folder>& folders, int csidl,
                              wchar_t* path) const {
  if (path == nullptr) return E_INVALIDARG;
  const auto found = folders.find(csidl & ~kCsidlFlagMask);
  if (found == folders.end()) return E_FAIL;
  if (found->second.error != S_OK) return found->second.error;
  const std::wstring& folder = found->second.path;
  if (folder.size() >= static_cast<size_t>(MAX_PATH))
    return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
  folder.copy(path, folder.size());
  path[folder.size()] = L'\0';
  return S_OK;
}

INT_PTR FakeShell::ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                                 const wchar_t* parameters, const wchar_t* directory,
                                 int showCommand) {
  (void)owner;
  auto text = [](const wchar_t* value) { return std::wstring(value == nullptr ? L"" : value); };
  std::lock_guard lock(mutex_);
  executed.push_back({text(verb), text(file), text(parameters), text(directory), showCommand});
  // A failure is one of the small SE_ERR_* values the real call returns (2 = file not
  // found, 5 = access denied, ...).
  if (auto fault = faults.Check("ShellExecuteW")) return static_cast<INT_PTR>(*fault);
  return executeResult;
}

void FakeShell::SetFolder(int csidl, std::wstring path) {
  std::lock_guard lock(mutex_);
  folders_[csidl] = Folder{std::move(path), S_OK};
}

void FakeShell::FailFolder(int csidl, HRESULT error) {
  std::lock_guard lock(mutex_);
  folders_[csidl] = Folder{std::wstring(), error};
}

void FakeShell::ClearFolder(int csidl) {
  std::lock_guard lock(mutex_);
  folders_.erase(csidl);
}
