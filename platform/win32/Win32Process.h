// The running process: its executable's path straight through to kernel32, and a
// pause on the steady clock.
#pragma once

#include "platform/Process.h"

class Win32Process final : public IProcess {
 public:
  DWORD GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) override;
  bool Pause(StopSignal& signal, DWORD milliseconds) override;
};
