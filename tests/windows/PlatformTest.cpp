// The program's start-up call installs a real adapter in every slot of the platform.
#include "WineTest.h"

namespace {

TEST(AnyPlatform, InstallWin32PlatformFillsEverySlotOnce) {
  InstallWin32Platform();
  const Platform first = CurrentPlatform();
  for (const void* slot : {static_cast<const void*>(first.registry),
                           static_cast<const void*>(first.shell),
                           static_cast<const void*>(first.system),
                           static_cast<const void*>(first.files),
                           static_cast<const void*>(first.services),
                           static_cast<const void*>(first.com)})
    EXPECT_NE(slot, nullptr);
  InstallWin32Platform();
  EXPECT_EQ(CurrentPlatform().registry, first.registry) << "a second call changes nothing";
}

}  // namespace
