// The contract tables against fresh fakes, one per case.
#include <utility>

#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeServiceManager.h"
#include "tests/contract/ContractWorlds.h"

namespace {

class FakeRegistryWorld final : public RegistryWorld {
 public:
  FakeRegistryWorld() { registry_.CreateKey(HKEY_CURRENT_USER, base_); }
  bool IsWine() const override { return false; }
  IRegistry& Registry() override { return registry_; }
  const std::wstring& Base() const override { return base_; }
  void MakeLink(const std::wstring& link, const std::wstring& target) override {
    registry_.SetLink(HKEY_CURRENT_USER, base_ + L"\\" + link, HKEY_CURRENT_USER,
                      base_ + L"\\" + target);
  }

 private:
  FakeRegistry registry_;
  std::wstring base_ = L"Software\\OrvaneContract";
};

class FakeFileWorld final : public FileWorld {
 public:
  FakeFileWorld() { files_.AddFolder(folder_); }
  bool IsWine() const override { return false; }
  IFileSystem& Files() override { return files_; }
  const std::wstring& Folder() const override { return folder_; }
  void MakeFolder(const std::wstring& path) override { files_.AddFolder(path); }
  void MakeReadOnly(const std::wstring& path) override { SetAttributes(path, FILE_ATTRIBUTE_READONLY); }
  void MakeHidden(const std::wstring& path) override { SetAttributes(path, FILE_ATTRIBUTE_HIDDEN); }

 private:
  // As SetFileAttributesW does, the attributes given replace the file's.
  void SetAttributes(const std::wstring& path, DWORD attributes) {
    const size_t slash = path.rfind(L'\\');
    files_.AddFile(path.substr(0, slash), path.substr(slash + 1), attributes,
                   files_.FileContents(path).value_or(std::string()));
  }
  void MakeFolderLink(const std::wstring& path, const std::wstring& target) override {
    files_.AddJunction(path, target);
  }

  FakeFileSystem files_;
  std::wstring folder_ = L"C:\\Users\\user\\AppData\\Local\\Temp\\OrvaneContract";
};

class FakeServiceWorld final : public ServiceWorld {
 public:
  FakeServiceWorld() {
    // A machine has services of its own, running and stopped, listed before and after
    // the case's: the enumeration cases need more than one buffer's worth.
    const wchar_t* const own[] = {L"AudioSrv", L"Dhcp",    L"EventLog", L"PlugPlay", L"RpcSs",
                                  L"Schedule", L"Spooler", L"Themes",   L"W32Time",  L"Winmgmt"};
    for (const wchar_t* name : own) {
      FakeService service;
      service.name = name;
      service.displayName = std::wstring(name) + L" service of the system";
      service.serviceType = SERVICE_WIN32_SHARE_PROCESS;
      service.startType = SERVICE_AUTO_START;
      service.currentState = SERVICE_RUNNING;
      service.imagePath = L"C:\\Windows\\system32\\svchost.exe -k netsvcs";
      services_.AddService(service);
    }
    // And drivers, which a Win32 listing leaves out.
    for (const auto& [name, type] : {std::pair<const wchar_t*, DWORD>{L"Tcpip", SERVICE_KERNEL_DRIVER},
                                     {L"Ntfs", SERVICE_FILE_SYSTEM_DRIVER}}) {
      FakeService driver;
      driver.name = name;
      driver.displayName = std::wstring(name) + L" driver";
      driver.serviceType = type;
      driver.startType = SERVICE_BOOT_START;
      driver.currentState = SERVICE_RUNNING;
      driver.imagePath = std::wstring(L"System32\\drivers\\") + name + L".sys";
      services_.AddService(driver);
    }
  }
  bool IsWine() const override { return false; }
  IServiceManager& Services() override { return services_; }
  std::wstring UniqueName(const std::wstring& stem) const override { return stem + L"_1"; }
  void AddService(const std::wstring& name, const std::wstring& displayName,
                  const std::wstring& imagePath) override {
    FakeService service;
    service.name = name;
    service.displayName = displayName;
    service.imagePath = imagePath;
    services_.AddService(service);
  }

 private:
  FakeServiceManager services_;
};

}  // namespace

std::unique_ptr<RegistryWorld> MakeRegistryWorld() { return std::make_unique<FakeRegistryWorld>(); }
std::unique_ptr<FileWorld> MakeFileWorld() { return std::make_unique<FakeFileWorld>(); }
std::unique_ptr<ServiceWorld> MakeServiceWorld() { return std::make_unique<FakeServiceWorld>(); }

ORVANE_INSTANTIATE_CONTRACTS(Fake);
