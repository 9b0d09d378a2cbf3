// The SCM fake lays out records and strings in the caller's buffer the way the real
// call does; the catalogue's two-call reads depend on exactly that, and on the access
// rights and handle kinds being checked.
#include "platform/fake/FakeServiceManager.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

// Storage aligned for the records, as a caller allocates it.
class Block {
 public:
  explicit Block(DWORD size)
      : storage_(new std::max_align_t[size / sizeof(std::max_align_t) + 1]), size_(size) {}
  template <typename T>
  T* As() {
    return reinterpret_cast<T*>(storage_.get());
  }
  bool Holds(const void* pointer) const {
    const auto* at = static_cast<const BYTE*>(pointer);
    const auto* begin = reinterpret_cast<const BYTE*>(storage_.get());
    return at >= begin && at < begin + size_;
  }
  DWORD size() const { return size_; }

 private:
  std::unique_ptr<std::max_align_t[]> storage_;
  DWORD size_;
};

FakeService Win32Service(const wchar_t* name, const wchar_t* display, DWORD state = SERVICE_STOPPED) {
  FakeService service;
  service.name = name;
  service.displayName = display;
  service.imagePath = std::wstring(L"C:\\Windows\\") + name + L".exe";
  service.currentState = state;
  return service;
}

class FakeServiceManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scm.AddService(Win32Service(L"Alpha", L"Alpha Service", SERVICE_RUNNING));
    FakeService driver = Win32Service(L"disk", L"Disk Driver");
    driver.serviceType = SERVICE_KERNEL_DRIVER;
    driver.startType = SERVICE_BOOT_START;
    scm.AddService(driver);
    scm.AddService(Win32Service(L"Beta", L"B"));
    manager = scm.OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
    ASSERT_NE(manager, nullptr);
  }
  void TearDown() override {
    EXPECT_TRUE(scm.CloseServiceHandle(manager));
    EXPECT_EQ(scm.OpenHandleCount(), 0u) << "a handle was left open";
  }

  FakeServiceManager scm;
  SC_HANDLE manager = nullptr;
};

constexpr DWORD kWin32RecordsAndStrings =
    2 * sizeof(ENUM_SERVICE_STATUSW) +
    sizeof(wchar_t) * (sizeof("Alpha") + sizeof("Alpha Service") + sizeof("Beta") + sizeof("B"));

