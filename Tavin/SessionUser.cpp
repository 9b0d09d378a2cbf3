#include "Tavin/SessionUser.h"

#include <mutex>

#include "platform/Platform.h"

namespace {

std::mutex gMutex;
std::wstring gOtherSid;

}  // namespace

void InitializeSessionUser() {
  std::wstring sid;
  const HRESULT result = PlatformShell().GetShellUser(&sid);
  std::lock_guard lock(gMutex);
  gOtherSid = result == S_OK ? sid : std::wstring();
}

void ResetSessionUser() {
  std::lock_guard lock(gMutex);
  gOtherSid.clear();
}

std::wstring OtherSessionUserSid() {
  std::lock_guard lock(gMutex);
  return gOtherSid;
}

void MapToSessionUser(HKEY& rootKey, std::wstring& key) {
  if (rootKey != HKEY_CURRENT_USER) return;
  const std::wstring sid = OtherSessionUserSid();
  if (sid.empty()) return;
  size_t start = 0;
  while (start < key.size() && key[start] == L'\\') ++start;
  key = sid + L"\\" + key.substr(start);
  rootKey = HKEY_USERS;
}
