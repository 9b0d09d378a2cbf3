#include "platform/Platform.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

Platform gPlatform;
std::atomic<int> gLeases{0};

// Swapping under a lease is a programming error that no caller could handle: the other
// thread is already using the old objects. Thrown from a destructor it would end the
// process anyway, without saying why.
void RefuseSwapUnderLease() {
  if (gLeases.load() == 0) return;
  std::fputs(ScopedPlatform::kSwapUnderLease, stderr);
  std::fflush(stderr);
  std::abort();
}

template <typename T>
T& Require(T* service) {
  // Calling into the platform before one is installed is a programming error, not a
  // platform failure to absorb.
  if (service == nullptr) throw std::logic_error("no platform installed");
  return *service;
}

}  // namespace

const Platform& CurrentPlatform() { return gPlatform; }

IRegistry& PlatformRegistry() { return Require(gPlatform.registry); }
IShell& PlatformShell() { return Require(gPlatform.shell); }
ISystemInfo& PlatformSystem() { return Require(gPlatform.system); }
IFileSystem& PlatformFiles() { return Require(gPlatform.files); }
IServiceManager& PlatformServices() { return Require(gPlatform.services); }
IComRuntime& PlatformCom() { return Require(gPlatform.com); }
IResources& PlatformResources() { return Require(gPlatform.resources); }
ILocale& PlatformLocale() { return Require(gPlatform.locale); }
IVersionInfo& PlatformVersions() { return Require(gPlatform.versions); }
IIcons& PlatformIcons() { return Require(gPlatform.icons); }
IHttp& PlatformHttp() { return Require(gPlatform.http); }
IProcess& PlatformProcess() { return Require(gPlatform.process); }
ISignatures& PlatformSignatures() { return Require(gPlatform.signatures); }

PlatformLease::PlatformLease() { ++gLeases; }
PlatformLease::~PlatformLease() { --gLeases; }
int PlatformLeases() { return gLeases.load(); }

void InstallProcessPlatform(const Platform& platform) {
  RefuseSwapUnderLease();
  gPlatform = platform;
}

ScopedPlatform::ScopedPlatform(const Platform& platform) : previous_(gPlatform) {
  RefuseSwapUnderLease();
  gPlatform = platform;
}

ScopedPlatform::~ScopedPlatform() {
  RefuseSwapUnderLease();
  gPlatform = previous_;
}
