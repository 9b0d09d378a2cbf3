// The autorun catalogue: what Windows starts by itself, read afresh from the two
// Startup folders, the three Run keys, the task library's root folder and the service
// control manager, and switched on or off where Windows keeps each entry's state.
#pragma once

#include <mutex>
#include <string>
#include <vector>

class TAutorunInfo {
 public:
  std::wstring FileName;  // the file whose product name and icon stand for the entry
  std::wstring Caption;   // the entry's name as the user knows it
  std::wstring RawData;   // the stored command or image path, exactly as read
  std::wstring Target;    // what identifies the entry to the platform
  std::wstring From;      // "FILE", "SCHE", "SERV", or a Run key's root: "HKLM"/"HKCU"
  bool Enabled = false;   // whether the entry starts with Windows
};

// The catalogue owns its entries; the sources' order is kept, never sorted.
using TAutorunList = std::vector<TAutorunInfo>;

inline constexpr wchar_t kFromFile[] = L"FILE";
inline constexpr wchar_t kFromTask[] = L"SCHE";
inline constexpr wchar_t kFromService[] = L"SERV";

// Empties the list and appends the entries of every source. A failure no source
// absorbs leaves the entries appended before it and propagates.
void CollectAutorun(TAutorunList& list);

// What a collection could not read, one line each for the user ("the service manager:
// Access is denied."). A source that is not there at all (a Run key never created) is
// not in it: it holds nothing to read.
using TUnreadSources = std::vector<std::wstring>;
// As above; every source that could not be read, or read only in part, is added to
// `unread`, and the entries that were read are still in the list.
void CollectAutorun(TAutorunList& list, TUnreadSources& unread);

// Switches one entry, identified by its Target and From (case-insensitive tag). The
// outcome shows in the next refresh; the one failure that propagates is a startup file
// that cannot be deleted on Windows before 8 (PlatformError).
void SetAutorunEnabled(const std::wstring& target, const std::wstring& from, bool enable);

// Serialises every use of the module's single Task Scheduler connection.
std::recursive_mutex& AutorunLock();

// Windows 8 and later keep the startup state of Run values and startup files in
// approval records; on Vista and 7 a disabled one is deleted.
bool UsesStartupApprovalRecords();
