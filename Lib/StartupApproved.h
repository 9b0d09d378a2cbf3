// The 12-byte records under Explorer's StartupApproved keys that say whether a Run
// value or a startup file may start (Windows 8 and later).
#pragma once

#include <string>
#include <vector>

#include "Tavin/Registry.h"
#include "platform/WinTypes.h"

inline constexpr wchar_t kApprovedStartupFolderKey[] =
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";
inline constexpr wchar_t kApprovedRunKey[] =
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr wchar_t kApprovedRun32Key[] =
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32";

// The records of one approval key, opened once for the entries of a source that one
// refresh judges by them.
class TApprovalRecords {
 public:
  TApprovalRecords(HKEY rootKey, const std::wstring& key);
  // Whether the entry starts at logon: what its record says on Windows 8 and later;
  // always on Vista and 7, which keep no records.
  bool StartsAtLogon(const std::wstring& name);

 private:
  bool used_;
  TRegReader records_;
};
// Whether the record allows the entry to start. No record, or one that cannot be read,
// or one of another length, allows it.
bool IsStartupApproved(HKEY rootKey, const std::wstring& key, const std::wstring& name);
// The judgement alone, on a record's bytes.
bool IsApprovalRecordEnabled(const std::vector<BYTE>& record);
// The record for the new state, stamped with the current UTC time.
std::vector<BYTE> MakeStartupApproved(bool enable);
// Writes the record for the new state. The approval keys live where the user can plant a
// registry link, so the key is opened without following links; one that is a link is
// refused with a PlatformError and nothing is written. Other failures are absorbed: a
// caller learns the outcome by reading the record again.
void WriteApprovalRecord(HKEY rootKey, const std::wstring& key, const std::wstring& name,
                         bool enable);
// The approval key for the entries of a Run key: Run32 for the 32-bit branch.
std::wstring ApprovalKeyForRunKey(const std::wstring& runKeyPath);
