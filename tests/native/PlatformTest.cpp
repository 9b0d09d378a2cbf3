// Who a handle goes back to, and what a platform swap under a working thread does.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "Tavin/UpdateCheck.h"
#include "platform/PlatformHandles.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/ScopedSettings.h"
#include "tests/support/UpdateDoubles.h"

namespace {

// A key, a service manager and an icon opened through one fake platform and let go after
// a second one was installed: each goes back to the fake that gave it. Closing through
// whatever is installed at the time handed them to the second fake, which refused a
// handle it never gave (or, had the values met, closed one of its own) and left the
// first one's open.
TEST(PlatformHandleTest, AHandleClosesThroughTheServiceThatOpenedIt) {
  FakePlatform first;
  first.files.AddFile(L"C:\\Tools", L"tool.exe");
  first.icons.SetIcons(L"C:\\Tools\\tool.exe", 1);
  UniqueRegKey key;
  ASSERT_EQ(PlatformRegistry().RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()),
            ERROR_SUCCESS);
  UniqueScHandle manager(PlatformServices().OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  ASSERT_TRUE(manager);
  wchar_t path[] = L"C:\\Tools\\tool.exe";
  WORD index = 0;
  UniqueIcon icon(PlatformIcons().ExtractAssociatedIconW(nullptr, path, &index));
  ASSERT_TRUE(icon);
  {
    FakePlatform second;
    UniqueRegKey its;
    ASSERT_EQ(PlatformRegistry().RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, its.put()),
              ERROR_SUCCESS);
    key.reset();
    manager.reset();
    icon.reset();
    EXPECT_EQ(first.registry.OpenHandleCount(), 0u);
    EXPECT_EQ(first.services.OpenHandleCount(), 0u);
    EXPECT_EQ(first.icons.LiveIconCount(), 0);
    EXPECT_EQ(second.registry.OpenHandleCount(), 1u) << "the second fake's own key stays open";
    EXPECT_EQ(second.registry.faults.Calls("RegCloseKey"), 0);
    EXPECT_EQ(second.services.faults.Calls("CloseServiceHandle"), 0);
  }
}

TEST(PlatformHandleTest, AMovedHandleKeepsItsService) {
  FakePlatform first;
  UniqueRegKey key;
  ASSERT_EQ(PlatformRegistry().RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()),
            ERROR_SUCCESS);
  FakePlatform second;
  UniqueRegKey moved;
  moved = std::move(key);
  EXPECT_FALSE(key);
  moved.reset();
  EXPECT_EQ(first.registry.OpenHandleCount(), 0u);
  EXPECT_EQ(second.registry.faults.Calls("RegCloseKey"), 0);
}

// A thread that calls the platform holds a lease; replacing the platform under it (a
// test's fakes going while the update check still runs) ends the process with a message
// instead of letting the thread call into freed fakes, which would pass or fail by timing.
TEST(PlatformLeaseDeathTest, InstallingOrRestoringAPlatformUnderALeaseEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        FakePlatform outer;
        PlatformLease lease;
        FakePlatform inner;  // installing
      },
      "while a thread still uses the one installed");
  EXPECT_DEATH(
      {
        auto outer = std::make_unique<FakePlatform>();
        PlatformLease lease;
        outer.reset();  // restoring
      },
      "while a thread still uses the one installed");
  {
    FakePlatform outer;
    { PlatformLease lease; }
    FakePlatform inner;  // no lease left: a swap is fine
  }
  EXPECT_EQ(PlatformLeases(), 0);
}

// The update check's thread holds its lease from before it starts until it reports itself
// finished, so a test that waits for the end may then drop its fakes.
TEST(PlatformLeaseTest, TheUpdateCheckHoldsALeaseUntilItHasFinished) {
  ScopedSettings settings;
  FakePlatform fake;
  fake.http.Script(FakeHttpResponse::Hang());
  auto dispatcher = std::make_shared<TQueueDispatcher>();
  TUpdateHost host{dispatcher, std::make_shared<RecordingUpdateUi>()};
  auto check = CheckUpdate(L"https://init.example.test/api.init.php", [](bool, const std::wstring&) {},
                           10, host);
  EXPECT_EQ(PlatformLeases(), 1) << "taken before the thread runs";
  dispatcher->Close();
  check->Stop();
  ASSERT_TRUE(check->WaitFor(std::chrono::seconds(30)));
  EXPECT_EQ(PlatformLeases(), 0) << "given back before the task reports itself finished";
}

}  // namespace
