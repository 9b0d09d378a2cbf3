#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

HRESULT Win32Shell::SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                                     wchar_t* path) {
  return ::SHGetFolderPathW(owner, csidl, token, flags, path);
}

INT_PTR Win32Shell::ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                                  const wchar_t* parameters, const wchar_t* directory,
                                  int showCommand) {
  // The HINSTANCE is only a status number kept for 16-bit compatibility.
  return reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(owner, verb, file, parameters, directory, showCommand));
}
