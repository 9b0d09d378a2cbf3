// What every Windows test shares: the real adapters, installed for the test's duration,
// the program-wide settings put back at its end, and names of this process's own. Wine
// hands out small process ids again and again, so a name is not unique across runs: each
// fixture first clears what a run cut short may have left under it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "tests/support/ScopedSettings.h"

inline std::wstring RunUniqueName(const std::wstring& stem) {
  return stem + std::to_wstring(::GetCurrentProcessId());
}

class WineTest : public testing::Test {
 protected:
  ScopedSettings settings_;
  Win32Platform real_;
  ScopedPlatform installed_{real_.Services()};
};
