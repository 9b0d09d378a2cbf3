// Every link the program opens reaches the browser with the signed-in user's rights:
// from an elevated process through the desktop shell, never through ShellExecuteW.
#include <gtest/gtest.h>

#include "Lib/Common.h"
#include "Tavin/OpenAddress.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Update.h"
#include "platform/fake/FakePlatform.h"

namespace {

constexpr wchar_t kAddress[] = L"https://example.com/lookup?q=a%20b";

class OpenAddressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUnopenedAddressHandler([this](HWND, const std::wstring& address) { shown.push_back(address); });
  }
  void TearDown() override {
    SetUnopenedAddressHandler(nullptr);
    ResetSessionUser();
  }

  FakePlatform fake;
  std::vector<std::wstring> shown;
};

TEST_F(OpenAddressTest, AnElevatedOrForeignProcessAsksTheDesktopShell) {
  struct Case {
    const char* what;
    DWORD elevationType;
    bool typeReadable;
    const wchar_t* otherUser;  // the shell's user, when not the process's
    bool throughDesktop;
  };
  const Case cases[] = {
      {"elevated with a split token", 2, true, L"", true},
      {"not elevated", 3, true, L"", false},
      {"UAC off: no split token", 1, true, L"", false},
      {"the elevation type cannot be read", 1, false, L"", true},
      {"another account than the shell's, even without a split token", 1, true, L"S-1-5-21-9-1001",
       true},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.shell.elevationType = c.elevationType;
    if (!c.typeReadable) local.shell.faults.Fail("GetProcessElevationType", 1);
    local.shell.SetShellUser(c.otherUser);
    InitializeSessionUser();
    // The three ways the windows open links all take the same route.
    EXPECT_TRUE(OpenAddressAsUser(kAddress, nullptr)) << c.what;
    ShellOpen(kAddress);
    EXPECT_TRUE(OpenLink(kAddress)) << c.what;
    const std::vector<std::wstring> three(3, kAddress);
    EXPECT_EQ(local.shell.openedThroughDesktop, c.throughDesktop ? three : std::vector<std::wstring>())
        << c.what;
    EXPECT_EQ(local.shell.executed.size(), c.throughDesktop ? 0u : 3u) << c.what;
    for (const ShellExecuteCall& call : local.shell.executed) EXPECT_EQ(call.file, kAddress);
    EXPECT_TRUE(shown.empty()) << c.what;
    ResetSessionUser();
  }
}

TEST_F(OpenAddressTest, WhenTheShellCannotBeAskedNothingStartsElevatedAndTheAddressIsShown) {
  fake.shell.elevationType = 2;
  fake.shell.desktopResult = E_NOINTERFACE;
  EXPECT_FALSE(OpenAddressAsUser(kAddress, nullptr));
  EXPECT_TRUE(fake.shell.executed.empty());
  EXPECT_EQ(shown, std::vector<std::wstring>{kAddress});

  // Without a handler the address is only not opened.
  SetUnopenedAddressHandler(nullptr);
  EXPECT_FALSE(OpenAddressAsUser(kAddress, nullptr));
  EXPECT_TRUE(fake.shell.executed.empty());
  EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
