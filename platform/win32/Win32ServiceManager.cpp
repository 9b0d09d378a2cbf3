#include "platform/win32/Win32ServiceManager.h"

SC_HANDLE Win32ServiceManager::OpenSCManagerW(const wchar_t* machine, const wchar_t* database,
                                              DWORD access) {
  return ::OpenSCManagerW(machine, database, access);
}

BOOL Win32ServiceManager::EnumServicesStatusW(SC_HANDLE manager, DWORD serviceType,
                                              DWORD serviceState, ENUM_SERVICE_STATUSW* services,
                                              DWORD cbBufSize, DWORD* pcbBytesNeeded,
                                              DWORD* servicesReturned, DWORD* resumeHandle) {
  return ::EnumServicesStatusW(manager, serviceType, serviceState, services, cbBufSize,
                               pcbBytesNeeded, servicesReturned, resumeHandle);
}

SC_HANDLE Win32ServiceManager::OpenServiceW(SC_HANDLE manager, const wchar_t* serviceName,
                                            DWORD access) {
  return ::OpenServiceW(manager, serviceName, access);
}

BOOL Win32ServiceManager::QueryServiceConfigW(SC_HANDLE service, QUERY_SERVICE_CONFIGW* config,
                                              DWORD cbBufSize, DWORD* pcbBytesNeeded) {
  return ::QueryServiceConfigW(service, config, cbBufSize, pcbBytesNeeded);
}

BOOL Win32ServiceManager::ChangeServiceConfigW(SC_HANDLE service, DWORD serviceType,
                                               DWORD startType, DWORD errorControl,
                                               const wchar_t* binaryPathName,
                                               const wchar_t* loadOrderGroup, DWORD* tagId,
                                               const wchar_t* dependencies,
                                               const wchar_t* serviceStartName,
                                               const wchar_t* password,
                                               const wchar_t* displayName) {
  return ::ChangeServiceConfigW(service, serviceType, startType, errorControl, binaryPathName,
                                loadOrderGroup, tagId, dependencies, serviceStartName, password,
                                displayName);
}

BOOL Win32ServiceManager::CloseServiceHandle(SC_HANDLE handle) {
  return ::CloseServiceHandle(handle);
}

DWORD Win32ServiceManager::GetLastError() { return ::GetLastError(); }
