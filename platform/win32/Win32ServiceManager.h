// The service control manager calls, straight through to advapi32.
#pragma once

#include "platform/ServiceManager.h"

class Win32ServiceManager final : public IServiceManager {
 public:
  SC_HANDLE OpenSCManagerW(const wchar_t* machine, const wchar_t* database, DWORD access) override;
  BOOL EnumServicesStatusW(SC_HANDLE manager, DWORD serviceType, DWORD serviceState,
                           ENUM_SERVICE_STATUSW* services, DWORD cbBufSize,
                           DWORD* pcbBytesNeeded, DWORD* servicesReturned,
                           DWORD* resumeHandle) override;
  SC_HANDLE OpenServiceW(SC_HANDLE manager, const wchar_t* serviceName, DWORD access) override;
  BOOL QueryServiceConfigW(SC_HANDLE service, QUERY_SERVICE_CONFIGW* config, DWORD cbBufSize,
                           DWORD* pcbBytesNeeded) override;
  BOOL ChangeServiceConfigW(SC_HANDLE service, DWORD serviceType, DWORD startType,
                            DWORD errorControl, const wchar_t* binaryPathName,
                            const wchar_t* loadOrderGroup, DWORD* tagId,
                            const wchar_t* dependencies, const wchar_t* serviceStartName,
                            const wchar_t* password, const wchar_t* displayName) override;
  BOOL CloseServiceHandle(SC_HANDLE handle) override;
  DWORD GetLastError() override;
};
