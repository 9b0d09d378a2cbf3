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
  // S_FALSE (the shell runs as this process's user) unless SetShellUser named another.
  [[nodiscard]] HRESULT GetShellUser(std::wstring* sid) override;
  // The folders SetShellUserFolder set, as SHGetFolderPathW gives the process's own.
  [[nodiscard]] HRESULT SHGetFolderPathOfShellUser(int csidl, DWORD flags,
                                                   wchar_t* path) override;
  // elevationType, or FALSE after FailElevationType.
  [[nodiscard]] BOOL GetProcessElevationType(DWORD* type) override;
  // Records the file in openedThroughDesktop and returns desktopResult.
  [[nodiscard]] HRESULT ShellExecuteThroughDesktop(const wchar_t* file) override;
  // Records the call and returns executeResult.
  INT_PTR ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory,
                        int showCommand) override;

  // The path is returned exactly as given, a trailing backslash included.
  void SetFolder(int csidl, std::wstring path);
  void FailFolder(int csidl, HRESULT error);
  void ClearFolder(int csidl);
  // Plays a desktop shell run by another user than the process's (an empty sid: the
  // process's own user), or a shell that cannot be asked (an error).
  void SetShellUser(std::wstring sid);
  void FailShellUser(HRESULT error);
  void SetShellUserFolder(int csidl, std::wstring path);

  FaultPlan faults{"FakeShell",
                   {"GetProcessElevationType", "GetShellUser", "SHGetFolderPathOfShellUser",
                    "SHGetFolderPathW", "ShellExecuteThroughDesktop", "ShellExecuteW"}};
  // TokenElevationTypeDefault: no split token (UAC off), where ShellExecuteW opens as
  // the user. 2 plays the elevated process of a default Windows, 3 an unelevated one.
  DWORD elevationType = 1;
  // Appended to by ShellExecuteThroughDesktop.
  std::vector<std::wstring> openedThroughDesktop;
  HRESULT desktopResult = S_OK;
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
  std::map<int, Folder> shellUserFolders_;
  std::wstring shellUser_;
  HRESULT shellUserError_ = S_OK;

  HRESULT CopyFolder(const std::map<int, Folder>& folders, int csidl, wchar_t* path) const;
};
