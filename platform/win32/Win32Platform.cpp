#include "platform/win32/Win32Platform.h"

Platform Win32Platform::Services() {
  return {&registry_, &shell_, &system_, &files_, &services_, &com_,
          &resources_, &locale_, &versions_, &icons_};
}

void InstallWin32Platform() {
  // Function statics: built on the first call, torn down after main() returns, when the
  // logic no longer calls into the platform.
  static Win32Platform real;
  static ScopedPlatform installed(real.Services());
}
