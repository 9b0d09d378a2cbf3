// The few platform failures that are not absorbed travel as this exception, carrying
// the system's error code and its message.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/WinTypes.h"

class PlatformError : public std::runtime_error {
 public:
  PlatformError(DWORD code, const std::wstring& message);

  DWORD code() const { return code_; }
  const std::wstring& message() const { return message_; }

 private:
  DWORD code_;
  std::wstring message_;
};
