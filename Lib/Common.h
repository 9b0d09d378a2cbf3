// Program-wide helpers of the windows.
#pragma once

#include <string>

// Hands a URL to the shell's "open" verb; the outcome is not examined.
void ShellOpen(const std::wstring& url);
