// Writing a file so that it is either the old one or the whole new one, never a part: a
// full disk or a failure half-way must not cost the user the file that was there.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Writes the bytes to a file beside `path` and then moves it over `path` in one step
// (MoveFileExW with MOVEFILE_REPLACE_EXISTING). On failure the file beside is removed,
// `path` is as it was, and *error holds the system's code.
[[nodiscard]] bool ReplaceFileContents(const std::wstring& path, const std::string& bytes,
                                       DWORD* error);
