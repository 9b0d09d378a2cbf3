// Every Win32 service; the automatic ones count as enabled.
#include "Lib/AutorunSources.h"
#include "platform/PlatformHandles.h"
#include "platform/SizedBuffer.h"

namespace {

constexpr DWORD kManagerEnumAccess = SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE;  // 5
constexpr DWORD kServiceSwitchAccess = SERVICE_CHANGE_CONFIG | SERVICE_STOP;             // 0x22

// The configuration of one service, or nothing when it cannot be opened or read.
std::unique_ptr<SizedBuffer> QueryConfig(SC_HANDLE manager, const wchar_t* serviceName) {
  IServiceManager& scm = PlatformServices();
  UniqueScHandle service(scm.OpenServiceW(manager, serviceName, SERVICE_QUERY_CONFIG));
  if (!service) return nullptr;
  DWORD needed = 0;
  (void)scm.QueryServiceConfigW(service.get(), nullptr, 0, &needed);
  auto buffer = std::make_unique<SizedBuffer>(needed);
  if (!scm.QueryServiceConfigW(service.get(), buffer->as<QUERY_SERVICE_CONFIGW>(), buffer->size(),
                               &needed))
    return nullptr;
  return buffer;
}

}  // namespace

void CollectServices(TAutorunList& list) {
  IServiceManager& scm = PlatformServices();
  UniqueScHandle manager(scm.OpenSCManagerW(nullptr, nullptr, kManagerEnumAccess));
  if (!manager) return;

  DWORD needed = 0;
  DWORD returned = 0;
  DWORD resume = 0;
  if (scm.EnumServicesStatusW(manager.get(), SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0, &needed,
                              &returned, &resume))
    return;  // nothing to list
  const DWORD probeError = scm.GetLastError();
  if (probeError != ERROR_INSUFFICIENT_BUFFER && probeError != ERROR_MORE_DATA) return;

  // One more call with exactly the reported size. Services that appeared in between make
  // it fail with ERROR_MORE_DATA; that refresh then lists no services.
  SizedBuffer buffer(needed);
  auto* records = buffer.as<ENUM_SERVICE_STATUSW>();
  if (!scm.EnumServicesStatusW(manager.get(), SERVICE_WIN32, SERVICE_STATE_ALL, records,
                               buffer.size(), &needed, &returned, &resume))
    return;

  for (DWORD i = 0; i < returned; ++i) {
    const ENUM_SERVICE_STATUSW& record = records[i];
    std::unique_ptr<SizedBuffer> config = QueryConfig(manager.get(), record.lpServiceName);
    if (!config) continue;
    const auto* settings = config->as<QUERY_SERVICE_CONFIGW>();
    TAutorunInfo entry;
    entry.FileName = settings->lpBinaryPathName ? settings->lpBinaryPathName : L"";
    entry.Caption = record.lpDisplayName ? record.lpDisplayName : L"";
    entry.RawData = entry.FileName;
    entry.Target = record.lpServiceName ? record.lpServiceName : L"";
    entry.From = kFromService;
    entry.Enabled = settings->dwStartType == SERVICE_AUTO_START;
    list.push_back(std::move(entry));
  }
}

void SetServiceEnabled(const std::wstring& target, bool enable) {
  IServiceManager& scm = PlatformServices();
  UniqueScHandle manager(scm.OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (!manager) return;
  UniqueScHandle service(scm.OpenServiceW(manager.get(), target.c_str(), kServiceSwitchAccess));
  if (!service) return;
  // Only the start type changes; a running service keeps running. The outcome shows in
  // the next refresh.
  (void)scm.ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE,
                                 enable ? SERVICE_AUTO_START : SERVICE_DISABLED, SERVICE_NO_CHANGE,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}
