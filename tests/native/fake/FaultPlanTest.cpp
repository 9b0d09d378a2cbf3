// Failure-path tests lean on FaultPlan letting exactly the right calls through, so its
// counting of skipped and failed calls is pinned down here.
#include "platform/fake/FaultPlan.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

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

}  // namespace
