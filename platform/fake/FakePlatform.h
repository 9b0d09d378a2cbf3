// One fake of each Windows service, installed as the current platform for as long as
// the object lives, with the folders and keys of a typical 64-bit Windows 10 machine.
#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeHttp.h"
#include "platform/fake/FakeIcons.h"
#include "platform/fake/FakeLocale.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeResources.h"
#include "platform/fake/FakeServiceManager.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSignatures.h"
#include "platform/fake/FakeSystemInfo.h"
#include "platform/fake/FakeTaskScheduler.h"
#include "platform/fake/FakeVersionInfo.h"

// The defaults, for tests that need to name them.
inline constexpr wchar_t kFakeUserStartup[] =
    L"C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
inline constexpr wchar_t kFakeCommonStartup[] =
    L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";

struct FakePlatform {
  FakePlatform();
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeRegistry registry;
  FakeShell shell;
  FakeSystemInfo system;
  FakeFileSystem files;
  FakeServiceManager services;
  FakeComRuntime com;
  // Starts with the resources the program embeds.
  FakeResources resources;
  FakeLocale locale;
  // Version resources and icons belong to files that exist in `files`.
  FakeVersionInfo versions;
  FakeIcons icons;
  FakeHttp http;
  FakeProcess process;
  // Signatures belong to files that exist in `files`.
  FakeSignatures signatures;

 private:
  // Declared last: installed once every fake exists, and the previous platform is back
  // before any of them is destroyed.
  ScopedPlatform installed_;
};
