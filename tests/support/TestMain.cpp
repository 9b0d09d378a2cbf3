// The test programs' main: GoogleTest's own, except that a run in which no test ran is a
// failure. A group of tests is chosen by a filter (--gtest_filter=Win81*), and a filter
// that selects nothing (a renamed suite, a typo) would otherwise pass with nothing proven.
// A run where every selected test skipped itself proved nothing either.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // Listing the tests (CTest's discovery does) runs none, rightly.
  if (GTEST_FLAG_GET(list_tests)) return result;
  const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
  // A skipped test counts as neither passed nor failed.
  if (result == 0 && unit.successful_test_count() == 0) {
    const std::string filter = GTEST_FLAG_GET(filter);
    std::fprintf(stderr,
                 "No test ran: the filter '%s' selects %d test(s), %d of them skipped. A group "
                 "that proves nothing fails.\n",
                 filter.c_str(), unit.test_to_run_count(), unit.skipped_test_count());
    return 1;
  }
  return result;
}
