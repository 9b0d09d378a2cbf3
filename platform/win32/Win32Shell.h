// Shell folders and shell execution, straight through to shell32.
#pragma once

#include "platform/Shell.h"

class Win32Shell final : public IShell {
 public:
  HRESULT SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                           wchar_t* path) override;
  HRESULT GetShellUser(std::wstring* sid) override;
  HRESULT SHGetFolderPathOfShellUser(int csidl, DWORD flags, wchar_t* path) override;
  BOOL GetProcessElevationType(DWORD* type) override;
  HRESULT ShellExecuteThroughDesktop(const wchar_t* file) override;
  INT_PTR ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory,
                        int showCommand) override;
};
