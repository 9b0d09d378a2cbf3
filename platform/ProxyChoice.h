// Which proxy a request goes through on systems whose WinHTTP does not find it by itself
// (before Windows 8.1): the user's Internet Options, and through them automatic
// detection or a configuration script, else the named proxy, else none.
//
// Looking a proxy up can take minutes (detection and the script each wait up to a minute
// for answers that a laptop away from its office never gets), so the lookup runs under
// a time limit and the request's abort, and its outcome is kept for the rest of the run:
// every later attempt and redirect takes it as it is.
#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "platform/WinTypes.h"

// WinHttpGetIEProxyConfigForCurrentUser's answer.
struct TUserProxyConfig {
  bool autoDetect = false;
  std::wstring autoConfigUrl;
  std::wstring proxy;
  std::wstring bypass;
};

// What a request is told: no proxy of ours (WinHTTP's own default, a direct connection
// here), or a named proxy with its bypass list.
struct TProxySetting {
  bool named = false;
  std::wstring proxy;
  std::wstring bypass;

  bool operator==(const TProxySetting&) const = default;
};

// How a lookup by detection or script ended.
enum class TProxyLookupEnd {
  Found,     // the setting it found
  Failed,    // no script, no answer, no proxy: the named proxy applies
  TimedOut,  // not within its limit; left behind, and the named proxy applies
  Aborted,   // the request was aborted: nothing is decided
};
struct TProxyLookupResult {
  TProxyLookupEnd end = TProxyLookupEnd::Failed;
  TProxySetting found;
};

// The lookup for one address with detection and/or the script of the configuration.
using TProxyLookup = std::function<TProxyLookupResult(const std::wstring& url, const TUserProxyConfig& config)>;

// The setting for a request to url: the lookup's when detection or a script is on and it
// finds one; else the named proxy of the configuration, with its bypass list; else
// none. Nothing when the lookup was aborted.
std::optional<TProxySetting> ChooseProxy(const std::wstring& url, const TUserProxyConfig& config,
                                         const TProxyLookup& lookup);

// The choice made once per run and kept: the first request decides (configuration read,
// lookup run), every later one takes the same setting. An aborted lookup decides
// nothing, so the next request tries again. Safe on any thread; a request that finds
// another one deciding waits for it no longer than its own lookup would take.
class TProxyCache {
 public:
  std::optional<TProxySetting> Get(const std::wstring& url,
                                   const std::function<std::optional<TUserProxyConfig>()>& readConfig,
                                   const TProxyLookup& lookup);
  // How many times a decision was made (configuration read): 1 after any number of
  // requests once one has decided.
  int Decisions() const;

 private:
  mutable std::mutex mutex_;
  std::optional<TProxySetting> chosen_;
  int decisions_ = 0;
};
