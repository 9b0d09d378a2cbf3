// What every Windows test shares: the real adapters, installed for the test's duration,
// and names that no earlier (perhaps crashed) run can have left behind.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Platform.h"

inline std::wstring RunUniqueName(const std::wstring& stem) {
  return stem + std::to_wstring(::GetCurrentProcessId());
}

class WineTest : public testing::Test {
 protected:
  Win32Platform real_;
  ScopedPlatform installed_{real_.Services()};
};
