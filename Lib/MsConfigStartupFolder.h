// Startup files in the store of Windows 7's own startup tool (System Configuration): on
// Vista and 7, which keep no approval records, a disabled startup file is moved into that
// tool's backup folder (%windir%\pss) and described under
// HKLM\SOFTWARE\Microsoft\Shared Tools\MSConfig\startupfolder, so the tool shows it as
// disabled and can enable it again, and so can we.
#pragma once

#include <string>

#include "Lib/Autorun.h"

inline constexpr wchar_t kMsConfigFolderStore[] =
    L"SOFTWARE\\Microsoft\\Shared Tools\\MSConfig\\startupfolder";

// Moves the startup file `target` (a file in the Startup folder `commonFolder` names, or
// in the user's) into the store. The file is opened once, as itself, and read, checked and
// deleted through that handle: a link in place of the file, or a file whose final path lies
// outside its folder (the folder or one above it made a junction), is refused with
// ERROR_REPARSE_POINT_ENCOUNTERED. The copy is written first, then its key; only then does
// the original go. When any step fails the original stays as it was, the store holds
// nothing of it, and a PlatformError says so. A file that is not there is no failure.
void StoreStartupFile(const std::wstring& target, bool common);
// Moves a stored file back to exactly where it came from, same folder, name and bytes, and
// removes it from the store. Nothing stored is no failure. A file of that name back in the
// folder already is ERROR_FILE_EXISTS and the stored one is kept.
void RestoreStartupFile(const std::wstring& target);
// Appends the files the store holds for `folder` as disabled entries of that folder, with
// the Target their file had; one whose file is listed again is skipped.
void CollectStoredStartupFiles(const std::wstring& folder, TAutorunList& list);
