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
#include "platform/Signatures.h"
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
  ISignatures* signatures = nullptr;
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
ISignatures& PlatformSignatures();

// Work that calls the installed platform from a thread of its own holds a lease for as
// long as it does. Replacing the platform under such a thread would leave it calling into
// objects that may be gone (a test's fakes, freed at the end of the test), so installing
// or restoring a platform while a lease is held is refused: the process reports it and
// ends, and a test cannot pass by the luck of the other thread's timing.
class PlatformLease {
 public:
  PlatformLease();
  ~PlatformLease();
  PlatformLease(const PlatformLease&) = delete;
  PlatformLease& operator=(const PlatformLease&) = delete;
};

// How many leases are held now.
int PlatformLeases();

// Installs the program's own platform for the rest of the process, never to be restored:
// a thread still at work when the process ends (a request that has not let go yet) goes
// on calling into live services until the process takes it down, and a lease it holds
// then is no fault. Installing under a lease is refused as for ScopedPlatform.
void InstallProcessPlatform(const Platform& platform);

class ScopedPlatform {
 public:
  explicit ScopedPlatform(const Platform& platform);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

  // The message a swap under a lease ends the process with.
  static constexpr const char* kSwapUnderLease =
      "a platform was installed or restored while a thread still uses the one installed "
      "(a PlatformLease is held): wait for that thread to end first\n";

 private:
  Platform previous_;
};
