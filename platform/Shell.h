// Shell folders and shell execution.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class IShell {
 public:
  virtual ~IShell() = default;

  // path receives at most MAX_PATH characters and a terminator.
  [[nodiscard]] virtual HRESULT SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                                                 wchar_t* path) = 0;
  // Who runs the desktop shell of this session: the user of the token of the process
  // that owns GetShellWindow's window. S_OK with that user's SID in text form when it is
  // another user than this process's own (an administrator's elevated process on a
  // standard account's desktop); S_FALSE when it is this process's user; an error when
  // there is no shell (a service session) or its token cannot be read.
  [[nodiscard]] virtual HRESULT GetShellUser(std::wstring* sid) = 0;
  // SHGetFolderPathW with the shell user's token: that user's folder. The path as for
  // SHGetFolderPathW; an error when the token cannot be had.
  [[nodiscard]] virtual HRESULT SHGetFolderPathOfShellUser(int csidl, DWORD flags,
                                                           wchar_t* path) = 0;
  // GetTokenInformation(TokenElevationType) of this process's token: 1 (default: no split
  // token, UAC off or not a filtered administrator), 2 (full: elevated) or 3 (limited:
  // not elevated). FALSE when it cannot be read.
  [[nodiscard]] virtual BOOL GetProcessElevationType(DWORD* type) = 0;
  // Asks the desktop shell to open the file with its default verb, so whatever starts
  // runs as the shell's user with the shell's rights: IShellWindows::FindWindowSW
  // (SWC_DESKTOP), the desktop's IShellBrowser and active view, its background
  // IShellFolderViewDual, and that view's application's IShellDispatch2::ShellExecute.
  // The first failing call's HRESULT; E_FAIL for an answer without the object asked for.
  [[nodiscard]] virtual HRESULT ShellExecuteThroughDesktop(const wchar_t* file) = 0;
  // Returns a value above 32 on success, as the Win32 call does.
  virtual INT_PTR ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                                const wchar_t* parameters, const wchar_t* directory,
                                int showCommand) = 0;
};
