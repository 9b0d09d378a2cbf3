#include "platform/fake/FakeServiceManager.h"

#include <algorithm>
#include <cstring>

#include "platform/fake/CaseFold.h"

namespace {

// GetLastError belongs to the calling thread, as in Win32.
thread_local DWORD tLastError = ERROR_SUCCESS;

constexpr DWORD kWriteDac = 0x00040000;
constexpr DWORD kWriteOwner = 0x00080000;
constexpr DWORD kGenericWrite = 0x40000000;
constexpr DWORD kGenericAll = 0x10000000;
// What a user without administrator rights does not get: the manager's rights to create
// services, lock the database and change the boot configuration; a service's right to
// change its configuration; and the generic and standard write rights of either.
constexpr DWORD kAdminOnlyRights = DELETE | kWriteDac | kWriteOwner | kGenericWrite | kGenericAll;
constexpr DWORD kManagerAdminRights = kAdminOnlyRights | SC_MANAGER_CREATE_SERVICE | 0x0008 | 0x0020;
constexpr DWORD kServiceAdminRights = kAdminOnlyRights | SERVICE_CHANGE_CONFIG;
constexpr DWORD kAcceptStop = 0x1;

size_t TextBytes(const std::wstring& text) { return (text.size() + 1) * sizeof(wchar_t); }

size_t MultiTextBytes(const std::vector<std::wstring>& texts) {
  size_t bytes = sizeof(wchar_t);  // the empty string that ends the list
  for (const std::wstring& text : texts) bytes += TextBytes(text);
  return bytes;
}

// Writes into the caller's block with memcpy: the block is only as aligned as the
// caller made it, and the fake must not be the one to read or write it misaligned.
class BlockWriter {
 public:
  explicit BlockWriter(void* block) : base_(static_cast<BYTE*>(block)) {}

  template <typename T>
  void Put(size_t offset, const T& value) {
    std::memcpy(base_ + offset, &value, sizeof(T));
  }
  // Appends a NUL-terminated text at the string cursor and returns where it landed.
  wchar_t* Text(const std::wstring& text) {
    wchar_t* at = Here();
    const wchar_t nul = L'\0';
    std::memcpy(base_ + cursor_, text.data(), text.size() * sizeof(wchar_t));
    std::memcpy(base_ + cursor_ + text.size() * sizeof(wchar_t), &nul, sizeof(wchar_t));
    cursor_ += TextBytes(text);
    return at;
  }
  wchar_t* MultiText(const std::vector<std::wstring>& texts) {
    wchar_t* at = Here();
    for (const std::wstring& text : texts) Text(text);
    Text(std::wstring());
    return at;
  }
  void SetCursor(size_t cursor) { cursor_ = cursor; }

 private:
  wchar_t* Here() const { return reinterpret_cast<wchar_t*>(base_ + cursor_); }

  BYTE* base_;
  size_t cursor_ = 0;
};

std::vector<std::wstring> ParseMultiText(const wchar_t* list) {
  std::vector<std::wstring> texts;
  for (const wchar_t* at = list; *at != L'\0'; at += texts.back().size() + 1) texts.emplace_back(at);
  return texts;
}

}  // namespace

struct FakeServiceManager::Record {
  FakeService service;
  bool deleted = false;
};

FakeServiceManager::FakeServiceManager() = default;
FakeServiceManager::~FakeServiceManager() = default;

BOOL FakeServiceManager::Fail(DWORD error) {
  tLastError = error;
  return FALSE;
}

SC_HANDLE FakeServiceManager::NewHandle(OpenHandle handle) {
  const SC_HANDLE value = reinterpret_cast<SC_HANDLE>(nextHandle_);
  nextHandle_ += 4;
  handles_.emplace(value, std::move(handle));
  return value;
}

const FakeServiceManager::OpenHandle* FakeServiceManager::Find(SC_HANDLE handle) const {
  const auto found = handles_.find(handle);
  return found == handles_.end() ? nullptr : &found->second;
}

