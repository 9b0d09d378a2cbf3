// Shell folders and shell execution.
#pragma once

#include "platform/WinTypes.h"

class IShell {
 public:
  virtual ~IShell() = default;

  // path receives at most MAX_PATH characters and a terminator.
  [[nodiscard]] virtual HRESULT SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                                                 wchar_t* path) = 0;
  // Returns a value above 32 on success, as the Win32 call does.
  virtual INT_PTR ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                                const wchar_t* parameters, const wchar_t* directory,
                                int showCommand) = 0;
};
