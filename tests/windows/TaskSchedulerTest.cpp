// The Task Scheduler wrappers against Wine's schedsvc: COM start-up, the root folder,
// a task registered for the test, and the parts Wine leaves out.
#include "WineTest.h"

namespace {

// A task as small as the service takes: on demand only, never run by the test.
std::wstring TaskXml(bool enabled) {
  return std::wstring(LR"(<?xml version="1.0" encoding="UTF-16"?>
<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">
  <Settings><Enabled>)") +
         (enabled ? L"true" : L"false") + LR"(</Enabled></Settings>
  <Actions><Exec><Command>C:\windows\system32\cmd.exe</Command><Arguments>/c exit</Arguments></Exec></Actions>
</Task>)";
}

UniqueBstr Bstr(const std::wstring& text) {
  return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

class AnyTaskScheduler : public WineTest {
 protected:
  // COM security can be set once per process; the first suite to start does it.
  static void SetUpTestSuite() {
    Win32ComRuntime com;
    ASSERT_TRUE(SUCCEEDED(com.CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    securityResult_ = com.CoInitializeSecurity(nullptr, -1, nullptr, nullptr,
                                               RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE,
                                               nullptr, EOAC_NONE, nullptr);
  }
  static void TearDownTestSuite() { Win32ComRuntime().CoUninitialize(); }

  void SetUp() override {
    ASSERT_EQ(securityResult_, S_OK);
    ASSERT_EQ(PlatformCom().CoCreateInstance(kClsidTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                             kIidTaskService, &service_),
              S_OK);
    ASSERT_TRUE(service_);
    ASSERT_EQ(service_->Connect(TaskVariant::Empty(), TaskVariant::Empty(), TaskVariant::Empty(),
                                TaskVariant::Empty()),
              S_OK);
    ASSERT_EQ(service_->GetFolder(L"\\", &root_), S_OK);
    ASSERT_TRUE(root_);
  }

  // Registers through the raw interface: the program itself never registers tasks.
  void Register(const std::wstring& name, bool enabled) {
    ComPtr<ITaskService> raw;
    ASSERT_EQ(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ITaskService, raw.put_void()),
              S_OK);
    UniqueVariant empty;
    ASSERT_EQ(raw->Connect(empty.get(), empty.get(), empty.get(), empty.get()), S_OK);
    UniqueBstr rootPath = Bstr(L"\\"), path = Bstr(name), xml = Bstr(TaskXml(enabled));
    ASSERT_EQ(raw->GetFolder(rootPath.get(), rawRoot_.put()), S_OK);
    ComPtr<IRegisteredTask> registered;
    ASSERT_EQ(rawRoot_->RegisterTask(path.get(), xml.get(), TASK_CREATE_OR_UPDATE, empty.get(),
                                     empty.get(), TASK_LOGON_INTERACTIVE_TOKEN, empty.get(),
                                     registered.put()),
              S_OK);
    registeredName_ = name;
  }
  void DeleteRegistered() {
    if (rawRoot_ && !registeredName_.empty()) {
      UniqueBstr path = Bstr(registeredName_);
      EXPECT_EQ(rawRoot_->DeleteTask(path.get(), 0), S_OK);
    }
    registeredName_.clear();
  }
  void TearDown() override { DeleteRegistered(); }

  static inline HRESULT securityResult_ = E_FAIL;
  std::unique_ptr<ITaskServiceP> service_;
  std::unique_ptr<ITaskFolderP> root_;
  ComPtr<ITaskFolder> rawRoot_;
  std::wstring registeredName_;
};

// Windows answers a second CoInitializeSecurity in a process with RPC_E_TOO_LATE; Wine
// accepts it again. The catalogue must take both as "security is set".
TEST_F(AnyTaskScheduler, WineGapCoInitializeSecurityCanBeCalledTwice) {
  EXPECT_EQ(PlatformCom().CoInitializeSecurity(nullptr, -1, nullptr, nullptr,
                                               RPC_C_AUTHN_LEVEL_PKT,
                                               RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE,
                                               nullptr),
            S_OK);
}

TEST_F(AnyTaskScheduler, RegisteredTaskIsFoundByName) {
  const std::wstring name = RunUniqueName(L"OrvaneWineTask");
  Register(name, true);
  std::unique_ptr<IRegisteredTaskP> task;
  ASSERT_EQ(root_->GetTask(name, &task), S_OK);
  ASSERT_TRUE(task);
  std::wstring got;
  EXPECT_EQ(task->get_Name(&got), S_OK);
  EXPECT_EQ(got, name);
}

// A missing task is ERROR_FILE_NOT_FOUND, a missing folder ERROR_PATH_NOT_FOUND in
// Wine; either way the adapter hands out no object.
TEST_F(AnyTaskScheduler, MissingTaskAndFolderFailWithNoObject) {
  std::unique_ptr<IRegisteredTaskP> task;
  EXPECT_EQ(root_->GetTask(L"OrvaneNoSuchTask", &task), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(task);
  std::unique_ptr<ITaskFolderP> folder;
  EXPECT_EQ(service_->GetFolder(L"\\OrvaneNoSuchFolder", &folder),
            HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(folder);
}

TEST_F(AnyTaskScheduler, AdapterTakesOnlyTheTaskServiceInterface) {
  std::unique_ptr<ITaskServiceP> other;
  EXPECT_EQ(PlatformCom().CoCreateInstance(kClsidTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IUnknown, &other),
            E_NOINTERFACE);
  EXPECT_FALSE(other);
  TaskVariant text{VT_BSTR, 0};
  EXPECT_EQ(service_->Connect(text, TaskVariant::Empty(), TaskVariant::Empty(),
                              TaskVariant::Empty()),
            E_INVALIDARG);
}

// Wine's task collection cannot count (and so cannot be walked by index): the
// catalogue's task listing is proven with the fakes; here the adapter passes the
// failure on and hands out nothing.
TEST_F(AnyTaskScheduler, WineGapTaskCollectionCountIsNotImplemented) {
  Register(RunUniqueName(L"OrvaneWineTask"), true);
  std::unique_ptr<IRegisteredTaskCollectionP> tasks;
  ASSERT_EQ(root_->GetTasks(TASK_ENUM_HIDDEN, &tasks), S_OK);
  ASSERT_TRUE(tasks);
  LONG count = -7;
  EXPECT_EQ(tasks->get_Count(&count), E_NOTIMPL);
  std::unique_ptr<IRegisteredTaskP> first;
  EXPECT_EQ(tasks->get_Item(TaskVariant::Int(1), &first), E_NOTIMPL);
  EXPECT_FALSE(first);
}

// Wine reads a task's enabled state from the XML it was registered with, but
// put_Enabled returns S_OK and changes nothing. Switching is proven with the fakes.
TEST_F(AnyTaskScheduler, WineGapPutEnabledChangesNothing) {
  struct Case {
    bool registered;
    VARIANT_BOOL put;
  } cases[] = {{true, VARIANT_FALSE}, {false, VARIANT_TRUE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.registered);
    const std::wstring name = RunUniqueName(c.registered ? L"OrvaneOn" : L"OrvaneOff");
    Register(name, c.registered);
    std::unique_ptr<IRegisteredTaskP> task;
    ASSERT_EQ(root_->GetTask(name, &task), S_OK);
    const VARIANT_BOOL asRegistered = c.registered ? VARIANT_TRUE : VARIANT_FALSE;
    VARIANT_BOOL enabled = 0x55;
    EXPECT_EQ(task->get_Enabled(&enabled), S_OK);
    EXPECT_EQ(enabled, asRegistered);
    EXPECT_EQ(task->put_Enabled(c.put), S_OK);
    enabled = 0x55;
    EXPECT_EQ(task->get_Enabled(&enabled), S_OK);
    EXPECT_EQ(enabled, asRegistered) << "the same object after put_Enabled";
    std::unique_ptr<IRegisteredTaskP> again;
    ASSERT_EQ(root_->GetTask(name, &again), S_OK);
    enabled = 0x55;
    EXPECT_EQ(again->get_Enabled(&enabled), S_OK);
    EXPECT_EQ(enabled, asRegistered) << "a fresh look at the stored task";
    DeleteRegistered();
  }
}

}  // namespace
