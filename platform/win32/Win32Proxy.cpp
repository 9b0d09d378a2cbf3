#include "platform/win32/Win32Proxy.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/Http.h"
#include "platform/ProxyChoice.h"
#include "platform/win32/Win32Handles.h"

namespace {

void FreeGlobalString(wchar_t* text) { ::GlobalFree(text); }
// WinHTTP hands its proxy texts over in memory the caller frees with GlobalFree.
using UniqueGlobalString = UniqueAny<Win32HandleTraits<wchar_t*, FreeGlobalString>>;
using UniqueInternet = UniqueAny<Win32HandleTraits<HINTERNET, ::WinHttpCloseHandle>>;

std::wstring Text(const wchar_t* text) { return text != nullptr ? std::wstring(text) : std::wstring(); }

std::optional<TUserProxyConfig> ReadUserProxyConfig() {
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config = {};
  if (!::WinHttpGetIEProxyConfigForCurrentUser(&config)) return std::nullopt;
  const UniqueGlobalString autoConfigUrl(config.lpszAutoConfigUrl);
  const UniqueGlobalString proxy(config.lpszProxy);
  const UniqueGlobalString bypass(config.lpszProxyBypass);
  return TUserProxyConfig{config.fAutoDetect != FALSE, Text(autoConfigUrl.get()), Text(proxy.get()),
                          Text(bypass.get())};
}

WINHTTP_AUTOPROXY_OPTIONS LookupOptions(const TUserProxyConfig& config) {
  WINHTTP_AUTOPROXY_OPTIONS options = {};
  if (!config.autoConfigUrl.empty()) {
    options.dwFlags |= WINHTTP_AUTOPROXY_CONFIG_URL;
    options.lpszAutoConfigUrl = config.autoConfigUrl.c_str();
  }
  if (config.autoDetect) {
    options.dwFlags |= WINHTTP_AUTOPROXY_AUTO_DETECT;
    options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
  }
  options.fAutoLogonIfChallenged = TRUE;
  return options;
}

// What a lookup running elsewhere (a thread of its own, or WinHTTP's callback) hands
// back. Shared with it: a lookup left behind still finds this alive when it ends.
struct LookupOutcome {
  UniqueHandle done{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  std::mutex mutex;
  TProxyLookupResult result;

  void Finish(TProxyLookupResult value) {
    {
      std::lock_guard lock(mutex);
      result = std::move(value);
    }
    ::SetEvent(done.get());
  }
};

// Waits for the lookup until its end, the limit or the abort.
TProxyLookupResult Await(LookupOutcome& outcome, ULONGLONG until, HANDLE abortEvent) {
  const ULONGLONG now = ::GetTickCount64();
  const DWORD wait = until > now ? static_cast<DWORD>(until - now) : 0;
  HANDLE waits[2] = {outcome.done.get(), abortEvent};
  const DWORD woken = ::WaitForMultipleObjects(abortEvent != nullptr ? 2 : 1, waits, FALSE, wait);
  if (woken == WAIT_OBJECT_0) {
    std::lock_guard lock(outcome.mutex);
    return outcome.result;
  }
  if (woken == WAIT_OBJECT_0 + 1) return {TProxyLookupEnd::Aborted, {}};
  return {TProxyLookupEnd::TimedOut, {}};
}

TProxyLookupResult FromProxyInfo(const WINHTTP_PROXY_INFO& found) {
  const UniqueGlobalString proxy(found.lpszProxy);
  const UniqueGlobalString bypass(found.lpszProxyBypass);
  TProxyLookupResult result{TProxyLookupEnd::Found, {}};
  if (found.dwAccessType == WINHTTP_ACCESS_TYPE_NAMED_PROXY && proxy)
    result.found = TProxySetting{true, Text(proxy.get()), Text(bypass.get())};
  return result;
}

// Windows 7: WinHttpGetProxyForUrl blocks and nothing ends it early, so it runs on a
// thread of its own that the request can leave behind.
TProxyLookupResult LookUpOnThread(const std::wstring& url, const TUserProxyConfig& config,
                                  ULONGLONG until, HANDLE abortEvent) {
  auto outcome = std::make_shared<LookupOutcome>();
  if (!outcome->done) return {TProxyLookupEnd::Failed, {}};
  try {
    std::thread([outcome, url, config] {
      TProxyLookupResult result{TProxyLookupEnd::Failed, {}};
      UniqueInternet resolver(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY,
                                            WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
      WINHTTP_AUTOPROXY_OPTIONS options = LookupOptions(config);
      WINHTTP_PROXY_INFO found = {};
      if (resolver && ::WinHttpGetProxyForUrl(resolver.get(), url.c_str(), &options, &found))
        result = FromProxyInfo(found);
      outcome->Finish(std::move(result));
    }).detach();
  } catch (const std::system_error&) {
    return {TProxyLookupEnd::Failed, {}};
  }
  return Await(*outcome, until, abortEvent);
}

// Windows 8 and later: WinHttpGetProxyForUrlEx answers through a callback, so the wait
// is ours. Looked up by name: Windows 7's winhttp.dll does not have it.
struct ExFunctions {
  DWORD(WINAPI* createResolver)(HINTERNET, HINTERNET*) = nullptr;
  DWORD(WINAPI* getProxyForUrlEx)(HINTERNET, PCWSTR, WINHTTP_AUTOPROXY_OPTIONS*, DWORD_PTR) = nullptr;
  DWORD(WINAPI* getProxyResult)(HINTERNET, WINHTTP_PROXY_RESULT*) = nullptr;
  VOID(WINAPI* freeProxyResult)(WINHTTP_PROXY_RESULT*) = nullptr;
  bool present = false;
};

template <typename Function>
void Load(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

const ExFunctions& Ex() {
  static const ExFunctions functions = [] {
    ExFunctions loaded;
    HMODULE module = ::GetModuleHandleW(L"winhttp.dll");
    if (module == nullptr) return loaded;
    Load(module, "WinHttpCreateProxyResolver", loaded.createResolver);
    Load(module, "WinHttpGetProxyForUrlEx", loaded.getProxyForUrlEx);
    Load(module, "WinHttpGetProxyResult", loaded.getProxyResult);
    Load(module, "WinHttpFreeProxyResult", loaded.freeProxyResult);
    loaded.present = loaded.createResolver && loaded.getProxyForUrlEx && loaded.getProxyResult &&
                     loaded.freeProxyResult;
    return loaded;
  }();
  return functions;
}

using OutcomeRef = std::shared_ptr<LookupOutcome>;

void CALLBACK OnResolver(HINTERNET resolver, DWORD_PTR context, DWORD status, LPVOID info, DWORD) {
  if (context == 0) return;
  auto* holder = reinterpret_cast<OutcomeRef*>(context);
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_GETPROXYFORURL_COMPLETE: {
      TProxyLookupResult result{TProxyLookupEnd::Failed, {}};
      WINHTTP_PROXY_RESULT found = {};
      if (Ex().getProxyResult(resolver, &found) == ERROR_SUCCESS) {
        result.end = TProxyLookupEnd::Found;
        // The first entry is the one to try; a bypass there means a direct connection.
        if (found.cEntries > 0 && found.pEntries[0].fProxy && !found.pEntries[0].fBypass &&
            found.pEntries[0].pwszProxy != nullptr)
          result.found = TProxySetting{true,
                                       std::wstring(found.pEntries[0].pwszProxy) + L":" +
                                           std::to_wstring(found.pEntries[0].ProxyPort),
                                       L""};
        Ex().freeProxyResult(&found);
      }
      (*holder)->Finish(std::move(result));
      break;
    }
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      (*holder)->Finish({TProxyLookupEnd::Failed, {}});
      (void)info;
      break;
    default:
      break;
  }
}

// False when the asynchronous lookup could not be started at all (the caller then runs
// the blocking one on a thread).
bool LookUpAsync(const std::wstring& url, const TUserProxyConfig& config, ULONGLONG until,
                 HANDLE abortEvent, TProxyLookupResult& result) {
  if (!Ex().present) return false;
  UniqueInternet session(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
  if (!session) return false;
  HINTERNET raw = nullptr;
  if (Ex().createResolver(session.get(), &raw) != ERROR_SUCCESS) return false;
  UniqueInternet resolver(raw);
  auto outcome = std::make_shared<LookupOutcome>();
  if (!outcome->done) return false;
  if (::WinHttpSetStatusCallback(resolver.get(), OnResolver,
                                 WINHTTP_CALLBACK_FLAG_REQUEST_ERROR |
                                     WINHTTP_CALLBACK_FLAG_GETPROXYFORURL_COMPLETE,
                                 0) == WINHTTP_INVALID_STATUS_CALLBACK)
    return false;
  // The callback's reference. WinHTTP may still call back after the handles are closed
  // (a lookup left behind), and tells nothing at the end of a resolver's call, so this
  // one reference is let go: a few bytes, at most once per run, since the choice is kept.
  auto holder = std::make_unique<OutcomeRef>(outcome);
  WINHTTP_AUTOPROXY_OPTIONS options = LookupOptions(config);
  const DWORD started = Ex().getProxyForUrlEx(resolver.get(), url.c_str(), &options,
                                              reinterpret_cast<DWORD_PTR>(holder.get()));
  if (started != ERROR_IO_PENDING) return false;
  holder.release();
  result = Await(*outcome, until, abortEvent);
  // Closing the handles cancels a lookup still running; its callback may still come,
  // and finds the outcome alive.
  return true;
}

TProxyLookupResult LookUp(const std::wstring& url, const TUserProxyConfig& config, ULONGLONG deadline,
                          HANDLE abortEvent) {
  const ULONGLONG until = std::min(deadline, ::GetTickCount64() + kProxyLookupLimitMilliseconds);
  TProxyLookupResult result;
  if (LookUpAsync(url, config, until, abortEvent, result)) return result;
  return LookUpOnThread(url, config, until, abortEvent);
}

TProxyCache& RunProxyChoice() {
  // Never destroyed: a request left behind at the process's end may still ask.
  static auto* cache = new TProxyCache;
  return *cache;
}

}  // namespace

DWORD ApplyUserProxy(HINTERNET request, const std::wstring& url, ULONGLONG deadline, HANDLE abortEvent) {
  const std::optional<TProxySetting> setting = RunProxyChoice().Get(
      url, ReadUserProxyConfig,
      [deadline, abortEvent](const std::wstring& target, const TUserProxyConfig& config) {
        return LookUp(target, config, deadline, abortEvent);
      });
  if (!setting) return ERROR_WINHTTP_OPERATION_CANCELLED;
  if (!setting->named) return NO_ERROR;
  WINHTTP_PROXY_INFO info = {};
  info.dwAccessType = WINHTTP_ACCESS_TYPE_NAMED_PROXY;
  std::wstring proxy = setting->proxy;
  std::wstring bypass = setting->bypass;
  info.lpszProxy = proxy.data();
  info.lpszProxyBypass = bypass.empty() ? nullptr : bypass.data();
  if (!::WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &info, sizeof(info))) {
    const DWORD failure = ::GetLastError();
    return failure == NO_ERROR ? ERROR_WINHTTP_INTERNAL_ERROR : failure;
  }
  return NO_ERROR;
}
