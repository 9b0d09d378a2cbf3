// Shell folders and the resolution of stored command lines to the files they start.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The folder's path without a trailing backslash; empty when the shell cannot give it.
std::wstring GetSpecialFolder(int csidl);

// "%ProgramFiles%" and friends, each with the folder it stands for on this system.
using TFolderVariables = std::vector<std::pair<std::wstring, std::wstring>>;

// Builds the table from the installed platform: nine GetSpecialFolder calls.
TFolderVariables BuildFolderVariables();
// The process-wide table, built once at start by InitializeFolderVariables.
const TFolderVariables& FolderVariables();
void InitializeFolderVariables();

// Splits a command line into the file it names and the parameters after it.
void SplitCommandLine(std::wstring_view commandLine, std::wstring& file, std::wstring& parameters);
// The file a stored command line starts: rundll32's library, variables expanded.
std::wstring ExtractCommandFile(std::wstring_view commandLine);
// Replaces a leading "%Variable%\" of the table by its folder.
std::wstring ExpandFolderVariable(std::wstring_view text);
// Drops the first " (x86)", the mark of a 32-bit program-files folder.
std::wstring RemoveX86Suffix(std::wstring_view path);
