// The message for an address the desktop shell could not open: the program will not
// start a browser with its own elevated rights, so it shows the address and offers to
// copy it for the user's own browser.
#pragma once

#include <windows.h>

#include <string>

void ShowUnopenedAddress(HWND owner, const std::wstring& address);
