#include "platform/fake/FakeProcess.h"

DWORD FakeProcess::GetModuleFileNameW(wchar_t* fileName, DWORD size, DWORD* error) {
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  std::lock_guard lock(mutex_);
  if (auto fault = faults.Check("GetModuleFileNameW")) {
    *error = *fault;
    return 0;
  }
  if (fileName == nullptr || size == 0) {
    *error = ERROR_INSUFFICIENT_BUFFER;
    return 0;
  }
  // Like Windows: a path that does not fit is cut, terminated, and reported as size.
  if (exePath_.size() >= size) {
    exePath_.copy(fileName, size - 1);
    fileName[size - 1] = L'\0';
    *error = ERROR_INSUFFICIENT_BUFFER;
    return size;
  }
  exePath_.copy(fileName, exePath_.size());
  fileName[exePath_.size()] = L'\0';
  *error = NO_ERROR;
  return static_cast<DWORD>(exePath_.size());
}

bool FakeProcess::Pause(StopSignal& signal, DWORD milliseconds) {
  std::uint64_t now = 0;
  {
    std::lock_guard lock(mutex_);
    ++pauseCalls_;
    if (signal.Stopped()) return true;
    paused_ += milliseconds;
    now = paused_;
  }
  if (afterPause) afterPause(now);
  return signal.Stopped();
}

void FakeProcess::SetExePath(std::wstring path) {
  std::lock_guard lock(mutex_);
  exePath_ = std::move(path);
}

std::uint64_t FakeProcess::PausedMilliseconds() const {
  std::lock_guard lock(mutex_);
  return paused_;
}

std::uint64_t FakeProcess::PauseCalls() const {
  std::lock_guard lock(mutex_);
  return pauseCalls_;
}
