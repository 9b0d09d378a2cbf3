// Failure-path tests lean on FaultPlan letting exactly the right calls through, so its
// counting of skipped and failed calls is pinned down here.
#include "platform/fake/FaultPlan.h"

#include <gtest/gtest.h>

#include <optional>
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
    FaultPlan plan;
    plan.Fail("RegOpenKeyExW", 5, c.skip, c.times);
    EXPECT_EQ(CheckCalls(plan, "RegOpenKeyExW", 4), c.expected) << "skip " << c.skip << " times " << c.times;
    EXPECT_EQ(plan.Check("RegCloseKey"), none) << "other calls are not touched";
    EXPECT_EQ(plan.Calls("RegOpenKeyExW"), 4);
  }
}

TEST(FaultPlanTest, RulesQueueUpAndClearLeavesTheCounts) {
  FaultPlan plan;
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

}  // namespace
