// What the system adapter reports under each prefix's Windows version.
#include "Lib/Autorun.h"
#include "WineTest.h"

namespace {

class AnySystemInfo : public WineTest {};
class Win10SystemInfo : public WineTest {};
class Win81SystemInfo : public WineTest {};
class Win7SystemInfo : public WineTest {};

TEST_F(AnySystemInfo, NativeArchitectureIsAmd64) {
  EXPECT_EQ(PlatformSystem().NativeProcessorArchitecture(), PROCESSOR_ARCHITECTURE_AMD64);
}

TEST_F(AnySystemInfo, SystemTimeConvertsToFileTime) {
  SYSTEMTIME start = {2000, 1, 6, 1, 0, 0, 0, 0};
  FILETIME fileTime = {};
  ASSERT_TRUE(PlatformSystem().SystemTimeToFileTime(&start, &fileTime));
  // 2000-01-01 00:00 UTC in 100 ns steps since 1601.
  EXPECT_EQ((static_cast<unsigned long long>(fileTime.dwHighDateTime) << 32) |
                fileTime.dwLowDateTime,
            125911584000000000ull);
  SYSTEMTIME bad = {2000, 13, 0, 1, 0, 0, 0, 0};
  EXPECT_FALSE(PlatformSystem().SystemTimeToFileTime(&bad, &fileTime));

  SYSTEMTIME now = {};
  PlatformSystem().GetSystemTime(&now);
  EXPECT_GE(now.wYear, 2023);
}

// RtlGetVersion follows winecfg's version whatever the manifest says; the test program
// has no manifest, so GetVersionExW would report 6.2 on both.
TEST_F(Win10SystemInfo, RtlGetVersionSaysTen) {
  OsVersion version = PlatformSystem().RtlGetVersion();
  EXPECT_EQ(version.major, 10u);
  EXPECT_EQ(version.minor, 0u);
  EXPECT_GE(version.build, 10240u);
}

// The installed version comes from the registry, which no compatibility mode changes (on
// Windows; Wine's per-program override changes RtlGetVersion and RtlGetNtVersionNumbers and
// leaves the registry to the prefix's version, which is why the registry is the source).
TEST_F(Win10SystemInfo, TheInstalledVersionIsTenAndDecidesForRecords) {
  const OsVersion installed = PlatformSystem().InstalledVersion();
  EXPECT_EQ(installed.major, 10u);
  EXPECT_EQ(installed.minor, 0u);
  EXPECT_TRUE(UsesStartupApprovalRecords());
}

TEST_F(Win81SystemInfo, TheInstalledVersionIsSixPointThree) {
  const OsVersion installed = PlatformSystem().InstalledVersion();
  EXPECT_EQ(installed.major, 6u);
  EXPECT_EQ(installed.minor, 3u);
}

TEST_F(Win7SystemInfo, TheInstalledVersionIsSixPointOneAndBothSourcesTakeTheWindows7Side) {
  const OsVersion installed = PlatformSystem().InstalledVersion();
  EXPECT_EQ(installed.major, 6u);
  EXPECT_EQ(installed.minor, 1u);
  EXPECT_FALSE(UsesStartupApprovalRecords());
}

TEST_F(Win81SystemInfo, RtlGetVersionSaysSixPointThree) {
  OsVersion version = PlatformSystem().RtlGetVersion();
  EXPECT_EQ(version.major, 6u);
  EXPECT_EQ(version.minor, 3u);
  EXPECT_EQ(version.build, 9600u);
}

}  // namespace
