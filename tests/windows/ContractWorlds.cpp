// The contract tables against Wine's real registry, folders and service manager: a
// scratch key under HKCU\Software, a scratch folder in the temp folder and services
// made with CreateServiceW, all removed when the case ends (and first cleared of what a
// run cut short left under the same names: Wine reuses its small process ids).
#include <vector>

#include "WineTest.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ServiceManager.h"
#include "tests/contract/ContractWorlds.h"

namespace {

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
  ~WineRegistryWorld() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str()); }
  bool IsWine() const override { return true; }
  IRegistry& Registry() override { return registry_; }
  const std::wstring& Base() const override { return base_; }

 private:
  Win32Registry registry_;
  std::wstring base_ = L"Software\\" + RunUniqueName(L"OrvaneContract");
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
