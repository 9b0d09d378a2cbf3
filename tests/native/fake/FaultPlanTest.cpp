// Failure-path tests lean on FaultPlan letting exactly the right calls through, so its
// counting of skipped and failed calls is pinned down here.
#include "platform/fake/FaultPlan.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace {

std::vector<std::optional<std::uint32_t>> CheckCalls(FaultPlan& plan, const char* call, int count) {
  std::vector<std::optional<std::uint32_t>> results;
  for (int i = 0; i < count; ++i) results.push_back(plan.Check(call));
  return results;
}

TEST(FaultPlanTest, SkipsThenFailsTheGivenNumberOfTimes) {
  const auto none = std::optional<std::uint32_t>();
  struct Case {
    int skip;
    int times;
    std::vector<std::optional<std::uint32_t>> expected;
  };
  const Case cases[] = {
      {0, -1, {5, 5, 5, 5}},
      {0, 1, {5, none, none, none}},
      {2, -1, {none, none, 5, 5}},
      {1, 2, {none, 5, 5, none}},
      {0, 0, {none, none, none, none}},
  };
  for (const Case& c : cases) {
    FaultPlan plan("registry", {"RegOpenKeyExW", "RegCloseKey"});
    plan.Fail("RegOpenKeyExW", 5, c.skip, c.times);
    EXPECT_EQ(CheckCalls(plan, "RegOpenKeyExW", 4), c.expected) << "skip " << c.skip << " times " << c.times;
    EXPECT_EQ(plan.Check("RegCloseKey"), none) << "other calls are not touched";
    EXPECT_EQ(plan.Calls("RegOpenKeyExW"), 4);
  }
}

TEST(FaultPlanTest, RulesQueueUpAndClearLeavesTheCounts) {
  FaultPlan plan("com", {"Connect", "GetFolder"});
  plan.Fail("Connect", 1, 0, 1);
  plan.Fail("Connect", 2, 0, 1);
  plan.Fail("Connect", 3, 3, 1);  // counts its own skipped calls while the others fire
  EXPECT_EQ(CheckCalls(plan, "Connect", 5),
            (std::vector<std::optional<std::uint32_t>>{1, 2, std::nullopt, 3, std::nullopt}));

  plan.Fail("GetFolder", 7);
  EXPECT_EQ(plan.Check("GetFolder"), 7u);
  plan.Clear();
  EXPECT_EQ(plan.Check("GetFolder"), std::nullopt);
  EXPECT_EQ(plan.Calls("GetFolder"), 2);
  EXPECT_EQ(plan.Calls("Connect"), 5);
  plan.ResetCalls();
  EXPECT_EQ(plan.Calls("Connect"), 0);
}

// A misspelt name used to add a rule nothing ever consulted, so the failure path it was
// meant to reach never ran and the test passed all the same.
TEST(FaultPlanTest, ANameTheFakeDoesNotModelIsRefusedEverywhere) {
  FaultPlan plan("FakeRegistry", {"RegOpenKeyExW"});
  const char* wrong[] = {"RegOpenKeyW", "regopenkeyexw", "RegOpenKeyExW ", ""};
  for (const char* name : wrong) {
    EXPECT_THROW(plan.Fail(name, 5), std::invalid_argument) << name;
    EXPECT_THROW((void)plan.Check(name), std::invalid_argument) << name;
    EXPECT_THROW((void)plan.Calls(name), std::invalid_argument) << name;
    EXPECT_THROW(plan.Clear(name), std::invalid_argument) << name;
  }
  try {
    plan.Fail("RegOpenKeyW", 5);
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "FakeRegistry has no call named 'RegOpenKeyW'; its calls are: RegOpenKeyExW");
  }
  EXPECT_EQ(plan.Calls("RegOpenKeyExW"), 0) << "a refused name counts nothing";
}


// A hook holds one call of a fake on its thread; the fake's other callers go on, since
// the registry and the file system ask their plans before they take their own locks.
TEST(FaultPlanTest, AHookHoldsItsCallButNotTheFakesOtherCallers) {
  FakePlatform fake;
  fake.files.AddFolder(L"C:\\Data");
  fake.registry.SetString(HKEY_CURRENT_USER, L"Software\\Probe", L"Kept", L"yes");
  std::mutex mutex;
  std::condition_variable changed;
  bool held = false;
  bool release = false;
  // Bounded, so that a fake that holds its lock through the hook fails the test rather
  // than hanging it: its other callers get through only once the hook gave up.
  bool gaveUp = false;
  const auto hold = [&] {
    std::unique_lock lock(mutex);
    held = true;
    changed.notify_all();
    if (!changed.wait_for(lock, std::chrono::seconds(3), [&] { return release; })) gaveUp = true;
  };
  fake.files.faults.OnCall("CreateDirectoryW", hold);
  fake.registry.faults.OnCall("RegSetValueExW", hold);
  const auto letGo = [&] {
    const std::lock_guard lock(mutex);
    release = true;
    changed.notify_all();
  };
  const auto waitHeld = [&] {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return held; });
    held = false;
  };

  std::thread files([&] { EXPECT_TRUE(fake.files.CreateDirectoryW(L"C:\\Data\\New", nullptr)); });
  waitHeld();
  // The call is held; these would wait for it if it held the fake's lock.
  DWORD error = 0;
  EXPECT_EQ(fake.files.GetFileAttributesW(L"C:\\Data", &error), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_FALSE(fake.files.FileContents(L"C:\\Data\\New").has_value());
  letGo();
  files.join();
  EXPECT_FALSE(gaveUp) << "the file system's other callers waited for the held call";
  EXPECT_EQ(fake.files.GetFileAttributesW(L"C:\\Data\\New", &error), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

  release = false;
  std::thread registry([&] {
    HKEY key = nullptr;
    ASSERT_EQ(fake.registry.RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Probe", 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    const wchar_t value[] = L"new";
    EXPECT_EQ(fake.registry.RegSetValueExW(key, L"Set", REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value),
              ERROR_SUCCESS);
    EXPECT_EQ(fake.registry.RegCloseKey(key), ERROR_SUCCESS);
  });
  waitHeld();
  EXPECT_EQ(fake.registry.GetString(HKEY_CURRENT_USER, L"Software\\Probe", L"Kept"), L"yes");
  letGo();
  registry.join();
  EXPECT_FALSE(gaveUp) << "the registry's other callers waited for the held call";
  EXPECT_TRUE(fake.registry.GetString(HKEY_CURRENT_USER, L"Software\\Probe", L"Set").has_value());

  // An empty hook removes it: the call is answered at once.
  fake.files.faults.OnCall("CreateDirectoryW", nullptr);
  EXPECT_TRUE(fake.files.CreateDirectoryW(L"C:\\Data\\Other", nullptr));
  EXPECT_EQ(fake.files.faults.Calls("CreateDirectoryW"), 2);
}

}  // namespace
