// A fake Windows 10 machine for the catalogue tests, with lookups into a catalogue.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Lib/Autorun.h"
#include "Lib/AutorunSources.h"
#include "Tavin/Path.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScopedSettings.h"

inline constexpr wchar_t kUserStartup[] =
    L"C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
inline constexpr wchar_t kCommonStartup[] =
    L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRun32Key[] = L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kApprovedRun[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr wchar_t kApprovedRun32[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32";
inline constexpr wchar_t kApprovedFolder[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

inline std::vector<BYTE> ApprovalRecord(BYTE state) {
  std::vector<BYTE> record(12, 0);
  record[0] = state;
  return record;
}

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { InitializeFolderVariables(); }
  void TearDown() override {
    EXPECT_EQ(fake.registry.OpenHandleCount(), 0u) << "a registry key was left open";
    EXPECT_EQ(fake.services.OpenHandleCount(), 0u) << "a service handle was left open";
    EXPECT_EQ(fake.com.LiveServices(), 0) << "a Task Scheduler connection was left open";
    EXPECT_FALSE(TaskServiceConnected());
    InitializeFolderVariables();
  }

  static const TAutorunInfo* Find(const TAutorunList& list, std::wstring_view from,
                                  std::wstring_view target) {
    for (const TAutorunInfo& entry : list)
      if (entry.From == from && entry.Target == target) return &entry;
    return nullptr;
  }

  static std::vector<std::wstring> Targets(const TAutorunList& list) {
    std::vector<std::wstring> targets;
    for (const TAutorunInfo& entry : list) targets.push_back(entry.From + L":" + entry.Target);
    return targets;
  }

  ScopedSettings settings_;
  FakePlatform fake;
};
