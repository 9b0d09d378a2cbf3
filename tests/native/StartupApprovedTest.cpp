// Judging and building the 12-byte startup-approved records.
#include <gtest/gtest.h>

#include "Lib/StartupApproved.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"

namespace {

constexpr wchar_t kRunApproval[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

std::vector<BYTE> Record(BYTE state) {
  std::vector<BYTE> record(12, 0);
  record[0] = state;
  record[4] = 0x55;  // a time, which the judgement never looks at
  return record;
}

TEST(StartupApprovedTest, JudgesByLengthAndTheLowBitOfTheStateByte) {
  struct Case {
    const char* what;
    std::vector<BYTE> record;
    bool enabled;
  };
  const Case cases[] = {
      {"no record", {}, true},
      {"2: enabled by Explorer", Record(2), true},
      {"3: disabled by Explorer", Record(3), false},
      {"6: enabled by Task Manager", Record(6), true},
      {"7: disabled by Task Manager", Record(7), false},
      {"0", Record(0), true},
      {"1", Record(1), false},
      {"0xFF", Record(0xFF), false},
      {"8 bytes starting with 3", Bytes({3, 0, 0, 0, 0, 0, 0, 0}), true},
      {"16 bytes starting with 3", std::vector<BYTE>(16, 3), true},
      {"11 bytes starting with 3", std::vector<BYTE>(11, 3), true},
      {"13 bytes starting with 3", std::vector<BYTE>(13, 3), true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsApprovalRecordEnabled(c.record), c.enabled) << c.what;
}

TEST(StartupApprovedTest, ReadsTheRecordFromTheRegistry) {
  FakePlatform fake;
  fake.registry.SetValue(HKEY_CURRENT_USER, kRunApproval, L"Off", REG_BINARY, Record(3));
  fake.registry.SetValue(HKEY_CURRENT_USER, kRunApproval, L"TaskMgrOn", REG_BINARY, Record(6));
  fake.registry.SetValue(HKEY_CURRENT_USER, kRunApproval, L"TaskMgrOff", REG_BINARY, Record(7));
  // Twelve bytes of another type read as twelve zero bytes; zero has the low bit clear.
  fake.registry.SetValue(HKEY_CURRENT_USER, kRunApproval, L"Text", REG_SZ, RegSz(L"abcde"));
  EXPECT_FALSE(IsStartupApproved(HKEY_CURRENT_USER, kRunApproval, L"Off"));
  EXPECT_TRUE(IsStartupApproved(HKEY_CURRENT_USER, kRunApproval, L"TaskMgrOn"));
  EXPECT_FALSE(IsStartupApproved(HKEY_CURRENT_USER, kRunApproval, L"TaskMgrOff"));
  EXPECT_TRUE(IsStartupApproved(HKEY_CURRENT_USER, kRunApproval, L"Text"));
  EXPECT_TRUE(IsStartupApproved(HKEY_CURRENT_USER, kRunApproval, L"Missing"));
  EXPECT_TRUE(IsStartupApproved(HKEY_LOCAL_MACHINE, kRunApproval, L"Off"));
  fake.registry.faults.Fail("RegQueryValueExW", ERROR_ACCESS_DENIED);
  EXPECT_TRUE(IsStartupApproved(HKEY_CURRENT_USER, kRunApproval, L"Off"));
  EXPECT_EQ(fake.registry.OpenHandleCount(), 0u);
}

TEST(StartupApprovedTest, MakesTheStateByteAndTheTimeInFileTimeOrder) {
  FakePlatform fake;
  // 2024-01-02 03:04:05.006 UTC is 133486382450060000 in 100-ns units since 1601:
  // high part 0x01DA3D28, low part 0x5849AAE0.
  fake.system.SetTime(SYSTEMTIME{2024, 1, 2, 2, 3, 4, 5, 6});
  const FILETIME expected{0x5849AAE0, 0x01DA3D28};
  const std::vector<BYTE> off = MakeStartupApproved(false);
  const std::vector<BYTE> on = MakeStartupApproved(true);
  ASSERT_EQ(off.size(), 12u);
  EXPECT_EQ(off[0], 3);
  EXPECT_EQ(on[0], 2);
  EXPECT_EQ(std::vector<BYTE>(off.begin() + 1, off.begin() + 4), Bytes({0, 0, 0}));
  const std::vector<BYTE> stamp = {
      static_cast<BYTE>(expected.dwLowDateTime), static_cast<BYTE>(expected.dwLowDateTime >> 8),
      static_cast<BYTE>(expected.dwLowDateTime >> 16), static_cast<BYTE>(expected.dwLowDateTime >> 24),
      static_cast<BYTE>(expected.dwHighDateTime), static_cast<BYTE>(expected.dwHighDateTime >> 8),
      static_cast<BYTE>(expected.dwHighDateTime >> 16), static_cast<BYTE>(expected.dwHighDateTime >> 24)};
  EXPECT_EQ(std::vector<BYTE>(off.begin() + 4, off.end()), stamp);
  EXPECT_EQ(std::vector<BYTE>(on.begin() + 4, on.end()), stamp);

  EXPECT_FALSE(IsApprovalRecordEnabled(off));
  EXPECT_TRUE(IsApprovalRecordEnabled(on));
}

TEST(StartupApprovedTest, TheThirtyTwoBitBranchHasItsOwnApprovalKey) {
  EXPECT_EQ(ApprovalKeyForRunKey(L"\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"),
            kApprovedRun32Key);
  EXPECT_EQ(ApprovalKeyForRunKey(L"\\software\\WOW6432NODE\\x"), kApprovedRun32Key);
  EXPECT_EQ(ApprovalKeyForRunKey(L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
            kApprovedRunKey);
}

}  // namespace
