// Shell folders a test chooses, and a record of what the code asked the shell to open.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "platform/fake/FaultPlan.h"

struct ShellExecuteCall {
  std::wstring verb;  // empty for a null verb (the default action)
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
  int showCommand = 0;
};

class FakeShell : public IShell {
 public:
  // Fills path with the folder set for csidl (the CSIDL_FLAG_* bits are ignored, as for
  // the real call); E_FAIL for a folder that has none, like Windows for an unset one.
  // At most MAX_PATH characters are written, terminator included: a longer folder fails
  // with HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER) and an empty path.
  [[nodiscard]] HRESULT SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                                         wchar_t* path) override;
  // Records the call and returns executeResult.
  INT_PTR ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory,
                        int showCommand) override;

  // The path is returned exactly as given, a trailing backslash included.
  void SetFolder(int csidl, std::wstring path);
  void FailFolder(int csidl, HRESULT error);
  void ClearFolder(int csidl);

  FaultPlan faults{"FakeShell", {"SHGetFolderPathW", "ShellExecuteW"}};
  // Appended to by ShellExecuteW; read it once the code under test is done.
  std::vector<ShellExecuteCall> executed;
  // Above 32 means success to the caller, as for the real call.
  INT_PTR executeResult = 42;

 private:
  struct Folder {
    std::wstring path;
    HRESULT error = S_OK;
  };

  std::mutex mutex_;
  std::map<int, Folder> folders_;
};
