// The console companion's commands, on the same catalogue code as the window: list,
// enable, disable, save. Output is UTF-8; the caller writes it to the console.
#pragma once

#include <string>
#include <vector>

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// args excludes the program name. Returns the process exit code.
int RunCompanion(const std::vector<std::wstring>& args, std::string& out, std::string& err);
