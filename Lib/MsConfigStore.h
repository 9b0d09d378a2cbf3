// The store of Windows 7's own startup tool (System Configuration) under
// HKLM\SOFTWARE\Microsoft\Shared Tools\MSConfig. On Vista and 7, which keep no approval
// records, a disabled Run value is moved there instead of being deleted, in the form that
// tool reads: it shows the entry as disabled and can enable it again, and so can we.
#pragma once

#include <string>

#include "Lib/Autorun.h"
#include "platform/WinTypes.h"

inline constexpr wchar_t kMsConfigRunStore[] =
    L"SOFTWARE\\Microsoft\\Shared Tools\\MSConfig\\startupreg";

// Moves the value `name` of the Run key (rootKey is HKLM or HKCU, the key path as the
// catalogue names it) into the store. A value that is not there is no failure. When the
// move cannot be completed the value stays where it was, the store holds nothing of it,
// and a PlatformError says so.
void StoreRunValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& name);
// Moves a stored value back to exactly where it came from: same key, name, type and
// data (the system tool's own entries, which keep only the text, come back as REG_SZ, as
// that tool restores them). Nothing stored is no failure; a value of that name already
// back in the key is left alone and the stored one kept.
void RestoreRunValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& name);
// Stamps a store entry (the key below HKLM at `path`) with the local time, in the
// YEAR, MONTH, DAY, HOUR, MINUTE and SECOND values the system tool writes.
void StampMsConfigEntry(const std::wstring& path);
// A subkey name below the store key `store` (under HKLM) that no entry uses yet: `name`
// with carets for backslashes, which key names cannot hold, and " (2)", " (3)"... after
// it while that is taken.
std::wstring FreeMsConfigSubKey(const wchar_t* store, const std::wstring& name);
// Appends the store's Run values as disabled entries of their Run key, with the Target
// and From of the value they stand for; one whose key holds that value again is skipped.
void CollectStoredRunValues(TAutorunList& list);