TEST_F(FakeServiceManagerTest, EnumerationSizesThenFillsWholeRecordsAndResumes) {
  DWORD needed = 0;
  DWORD returned = 99;
  EXPECT_FALSE(scm.EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0,
                                       &needed, &returned, nullptr));
  EXPECT_EQ(scm.GetLastError(), ERROR_MORE_DATA);
  EXPECT_EQ(needed, kWin32RecordsAndStrings) << "drivers are not counted";
  EXPECT_EQ(returned, 0u);

  // A buffer one byte short holds the first whole record; the rest waits for a call with
  // the resume handle, and the size asked for is what the rest takes.
  Block tooSmall(needed - 1);
  DWORD resume = 0;
  EXPECT_FALSE(scm.EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL,
                                       tooSmall.As<ENUM_SERVICE_STATUSW>(), tooSmall.size(),
                                       &needed, &returned, &resume));
  EXPECT_EQ(scm.GetLastError(), ERROR_MORE_DATA);
  ASSERT_EQ(returned, 1u);
  EXPECT_EQ(std::wstring(tooSmall.As<ENUM_SERVICE_STATUSW>()[0].lpServiceName), L"Alpha");
  EXPECT_EQ(needed, sizeof(ENUM_SERVICE_STATUSW) + sizeof(wchar_t) * (sizeof("Beta") + sizeof("B")));
  EXPECT_NE(resume, 0u);
  Block rest(needed);
  ASSERT_TRUE(scm.EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL,
                                      rest.As<ENUM_SERVICE_STATUSW>(), rest.size(), &needed,
                                      &returned, &resume));
  ASSERT_EQ(returned, 1u);
  EXPECT_EQ(std::wstring(rest.As<ENUM_SERVICE_STATUSW>()[0].lpServiceName), L"Beta");
  EXPECT_EQ(resume, 0u) << "a complete listing resets the resume handle";
  needed = kWin32RecordsAndStrings;

  Block block(needed);
  ASSERT_TRUE(scm.EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL,
                                      block.As<ENUM_SERVICE_STATUSW>(), block.size(), &needed,
                                      &returned, nullptr));
  ASSERT_EQ(returned, 2u);
  const ENUM_SERVICE_STATUSW* records = block.As<ENUM_SERVICE_STATUSW>();
  EXPECT_EQ(std::wstring(records[0].lpServiceName), L"Alpha");
  EXPECT_EQ(std::wstring(records[0].lpDisplayName), L"Alpha Service");
  EXPECT_EQ(records[0].ServiceStatus.dwCurrentState, SERVICE_RUNNING);
  EXPECT_EQ(records[0].ServiceStatus.dwServiceType, SERVICE_WIN32_OWN_PROCESS);
  EXPECT_EQ(std::wstring(records[1].lpServiceName), L"Beta");
  EXPECT_EQ(std::wstring(records[1].lpDisplayName), L"B");
  // The strings live in the caller's block, after the records, aligned for wchar_t.
  for (DWORD i = 0; i < returned; ++i) {
    for (const wchar_t* text : {records[i].lpServiceName, records[i].lpDisplayName}) {
      EXPECT_TRUE(block.Holds(text));
      EXPECT_GE(reinterpret_cast<const BYTE*>(text),
                reinterpret_cast<const BYTE*>(records + returned));
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(text) % alignof(wchar_t), 0u);
    }
  }
}

TEST_F(FakeServiceManagerTest, EnumerationFiltersByTypeAndState) {
  struct Case {
    DWORD type;
    DWORD state;
    std::vector<std::wstring> names;
  };
  const Case cases[] = {
      {SERVICE_WIN32, SERVICE_ACTIVE, {L"Alpha"}},
      {SERVICE_WIN32, SERVICE_INACTIVE, {L"Beta"}},
      {SERVICE_DRIVER, SERVICE_STATE_ALL, {L"disk"}},
      {SERVICE_DRIVER | SERVICE_WIN32, SERVICE_STATE_ALL, {L"Alpha", L"disk", L"Beta"}},
      {SERVICE_DRIVER, SERVICE_ACTIVE, {}},
  };
  for (const Case& c : cases) {
    Block block(4096);
    DWORD needed = 0;
    DWORD returned = 0;
    ASSERT_TRUE(scm.EnumServicesStatusW(manager, c.type, c.state, block.As<ENUM_SERVICE_STATUSW>(),
                                        block.size(), &needed, &returned, nullptr));
    std::vector<std::wstring> names;
    for (DWORD i = 0; i < returned; ++i)
      names.emplace_back(block.As<ENUM_SERVICE_STATUSW>()[i].lpServiceName);
    EXPECT_EQ(names, c.names) << "type " << c.type << " state " << c.state;
  }
  // Nothing to list succeeds even without a buffer.
  DWORD needed = 1;
  DWORD returned = 1;
  EXPECT_TRUE(scm.EnumServicesStatusW(manager, SERVICE_DRIVER, SERVICE_ACTIVE, nullptr, 0, &needed,
                                      &returned, nullptr));
  EXPECT_EQ(returned, 0u);
}

