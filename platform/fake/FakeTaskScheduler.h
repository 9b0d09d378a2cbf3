// COM initialisation and a Task Scheduler in memory. CoInitializeEx keeps a count per
// thread with the apartment the thread entered, CoInitializeSecurity works once per
// process, and the task objects answer like Task Scheduler 2.0's: folders by path, the
// collection counting from 1, hidden tasks listed only on request. A Wine mode answers
// like Wine 8's Task Scheduler instead, which cannot count, index or switch tasks.
//
// The objects handed out share the fake's state, so one that outlives the fake is still
// safe to call and to destroy; LiveServices() and LiveObjects() show whether the code
// released everything.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TaskScheduler.h"
#include "platform/fake/FaultPlan.h"

struct FakeTask {
  std::wstring folderPath = L"\\";  // "\\" for the root, "\\Vendor\\Product" below it
  std::wstring name;
  bool enabled = true;
  bool hidden = false;
};

struct ConnectCall {
  TaskVariant serverName;
  TaskVariant user;
  TaskVariant domain;
  TaskVariant password;
};

struct SecurityCall {
  LONG authServices = 0;
  DWORD authnLevel = 0;
  DWORD impLevel = 0;
  DWORD capabilities = 0;
};

// The state the runtime shares with every object it hands out.
struct FakeComState;

class FakeComRuntime : public IComRuntime {
  std::shared_ptr<FakeComState> state_;

 public:
  FakeComRuntime();
  ~FakeComRuntime() override;
  FakeComRuntime(const FakeComRuntime&) = delete;
  FakeComRuntime& operator=(const FakeComRuntime&) = delete;

  [[nodiscard]] HRESULT CoInitializeEx(void* reserved, DWORD coInit) override;
  void CoUninitialize() override;
  [[nodiscard]] HRESULT CoInitializeSecurity(void* securityDescriptor, LONG authServices,
                                             void* authServiceList, void* reserved1,
                                             DWORD authnLevel, DWORD impLevel, void* authList,
                                             DWORD capabilities, void* reserved3) override;
  [[nodiscard]] HRESULT CoCreateInstance(const GUID& clsid, void* outer, DWORD context,
                                         const GUID& iid,
                                         std::unique_ptr<ITaskServiceP>* service) override;

  // Test setup. A task's folder, and every folder above it, comes into being with it; a
  // task of the same name in the same folder is replaced.
  void AddTask(FakeTask task);
  void AddTaskFolder(std::wstring_view path);
  bool RemoveTask(std::wstring_view folderPath, std::wstring_view name);
  std::optional<FakeTask> Task(std::wstring_view folderPath, std::wstring_view name) const;
  // Wine 8: get_Count and get_Item return E_NOTIMPL, get_Enabled always says
  // VARIANT_TRUE and put_Enabled returns S_OK without changing anything.
  void SetWineMode(bool on);
  // The calling thread is already in a single-threaded apartment, entered by someone
  // else (a window thread's OleInitialize): one initialisation the code must not undo.
  void EnterStaOnThisThread();
  // Someone else in the process has called CoInitializeSecurity already.
  void MarkSecurityAlreadySet();

  // Initialisations of the calling thread not undone yet.
  int InitCount() const;
  // Every CoUninitialize, and those that came when the thread had nothing to undo.
  int UninitializeCalls() const;
  int UnbalancedUninitializeCalls() const;
  std::vector<DWORD> CreateContexts() const;
  std::vector<ConnectCall> ConnectCalls() const;
  std::vector<SecurityCall> SecurityCalls() const;
  // ITaskServiceP objects alive, and all task objects alive (services, folders,
  // collections, tasks).
  int LiveServices() const;
  int LiveObjects() const;

  // Codes are HRESULTs.
  FaultPlan& faults;
};
