// The contract tables against Wine's real registry, folders and service manager: a
// scratch key under HKCU\Software, a scratch folder in the temp folder and services
// made with CreateServiceW, all removed when the case ends (and first cleared of what a
// run cut short left under the same names: Wine reuses its small process ids).
#include <vector>

#include "WineTest.h"

#include <sddl.h>
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ServiceManager.h"
#include "tests/contract/ContractWorlds.h"

namespace {

// HKEY_CURRENT_USER's native name ends in the user's SID.
std::wstring CurrentUserSid() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  std::vector<BYTE> buffer(256);
  DWORD size = 0;
  const BOOL read = ::GetTokenInformation(token, TokenUser, buffer.data(),
                                          static_cast<DWORD>(buffer.size()), &size);
  ::CloseHandle(token);
  if (!read) return {};
  wchar_t* text = nullptr;
  if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
    return {};
  std::wstring sid = text;
  ::LocalFree(text);
  return sid;
}

class WineRegistryWorld final : public RegistryWorld {
 public:
  WineRegistryWorld() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    HKEY key = nullptr;
    EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, base_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (key != nullptr) ::RegCloseKey(key);
  }
  ~WineRegistryWorld() override {
    // A link goes first, by its own handle: deleting it by name would follow it.
    for (const std::wstring& link : links_) DeleteLink(base_ + L"\\" + link);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
  }
  void MakeLink(const std::wstring& link, const std::wstring& target) override {
    HKEY key = nullptr;
    const std::wstring path = base_ + L"\\" + link;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    links_.push_back(link);
    // The target by its native name, \REGISTRY\USER\<SID>\..., without a terminator.
    const std::wstring native = L"\\REGISTRY\\USER\\" + CurrentUserSid() + L"\\" + base_ + L"\\" + target;
    EXPECT_EQ(::RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK,
                               reinterpret_cast<const BYTE*>(native.data()),
                               static_cast<DWORD>(native.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
  }
  bool IsWine() const override { return true; }
  IRegistry& Registry() override { return registry_; }
  const std::wstring& Base() const override { return base_; }

 private:
  static void DeleteLink(const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), REG_OPTION_OPEN_LINK, DELETE, &key) !=
        ERROR_SUCCESS)
      return;
    using NtDeleteKeyFunction = LONG(WINAPI*)(HANDLE);
    auto deleteKey = reinterpret_cast<NtDeleteKeyFunction>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
    if (deleteKey != nullptr) deleteKey(key);
    ::RegCloseKey(key);
  }

  Win32Registry registry_;
  std::wstring base_ = L"Software\\" + RunUniqueName(L"OrvaneContract");
  std::vector<std::wstring> links_;
};

class WineFileWorld final : public FileWorld {
 public:
  WineFileWorld() {
    wchar_t temp[MAX_PATH + 1];
    EXPECT_GT(::GetTempPathW(MAX_PATH + 1, temp), 0u);
    folder_ = std::wstring(temp) + RunUniqueName(L"OrvaneContract");
    Remove(folder_);
    EXPECT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr)) << ::GetLastError();
  }
  ~WineFileWorld() override { Remove(folder_); }
  bool IsWine() const override { return true; }
  IFileSystem& Files() override { return files_; }
  const std::wstring& Folder() const override { return folder_; }
  void MakeFolder(const std::wstring& path) override {
    EXPECT_TRUE(::CreateDirectoryW(path.c_str(), nullptr)) << ::GetLastError();
  }
  void MakeReadOnly(const std::wstring& path) override {
    EXPECT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY)) << ::GetLastError();
  }
  void MakeHidden(const std::wstring& path) override {
    EXPECT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN)) << ::GetLastError();
  }
  void MakeFolderLink(const std::wstring& path, const std::wstring& target) override {
    EXPECT_TRUE(::CreateSymbolicLinkW(path.c_str(), target.c_str(),
                                      SYMBOLIC_LINK_FLAG_DIRECTORY |
                                          SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        << ::GetLastError();
  }

 private:
  // Depth first, read-only files made writable first; the cases go two levels deep.
  static void Remove(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          Remove(path);
        } else {
          ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
          ::DeleteFileW(path.c_str());
        }
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
  }

  Win32FileSystem files_;
  std::wstring folder_;
};

class WineServiceWorld final : public ServiceWorld {
 public:
  WineServiceWorld()
      : manager_(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_CREATE_SERVICE)) {
    EXPECT_NE(manager_, nullptr) << ::GetLastError();
  }
  ~WineServiceWorld() override {
    for (const std::wstring& name : made_) Delete(name);
    if (manager_ != nullptr) ::CloseServiceHandle(manager_);
  }
  WineServiceWorld(const WineServiceWorld&) = delete;
  WineServiceWorld& operator=(const WineServiceWorld&) = delete;
  bool IsWine() const override { return true; }
  IServiceManager& Services() override { return services_; }
  std::wstring UniqueName(const std::wstring& stem) const override { return RunUniqueName(stem + L"_"); }
  void AddService(const std::wstring& name, const std::wstring& displayName,
                  const std::wstring& imagePath) override {
    Delete(name);
    SC_HANDLE made = ::CreateServiceW(manager_, name.c_str(), displayName.c_str(), SERVICE_ALL_ACCESS,
                                      SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                      SERVICE_ERROR_NORMAL, imagePath.c_str(), nullptr, nullptr,
                                      nullptr, nullptr, nullptr);
    EXPECT_NE(made, nullptr) << ::GetLastError();
    if (made != nullptr) ::CloseServiceHandle(made);
    made_.push_back(name);
  }

 private:
  void Delete(const std::wstring& name) {
    SC_HANDLE service = ::OpenServiceW(manager_, name.c_str(), DELETE);
    if (service == nullptr) return;
    ::DeleteService(service);
    ::CloseServiceHandle(service);
  }

  Win32ServiceManager services_;
  SC_HANDLE manager_;
  std::vector<std::wstring> made_;
};

}  // namespace

std::unique_ptr<RegistryWorld> MakeRegistryWorld() { return std::make_unique<WineRegistryWorld>(); }
std::unique_ptr<FileWorld> MakeFileWorld() { return std::make_unique<WineFileWorld>(); }
std::unique_ptr<ServiceWorld> MakeServiceWorld() { return std::make_unique<WineServiceWorld>(); }

ORVANE_INSTANTIATE_CONTRACTS(Any);
