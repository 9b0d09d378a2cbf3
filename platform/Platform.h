// The one place the logic finds the Windows services it calls. The program installs
// the real ones at start (platform/win32); a test installs fakes with a ScopedPlatform
// that puts the previous set back when it goes out of scope.
#pragma once

#include "platform/FileSystem.h"
#include "platform/Http.h"
#include "platform/Icons.h"
#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/ServiceManager.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/TaskScheduler.h"
#include "platform/VersionInfo.h"

struct Platform {
  IRegistry* registry = nullptr;
  IShell* shell = nullptr;
  ISystemInfo* system = nullptr;
  IFileSystem* files = nullptr;
  IServiceManager* services = nullptr;
  IComRuntime* com = nullptr;
  IResources* resources = nullptr;
  ILocale* locale = nullptr;
  IVersionInfo* versions = nullptr;
  IIcons* icons = nullptr;
  IHttp* http = nullptr;
  IProcess* process = nullptr;
};

// The installed set; every member is non-null once a platform is installed.
const Platform& CurrentPlatform();

IRegistry& PlatformRegistry();
IShell& PlatformShell();
ISystemInfo& PlatformSystem();
IFileSystem& PlatformFiles();
IServiceManager& PlatformServices();
IComRuntime& PlatformCom();
IResources& PlatformResources();
ILocale& PlatformLocale();
IVersionInfo& PlatformVersions();
IIcons& PlatformIcons();
IHttp& PlatformHttp();
IProcess& PlatformProcess();

class ScopedPlatform {
 public:
  explicit ScopedPlatform(const Platform& platform);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform previous_;
};
