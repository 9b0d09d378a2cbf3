// The running process itself: the file it was started from, and sleeping on the
// calling thread. A test installs a fake whose sleep only moves a virtual clock, so a
// minute of retry pauses takes no time.
#pragma once

#include "platform/WinTypes.h"

class IProcess {
 public:
  virtual ~IProcess() = default;

  // GetModuleFileNameW(nullptr, ...): the full path of the process's executable. The
  // number of characters copied without the terminator; size when the buffer was too
  // small (the text is cut and *error is ERROR_INSUFFICIENT_BUFFER); 0 on failure with
  // the GetLastError code in *error.
  [[nodiscard]] virtual DWORD GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) = 0;
  virtual void Sleep(DWORD milliseconds) = 0;
};
