#include "platform/win32/Win32Proxy.h"

#include "platform/Http.h"
#include "platform/win32/Win32Handles.h"

namespace {

void FreeGlobalString(wchar_t* text) { ::GlobalFree(text); }
// WinHTTP hands its proxy texts over in memory the caller frees with GlobalFree.
using UniqueGlobalString = UniqueAny<Win32HandleTraits<wchar_t*, FreeGlobalString>>;
using UniqueInternet = UniqueAny<Win32HandleTraits<HINTERNET, ::WinHttpCloseHandle>>;

bool SetProxy(HINTERNET request, DWORD access, wchar_t* proxy, wchar_t* bypass) {
  WINHTTP_PROXY_INFO info = {};
  info.dwAccessType = access;
  info.lpszProxy = proxy;
  info.lpszProxyBypass = bypass;
  return ::WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &info, sizeof(info)) != FALSE;
}

}  // namespace

bool ApplyUserProxy(HINTERNET request, const std::wstring& url) {
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config = {};
  if (!::WinHttpGetIEProxyConfigForCurrentUser(&config)) return true;
  const UniqueGlobalString autoConfigUrl(config.lpszAutoConfigUrl);
  const UniqueGlobalString proxy(config.lpszProxy);
  const UniqueGlobalString bypass(config.lpszProxyBypass);

  if (config.fAutoDetect || autoConfigUrl) {
    WINHTTP_AUTOPROXY_OPTIONS options = {};
    if (autoConfigUrl) {
      options.dwFlags |= WINHTTP_AUTOPROXY_CONFIG_URL;
      options.lpszAutoConfigUrl = autoConfigUrl.get();
    }
    if (config.fAutoDetect) {
      options.dwFlags |= WINHTTP_AUTOPROXY_AUTO_DETECT;
      options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
    }
    options.fAutoLogonIfChallenged = TRUE;
    // The script is fetched and run on a synchronous session of its own, under the
    // request's step time-outs. The call blocks and no abort reaches it: only systems
    // before Windows 8.1 with detection or a script turned on take this path.
    UniqueInternet resolver(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                          WINHTTP_NO_PROXY_BYPASS, 0));
    if (resolver && ::WinHttpSetTimeouts(resolver.get(), 0, kHttpStepTimeoutMilliseconds,
                                         kHttpStepTimeoutMilliseconds, kHttpStepTimeoutMilliseconds)) {
      WINHTTP_PROXY_INFO found = {};
      if (::WinHttpGetProxyForUrl(resolver.get(), url.c_str(), &options, &found)) {
        const UniqueGlobalString foundProxy(found.lpszProxy);
        const UniqueGlobalString foundBypass(found.lpszProxyBypass);
        return SetProxy(request, found.dwAccessType, foundProxy.get(), foundBypass.get());
      }
    }
    // No script, no answer from it: the named proxy below, if any, as Internet Options
    // would fall back to it.
  }
  if (proxy) return SetProxy(request, WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy.get(), bypass.get());
  return true;
}
