// The service adapter against Wine's service control manager, on a dummy service made
// for each test and always deleted after it.
#include <algorithm>
#include <vector>

#include "WineTest.h"
#include "platform/PlatformHandles.h"

namespace {

const wchar_t kImagePath[] = L"\"C:\\Program Files\\Orvane Test\\svc.exe\" -k \"two words\"";

class AnyServiceManager : public WineTest {
 protected:
  void SetUp() override {
    name_ = RunUniqueName(L"OrvaneWineSvc");
    manager_ = UniqueScHandle(scm().OpenSCManagerW(
        nullptr, nullptr,
        SC_MANAGER_CONNECT | SC_MANAGER_CREATE_SERVICE | SC_MANAGER_ENUMERATE_SERVICE));
    ASSERT_TRUE(manager_) << scm().GetLastError();
    DeleteService();  // one a run cut short left behind under the same name
    UniqueWin32ScHandle created(::CreateServiceW(
        manager_.get(), name_.c_str(), L"Orvane Wine test service", SERVICE_ALL_ACCESS,
        SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, kImagePath,
        nullptr, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(created) << ::GetLastError();
  }
  // TearDown runs after a failed assertion too, so the service never outlives its test.
  void TearDown() override { DeleteService(); }
  void DeleteService() {
    UniqueWin32ScHandle service(::OpenServiceW(manager_.get(), name_.c_str(), DELETE));
    if (service) {
      EXPECT_TRUE(::DeleteService(service.get()));
    }
  }
  IServiceManager& scm() { return PlatformServices(); }

  struct Listed {
    std::wstring name;
    std::wstring displayName;
    SERVICE_STATUS status;
  };
  // EnumServicesStatusW as the catalogue calls it: ask the size, then fill. The names
  // point into the buffer, so they are copied out before it goes.
  std::vector<Listed> Enumerate(DWORD type) {
    std::vector<Listed> result;
    DWORD needed = 0, count = 0, resume = 0;
    EXPECT_FALSE(scm().EnumServicesStatusW(manager_.get(), type, SERVICE_STATE_ALL, nullptr, 0,
                                           &needed, &count, &resume));
    EXPECT_EQ(scm().GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_GT(needed, 0u);
    std::vector<BYTE> buffer(needed);
    auto* services = reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data());
    resume = 0;
    EXPECT_TRUE(scm().EnumServicesStatusW(manager_.get(), type, SERVICE_STATE_ALL, services,
                                          needed, &needed, &count, &resume))
        << scm().GetLastError();
    for (DWORD i = 0; i < count; ++i)
      result.push_back(
          {services[i].lpServiceName, services[i].lpDisplayName, services[i].ServiceStatus});
    return result;
  }
  DWORD StartType() {
    UniqueScHandle service(scm().OpenServiceW(manager_.get(), name_.c_str(),
                                              SERVICE_QUERY_CONFIG));
    DWORD needed = 0;
    EXPECT_FALSE(scm().QueryServiceConfigW(service.get(), nullptr, 0, &needed));
    std::vector<BYTE> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    EXPECT_TRUE(scm().QueryServiceConfigW(service.get(), config, needed, &needed));
    return config->dwStartType;
  }

  std::wstring name_;
  UniqueScHandle manager_;
};

TEST_F(AnyServiceManager, TwoCallEnumerationFindsTheServiceAndNoDriver) {
  auto win32 = Enumerate(SERVICE_WIN32);
  auto ours = std::find_if(win32.begin(), win32.end(),
                           [&](const Listed& entry) { return entry.name == name_; });
  ASSERT_NE(ours, win32.end());
  EXPECT_EQ(ours->displayName, L"Orvane Wine test service");
  EXPECT_EQ(ours->status.dwServiceType, SERVICE_WIN32_OWN_PROCESS);
  EXPECT_EQ(ours->status.dwCurrentState, static_cast<DWORD>(SERVICE_STOPPED));
  for (const Listed& entry : win32)
    EXPECT_TRUE(entry.status.dwServiceType & SERVICE_WIN32) << "driver listed: " << entry.name;

  auto drivers = Enumerate(SERVICE_DRIVER);
  EXPECT_FALSE(drivers.empty()) << "Wine registers its own kernel drivers (mountmgr and others)";
  for (const Listed& entry : drivers)
    EXPECT_TRUE(entry.status.dwServiceType & SERVICE_DRIVER) << entry.name;
}

TEST_F(AnyServiceManager, TwoCallConfigGivesTheImagePathWithItsArguments) {
  UniqueScHandle service(scm().OpenServiceW(manager_.get(), name_.c_str(), SERVICE_QUERY_CONFIG));
  ASSERT_TRUE(service);
  DWORD needed = 0;
  EXPECT_FALSE(scm().QueryServiceConfigW(service.get(), nullptr, 0, &needed));
  EXPECT_EQ(scm().GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  std::vector<BYTE> buffer(needed);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
  ASSERT_TRUE(scm().QueryServiceConfigW(service.get(), config, needed, &needed));
  EXPECT_STREQ(config->lpBinaryPathName, kImagePath);
  EXPECT_EQ(config->dwServiceType, SERVICE_WIN32_OWN_PROCESS);
  EXPECT_EQ(config->dwStartType, SERVICE_DEMAND_START);
  EXPECT_STREQ(config->lpDisplayName, L"Orvane Wine test service");
}

TEST_F(AnyServiceManager, StartTypeChangesThroughTheAdapter) {
  UniqueScHandle service(scm().OpenServiceW(manager_.get(), name_.c_str(), SERVICE_CHANGE_CONFIG));
  ASSERT_TRUE(service);
  for (DWORD startType : {SERVICE_DISABLED, SERVICE_AUTO_START, SERVICE_DEMAND_START}) {
    SCOPED_TRACE(startType);
    ASSERT_TRUE(scm().ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE, startType,
                                           SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr,
                                           nullptr, nullptr, nullptr))
        << scm().GetLastError();
    EXPECT_EQ(StartType(), startType);
  }
}

TEST_F(AnyServiceManager, FailuresPassTheirErrorThrough) {
  EXPECT_FALSE(scm().OpenServiceW(manager_.get(), L"OrvaneNoSuchService", SERVICE_QUERY_CONFIG));
  EXPECT_EQ(scm().GetLastError(), static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST));

  UniqueScHandle readOnly(scm().OpenServiceW(manager_.get(), name_.c_str(), SERVICE_QUERY_CONFIG));
  ASSERT_TRUE(readOnly);
  EXPECT_FALSE(scm().ChangeServiceConfigW(readOnly.get(), SERVICE_NO_CHANGE, SERVICE_DISABLED,
                                          SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, nullptr));
  EXPECT_EQ(scm().GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(StartType(), SERVICE_DEMAND_START);
}

}  // namespace
