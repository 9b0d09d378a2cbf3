// COM's initialisation results decide what the task reader must undo, and the task
// collection's counting from 1 is easy to get wrong on both sides; both are pinned here.
#include "platform/fake/FakeTaskScheduler.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

TEST(FakeComRuntimeTest, InitialisationIsCountedPerThreadAndApartment) {
  FakeComRuntime com;
  EXPECT_EQ(com.CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_EQ(com.CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
  EXPECT_EQ(com.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
  EXPECT_EQ(com.InitCount(), 2);

  std::thread([&] {
    EXPECT_EQ(com.InitCount(), 0);
    com.EnterStaOnThisThread();
    EXPECT_EQ(com.CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    EXPECT_EQ(com.InitCount(), 1) << "a refused call is not counted";
  }).join();

  com.CoUninitialize();
  com.CoUninitialize();
  com.CoUninitialize();
  EXPECT_EQ(com.InitCount(), 0);
  EXPECT_EQ(com.UninitializeCalls(), 3);
  EXPECT_EQ(com.UnbalancedUninitializeCalls(), 1);
}

TEST(FakeComRuntimeTest, SecurityIsSetOncePerProcessAfterInitialisation) {
  FakeComRuntime com;
  auto security = [&] {
    return com.CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
  };
  EXPECT_EQ(security(), CO_E_NOTINITIALIZED);
  ASSERT_EQ(com.CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_EQ(security(), S_OK);
  EXPECT_EQ(security(), RPC_E_TOO_LATE);
  ASSERT_EQ(com.SecurityCalls().size(), 3u);
  EXPECT_EQ(com.SecurityCalls()[1].impLevel, RPC_C_IMP_LEVEL_IMPERSONATE);
  com.CoUninitialize();

  FakeComRuntime another;
  another.MarkSecurityAlreadySet();
  ASSERT_EQ(another.CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_EQ(another.CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr),
            RPC_E_TOO_LATE);
  another.CoUninitialize();
}

class FakeTaskSchedulerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    com.AddTask({L"\\", L"Visible", true, false});
    com.AddTask({L"\\", L"Hidden", false, true});
    com.AddTask({L"\\Vendor\\Product", L"Update", false, false});
    ASSERT_EQ(com.CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  }
  void TearDown() override {
    com.CoUninitialize();
    EXPECT_EQ(com.LiveObjects(), 0) << "a task object was not released";
  }

  std::unique_ptr<ITaskFolderP> Folder(const std::wstring& path) {
    std::unique_ptr<ITaskServiceP> service;
    EXPECT_EQ(com.CoCreateInstance(kClsidTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                   kIidTaskService, &service),
              S_OK);
    std::unique_ptr<ITaskFolderP> folder;
    EXPECT_EQ(service->GetFolder(path, &folder), HRESULT_FROM_WIN32(1251)) << "not connected yet";
    EXPECT_EQ(service->Connect({}, {}, {}, {}), S_OK);
    EXPECT_EQ(service->GetFolder(path, &folder), S_OK);
    return folder;
  }

  FakeComRuntime com;
};

TEST_F(FakeTaskSchedulerTest, TheCollectionCountsFromOne) {
  auto root = Folder(L"\\");
  std::unique_ptr<IRegisteredTaskCollectionP> tasks;
  ASSERT_EQ(root->GetTasks(0, &tasks), S_OK);
  LONG count = 0;
  ASSERT_EQ(tasks->get_Count(&count), S_OK);
  EXPECT_EQ(count, 1) << "hidden tasks only on request";

  std::unique_ptr<IRegisteredTaskP> task;
  EXPECT_EQ(tasks->get_Item(TaskVariant::Int(0), &task), E_INVALIDARG);
  EXPECT_EQ(tasks->get_Item(TaskVariant::Int(2), &task), E_INVALIDARG);
  EXPECT_EQ(tasks->get_Item(TaskVariant::Empty(), &task), E_INVALIDARG);
  ASSERT_EQ(tasks->get_Item(TaskVariant::Int(1), &task), S_OK);
  std::wstring name;
  ASSERT_EQ(task->get_Name(&name), S_OK);
  EXPECT_EQ(name, L"Visible");

  ASSERT_EQ(root->GetTasks(TASK_ENUM_HIDDEN, &tasks), S_OK);
  ASSERT_EQ(tasks->get_Count(&count), S_OK);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(tasks->get_Item(TaskVariant::Int(2), &task), S_OK);
  ASSERT_EQ(task->get_Name(&name), S_OK);
  EXPECT_EQ(name, L"Hidden");
}

TEST_F(FakeTaskSchedulerTest, TasksAreFoundByPathAndSwitched) {
  auto root = Folder(L"\\");
  std::unique_ptr<IRegisteredTaskP> task;
  EXPECT_EQ(root->GetTask(L"Missing", &task), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  ASSERT_EQ(root->GetTask(L"\\Vendor\\Product\\Update", &task), S_OK);
  VARIANT_BOOL enabled = VARIANT_TRUE;
  ASSERT_EQ(task->get_Enabled(&enabled), S_OK);
  EXPECT_EQ(enabled, VARIANT_FALSE);
  ASSERT_EQ(task->put_Enabled(VARIANT_TRUE), S_OK);
  EXPECT_TRUE(com.Task(L"\\Vendor\\Product", L"Update")->enabled);

  auto product = Folder(L"Vendor\\Product");
  ASSERT_EQ(product->GetTask(L"update", &task), S_OK);
  std::unique_ptr<ITaskFolderP> missing;
  std::unique_ptr<ITaskServiceP> service;
  ASSERT_EQ(com.CoCreateInstance(kClsidTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, kIidTaskService,
                                 &service),
            S_OK);
  ASSERT_EQ(service->Connect({}, {}, {}, {}), S_OK);
  EXPECT_EQ(service->GetFolder(L"\\Nowhere", &missing), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(com.LiveServices(), 1);
  service.reset();
  EXPECT_EQ(com.LiveServices(), 0);
}

TEST_F(FakeTaskSchedulerTest, WineModeCannotCountIndexOrSwitch) {
  com.SetWineMode(true);
  auto root = Folder(L"\\");
  std::unique_ptr<IRegisteredTaskCollectionP> tasks;
  ASSERT_EQ(root->GetTasks(0, &tasks), S_OK);
  LONG count = 5;
  EXPECT_EQ(tasks->get_Count(&count), E_NOTIMPL);
  std::unique_ptr<IRegisteredTaskP> task;
  EXPECT_EQ(tasks->get_Item(TaskVariant::Int(1), &task), E_NOTIMPL);

  ASSERT_EQ(root->GetTask(L"Hidden", &task), S_OK);
  EXPECT_EQ(task->put_Enabled(VARIANT_TRUE), S_OK);
  EXPECT_FALSE(com.Task(L"\\", L"Hidden")->enabled);
  VARIANT_BOOL enabled = VARIANT_FALSE;
  ASSERT_EQ(task->get_Enabled(&enabled), S_OK);
  EXPECT_EQ(enabled, VARIANT_TRUE);
}

}  // namespace
