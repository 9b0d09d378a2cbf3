// The real Windows services, one adapter of each kind.
#pragma once

#include "platform/Platform.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Http.h"
#include "platform/win32/Win32Icons.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32ServiceManager.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Signatures.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32TaskScheduler.h"
#include "platform/win32/Win32VersionInfo.h"

class Win32Platform {
 public:
  // The adapters as a set to install (ScopedPlatform) or to call directly.
  Platform Services();

 private:
  Win32Registry registry_;
  Win32Shell shell_;
  Win32SystemInfo system_;
  Win32FileSystem files_;
  Win32ServiceManager services_;
  Win32ComRuntime com_;
  Win32Resources resources_;
  Win32Locale locale_;
  Win32VersionInfo versions_;
  Win32Icons icons_;
  Win32Http http_;
  Win32Process process_;
  Win32Signatures signatures_;
};

// Installs the real services for the rest of the process. main() of each program calls
// it first; calling it again changes nothing.
void InstallWin32Platform();
