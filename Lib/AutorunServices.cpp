// Every Win32 service; the automatic ones count as enabled.
#include "Lib/AutorunSources.h"
#include "platform/PlatformHandles.h"
#include "platform/SizedBuffer.h"

namespace {

constexpr DWORD kManagerEnumAccess = SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE;  // 5
constexpr DWORD kServiceSwitchAccess = SERVICE_CHANGE_CONFIG | SERVICE_STOP;             // 0x22

// QueryServiceConfigW answers with at most 8 KB: one buffer of that size serves every
// service in one call, and a service that still needs more is asked again with the size
// it names.
constexpr DWORD kConfigBufferSize = 8 * 1024;

class TConfigReader {
 public:
  // The configuration of one service, valid until the next call; nullptr when the
  // service cannot be opened or its configuration cannot be read.
  const QUERY_SERVICE_CONFIGW* Query(SC_HANDLE manager, const wchar_t* serviceName) {
    IServiceManager& scm = PlatformServices();
    UniqueScHandle service(scm.OpenServiceW(manager, serviceName, SERVICE_QUERY_CONFIG));
    if (!service) {
      // One deleted since the enumeration is simply gone; any other refusal leaves a
      // service the list cannot show.
      const DWORD error = scm.GetLastError();
      if (error != ERROR_SERVICE_DOES_NOT_EXIST)
        ReportUnreadSource(L"the service " + std::wstring(serviceName), error);
      return nullptr;
    }
    DWORD needed = 0;
    if (scm.QueryServiceConfigW(service.get(), buffer_->as<QUERY_SERVICE_CONFIGW>(),
                                buffer_->size(), &needed))
      return buffer_->as<QUERY_SERVICE_CONFIGW>();
    DWORD error = scm.GetLastError();
    if (error == ERROR_INSUFFICIENT_BUFFER && needed > buffer_->size()) {
      buffer_ = std::make_unique<SizedBuffer>(needed);
      if (scm.QueryServiceConfigW(service.get(), buffer_->as<QUERY_SERVICE_CONFIGW>(),
                                  buffer_->size(), &needed))
        return buffer_->as<QUERY_SERVICE_CONFIGW>();
      error = scm.GetLastError();
    }
    ReportUnreadSource(L"the service " + std::wstring(serviceName), error);
    return nullptr;
  }

 private:
  std::unique_ptr<SizedBuffer> buffer_ = std::make_unique<SizedBuffer>(kConfigBufferSize);
};

void AppendService(SC_HANDLE manager, const ENUM_SERVICE_STATUSW& record, TConfigReader& configs,
                   TAutorunList& list) {
  // A per-user service (Windows 10 1709 and later) is listed as its template, whose start
  // type decides whether instances are made at sign-in. The instances ("CDPUserSvc_4f2a1")
  // are made anew with a new suffix at every sign-in, and the system resets their
  // configuration from the template, so listing them would only show churn and a switch
  // that does not last.
  if ((record.ServiceStatus.dwServiceType & SERVICE_USERSERVICE_INSTANCE) != 0) return;
  if (record.lpServiceName == nullptr) return;
  const QUERY_SERVICE_CONFIGW* settings = configs.Query(manager, record.lpServiceName);
  if (settings == nullptr) return;
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

constexpr wchar_t kServiceManager[] = L"the service manager";

}  // namespace

void CollectServices(TAutorunList& list) {
  IServiceManager& scm = PlatformServices();
  UniqueScHandle manager(scm.OpenSCManagerW(nullptr, nullptr, kManagerEnumAccess));
  if (!manager) return ReportUnreadSource(kServiceManager, scm.GetLastError());

  DWORD needed = 0;
  DWORD returned = 0;
  DWORD resume = 0;
  if (scm.EnumServicesStatusW(manager.get(), SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0, &needed,
                              &returned, &resume))
    return;  // nothing to list
  const DWORD probeError = scm.GetLastError();
  if (probeError != ERROR_INSUFFICIENT_BUFFER && probeError != ERROR_MORE_DATA)
    return ReportUnreadSource(kServiceManager, probeError);

  // The manager hands out at most one buffer's worth per call (256 KB on Windows) and
  // says where to go on through the resume handle; services that appear between two
  // calls make it answer ERROR_MORE_DATA again. Every batch is taken until the list is
  // complete.
  auto buffer = std::make_unique<SizedBuffer>(needed);
  TConfigReader configs;
  for (int round = 0; round < kMaxEnumerationRounds; ++round) {
    auto* records = buffer->as<ENUM_SERVICE_STATUSW>();
    const BOOL complete = scm.EnumServicesStatusW(manager.get(), SERVICE_WIN32, SERVICE_STATE_ALL,
                                                  records, buffer->size(), &needed, &returned,
                                                  &resume);
    const DWORD error = complete ? ERROR_SUCCESS : scm.GetLastError();
    const bool more = !complete && (error == ERROR_MORE_DATA || error == ERROR_INSUFFICIENT_BUFFER);
    // Any other failure ends the listing with the services taken so far.
    if (!complete && !more) return ReportUnreadSource(kServiceManager, error);
    for (DWORD i = 0; i < returned; ++i) AppendService(manager.get(), records[i], configs, list);
    if (complete) return;
    if (returned == 0) {
      // Not even one record fitted: the next one is larger than the buffer.
      if (needed <= buffer->size())
        return ReportUnreadSource(std::wstring(kServiceManager) + L": the enumeration stopped");
      buffer = std::make_unique<SizedBuffer>(needed);
    }
  }
  ReportUnreadSource(std::wstring(kServiceManager) + L": the enumeration did not end");
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
