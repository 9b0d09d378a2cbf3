// The running process: its executable's path and Sleep, straight through to kernel32.
#pragma once

#include "platform/Process.h"

class Win32Process final : public IProcess {
 public:
  DWORD GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) override;
  void Sleep(DWORD milliseconds) override;
};
