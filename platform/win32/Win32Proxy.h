// The user's proxy for a WinHTTP request on systems whose WinHTTP cannot find it by
// itself (WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY came with Windows 8.1).
#pragma once

#include <string>

#include "platform/WinTypes.h"

#include <winhttp.h>

// Sets the proxy of the user's Internet Options on the request: automatic detection or
// the configuration script when the user turned them on, else the named proxy; nothing
// when the user has none (a direct connection). False only when WinHTTP refused the
// proxy it was given.
[[nodiscard]] bool ApplyUserProxy(HINTERNET request, const std::wstring& url);
