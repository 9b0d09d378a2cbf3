// The hold requests at the program's end: a hold that is answered in time is left to
// finish, one whose server never answers is aborted, and none keeps the program (or the
// platform it leases) waiting beyond the bounds it was given.
#include <gtest/gtest.h>

#include <chrono>

#include "Tavin/HoldRequests.h"
#include "Tavin/Update.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/ScopedSettings.h"

namespace {

using namespace std::chrono_literals;

TEST(HoldRequestsTest, AnUnansweredHoldIsAbortedAtTheEndAndLetsGoOfThePlatform) {
  ScopedSettings settings;
  FakePlatform fake;
  UpdateURL = L"https://init.example.test/api.init.php";
  fake.http.Script(FakeHttpResponse::Hang());
  StartHoldRequest();
  ASSERT_TRUE(fake.http.WaitUntilHanging(1, 30s));
  EXPECT_FALSE(WaitForHoldRequests(0ms)) << "the request hangs until something ends it";
  // No grace at all: the abort comes at once, and the thread lets go well within the
  // settle time (a generous bound; the abort wakes the request immediately).
  EXPECT_TRUE(FinishHoldRequests(0ms, 30s));
  EXPECT_EQ(fake.http.Hanging(), 0);
  EXPECT_EQ(PlatformLeases(), 0);
  ASSERT_EQ(fake.http.Calls().size(), 1u);
  EXPECT_EQ(fake.http.Calls()[0].headers, HoldHeaders());
}

TEST(HoldRequestsTest, AnsweredHoldsFinishWithinTheGraceWithoutAnAbort) {
  ScopedSettings settings;
  FakePlatform fake;
  UpdateURL = L"https://init.example.test/api.init.php";
  fake.http.SetDefault(FakeHttpResponse::Ok(""));
  for (int i = 0; i < 3; ++i) StartHoldRequest();
  EXPECT_TRUE(FinishHoldRequests(30s, 0ms));
  EXPECT_EQ(fake.http.Calls().size(), 3u);
  EXPECT_EQ(PlatformLeases(), 0);
}

}  // namespace
