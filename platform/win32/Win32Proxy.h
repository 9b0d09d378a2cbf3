// The user's proxy for a WinHTTP request on systems whose WinHTTP cannot find it by
// itself (WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY came with Windows 8.1).
#pragma once

#include <string>

#include "platform/WinTypes.h"

#include <winhttp.h>

// How long a lookup by detection or script may take before the request goes on without
// it (with the named proxy, if any). WinHTTP would give each of them a minute.
inline constexpr unsigned kProxyLookupLimitMilliseconds = 15'000;

// Sets the proxy of the user's Internet Options on the request (ProxyChoice.h): the
// choice is made by the first request of the run and kept. The lookup it may need runs
// until `deadline` (GetTickCount64) or kProxyLookupLimitMilliseconds, whichever comes
// first, and until `abortEvent` is signalled; it is left behind, never waited out.
// NO_ERROR, ERROR_WINHTTP_OPERATION_CANCELLED when aborted during the lookup, or the
// code of WinHTTP refusing the setting.
[[nodiscard]] DWORD ApplyUserProxy(HINTERNET request, const std::wstring& url, ULONGLONG deadline,
                                   HANDLE abortEvent);
