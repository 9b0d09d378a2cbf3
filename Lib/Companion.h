// The console companion's commands, on the same catalogue code as the window: list,
// enable, disable, save. Output is UTF-8; the caller writes it to the console.
#pragma once

#include <string>
#include <vector>

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
// A source could not be read; what was read is listed or saved.
inline constexpr int kExitIncomplete = 3;

// args excludes the program name. Returns the process exit code.
int RunCompanion(const std::vector<std::wstring>& args, std::string& out, std::string& err);

// The exit code once the output has been written. A write of standard output that
// failed (a full disk, a closed pipe, a console that refused) is a failure, never a
// success: 1, or 2 for diff, whose 1 says "changed".
int ExitCodeAfterWrite(const std::vector<std::wstring>& args, int code, bool outputWritten);
