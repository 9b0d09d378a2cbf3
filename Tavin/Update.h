// The request side of the online exchange: the installation identifier, the program's
// own version, the two requests' headers and one request to the server, and opening a
// link that came from the server.
#pragma once

#include <string>

#include "platform/Http.h"

// The server address every request of this unit goes to, and the notice dialog's
// offset. CheckUpdate sets both before its task starts; they are only read afterwards.
extern std::wstring UpdateURL;
extern int DialogOffset;

// The process-wide switch that would ask for a leak report at exit; the start-up
// request tells the server about it. Nothing in the program turns it on.
extern bool ReportLeaksAtExit;

// HKEY_CURRENT_USER\Software\Tavikora, value TavinUID (REG_SZ): one identifier per user
// account, shared by the maker's programs, so neither name carries a product word.
inline constexpr wchar_t kInstallIdKey[] = L"Software\\Tavikora";
inline constexpr wchar_t kInstallIdValue[] = L"TavinUID";

// 32 characters: 8 hex digits, the local date (yymmdd), 4 hex digits, the local time
// (hhnnss), 8 hex digits; the digits are upper-case and drawn from the process's
// generator.
std::wstring CreateInstallId();
// The stored identifier, created and stored first when there is none. Empty when the
// key cannot be opened, the value is not a string or holds control characters; an
// existing value is never replaced.
std::wstring GetInstallId();

// The fixed file version of the program's own executable, formatted with a pattern
// whose first four "%d" take major, minor, release and build ("%%" is a percent sign).
// "0.0.0.0" when the file carries no readable version.
std::wstring GetAppVersion(const std::wstring& pattern);

// "User-Version", "User-Language", "User-Debug", "User-Union", in this order. Reads the
// registry (GetInstallId) and the version resource.
HttpHeaders StartupHeaders();
// "User-Version", "User-Command" = "hold"; no identifier.
HttpHeaders HoldHeaders();

// One GET of UpdateURL with exactly these headers. True with the whole body decoded as
// UTF-8 in reply, whatever the status code or the declared character set; false on any
// failure, reply untouched. abort (may be nullptr) lets another thread end it at once.
bool SendRequest(const HttpHeaders& headers, std::wstring& reply, HttpAbort* abort = nullptr);
// The hold request, once; its outcome is of no interest.
void SendHoldRequest();

// Which web links the program offers and opens. A build to hand out talks to its
// servers over https alone, so a link from their reply is https or nothing; other builds
// also take http, which the stand-in server on this machine speaks.
enum class TWebLinks { HttpsOnly, HttpOrHttps };
#ifdef ORVANE_RELEASE_BUILD
inline constexpr TWebLinks kWebLinks = TWebLinks::HttpsOnly;
#else
inline constexpr TWebLinks kWebLinks = TWebLinks::HttpOrHttps;
#endif

// Whether a link is an absolute address of a scheme the rule takes (https://, and
// http:// where allowed) with a host and nothing in it that a command line could take
// apart (blanks, control characters, quotes). The one-argument form applies this
// build's rule.
bool IsWebLink(std::wstring_view link, TWebLinks rule);
inline bool IsWebLink(std::wstring_view link) { return IsWebLink(link, kWebLinks); }
// Hands a link that came from the server to the shell's "open" verb, but only a web
// link of this build's rule: "open" would start any program or file the text names. Anything else is
// ignored without a word. True when the link was handed on (the shell's own result is
// not looked at). It opens as OpenAddressAsUser does.
bool OpenLink(const std::wstring& link);
