// Owners for the handles the portable code receives from the installed platform.
#pragma once

#include "platform/Platform.h"
#include "platform/UniqueAny.h"

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle key) { PlatformRegistry().RegCloseKey(key); }
};

struct ScHandleTraits {
  using Handle = SC_HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { PlatformServices().CloseServiceHandle(handle); }
};

struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle icon) { PlatformIcons().DestroyIcon(icon); }
};

using UniqueRegKey = UniqueAny<RegKeyTraits>;
using UniqueScHandle = UniqueAny<ScHandleTraits>;
using UniqueIcon = UniqueAny<IconTraits>;
