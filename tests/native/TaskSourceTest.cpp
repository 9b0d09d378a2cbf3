// Tasks of the task library's root folder, and the one guarded connection.
#include "tests/support/CatalogueFixture.h"

namespace {

using TaskSourceTest = CatalogueTest;

TEST_F(TaskSourceTest, ListsRootTasksOnlyWithTheirEnabledFlag) {
  fake.com.AddTask({L"\\", L"Updater", true});
  fake.com.AddTask({L"\\", L"Paused", false});
  fake.com.AddTask({L"\\", L"Secret", true, true});
  fake.com.AddTask({L"\\Microsoft\\Windows\\Defrag", L"ScheduledDefrag", true});
  fake.com.AddTask({L"\\Vendor", L"Helper", true});

  TAutorunList list;
  CollectTasks(list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Caption, L"Updater");
  EXPECT_EQ(list[0].Target, L"\\Updater");
  EXPECT_EQ(list[0].From, L"SCHE");
  EXPECT_EQ(list[0].FileName, L"");
  EXPECT_EQ(list[0].RawData, L"");
  EXPECT_TRUE(list[0].Enabled);
  EXPECT_EQ(list[1].Target, L"\\Paused");
  EXPECT_FALSE(list[1].Enabled);
}

TEST_F(TaskSourceTest, ConnectsOnTheLocalMachineAsTheCurrentUserAndClosesEveryTime) {
  TAutorunList list;
  CollectTasks(list);  // an empty root folder
  CollectTasks(list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(fake.com.faults.Calls("Connect"), 2);  // no connection survives a refresh
  EXPECT_EQ(fake.com.faults.Calls("CoInitializeSecurity"), 2);
  // COM was the module's own on this thread, so it was undone both times.
  EXPECT_EQ(fake.com.InitCount(), 0);
}

TEST_F(TaskSourceTest, AThreadAlreadyInAnApartmentKeepsItsCom) {
  fake.com.EnterStaOnThisThread();
  fake.com.AddTask({L"\\", L"T", true});
  TAutorunList list;
  CollectTasks(list);
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(fake.com.UninitializeCalls(), 0);
}

TEST_F(TaskSourceTest, NoConnectionMeansNoTasksAndComUndoneOnlyWhenOwned) {
  fake.com.AddTask({L"\\", L"T", true});
  struct Case {
    const char* call;
    HRESULT error;
    int uninitializeCalls;  // when the module owned its COM initialisation
  };
  const Case cases[] = {
      {"CoInitializeEx", E_OUTOFMEMORY, 0},
      {"CoInitializeSecurity", E_ACCESSDENIED, 1},
      {"CoCreateInstance", REGDB_E_CLASSNOTREG, 1},
      {"Connect", E_ACCESSDENIED, 1},
  };
  for (const Case& c : cases) {
    fake.com.faults.Clear();
    const int uninitializedBefore = fake.com.UninitializeCalls();
    fake.com.faults.Fail(c.call, static_cast<std::uint32_t>(c.error));
    TAutorunList list;
    CollectTasks(list);
    EXPECT_TRUE(list.empty()) << c.call;
    EXPECT_EQ(fake.com.UninitializeCalls() - uninitializedBefore, c.uninitializeCalls) << c.call;
    EXPECT_EQ(fake.com.InitCount(), 0) << c.call;
    EXPECT_FALSE(TaskServiceConnected()) << c.call;
  }
  // Security already set for the process is no obstacle.
  fake.com.faults.Clear();
  fake.com.faults.Fail("CoInitializeSecurity", static_cast<std::uint32_t>(RPC_E_TOO_LATE));
  TAutorunList list;
  CollectTasks(list);
  EXPECT_EQ(list.size(), 1u);
}

TEST_F(TaskSourceTest, AFailedCollectionEndsTheListingButABadTaskIsOnlySkipped) {
  // Real machines carry leftovers (a task whose stored definition is missing or damaged):
  // such a task is left out and every task after it is still listed.
  for (const wchar_t* name : {L"One", L"Two", L"Three"}) fake.com.AddTask({L"\\", name, true});
  struct Case {
    const char* call;
    int skip;
    std::vector<std::wstring> kept;
  };
  const Case cases[] = {
      {"GetFolder", 0, {}},
      {"GetTasks", 0, {}},
      {"get_Count", 0, {}},
      {"get_Item", 0, {L"\\Two", L"\\Three"}},
      {"get_Item", 1, {L"\\One", L"\\Three"}},
      {"get_Name", 1, {L"\\One", L"\\Three"}},
      {"get_Enabled", 2, {L"\\One", L"\\Two"}},
  };
  for (const Case& c : cases) {
    fake.com.faults.Clear();
    fake.com.faults.Fail(c.call, static_cast<std::uint32_t>(E_FAIL), c.skip, 1);
    TAutorunList list;
    CollectTasks(list);
    std::vector<std::wstring> targets;
    for (const TAutorunInfo& entry : list) targets.push_back(entry.Target);
    EXPECT_EQ(targets, c.kept) << c.call << " after " << c.skip;
    EXPECT_FALSE(TaskServiceConnected());
  }
}

TEST_F(TaskSourceTest, WinesMissingTaskCountEndsTheListingCleanly) {
  fake.com.AddTask({L"\\", L"T", true});
  fake.com.SetWineMode(true);
  TAutorunList list;
  CollectTasks(list);
  EXPECT_TRUE(list.empty());
}

TEST_F(TaskSourceTest, SetTaskEnabledWritesTheFlagOfARootTask) {
  fake.com.AddTask({L"\\", L"T", true});
  SetTaskEnabled(L"\\T", false);
  TAutorunList list;
  CollectTasks(list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_FALSE(list[0].Enabled);
  SetTaskEnabled(L"\\T", true);
  list.clear();
  CollectTasks(list);
  EXPECT_TRUE(list[0].Enabled);

  // A task that is gone, or a refused write, changes nothing and reports nothing.
  SetTaskEnabled(L"\\Gone", false);
  fake.com.faults.Fail("put_Enabled", static_cast<std::uint32_t>(E_ACCESSDENIED));
  SetTaskEnabled(L"\\T", false);
  fake.com.faults.Clear();
  fake.com.faults.Fail("Connect", static_cast<std::uint32_t>(E_ACCESSDENIED));
  SetTaskEnabled(L"\\T", false);
  fake.com.faults.Clear();
  list.clear();
  CollectTasks(list);
  EXPECT_TRUE(list[0].Enabled);
}

}  // namespace
