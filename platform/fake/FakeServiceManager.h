// A service control manager in memory: services in the order they were added, the
// two-call buffer protocol of EnumServicesStatusW and QueryServiceConfigW with the
// records and their strings in one block, handle kinds and access rights checked, and
// GetLastError per thread.
//
// A service is listed when its type shares a bit with the type asked for, as the SCM
// does. So per-user services (Windows 10 1709 and later) come out of a SERVICE_WIN32
// enumeration as they do on Windows 10 and 11: the template with SERVICE_USER_SERVICE
// (0x50 own process, 0x60 shared) and each signed-in user's instance, named
// "<template>_<suffix>", with SERVICE_USERSERVICE_INSTANCE too (0xD0, 0xE0), in the
// enumeration's status record and in QueryServiceConfigW alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ServiceManager.h"
#include "platform/fake/FaultPlan.h"

struct FakeService {
  std::wstring name;
  std::wstring displayName;
  DWORD serviceType = SERVICE_WIN32_OWN_PROCESS;
  DWORD startType = SERVICE_DEMAND_START;
  std::wstring imagePath;
  DWORD currentState = SERVICE_STOPPED;
  DWORD errorControl = SERVICE_ERROR_NORMAL;
  std::wstring loadOrderGroup;
  std::vector<std::wstring> dependencies;
  std::wstring startName = L"LocalSystem";
};

// One OpenSCManagerW or OpenServiceW and the access it asked for; the name is empty for
// the manager.
struct ScCall {
  std::string function;
  std::wstring name;
  DWORD access = 0;
};

class FakeServiceManager : public IServiceManager {
 public:
  FakeServiceManager();
  ~FakeServiceManager() override;
  FakeServiceManager(const FakeServiceManager&) = delete;
  FakeServiceManager& operator=(const FakeServiceManager&) = delete;

  [[nodiscard]] SC_HANDLE OpenSCManagerW(const wchar_t* machine, const wchar_t* database,
                                         DWORD access) override;
  // Runs afterEnumerate before returning, whatever the outcome.
  [[nodiscard]] BOOL EnumServicesStatusW(SC_HANDLE manager, DWORD serviceType,
                                         DWORD serviceState, ENUM_SERVICE_STATUSW* services,
                                         DWORD cbBufSize, DWORD* pcbBytesNeeded,
                                         DWORD* servicesReturned, DWORD* resumeHandle) override;
  [[nodiscard]] SC_HANDLE OpenServiceW(SC_HANDLE manager, const wchar_t* serviceName,
                                       DWORD access) override;
  [[nodiscard]] BOOL QueryServiceConfigW(SC_HANDLE service, QUERY_SERVICE_CONFIGW* config,
                                         DWORD cbBufSize, DWORD* pcbBytesNeeded) override;
  [[nodiscard]] BOOL ChangeServiceConfigW(SC_HANDLE service, DWORD serviceType, DWORD startType,
                                          DWORD errorControl, const wchar_t* binaryPathName,
                                          const wchar_t* loadOrderGroup, DWORD* tagId,
                                          const wchar_t* dependencies,
                                          const wchar_t* serviceStartName,
                                          const wchar_t* password,
                                          const wchar_t* displayName) override;
  BOOL CloseServiceHandle(SC_HANDLE handle) override;
  DWORD GetLastError() override;

  // Test setup. Names compare without regard to case, as the SCM's do; adding a service
  // under an existing name replaces it in place.
  void AddService(FakeService service);
  // Deletes the service; handles still open to it can query it, but changing it fails
  // with ERROR_SERVICE_MARKED_FOR_DELETE.
  bool RemoveService(std::wstring_view name);
  std::optional<FakeService> Service(std::wstring_view name) const;
  // The most one EnumServicesStatusW call fills, whatever the buffer: Windows stops at
  // 256 KB and leaves the rest to the next call with the resume handle.
  size_t maxEnumBytes = 256 * 1024;
  // OpenSCManagerW fails with ERROR_ACCESS_DENIED.
  void DenyManager(bool deny);
  // OpenServiceW of this service fails with ERROR_ACCESS_DENIED.
  void DenyOpen(std::wstring_view name);
  // Plays a user without administrator rights: asking for the right to change a service
  // (or the manager's right to create one) fails with ERROR_ACCESS_DENIED.
  void SetReadOnly(bool readOnly);

  std::size_t OpenHandleCount() const;
  std::vector<ScCall> CallLog() const;

  FaultPlan faults{"FakeServiceManager",
                   {"ChangeServiceConfigW", "CloseServiceHandle", "EnumServicesStatusW",
                    "OpenSCManagerW", "OpenServiceW", "QueryServiceConfigW"}};
  // Runs after every EnumServicesStatusW, outside the fake's lock, so a test can add or
  // remove a service between the size probe and the call that fills the buffer.
  std::function<void()> afterEnumerate;

 private:
  struct Record;
  struct OpenHandle {
    bool isManager = false;
    std::shared_ptr<Record> service;
    DWORD access = 0;
  };

  SC_HANDLE NewHandle(OpenHandle handle);
  const OpenHandle* Find(SC_HANDLE handle) const;
  BOOL Fail(DWORD error);
  BOOL EnumLocked(SC_HANDLE manager, DWORD serviceType, DWORD serviceState,
                  ENUM_SERVICE_STATUSW* services, DWORD cbBufSize, DWORD* pcbBytesNeeded,
                  DWORD* servicesReturned, DWORD* resumeHandle);

  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<Record>> services_;  // in the order they were added
  // Folded name -> record, so opening a service by name does not walk the whole list.
  std::map<std::wstring, std::shared_ptr<Record>> byName_;
  std::map<SC_HANDLE, OpenHandle> handles_;
  std::uintptr_t nextHandle_ = 0x2000;
  bool denyManager_ = false;
  bool readOnly_ = false;
  std::set<std::wstring> deniedServices_;  // folded names
  std::vector<ScCall> callLog_;
};