TEST_F(FakeServiceManagerTest, AServiceAddedBetweenTheTwoCallsOutgrowsTheBuffer) {
  int calls = 0;
  scm.afterEnumerate = [&] {
    if (++calls == 1) scm.AddService(Win32Service(L"Gamma", L"Gamma"));
  };
  DWORD needed = 0;
  DWORD returned = 0;
  EXPECT_FALSE(scm.EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0,
                                       &needed, &returned, nullptr));
  Block block(needed);
  DWORD resume = 0;
  EXPECT_FALSE(scm.EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL,
                                       block.As<ENUM_SERVICE_STATUSW>(), block.size(), &needed,
                                       &returned, &resume));
  EXPECT_EQ(scm.GetLastError(), ERROR_MORE_DATA) << "the hook must not disturb the error";
  EXPECT_EQ(returned, 2u) << "the services that fit";
  EXPECT_EQ(needed, sizeof(ENUM_SERVICE_STATUSW) + sizeof(wchar_t) * (sizeof("Gamma") * 2));
  EXPECT_EQ(calls, 2);
}

TEST_F(FakeServiceManagerTest, QueryConfigUsesInsufficientBufferAndOneBlock) {
  FakeService service = Win32Service(L"Gamma", L"Gamma Service");
  service.startType = SERVICE_AUTO_START;
  service.dependencies = {L"RpcSs", L"Tcpip"};
  scm.AddService(service);
  SC_HANDLE handle = scm.OpenServiceW(manager, L"GAMMA", SERVICE_QUERY_CONFIG);
  ASSERT_NE(handle, nullptr);

  DWORD needed = 0;
  EXPECT_FALSE(scm.QueryServiceConfigW(handle, nullptr, 0, &needed));
  EXPECT_EQ(scm.GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  const size_t strings = sizeof("C:\\Windows\\Gamma.exe") + 1 /* load order group */ +
                         sizeof("RpcSs") + sizeof("Tcpip") + 1 + sizeof("LocalSystem") +
                         sizeof("Gamma Service");
  EXPECT_EQ(needed, sizeof(QUERY_SERVICE_CONFIGW) + strings * sizeof(wchar_t));

  Block block(needed);
  ASSERT_TRUE(scm.QueryServiceConfigW(handle, block.As<QUERY_SERVICE_CONFIGW>(), block.size(), &needed));
  const QUERY_SERVICE_CONFIGW* config = block.As<QUERY_SERVICE_CONFIGW>();
  EXPECT_EQ(config->dwStartType, SERVICE_AUTO_START);
  EXPECT_EQ(std::wstring(config->lpBinaryPathName), L"C:\\Windows\\Gamma.exe");
  EXPECT_EQ(std::wstring(config->lpDisplayName), L"Gamma Service");
  EXPECT_EQ(std::wstring(config->lpServiceStartName), L"LocalSystem");
  EXPECT_EQ(std::wstring(config->lpDependencies), L"RpcSs");
  EXPECT_EQ(std::wstring(config->lpDependencies + 6), L"Tcpip");
  EXPECT_EQ(config->lpDependencies[12], L'\0');
  EXPECT_TRUE(block.Holds(config->lpDisplayName));

  // The handle may query but not change.
  EXPECT_FALSE(scm.ChangeServiceConfigW(handle, SERVICE_NO_CHANGE, SERVICE_DISABLED, SERVICE_NO_CHANGE,
                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(scm.GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(scm.CloseServiceHandle(handle));
}

TEST_F(FakeServiceManagerTest, ChangeConfigTouchesOnlyWhatItIsGiven) {
  SC_HANDLE handle = scm.OpenServiceW(manager, L"Beta", SERVICE_CHANGE_CONFIG | SERVICE_QUERY_CONFIG);
  ASSERT_NE(handle, nullptr);
  ASSERT_TRUE(scm.ChangeServiceConfigW(handle, SERVICE_NO_CHANGE, SERVICE_DISABLED, SERVICE_NO_CHANGE,
                                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  const FakeService changed = *scm.Service(L"beta");
  EXPECT_EQ(changed.startType, SERVICE_DISABLED);
  EXPECT_EQ(changed.imagePath, L"C:\\Windows\\Beta.exe");
  EXPECT_EQ(changed.displayName, L"B");
  EXPECT_EQ(changed.serviceType, SERVICE_WIN32_OWN_PROCESS);

  // Boot start is for drivers only.
  EXPECT_FALSE(scm.ChangeServiceConfigW(handle, SERVICE_NO_CHANGE, SERVICE_BOOT_START, SERVICE_NO_CHANGE,
                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(scm.GetLastError(), ERROR_INVALID_PARAMETER);

  // A service deleted while the handle is open can still be read, not changed.
  ASSERT_TRUE(scm.RemoveService(L"Beta"));
  DWORD needed = 0;
  EXPECT_FALSE(scm.QueryServiceConfigW(handle, nullptr, 0, &needed));
  EXPECT_EQ(scm.GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_FALSE(scm.ChangeServiceConfigW(handle, SERVICE_NO_CHANGE, SERVICE_AUTO_START, SERVICE_NO_CHANGE,
                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(scm.GetLastError(), ERROR_SERVICE_MARKED_FOR_DELETE);
  EXPECT_TRUE(scm.CloseServiceHandle(handle));
}

TEST_F(FakeServiceManagerTest, OpeningChecksNamesRightsAndHandleKinds) {
  EXPECT_EQ(scm.OpenServiceW(manager, L"Missing", SERVICE_QUERY_CONFIG), nullptr);
  EXPECT_EQ(scm.GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);

  SC_HANDLE service = scm.OpenServiceW(manager, L"Alpha", SERVICE_QUERY_CONFIG);
  ASSERT_NE(service, nullptr);
  // A service handle is no manager, and the other way round.
  EXPECT_EQ(scm.OpenServiceW(service, L"Alpha", SERVICE_QUERY_CONFIG), nullptr);
  EXPECT_EQ(scm.GetLastError(), ERROR_INVALID_HANDLE);
  DWORD needed = 0;
  EXPECT_FALSE(scm.QueryServiceConfigW(manager, nullptr, 0, &needed));
  EXPECT_EQ(scm.GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_TRUE(scm.CloseServiceHandle(service));
  EXPECT_FALSE(scm.CloseServiceHandle(service));
  EXPECT_EQ(scm.GetLastError(), ERROR_INVALID_HANDLE);

  // Without administrator rights the configuration cannot be opened for change.
  scm.SetReadOnly(true);
  EXPECT_EQ(scm.OpenServiceW(manager, L"Alpha", SERVICE_CHANGE_CONFIG | SERVICE_QUERY_CONFIG), nullptr);
  EXPECT_EQ(scm.GetLastError(), ERROR_ACCESS_DENIED);
  service = scm.OpenServiceW(manager, L"Alpha", SERVICE_QUERY_CONFIG);
  EXPECT_NE(service, nullptr);
  EXPECT_TRUE(scm.CloseServiceHandle(service));
  scm.DenyOpen(L"alpha");
  EXPECT_EQ(scm.OpenServiceW(manager, L"Alpha", SERVICE_QUERY_CONFIG), nullptr);
  EXPECT_EQ(scm.GetLastError(), ERROR_ACCESS_DENIED);

  const std::vector<ScCall> log = scm.CallLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front().function, "OpenSCManagerW");
  EXPECT_EQ(log.front().access, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
  EXPECT_EQ(log.back().name, L"Alpha");
}

TEST_F(FakeServiceManagerTest, LastErrorBelongsToTheThread) {
  EXPECT_EQ(scm.OpenServiceW(manager, L"Missing", SERVICE_QUERY_CONFIG), nullptr);
  DWORD otherThread = 0;
  std::thread([&] {
    scm.DenyManager(true);
    EXPECT_EQ(scm.OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT), nullptr);
    otherThread = scm.GetLastError();
  }).join();
  EXPECT_EQ(otherThread, ERROR_ACCESS_DENIED);
  EXPECT_EQ(scm.GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);
}

}  // namespace
