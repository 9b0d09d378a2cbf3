// Tasks registered in the root folder of the Task Scheduler library, through one
// connection that lives only while AutorunLock is held.
#include "Lib/AutorunSources.h"
#include "platform/Platform.h"

namespace {

// Used only under AutorunLock. At process end a connection still held is released
// without CoUninitialize: COM may already be gone for the thread by then.
std::unique_ptr<ITaskServiceP> gTaskService;
bool gOwnsComInit = false;

void UndoComInit() {
  if (!gOwnsComInit) return;
  PlatformCom().CoUninitialize();
  gOwnsComInit = false;
}

// Holds AutorunLock with a connection for one task operation; disconnects and unlocks
// on every path, exceptions included.
class TaskSession {
 public:
  TaskSession() : lock_(AutorunLock()) { ConnectTaskService(); }
  ~TaskSession() { DisconnectTaskService(); }
  TaskSession(const TaskSession&) = delete;
  TaskSession& operator=(const TaskSession&) = delete;

 private:
  std::lock_guard<std::recursive_mutex> lock_;
};

constexpr wchar_t kTaskLibrary[] = L"the task library";

// Lists the root folder. A failure of the folder or of its collection ends the listing,
// keeping what was added, and the library counts as read in part. A task whose item, name
// or state cannot be read (a leftover whose stored definition is missing or damaged) is
// skipped and named, so it hides none of the tasks after it.
void ListRootFolder(TAutorunList& list) {
  std::unique_ptr<ITaskFolderP> folder;
  HRESULT result = gTaskService->GetFolder(L"\\", &folder);
  if (FAILED(result) || !folder) return ReportUnreadSourceHresult(kTaskLibrary, result);
  // Hidden tasks stay out: TASK_ENUM_HIDDEN is not asked for.
  std::unique_ptr<IRegisteredTaskCollectionP> tasks;
  result = folder->GetTasks(0, &tasks);
  if (FAILED(result) || !tasks) return ReportUnreadSourceHresult(kTaskLibrary, result);
  LONG count = 0;
  result = tasks->get_Count(&count);
  if (FAILED(result)) return ReportUnreadSourceHresult(kTaskLibrary, result);
  // The root's path is "\"; without its trailing backslash nothing is left of it.
  const std::wstring folderPath;
  for (LONG i = 1; i <= count; ++i) {
    std::unique_ptr<IRegisteredTaskP> task;
    result = tasks->get_Item(TaskVariant::Int(i), &task);
    if (FAILED(result) || !task) {
      ReportUnreadSourceHresult(kTaskLibrary, FAILED(result) ? result : E_POINTER);
      continue;
    }
    std::wstring name;
    result = task->get_Name(&name);
    if (FAILED(result)) {
      ReportUnreadSourceHresult(kTaskLibrary, result);
      continue;
    }
    VARIANT_BOOL enabled = VARIANT_FALSE;
    result = task->get_Enabled(&enabled);
    if (FAILED(result)) {
      ReportUnreadSourceHresult(kTaskLibrary, result);
      continue;
    }
    TAutorunInfo entry;
    entry.Caption = name;
    entry.Target = folderPath + L"\\" + name;
    entry.From = kFromTask;
    entry.Enabled = enabled != 0;
    list.push_back(std::move(entry));
  }
}

}  // namespace

void ConnectTaskService() {
  if (gTaskService) return;
  IComRuntime& com = PlatformCom();

  // The user-interface thread already lives in a single-threaded apartment; then the
  // existing initialisation is used and left alone.
  const HRESULT init = com.CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (init == S_OK)
    gOwnsComInit = true;
  else if (init == S_FALSE || init == RPC_E_CHANGED_MODE)
    gOwnsComInit = false;
  else
    return;

  const HRESULT security =
      com.CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                               RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
  if (FAILED(security) && security != RPC_E_TOO_LATE) {
    UndoComInit();
    return;
  }

  std::unique_ptr<ITaskServiceP> service;
  if (FAILED(com.CoCreateInstance(kClsidTaskScheduler, nullptr,
                                  CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kIidTaskService,
                                  &service)) ||
      !service) {
    UndoComInit();
    return;
  }
  if (FAILED(service->Connect(TaskVariant::Empty(), TaskVariant::Empty(), TaskVariant::Empty(),
                              TaskVariant::Empty()))) {
    service.reset();
    UndoComInit();
    return;
  }
  gTaskService = std::move(service);
}

void DisconnectTaskService() {
  if (!gTaskService) return;
  gTaskService.reset();
  UndoComInit();
}

bool TaskServiceConnected() { return gTaskService != nullptr; }

void CollectTasks(TAutorunList& list) {
  TaskSession session;
  if (gTaskService)
    ListRootFolder(list);
  else
    ReportUnreadSource(std::wstring(kTaskLibrary) + L": it could not be opened");
}

void SetTaskEnabled(const std::wstring& target, bool enable) {
  TaskSession session;
  if (!gTaskService) return;
  std::unique_ptr<ITaskFolderP> folder;
  if (FAILED(gTaskService->GetFolder(L"\\", &folder)) || !folder) return;
  std::unique_ptr<IRegisteredTaskP> task;
  if (FAILED(folder->GetTask(target, &task)) || !task) return;
  (void)task->put_Enabled(enable ? VARIANT_TRUE : VARIANT_FALSE);
}
