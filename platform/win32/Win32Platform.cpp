#include "platform/win32/Win32Platform.h"

Platform Win32Platform::Services() {
  // One line per service, so a new one is a new line.
  Platform slots;
  slots.registry = &registry_;
  slots.shell = &shell_;
  slots.system = &system_;
  slots.files = &files_;
  slots.services = &services_;
  slots.com = &com_;
  slots.resources = &resources_;
  slots.locale = &locale_;
  slots.versions = &versions_;
  slots.icons = &icons_;
  slots.http = &http_;
  slots.process = &process_;
  slots.signatures = &signatures_;
  return slots;
}

void InstallWin32Platform() {
  // Function statics: built on the first call, torn down after main() returns, when the
  // logic no longer calls into the platform.
  static Win32Platform real;
  static ScopedPlatform installed(real.Services());
}
