#include "platform/PlatformError.h"

#include "platform/Utf8.h"

PlatformError::PlatformError(DWORD code, const std::wstring& message)
    : std::runtime_error(WideToUtf8(message)), code_(code), message_(message) {}
