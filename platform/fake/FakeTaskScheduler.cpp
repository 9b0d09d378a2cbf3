#include "platform/fake/FakeTaskScheduler.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>

#include "platform/fake/CaseFold.h"

namespace {

// What ITaskService answers before Connect.
constexpr DWORD kErrorOnlyIfConnected = 1251;
// What CoCreateInstance answers when asked to aggregate a class that cannot be.
const HRESULT kClassNoAggregation = static_cast<HRESULT>(0x80040110u);

// A folder path as the scheduler keys it: "\\" for the root, otherwise "\\A\\B" with no
// trailing separator. Relative paths start at the root. "." and "/" are no names.
std::optional<std::wstring> NormalizeFolder(std::wstring_view path) {
  std::wstring normalized;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L'\\', start);
    if (end == std::wstring_view::npos) end = path.size();
    const std::wstring_view part = path.substr(start, end - start);
    if (part == L"." || part == L".." || part.find(L'/') != std::wstring_view::npos)
      return std::nullopt;
    if (!part.empty()) {
      normalized += L'\\';
      normalized += part;
    }
    start = end + 1;
  }
  return normalized.empty() ? std::wstring(L"\\") : normalized;
}

}  // namespace

struct FakeComState {
  struct ThreadCom {
    int count = 0;
    bool sta = false;
  };
  struct TaskRecord {
    FakeTask task;
    bool removed = false;
  };

  mutable std::mutex mutex;
  FaultPlan faults{"FakeComRuntime",
                   {"CoInitializeEx", "CoUninitialize", "CoInitializeSecurity", "CoCreateInstance",
                    "Connect", "GetFolder", "GetTasks", "GetTask", "get_Count", "get_Item",
                    "get_Name", "get_Enabled", "put_Enabled"}};
  std::map<std::thread::id, ThreadCom> threads;
  int uninitializeCalls = 0;
  int unbalancedUninitializeCalls = 0;
  bool securitySet = false;
  bool wineMode = false;
  std::vector<SecurityCall> securityCalls;
  std::vector<DWORD> createContexts;
  std::vector<ConnectCall> connectCalls;
  std::map<std::wstring, std::wstring> folders;  // folded path -> path as first spelled
  std::vector<std::shared_ptr<TaskRecord>> tasks;
  int liveServices = 0;
  int liveObjects = 0;

  std::optional<HRESULT> Fault(std::string_view call) {
    if (auto code = faults.Check(call)) return static_cast<HRESULT>(*code);
    return std::nullopt;
  }
  ThreadCom& ThisThread() { return threads[std::this_thread::get_id()]; }
  bool HasFolder(const std::wstring& normalized) const {
    return folders.count(FoldCase(normalized)) != 0;
  }
  void AddFolder(const std::wstring& normalized) {
    for (size_t at = normalized.find(L'\\', 1); at != std::wstring::npos;
         at = normalized.find(L'\\', at + 1))
      folders.emplace(FoldCase(normalized.substr(0, at)), normalized.substr(0, at));
    folders.emplace(FoldCase(normalized), normalized);
  }
  std::shared_ptr<TaskRecord> FindTask(const std::wstring& folder, std::wstring_view name) const {
    for (const auto& record : tasks)
      if (SameFolded(record->task.folderPath, folder) && SameFolded(record->task.name, name))
        return record;
    return nullptr;
  }
};

namespace {

using StatePtr = std::shared_ptr<FakeComState>;

// Every task object counts itself alive in the shared state while it exists.
class Counted {
 public:
  Counted(StatePtr state, bool isService) : state_(std::move(state)), isService_(isService) {
    std::lock_guard lock(state_->mutex);
    ++state_->liveObjects;
    if (isService_) ++state_->liveServices;
  }
  ~Counted() {
    std::lock_guard lock(state_->mutex);
    --state_->liveObjects;
    if (isService_) --state_->liveServices;
  }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

 protected:
  StatePtr state_;

 private:
  bool isService_;
};

class FakeRegisteredTask : public IRegisteredTaskP, Counted {
 public:
  FakeRegisteredTask(StatePtr state, std::shared_ptr<FakeComState::TaskRecord> record)
      : Counted(std::move(state), false), record_(std::move(record)) {}

