// The four sources of the catalogue, in the order a refresh runs them, and the setter
// that switches entries of each kind.
#pragma once

#include <string>
#include <string_view>

#include "Lib/Autorun.h"
#include "platform/WinTypes.h"

// Called by a source that could not read all it holds, while CollectAutorun(list,
// unread) runs on this thread; nothing otherwise.
void ReportUnreadSource(std::wstring what);
// The same with the system's words for a GetLastError or LSTATUS code after a colon.
void ReportUnreadSource(const std::wstring& what, DWORD error);
// The same with a COM result in hexadecimal.
void ReportUnreadSourceHresult(const std::wstring& what, HRESULT result);

// Startup folders: the all-users folder, then the user's.
void CollectStartupFolders(TAutorunList& list);
void CollectStartupFolder(const std::wstring& folder, TAutorunList& list);
void SetStartupFileEnabled(const std::wstring& target, bool enable);

// Run keys: machine native, machine 32-bit, user.
void CollectRunKeys(TAutorunList& list);
void CollectRunKey(HKEY rootKey, const std::wstring& keyPath, TAutorunList& list);
void SetRunEntryEnabled(const std::wstring& target, bool enable);
// Splits a Run entry's Target into one of the three Run keys and the exact value name
// after it (backslashes included). False for any other text, and for a name the registry
// functions cannot pass intact (one that holds a NUL).
bool ParseRunTarget(std::wstring_view target, HKEY& rootKey, std::wstring& keyPath,
                    std::wstring& name);

// Tasks of the task library's root folder.
void CollectTasks(TAutorunList& list);
void SetTaskEnabled(const std::wstring& target, bool enable);
// Both are called with AutorunLock held.
void ConnectTaskService();
void DisconnectTaskService();
bool TaskServiceConnected();

// Every Win32 service.
void CollectServices(TAutorunList& list);
void SetServiceEnabled(const std::wstring& target, bool enable);
