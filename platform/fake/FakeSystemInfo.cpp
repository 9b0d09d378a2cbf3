#include "platform/fake/FakeSystemInfo.h"

#include <cstdint>

namespace {

constexpr std::uint64_t kTicksPerMillisecond = 10'000;
constexpr std::uint64_t kTicksPerSecond = 1000 * kTicksPerMillisecond;
constexpr std::uint64_t kTicksPerDay = 86'400 * kTicksPerSecond;
// SYSTEMTIME's documented range ends with the year 30827.
constexpr int kLastYear = 30827;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1601-01-01 to the given date. 1601 starts a 400-year cycle of the Gregorian
// calendar, which keeps the leap-day count a plain formula.
std::uint64_t DaysSince1601(int year, int month, int day) {
  const std::uint64_t years = static_cast<std::uint64_t>(year - 1601);
  std::uint64_t days = years * 365 + years / 4 - years / 100 + years / 400;
  for (int m = 1; m < month; ++m) days += static_cast<std::uint64_t>(DaysInMonth(year, m));
  return days + static_cast<std::uint64_t>(day - 1);
}

}  // namespace

FakeSystemInfo::FakeSystemInfo() {
  version_.major = 10;
  version_.minor = 0;
  version_.build = 19045;
  installed_ = {10, 0, 0};
  time_.wYear = 2024;
  time_.wMonth = 5;
  time_.wDayOfWeek = 2;
  time_.wDay = 14;
  time_.wHour = 9;
  time_.wMinute = 30;
  SYSTEMTIME local = time_;
  local.wHour = 18;
  localTimes_.push_back(local);
}

WORD FakeSystemInfo::NativeProcessorArchitecture() {
  std::lock_guard lock(mutex_);
  (void)faults.Check("GetNativeSystemInfo");
  return architecture_;
}

OsVersion FakeSystemInfo::RtlGetVersion() {
  std::lock_guard lock(mutex_);
  (void)faults.Check("RtlGetVersion");
  return version_;
}

void FakeSystemInfo::GetSystemTime(SYSTEMTIME* time) {
  std::lock_guard lock(mutex_);
  (void)faults.Check("GetSystemTime");
  if (time != nullptr) *time = time_;
}

BOOL FakeSystemInfo::SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) {
  if (faults.Check("SystemTimeToFileTime")) return FALSE;
  if (time == nullptr || fileTime == nullptr) return FALSE;
  const int year = time->wYear;
  const int month = time->wMonth;
  if (year < 1601 || year > kLastYear || month < 1 || month > 12) return FALSE;
  if (time->wDay < 1 || time->wDay > DaysInMonth(year, month)) return FALSE;
  if (time->wHour > 23 || time->wMinute > 59 || time->wSecond > 59 ||
      time->wMilliseconds > 999)
    return FALSE;
  const std::uint64_t ticks =
      DaysSince1601(year, month, time->wDay) * kTicksPerDay +
      (static_cast<std::uint64_t>(time->wHour) * 3600 + time->wMinute * 60u + time->wSecond) *
          kTicksPerSecond +
      time->wMilliseconds * kTicksPerMillisecond;
  fileTime->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
  fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return TRUE;
}

void FakeSystemInfo::SetArchitecture(WORD architecture) {
  std::lock_guard lock(mutex_);
  architecture_ = architecture;
}

void FakeSystemInfo::SetVersion(DWORD major, DWORD minor, DWORD build) {
  std::lock_guard lock(mutex_);
  version_ = {major, minor, build};
  installed_ = {major, minor, 0};
}

void FakeSystemInfo::SetCompatibilityVersion(DWORD major, DWORD minor, DWORD build) {
  std::lock_guard lock(mutex_);
  version_ = {major, minor, build};
}

void FakeSystemInfo::SetInstalledVersion(DWORD major, DWORD minor, DWORD build) {
  std::lock_guard lock(mutex_);
  installed_ = {major, minor, build};
}

OsVersion FakeSystemInfo::InstalledVersion() {
  std::lock_guard lock(mutex_);
  if (faults.Check("InstalledVersion")) return {};
  return installed_;
}

void FakeSystemInfo::SetTime(const SYSTEMTIME& time) {
  std::lock_guard lock(mutex_);
  time_ = time;
}

void FakeSystemInfo::GetLocalTime(SYSTEMTIME* time) {
  std::lock_guard lock(mutex_);
  (void)faults.Check("GetLocalTime");
  if (time == nullptr) return;
  *time = localTimes_.front();
  if (localTimes_.size() > 1) localTimes_.erase(localTimes_.begin());
}

BOOL FakeSystemInfo::QueryPerformanceCounter(std::int64_t* count) {
  std::lock_guard lock(mutex_);
  if (faults.Check("QueryPerformanceCounter") || count == nullptr) return FALSE;
  *count = counter_++;
  return TRUE;
}

void FakeSystemInfo::SetLocalTimes(std::vector<SYSTEMTIME> times) {
  std::lock_guard lock(mutex_);
  if (!times.empty()) localTimes_ = std::move(times);
}

void FakeSystemInfo::SetPerformanceCounter(std::int64_t count) {
  std::lock_guard lock(mutex_);
  counter_ = count;
}
