// Fails a test that leaves a program-wide setting changed, so the next test cannot pass or
// fail by what an earlier one left. Registered before main, so the test programs' main
// (tests/support/TestMain.cpp) needs to know nothing of it; OnTestEnd runs while the test
// is still the current one, so the failure is counted against it.
#include <gtest/gtest.h>

#include "tests/support/ScopedSettings.h"

namespace {

class SettingsLeakCheck : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { before_ = ProgramSettings::Current(); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    const std::string changed = ProgramSettings::Current().Differences(before_);
    EXPECT_EQ(changed, "") << "the test left program-wide settings changed; hold a "
                              "ScopedSettings (tests/support/ScopedSettings.h) while changing them";
    before_.Apply();
  }

  ProgramSettings before_;
};

const bool kRegistered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new SettingsLeakCheck);
  return true;
}();

}  // namespace
