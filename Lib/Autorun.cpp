#include "Lib/Autorun.h"

#include "Lib/AutorunSources.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

std::recursive_mutex& AutorunLock() {
  // Created on first use, before any refresh, and kept until the process ends.
  static std::recursive_mutex lock;
  return lock;
}

bool UsesStartupApprovalRecords() {
  // Task Manager's startup page, which writes and honours the records, came with
  // Windows 8 (6.2). A version that cannot be read (0) takes the records' side: writing
  // a record never destroys anything, deleting would.
  const OsVersion version = PlatformSystem().RtlGetVersion();
  if (version.major == 0) return true;
  return version.major > 6 || (version.major == 6 && version.minor >= 2);
}

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
