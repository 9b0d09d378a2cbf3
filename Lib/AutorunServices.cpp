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

namespace {

void AppendService(SC_HANDLE manager, const ENUM_SERVICE_STATUSW& record, TAutorunList& list) {
  std::unique_ptr<SizedBuffer> config = QueryConfig(manager, record.lpServiceName);
  if (!config) return;
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

// A hostile or broken manager could keep answering "more" without moving on.
constexpr int kMaxEnumerationRounds = 100000;

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

  // The manager hands out at most one buffer's worth per call (256 KB on Windows) and
  // says where to go on through the resume handle; services that appear between two
  // calls make it answer ERROR_MORE_DATA again. Every batch is taken until the list is
  // complete.
  auto buffer = std::make_unique<SizedBuffer>(needed);
  for (int round = 0; round < kMaxEnumerationRounds; ++round) {
    auto* records = buffer->as<ENUM_SERVICE_STATUSW>();
    const BOOL complete = scm.EnumServicesStatusW(manager.get(), SERVICE_WIN32, SERVICE_STATE_ALL,
                                                  records, buffer->size(), &needed, &returned,
                                                  &resume);
    const DWORD error = complete ? ERROR_SUCCESS : scm.GetLastError();
    const bool more = !complete && (error == ERROR_MORE_DATA || error == ERROR_INSUFFICIENT_BUFFER);
    // Any other failure ends the listing with the services taken so far.
    if (!complete && !more) return;
    for (DWORD i = 0; i < returned; ++i) AppendService(manager.get(), records[i], list);
    if (complete) return;
    if (returned == 0) {
      // Not even one record fitted: the next one is larger than the buffer.
      if (needed <= buffer->size()) return;
      buffer = std::make_unique<SizedBuffer>(needed);
    }
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
