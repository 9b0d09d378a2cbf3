// The user the program works for. It runs elevated, and on a standard account the
// consent prompt makes it run as the administrator who typed the password: the window
// must still show and switch the entries of the person at the keyboard. That is the
// user of the session's desktop shell; when that user is another account than the
// process's own, "HKCU" means their hive (HKEY_USERS\<their SID>, loaded while they are
// signed in) and the per-user folders are theirs. Without a shell (a service session, a
// shell that cannot be asked) the process's own profile is used.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Asks the installed platform once; the answer holds until asked again.
void InitializeSessionUser();
// Back to the process's own profile (for tests).
void ResetSessionUser();
// The SID of the signed-in user when that is another account than the process's own;
// empty when the process works on its own profile.
std::wstring OtherSessionUserSid();

// HKEY_CURRENT_USER and a path below it, as the key they stand for: below HKEY_USERS\<SID>
// when the program works for another user. Any other root is left as it is.
void MapToSessionUser(HKEY& rootKey, std::wstring& key);