  HRESULT get_Name(std::wstring* name) override {
    std::lock_guard lock(state_->mutex);
    if (auto fault = state_->Fault("get_Name")) return *fault;
    if (name == nullptr) return E_POINTER;
    *name = record_->task.name;
    return S_OK;
  }
  HRESULT get_Enabled(VARIANT_BOOL* enabled) override {
    std::lock_guard lock(state_->mutex);
    if (auto fault = state_->Fault("get_Enabled")) return *fault;
    if (enabled == nullptr) return E_POINTER;
    if (record_->removed) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    *enabled = (state_->wineMode || record_->task.enabled) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT put_Enabled(VARIANT_BOOL enabled) override {
    std::lock_guard lock(state_->mutex);
    if (auto fault = state_->Fault("put_Enabled")) return *fault;
    // A task deleted since it was opened has nothing left to read or change.
    if (record_->removed) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    // Wine 8 accepts the call and changes nothing.
    if (state_->wineMode) return S_OK;
    record_->task.enabled = enabled != VARIANT_FALSE;
    return S_OK;
  }

 private:
  std::shared_ptr<FakeComState::TaskRecord> record_;
};

class FakeTaskCollection : public IRegisteredTaskCollectionP, Counted {
 public:
  FakeTaskCollection(StatePtr state, std::vector<std::shared_ptr<FakeComState::TaskRecord>> tasks)
      : Counted(std::move(state), false), tasks_(std::move(tasks)) {}

  HRESULT get_Count(LONG* count) override {
    std::lock_guard lock(state_->mutex);
    if (auto fault = state_->Fault("get_Count")) return *fault;
    if (count == nullptr) return E_POINTER;
    if (state_->wineMode) {
      *count = 0;
      return E_NOTIMPL;
    }
    *count = static_cast<LONG>(tasks_.size());
    return S_OK;
  }
  HRESULT get_Item(TaskVariant index, std::unique_ptr<IRegisteredTaskP>* task) override {
    std::shared_ptr<FakeComState::TaskRecord> record;
    {
      std::lock_guard lock(state_->mutex);
      if (auto fault = state_->Fault("get_Item")) return *fault;
      if (task == nullptr) return E_POINTER;
      if (state_->wineMode) return E_NOTIMPL;
      // The collection counts from 1, like every COM collection made for scripts.
      if (index.vt != VT_I4 || index.lVal < 1 || static_cast<size_t>(index.lVal) > tasks_.size())
        return E_INVALIDARG;
      record = tasks_[static_cast<size_t>(index.lVal) - 1];
    }
    *task = std::make_unique<FakeRegisteredTask>(state_, std::move(record));
    return S_OK;
  }

 private:
  // The tasks listed when the collection was made; later additions do not show.
  std::vector<std::shared_ptr<FakeComState::TaskRecord>> tasks_;
};

class FakeTaskFolder : public ITaskFolderP, Counted {
 public:
  FakeTaskFolder(StatePtr state, std::wstring path)
      : Counted(std::move(state), false), path_(std::move(path)) {}

  HRESULT GetTasks(LONG flags, std::unique_ptr<IRegisteredTaskCollectionP>* tasks) override {
    std::vector<std::shared_ptr<FakeComState::TaskRecord>> listed;
    {
      std::lock_guard lock(state_->mutex);
      if (auto fault = state_->Fault("GetTasks")) return *fault;
      if (tasks == nullptr) return E_POINTER;
      for (const auto& record : state_->tasks) {
        if (!SameFolded(record->task.folderPath, path_)) continue;
        if (record->task.hidden && (flags & TASK_ENUM_HIDDEN) == 0) continue;
        listed.push_back(record);
      }
    }
    *tasks = std::make_unique<FakeTaskCollection>(state_, std::move(listed));
    return S_OK;
  }
  HRESULT GetTask(const std::wstring& path, std::unique_ptr<IRegisteredTaskP>* task) override {
    std::shared_ptr<FakeComState::TaskRecord> record;
    {
      std::lock_guard lock(state_->mutex);
      if (auto fault = state_->Fault("GetTask")) return *fault;
      if (task == nullptr) return E_POINTER;
      // A path with a leading backslash is taken from the root ("\\Name" from the root
      // folder); any other is relative to this folder.
      const std::wstring full = !path.empty() && path.front() == L'\\'
                                    ? path
                                    : (path_ == L"\\" ? path_ : path_ + L"\\") + path;
      const size_t slash = full.rfind(L'\\');
      const std::wstring name = full.substr(slash + 1);
      const std::optional<std::wstring> folder = NormalizeFolder(full.substr(0, slash));
      if (name.empty() || !folder) return E_INVALIDARG;
      record = state_->FindTask(*folder, name);
      if (!record) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    *task = std::make_unique<FakeRegisteredTask>(state_, std::move(record));
    return S_OK;
  }

 private:
  std::wstring path_;
};

class FakeTaskService : public ITaskServiceP, Counted {
 public:
  explicit FakeTaskService(StatePtr state) : Counted(std::move(state), true) {}

