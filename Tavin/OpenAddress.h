// The one way the program opens an address. It runs elevated: ShellExecuteW from here
// would start the browser as the administrator when none is running, look its handler up
// through HKCR (which merges the user-writable HKCU\Software\Classes, so a planted
// "shell\open\command" would run elevated) and run per-user browsers from folders the user
// can write. So when the process is elevated with a split token, or runs as another user
// than the desktop shell's, the desktop shell is asked to open the address, and the
// browser runs as the signed-in user. Unelevated, or with UAC off (no split token),
// ShellExecuteW is the user's own and is used as it is.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"

// Shows an address that could not be opened, with a way to copy it. The window installs
// one at start; without one the address is only not opened.
using TUnopenedAddressHandler = std::function<void(HWND owner, const std::wstring& address)>;
void SetUnopenedAddressHandler(TUnopenedAddressHandler handler);

// Opens the address for the person at the keyboard; the owner is the window the
// shell's own messages and the unopened-address message belong to. When the desktop
// shell cannot be asked, nothing is started with the program's rights: the handler shows
// the address instead, and the result is false.
bool OpenAddressAsUser(const std::wstring& address, HWND owner);
