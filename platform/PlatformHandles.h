// Owners for the handles the portable code receives from the installed platform.
//
// A handle belongs to the service that opened it: an owner remembers that service and
// closes through it, even when another platform has been installed since (a test that
// installs a second fake, a nested ScopedPlatform). Closing through whatever is installed
// at the time would hand one fake's key to another, which reports nothing and leaves the
// first one's key open.
#pragma once

#include <utility>

#include "platform/Platform.h"

template <typename Traits>
class PlatformHandle {
 public:
  using Handle = typename Traits::Handle;
  using Service = typename Traits::Service;

  PlatformHandle() = default;
  // A handle the installed service has just given.
  explicit PlatformHandle(Handle handle) : PlatformHandle(Traits::Current(), handle) {}
  PlatformHandle(Service& service, Handle handle) : handle_(handle), service_(&service) {}
  ~PlatformHandle() { reset(); }
  PlatformHandle(PlatformHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::Invalid())), service_(other.service_) {}
  PlatformHandle& operator=(PlatformHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
      service_ = other.service_;
    }
    return *this;
  }
  PlatformHandle(const PlatformHandle&) = delete;
  PlatformHandle& operator=(const PlatformHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  // For out-parameters of the installed service's calls: releases what is held and hands
  // out the slot.
  Handle* put() {
    reset();
    service_ = &Traits::Current();
    return &handle_;
  }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset() {
    Handle old = std::exchange(handle_, Traits::Invalid());
    if (old != Traits::Invalid()) Traits::Close(*service_, old);
  }

 private:
  Handle handle_ = Traits::Invalid();
  Service* service_ = nullptr;
};

struct RegKeyTraits {
  using Handle = HKEY;
  using Service = IRegistry;
  static Handle Invalid() { return nullptr; }
  static Service& Current() { return PlatformRegistry(); }
  static void Close(Service& registry, Handle key) { (void)registry.RegCloseKey(key); }
};

struct ScHandleTraits {
  using Handle = SC_HANDLE;
  using Service = IServiceManager;
  static Handle Invalid() { return nullptr; }
  static Service& Current() { return PlatformServices(); }
  static void Close(Service& services, Handle handle) { (void)services.CloseServiceHandle(handle); }
};

struct IconTraits {
  using Handle = HICON;
  using Service = IIcons;
  static Handle Invalid() { return nullptr; }
  static Service& Current() { return PlatformIcons(); }
  static void Close(Service& icons, Handle icon) { (void)icons.DestroyIcon(icon); }
};

using UniqueRegKey = PlatformHandle<RegKeyTraits>;
using UniqueScHandle = PlatformHandle<ScHandleTraits>;
using UniqueIcon = PlatformHandle<IconTraits>;
