#include "Lib/Autorun.h"

#include "Lib/AutorunSources.h"

#include <cwchar>

#include "Tavin/Text.h"
#include "platform/Platform.h"

std::recursive_mutex& AutorunLock() {
  // Created on first use, before any refresh, and kept until the process ends.
  static std::recursive_mutex lock;
  return lock;
}

namespace {

bool IsVistaOr7(const OsVersion& version) {
  return version.major == 6 && version.minor <= 1;
}

}  // namespace

bool UsesStartupApprovalRecords() {
  // Task Manager's startup page, which writes and honours the records, came with
  // Windows 8 (6.2). Vista and 7 keep none, and there a disable takes the entry out of
  // its place (into the system tool's store). RtlGetVersion says what a compatibility
  // mode tells the program ("Windows 7" on Windows 10 and 11), so that side is taken
  // only when the installed system's own record of its version says Vista or 7 as well.
  // When they disagree, or a version cannot be read, records are written: a record
  // never takes anything away, a move does.
  const OsVersion reported = PlatformSystem().RtlGetVersion();
  if (!IsVistaOr7(reported)) return true;
  return !IsVistaOr7(PlatformSystem().InstalledVersion());
}

namespace {

// The report of the collection running on this thread, if it asked for one. The sources
// run on the caller's thread, so a thread's own pointer keeps two collections apart.
thread_local TUnreadSources* tUnread = nullptr;

void CollectEverySource(TAutorunList& list) {
  list.clear();
  CollectStartupFolders(list);
  CollectRunKeys(list);
  CollectTasks(list);
  CollectServices(list);
}

}  // namespace

void ReportUnreadSource(std::wstring what) {
  if (tUnread != nullptr) tUnread->push_back(std::move(what));
}

void ReportUnreadSource(const std::wstring& what, DWORD error) {
  if (tUnread == nullptr) return;
  std::wstring message = PlatformFiles().FormatSystemMessage(error);
  if (message.empty()) message = L"error " + std::to_wstring(error);
  tUnread->push_back(what + L": " + message);
}

void ReportUnreadSourceHresult(const std::wstring& what, HRESULT result) {
  if (tUnread == nullptr) return;
  wchar_t hex[16];
  std::swprintf(hex, 16, L"0x%08X", static_cast<unsigned>(result));
  tUnread->push_back(what + L": error " + hex);
}

void CollectAutorun(TAutorunList& list) { CollectEverySource(list); }

void CollectAutorun(TAutorunList& list, TUnreadSources& unread) {
  struct Restore {
    TUnreadSources* previous;
    ~Restore() { tUnread = previous; }
  } restore{tUnread};
  tUnread = &unread;
  CollectEverySource(list);
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
