// Which TLS versions a WinHTTP session offers. Windows 7 SP1 and 8.0 offer only SSL 3.0
// and TLS 1.0 by default (later ones only with an update and a registry value), and no
// current server accepts those: every request would fail. The session asks for TLS 1.2
// itself, with 1.3 where the system knows it, and 1.1 only where 1.2 is missing.
#pragma once

#include <functional>

#include "platform/WinTypes.h"

// The WINHTTP_FLAG_SECURE_PROTOCOL_* values of winhttp.h.
inline constexpr DWORD kSecureProtocolTls1_1 = 0x00000200;
inline constexpr DWORD kSecureProtocolTls1_2 = 0x00000800;
inline constexpr DWORD kSecureProtocolTls1_3 = 0x00002000;

// The sets asked for, best first. A system refuses a set that names a version it does
// not have (WinHttpSetOption fails), so the next one is tried.
inline constexpr DWORD kSecureProtocolChoices[] = {
    kSecureProtocolTls1_2 | kSecureProtocolTls1_3,
    kSecureProtocolTls1_2,
    kSecureProtocolTls1_1,
};

// Offers the first set that `offer` (WinHttpSetOption with WINHTTP_OPTION_SECURE_PROTOCOLS
// on the session) accepts, and returns it; 0 when the system took none, and the session
// then goes on with the system's own defaults.
DWORD OfferSecureProtocols(const std::function<bool(DWORD protocols)>& offer);
