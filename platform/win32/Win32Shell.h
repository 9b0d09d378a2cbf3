// Shell folders and shell execution, straight through to shell32.
#pragma once

#include "platform/Shell.h"

class Win32Shell final : public IShell {
 public:
  HRESULT SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                           wchar_t* path) override;
  INT_PTR ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory,
                        int showCommand) override;
};
