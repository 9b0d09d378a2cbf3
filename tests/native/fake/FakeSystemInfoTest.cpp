// SystemTimeToFileTime is real arithmetic in the fake, and the approval records carry
// its bytes, so the conversion is checked against known instants and invalid fields.
#include "platform/fake/FakeSystemInfo.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

SYSTEMTIME Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                int milliseconds = 0) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = static_cast<WORD>(milliseconds);
  return time;
}

TEST(FakeSystemInfoTest, SystemTimeToFileTimeCountsFrom1601) {
  struct Case {
    SYSTEMTIME time;
    std::uint64_t ticks;
  };
  const Case cases[] = {
      {Time(1601, 1, 1), 0},
      {Time(1601, 1, 1, 0, 0, 0, 1), 10'000},
      {Time(1970, 1, 1), 116'444'736'000'000'000},
      {Time(2024, 1, 2, 3, 4, 5, 6), 133'486'382'450'060'000},
      {Time(2024, 2, 29, 23, 59, 59, 999), 133'537'247'999'990'000},
  };
  FakeSystemInfo system;
  for (const Case& c : cases) {
    FILETIME fileTime{0xDEADBEEF, 0xDEADBEEF};
    ASSERT_TRUE(system.SystemTimeToFileTime(&c.time, &fileTime)) << c.time.wYear;
    EXPECT_EQ(fileTime.dwLowDateTime, static_cast<DWORD>(c.ticks & 0xFFFFFFFFu)) << c.time.wYear;
    EXPECT_EQ(fileTime.dwHighDateTime, static_cast<DWORD>(c.ticks >> 32)) << c.time.wYear;
  }
}

TEST(FakeSystemInfoTest, SystemTimeToFileTimeRefusesFieldsOutOfRange) {
  const SYSTEMTIME invalid[] = {
      Time(1600, 12, 31), Time(2024, 0, 1),         Time(2024, 13, 1),
      Time(2023, 2, 29),  Time(1900, 2, 29),        Time(2024, 4, 31),
      Time(2024, 1, 0),   Time(2024, 1, 1, 24),     Time(2024, 1, 1, 0, 60),
      Time(2024, 1, 1, 0, 0, 60), Time(2024, 1, 1, 0, 0, 0, 1000), Time(30828, 1, 1),
  };
  FakeSystemInfo system;
  for (const SYSTEMTIME& time : invalid) {
    FILETIME fileTime{};
    EXPECT_FALSE(system.SystemTimeToFileTime(&time, &fileTime))
        << time.wYear << "-" << time.wMonth << "-" << time.wDay << " " << time.wHour << ":"
        << time.wMinute << ":" << time.wSecond << "." << time.wMilliseconds;
  }
  // 2000 is a leap year, being divisible by 400.
  const SYSTEMTIME leap = Time(2000, 2, 29);
  FILETIME fileTime{};
  EXPECT_TRUE(system.SystemTimeToFileTime(&leap, &fileTime));
}

}  // namespace