  HRESULT Connect(TaskVariant serverName, TaskVariant user, TaskVariant domain,
                  TaskVariant password) override {
    std::lock_guard lock(state_->mutex);
    state_->connectCalls.push_back({serverName, user, domain, password});
    if (auto fault = state_->Fault("Connect")) return *fault;
    // The fake is the local machine under the current user: every argument left empty.
    for (const TaskVariant& argument : {serverName, user, domain, password})
      if (argument.vt != VT_EMPTY) return E_INVALIDARG;
    connected_ = true;
    return S_OK;
  }
  HRESULT GetFolder(const std::wstring& path, std::unique_ptr<ITaskFolderP>* folder) override {
    std::wstring normalized;
    {
      std::lock_guard lock(state_->mutex);
      if (auto fault = state_->Fault("GetFolder")) return *fault;
      if (folder == nullptr) return E_POINTER;
      if (!connected_) return HRESULT_FROM_WIN32(kErrorOnlyIfConnected);
      const std::optional<std::wstring> parsed = NormalizeFolder(path);
      if (!parsed) return HRESULT_FROM_WIN32(ERROR_INVALID_NAME);
      if (!state_->HasFolder(*parsed)) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
      normalized = state_->folders.at(FoldCase(*parsed));
    }
    *folder = std::make_unique<FakeTaskFolder>(state_, std::move(normalized));
    return S_OK;
  }