SC_HANDLE FakeServiceManager::OpenSCManagerW(const wchar_t* machine, const wchar_t* database,
                                             DWORD access) {
  (void)machine;
  (void)database;
  std::lock_guard lock(mutex_);
  callLog_.push_back({"OpenSCManagerW", std::wstring(), access});
  if (auto fault = faults.Check("OpenSCManagerW")) {
    Fail(*fault);
    return nullptr;
  }
  if (denyManager_ || (readOnly_ && (access & kManagerAdminRights) != 0)) {
    Fail(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  // SC_MANAGER_CONNECT comes with every manager handle.
  return NewHandle(OpenHandle{true, nullptr, access | SC_MANAGER_CONNECT});
}

BOOL FakeServiceManager::EnumServicesStatusW(SC_HANDLE manager, DWORD serviceType,
                                             DWORD serviceState, ENUM_SERVICE_STATUSW* services,
                                             DWORD cbBufSize, DWORD* pcbBytesNeeded,
                                             DWORD* servicesReturned, DWORD* resumeHandle) {
  BOOL result = FALSE;
  {
    std::lock_guard lock(mutex_);
    result = EnumLocked(manager, serviceType, serviceState, services, cbBufSize, pcbBytesNeeded,
                        servicesReturned, resumeHandle);
  }
  const DWORD error = tLastError;
  if (afterEnumerate) afterEnumerate();
  tLastError = error;
  return result;
}

BOOL FakeServiceManager::EnumLocked(SC_HANDLE manager, DWORD serviceType, DWORD serviceState,
                                    ENUM_SERVICE_STATUSW* services, DWORD cbBufSize,
                                    DWORD* pcbBytesNeeded, DWORD* servicesReturned,
                                    DWORD* resumeHandle) {
  if (auto fault = faults.Check("EnumServicesStatusW")) return Fail(*fault);
  const OpenHandle* handle = Find(manager);
  if (handle == nullptr || !handle->isManager) return Fail(ERROR_INVALID_HANDLE);
  if ((handle->access & SC_MANAGER_ENUMERATE_SERVICE) == 0) return Fail(ERROR_ACCESS_DENIED);
  if (pcbBytesNeeded == nullptr || servicesReturned == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if ((serviceType & (SERVICE_DRIVER | SERVICE_WIN32)) == 0 || serviceState == 0 ||
      (serviceState & ~SERVICE_STATE_ALL) != 0)
    return Fail(ERROR_INVALID_PARAMETER);

  std::vector<const FakeService*> listed;
  for (const auto& record : services_) {
    const FakeService& service = record->service;
    if ((service.serviceType & serviceType) == 0) continue;
    const bool active = service.currentState != SERVICE_STOPPED;
    if (!((active && (serviceState & SERVICE_ACTIVE)) || (!active && (serviceState & SERVICE_INACTIVE))))
      continue;
    listed.push_back(&service);
  }
  const size_t first = resumeHandle == nullptr ? 0 : std::min<size_t>(*resumeHandle, listed.size());
  listed.erase(listed.begin(), listed.begin() + static_cast<std::ptrdiff_t>(first));

  // As many whole records as the buffer (and the per-call limit) holds, each with its
  // strings; the rest is left to a call with the resume handle, and pcbBytesNeeded
  // counts what the rest takes.
  auto recordBytes = [](const FakeService* service) {
    return sizeof(ENUM_SERVICE_STATUSW) + TextBytes(service->name) + TextBytes(service->displayName);
  };
  const size_t capacity = services == nullptr ? 0 : std::min<size_t>(cbBufSize, maxEnumBytes);
  size_t fitted = 0;
  size_t used = 0;
  while (fitted < listed.size() && used + recordBytes(listed[fitted]) <= capacity)
    used += recordBytes(listed[fitted++]);
  size_t rest = 0;
  for (size_t i = fitted; i < listed.size(); ++i) rest += recordBytes(listed[i]);

  // The records first, then their strings; sizeof a record keeps the strings aligned
  // for wchar_t whenever the block is aligned for the records.
  *servicesReturned = 0;
  if (fitted > 0) {
    BlockWriter writer(services);
    writer.SetCursor(fitted * sizeof(ENUM_SERVICE_STATUSW));
    for (size_t i = 0; i < fitted; ++i) {
      const FakeService& service = *listed[i];
      ENUM_SERVICE_STATUSW record{};
      record.lpServiceName = writer.Text(service.name);
      record.lpDisplayName = writer.Text(service.displayName);
      record.ServiceStatus.dwServiceType = service.serviceType;
      record.ServiceStatus.dwCurrentState = service.currentState;
      record.ServiceStatus.dwControlsAccepted =
          service.currentState == SERVICE_RUNNING ? kAcceptStop : 0;
      writer.Put(i * sizeof(ENUM_SERVICE_STATUSW), record);
    }
  }
  *servicesReturned = static_cast<DWORD>(fitted);
  if (fitted < listed.size()) {
    *pcbBytesNeeded = static_cast<DWORD>(rest);
    if (resumeHandle != nullptr) *resumeHandle = static_cast<DWORD>(first + fitted);
    return Fail(ERROR_MORE_DATA);
  }
  *pcbBytesNeeded = 0;
  if (resumeHandle != nullptr) *resumeHandle = 0;
  return TRUE;
}

SC_HANDLE FakeServiceManager::OpenServiceW(SC_HANDLE manager, const wchar_t* serviceName,
                                           DWORD access) {
  std::lock_guard lock(mutex_);
  callLog_.push_back({"OpenServiceW", serviceName == nullptr ? L"" : serviceName, access});
  if (auto fault = faults.Check("OpenServiceW")) {
    Fail(*fault);
    return nullptr;
  }
  const OpenHandle* handle = Find(manager);
  if (handle == nullptr || !handle->isManager) {
    Fail(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (serviceName == nullptr || *serviceName == L'\0') {
    Fail(ERROR_INVALID_NAME);
    return nullptr;
  }
  const auto found = byName_.find(FoldCase(serviceName));
  if (found == byName_.end()) {
    Fail(ERROR_SERVICE_DOES_NOT_EXIST);
    return nullptr;
  }
  if (deniedServices_.count(FoldCase(serviceName)) != 0 ||
      (readOnly_ && (access & kServiceAdminRights) != 0)) {
    Fail(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  return NewHandle(OpenHandle{false, found->second, access});
}

BOOL FakeServiceManager::QueryServiceConfigW(SC_HANDLE service, QUERY_SERVICE_CONFIGW* config,
                                             DWORD cbBufSize, DWORD* pcbBytesNeeded) {
  std::lock_guard lock(mutex_);
  if (auto fault = faults.Check("QueryServiceConfigW")) return Fail(*fault);
  const OpenHandle* handle = Find(service);
  if (handle == nullptr || handle->isManager) return Fail(ERROR_INVALID_HANDLE);
  if ((handle->access & SERVICE_QUERY_CONFIG) == 0) return Fail(ERROR_ACCESS_DENIED);
  if (pcbBytesNeeded == nullptr) return Fail(ERROR_INVALID_PARAMETER);

  const FakeService& data = handle->service->service;
  const size_t needed = sizeof(QUERY_SERVICE_CONFIGW) + TextBytes(data.imagePath) +
                        TextBytes(data.loadOrderGroup) + MultiTextBytes(data.dependencies) +
                        TextBytes(data.startName) + TextBytes(data.displayName);
  *pcbBytesNeeded = static_cast<DWORD>(needed);
  // Unlike EnumServicesStatusW, this call reports a short buffer as
  // ERROR_INSUFFICIENT_BUFFER.
  if (config == nullptr || cbBufSize < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);

  BlockWriter writer(config);
  writer.SetCursor(sizeof(QUERY_SERVICE_CONFIGW));
  QUERY_SERVICE_CONFIGW record{};
  record.dwServiceType = data.serviceType;
  record.dwStartType = data.startType;
  record.dwErrorControl = data.errorControl;
  record.lpBinaryPathName = writer.Text(data.imagePath);
  record.lpLoadOrderGroup = writer.Text(data.loadOrderGroup);
  record.lpDependencies = writer.MultiText(data.dependencies);
  record.lpServiceStartName = writer.Text(data.startName);
  record.lpDisplayName = writer.Text(data.displayName);
  writer.Put(0, record);
  return TRUE;
}

BOOL FakeServiceManager::ChangeServiceConfigW(SC_HANDLE service, DWORD serviceType,
                                              DWORD startType, DWORD errorControl,
                                              const wchar_t* binaryPathName,
                                              const wchar_t* loadOrderGroup, DWORD* tagId,
                                              const wchar_t* dependencies,
                                              const wchar_t* serviceStartName,
                                              const wchar_t* password, const wchar_t* displayName) {
  (void)tagId;
  (void)password;
  std::lock_guard lock(mutex_);
  if (auto fault = faults.Check("ChangeServiceConfigW")) return Fail(*fault);
  const OpenHandle* handle = Find(service);
  if (handle == nullptr || handle->isManager) return Fail(ERROR_INVALID_HANDLE);
  if ((handle->access & SERVICE_CHANGE_CONFIG) == 0) return Fail(ERROR_ACCESS_DENIED);
  if (handle->service->deleted) return Fail(ERROR_SERVICE_MARKED_FOR_DELETE);

  FakeService& data = handle->service->service;
  const DWORD newType = serviceType == SERVICE_NO_CHANGE ? data.serviceType : serviceType;
  if (startType != SERVICE_NO_CHANGE) {
    // Boot and system start belong to drivers; the SCM refuses them for a process.
    const bool driver = (newType & SERVICE_DRIVER) != 0;
    if (startType > SERVICE_DISABLED || (!driver && startType < SERVICE_AUTO_START))
      return Fail(ERROR_INVALID_PARAMETER);
  }
  data.serviceType = newType;
  if (startType != SERVICE_NO_CHANGE) data.startType = startType;
  if (errorControl != SERVICE_NO_CHANGE) data.errorControl = errorControl;
  if (binaryPathName != nullptr) data.imagePath = binaryPathName;
  if (loadOrderGroup != nullptr) data.loadOrderGroup = loadOrderGroup;
  if (dependencies != nullptr) data.dependencies = ParseMultiText(dependencies);
  if (serviceStartName != nullptr) data.startName = serviceStartName;
  if (displayName != nullptr) data.displayName = displayName;
  return TRUE;
}

BOOL FakeServiceManager::CloseServiceHandle(SC_HANDLE handle) {
  std::lock_guard lock(mutex_);
  if (auto fault = faults.Check("CloseServiceHandle")) return Fail(*fault);
  if (handles_.erase(handle) == 0) return Fail(ERROR_INVALID_HANDLE);
  return TRUE;
}

DWORD FakeServiceManager::GetLastError() { return tLastError; }

void FakeServiceManager::AddService(FakeService service) {
  std::lock_guard lock(mutex_);
  const std::wstring folded = FoldCase(service.name);
  if (const auto found = byName_.find(folded); found != byName_.end()) {
    found->second->service = std::move(service);
    return;
  }
  auto record = std::make_shared<Record>();
  record->service = std::move(service);
  byName_.emplace(folded, record);
  services_.push_back(std::move(record));
}

bool FakeServiceManager::RemoveService(std::wstring_view name) {
  std::lock_guard lock(mutex_);
  const auto found = std::find_if(services_.begin(), services_.end(), [name](const auto& record) {
    return SameFolded(record->service.name, name);
  });
  if (found == services_.end()) return false;
  (*found)->deleted = true;
  byName_.erase(FoldCase((*found)->service.name));
  services_.erase(found);
  return true;
}

std::optional<FakeService> FakeServiceManager::Service(std::wstring_view name) const {
  std::lock_guard lock(mutex_);
  const auto found = byName_.find(FoldCase(name));
  if (found == byName_.end()) return std::nullopt;
  return found->second->service;
}

void FakeServiceManager::DenyManager(bool deny) {
  std::lock_guard lock(mutex_);
  denyManager_ = deny;
}

void FakeServiceManager::DenyOpen(std::wstring_view name) {
  std::lock_guard lock(mutex_);
  deniedServices_.insert(FoldCase(name));
}

void FakeServiceManager::SetReadOnly(bool readOnly) {
  std::lock_guard lock(mutex_);
  readOnly_ = readOnly;
}

std::size_t FakeServiceManager::OpenHandleCount() const {
  std::lock_guard lock(mutex_);
  return handles_.size();
}

std::vector<ScCall> FakeServiceManager::CallLog() const {
  std::lock_guard lock(mutex_);
  return callLog_;
}
