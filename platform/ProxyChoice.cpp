#include "platform/ProxyChoice.h"

std::optional<TProxySetting> ChooseProxy(const std::wstring& url, const TUserProxyConfig& config,
                                         const TProxyLookup& lookup) {
  if (config.autoDetect || !config.autoConfigUrl.empty()) {
    const TProxyLookupResult result = lookup(url, config);
    if (result.end == TProxyLookupEnd::Aborted) return std::nullopt;
    if (result.end == TProxyLookupEnd::Found) return result.found;
    // No script, no answer from it, or none in time: the named proxy, as Internet
    // Options would fall back to it.
  }
  if (!config.proxy.empty()) return TProxySetting{true, config.proxy, config.bypass};
  return TProxySetting{};
}

std::optional<TProxySetting> TProxyCache::Get(
    const std::wstring& url, const std::function<std::optional<TUserProxyConfig>()>& readConfig,
    const TProxyLookup& lookup) {
  // One decision at a time: a second request waits for the first one's lookup, which
  // is bounded by that request's limit and abort.
  std::lock_guard lock(mutex_);
  if (chosen_) return chosen_;
  ++decisions_;
  const std::optional<TUserProxyConfig> config = readConfig();
  // Without a readable configuration there is nothing to look up: no proxy.
  std::optional<TProxySetting> setting =
      config ? ChooseProxy(url, *config, lookup) : std::optional<TProxySetting>(TProxySetting{});
  if (setting) chosen_ = setting;
  return setting;
}

int TProxyCache::Decisions() const {
  std::lock_guard lock(mutex_);
  return decisions_;
}