 private:
  bool connected_ = false;
};

}  // namespace

FakeComRuntime::FakeComRuntime()
    : state_(std::make_shared<FakeComState>()), faults(state_->faults) {
  state_->AddFolder(L"\\");
}

FakeComRuntime::~FakeComRuntime() = default;

HRESULT FakeComRuntime::CoInitializeEx(void* reserved, DWORD coInit) {
  std::lock_guard lock(state_->mutex);
  if (auto fault = state_->Fault("CoInitializeEx")) return *fault;
  if (reserved != nullptr) return E_INVALIDARG;
  FakeComState::ThreadCom& thread = state_->ThisThread();
  const bool sta = (coInit & COINIT_APARTMENTTHREADED) != 0;
  if (thread.count == 0) {
    thread.count = 1;
    thread.sta = sta;
    return S_OK;
  }
  // A thread stays in the apartment it entered first; asking for the other kind fails
  // and, unlike S_FALSE, must not be balanced by CoUninitialize.
  if (thread.sta != sta) return RPC_E_CHANGED_MODE;
  ++thread.count;
  return S_FALSE;
}

void FakeComRuntime::CoUninitialize() {
  std::lock_guard lock(state_->mutex);
  (void)state_->faults.Check("CoUninitialize");
  ++state_->uninitializeCalls;
  FakeComState::ThreadCom& thread = state_->ThisThread();
  if (thread.count > 0)
    --thread.count;
  else
    ++state_->unbalancedUninitializeCalls;
}

HRESULT FakeComRuntime::CoInitializeSecurity(void* securityDescriptor, LONG authServices,
                                             void* authServiceList, void* reserved1,
                                             DWORD authnLevel, DWORD impLevel, void* authList,
                                             DWORD capabilities, void* reserved3) {
  (void)securityDescriptor;
  (void)authServiceList;
  (void)reserved1;
  (void)authList;
  (void)reserved3;
  std::lock_guard lock(state_->mutex);
  state_->securityCalls.push_back({authServices, authnLevel, impLevel, capabilities});
  if (auto fault = state_->Fault("CoInitializeSecurity")) return *fault;
  if (state_->ThisThread().count == 0) return CO_E_NOTINITIALIZED;
  // Security is set once per process, by whoever comes first.
  if (state_->securitySet) return RPC_E_TOO_LATE;
  state_->securitySet = true;
  return S_OK;
}

HRESULT FakeComRuntime::CoCreateInstance(const GUID& clsid, void* outer, DWORD context,
                                         const GUID& iid, std::unique_ptr<ITaskServiceP>* service) {
  {
    std::lock_guard lock(state_->mutex);
    state_->createContexts.push_back(context);
    if (auto fault = state_->Fault("CoCreateInstance")) return *fault;
    if (service == nullptr) return E_POINTER;
    if (state_->ThisThread().count == 0) return CO_E_NOTINITIALIZED;
    if (!(clsid == kClsidTaskScheduler)) return REGDB_E_CLASSNOTREG;
    if (outer != nullptr) return kClassNoAggregation;
    if (!(iid == kIidTaskService)) return E_NOINTERFACE;
  }
  *service = std::make_unique<FakeTaskService>(state_);
  return S_OK;
}

void FakeComRuntime::AddTask(FakeTask task) {
  std::lock_guard lock(state_->mutex);
  const std::optional<std::wstring> folder = NormalizeFolder(task.folderPath);
  task.folderPath = folder.value_or(L"\\");
  state_->AddFolder(task.folderPath);
  if (auto existing = state_->FindTask(task.folderPath, task.name)) {
    existing->task = std::move(task);
    return;
  }
  auto record = std::make_shared<FakeComState::TaskRecord>();
  record->task = std::move(task);
  state_->tasks.push_back(std::move(record));
}

void FakeComRuntime::AddTaskFolder(std::wstring_view path) {
  std::lock_guard lock(state_->mutex);
  if (const std::optional<std::wstring> folder = NormalizeFolder(path)) state_->AddFolder(*folder);
}

bool FakeComRuntime::RemoveTask(std::wstring_view folderPath, std::wstring_view name) {
  std::lock_guard lock(state_->mutex);
  const std::optional<std::wstring> folder = NormalizeFolder(folderPath);
  if (!folder) return false;
  auto& tasks = state_->tasks;
  const auto found = std::find_if(tasks.begin(), tasks.end(), [&](const auto& record) {
    return SameFolded(record->task.folderPath, *folder) && SameFolded(record->task.name, name);
  });
  if (found == tasks.end()) return false;
  (*found)->removed = true;
  tasks.erase(found);
  return true;
}

std::optional<FakeTask> FakeComRuntime::Task(std::wstring_view folderPath,
                                             std::wstring_view name) const {
  std::lock_guard lock(state_->mutex);
  const std::optional<std::wstring> folder = NormalizeFolder(folderPath);
  if (!folder) return std::nullopt;
  if (auto record = state_->FindTask(*folder, name)) return record->task;
  return std::nullopt;
}

void FakeComRuntime::SetWineMode(bool on) {
  std::lock_guard lock(state_->mutex);
  state_->wineMode = on;
}

void FakeComRuntime::EnterStaOnThisThread() {
  std::lock_guard lock(state_->mutex);
  FakeComState::ThreadCom& thread = state_->ThisThread();
  ++thread.count;
  thread.sta = true;
}

void FakeComRuntime::MarkSecurityAlreadySet() {
  std::lock_guard lock(state_->mutex);
  state_->securitySet = true;
}

int FakeComRuntime::InitCount() const {
  std::lock_guard lock(state_->mutex);
  const auto found = state_->threads.find(std::this_thread::get_id());
  return found == state_->threads.end() ? 0 : found->second.count;
}

int FakeComRuntime::UninitializeCalls() const {
  std::lock_guard lock(state_->mutex);
  return state_->uninitializeCalls;
}

int FakeComRuntime::UnbalancedUninitializeCalls() const {
  std::lock_guard lock(state_->mutex);
  return state_->unbalancedUninitializeCalls;
}

std::vector<DWORD> FakeComRuntime::CreateContexts() const {
  std::lock_guard lock(state_->mutex);
  return state_->createContexts;
}

std::vector<ConnectCall> FakeComRuntime::ConnectCalls() const {
  std::lock_guard lock(state_->mutex);
  return state_->connectCalls;
}

std::vector<SecurityCall> FakeComRuntime::SecurityCalls() const {
  std::lock_guard lock(state_->mutex);
  return state_->securityCalls;
}

int FakeComRuntime::LiveServices() const {
  std::lock_guard lock(state_->mutex);
  return state_->liveServices;
}

int FakeComRuntime::LiveObjects() const {
  std::lock_guard lock(state_->mutex);
  return state_->liveObjects;
}
