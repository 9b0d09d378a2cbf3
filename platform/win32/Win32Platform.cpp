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
  // Built on the first call and never torn down: a request thread that has not let go
  // when main() returns (its abort fired, its answer not yet in) still finds every
  // adapter alive while the process ends around it, where a restore would refuse to
  // swap under its lease and end the process with an error.
  static Win32Platform* const real = new Win32Platform;
  static const bool installed = (InstallProcessPlatform(real->Services()), true);
  (void)installed;
}
