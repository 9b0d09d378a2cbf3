#include "Tavin/OpenAddress.h"

#include <mutex>

#include "Tavin/SessionUser.h"
#include "platform/Platform.h"

namespace {

constexpr DWORD kElevationTypeDefault = 1;  // TokenElevationTypeDefault
constexpr DWORD kElevationTypeLimited = 3;  // TokenElevationTypeLimited

std::mutex gMutex;
TUnopenedAddressHandler gHandler;

// Whether ShellExecuteW from this process would act for someone else than the
// signed-in user: an elevated token split from theirs, or another account altogether.
// A type that cannot be read counts as elevated: the shell route never raises rights.
bool MustAskTheDesktop() {
  if (!OtherSessionUserSid().empty()) return true;
  DWORD type = 0;
  if (!PlatformShell().GetProcessElevationType(&type)) return true;
  return type != kElevationTypeDefault && type != kElevationTypeLimited;
}

}  // namespace

void SetUnopenedAddressHandler(TUnopenedAddressHandler handler) {
  std::lock_guard lock(gMutex);
  gHandler = std::move(handler);
}

bool OpenAddressAsUser(const std::wstring& address, HWND owner) {
  if (!MustAskTheDesktop()) {
    (void)PlatformShell().ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr,
                                        SW_SHOWNORMAL);
    return true;
  }
  if (SUCCEEDED(PlatformShell().ShellExecuteThroughDesktop(address.c_str()))) return true;
  TUnopenedAddressHandler handler;
  {
    std::lock_guard lock(gMutex);
    handler = gHandler;
  }
  if (handler) handler(owner, address);
  return false;
}
