#include "Lib/Autorun.h"

#include "Lib/AutorunSources.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

std::recursive_mutex& AutorunLock() {
  // Created on first use, before any refresh, and kept until the process ends.
  static std::recursive_mutex lock;
  return lock;
}

bool IsWindows10OrLater() { return PlatformSystem().RtlGetVersion().major >= 10; }

void CollectAutorun(TAutorunList& list) {
  list.clear();
  CollectStartupFolders(list);
  CollectRunKeys(list);
  CollectTasks(list);
  CollectServices(list);
}

void SetAutorunEnabled(const std::wstring& target, const std::wstring& from, bool enable) {
  // Every tag that is not one of the three kinds names a Run key's root.
  if (SameTextAscii(from, kFromFile))
    SetStartupFileEnabled(target, enable);
  else if (SameTextAscii(from, kFromTask))
    SetTaskEnabled(target, enable);
  else if (SameTextAscii(from, kFromService))
    SetServiceEnabled(target, enable);
  else
    SetRunEntryEnabled(target, enable);
}
