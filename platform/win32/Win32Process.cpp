#include "platform/win32/Win32Process.h"

DWORD Win32Process::GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) {
  ::SetLastError(NO_ERROR);
  const DWORD length = ::GetModuleFileNameW(nullptr, fileName, size);
  *error = ::GetLastError();
  return length;
}

bool Win32Process::Pause(StopSignal& signal, DWORD milliseconds) {
  return signal.WaitFor(std::chrono::milliseconds(milliseconds));
}
