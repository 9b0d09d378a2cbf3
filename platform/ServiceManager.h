// The service control manager calls, with the Win32 two-call buffer protocol.
#pragma once

#include "platform/WinTypes.h"

class IServiceManager {
 public:
  virtual ~IServiceManager() = default;

  [[nodiscard]] virtual SC_HANDLE OpenSCManagerW(const wchar_t* machine, const wchar_t* database,
                                                 DWORD access) = 0;
  [[nodiscard]] virtual BOOL EnumServicesStatusW(SC_HANDLE manager, DWORD serviceType,
                                                 DWORD serviceState, ENUM_SERVICE_STATUSW* services,
                                                 DWORD cbBufSize, DWORD* pcbBytesNeeded,
                                                 DWORD* servicesReturned, DWORD* resumeHandle) = 0;
  [[nodiscard]] virtual SC_HANDLE OpenServiceW(SC_HANDLE manager, const wchar_t* serviceName,
                                               DWORD access) = 0;
  [[nodiscard]] virtual BOOL QueryServiceConfigW(SC_HANDLE service, QUERY_SERVICE_CONFIGW* config,
                                                 DWORD cbBufSize, DWORD* pcbBytesNeeded) = 0;
  [[nodiscard]] virtual BOOL ChangeServiceConfigW(SC_HANDLE service, DWORD serviceType,
                                                  DWORD startType, DWORD errorControl,
                                                  const wchar_t* binaryPathName,
                                                  const wchar_t* loadOrderGroup, DWORD* tagId,
                                                  const wchar_t* dependencies,
                                                  const wchar_t* serviceStartName,
                                                  const wchar_t* password,
                                                  const wchar_t* displayName) = 0;
  virtual BOOL CloseServiceHandle(SC_HANDLE handle) = 0;
  // GetLastError after a call of this interface failed, on the calling thread.
  virtual DWORD GetLastError() = 0;
};
