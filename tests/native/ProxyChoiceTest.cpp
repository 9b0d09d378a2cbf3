// The proxy of a request before Windows 8.1: what the user's Internet Options lead to,
// when the lookup by detection or script finds something, fails, runs out of time or is
// aborted; and that the choice is made once per run.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/ProxyChoice.h"

namespace {

constexpr wchar_t kUrl[] = L"https://init.example.test/api.init.php";

struct LookupDouble {
  TProxyLookupResult result;
  int calls = 0;
  TProxyLookup Function() {
    return [this](const std::wstring& url, const TUserProxyConfig&) {
      EXPECT_EQ(url, kUrl);
      ++calls;
      return result;
    };
  }
};

TEST(ProxyChoiceTest, TheUsersOptionsAndTheLookupsOutcomeDecide) {
  const TProxySetting none{};
  const TProxySetting office{true, L"proxy.corp.test:8080", L"*.corp.test;<local>"};
  const TProxySetting scripted{true, L"pac-chosen.corp.test:3128", L""};
  const TUserProxyConfig direct{};
  const TUserProxyConfig named{false, L"", L"proxy.corp.test:8080", L"*.corp.test;<local>"};
  const TUserProxyConfig script{false, L"http://wpad.corp.test/proxy.pac", L"proxy.corp.test:8080",
                                L"*.corp.test;<local>"};
  const TUserProxyConfig detectOnly{true, L"", L"", L""};
  struct Case {
    const char* situation;
    TUserProxyConfig config;
    TProxyLookupEnd lookupEnds;
    int lookups;
    std::optional<TProxySetting> chosen;
  };
  const Case cases[] = {
      {"no proxy at all", direct, TProxyLookupEnd::Found, 0, none},
      {"a named proxy with a bypass list", named, TProxyLookupEnd::Found, 0, office},
      {"a script that answers", script, TProxyLookupEnd::Found, 1, scripted},
      // A laptop away from its office: the script's address does not answer.
      {"a script that fails, a named proxy beside it", script, TProxyLookupEnd::Failed, 1, office},
      {"a script that does not answer in time", script, TProxyLookupEnd::TimedOut, 1, office},
      {"detection that finds nothing, no named proxy", detectOnly, TProxyLookupEnd::Failed, 1, none},
      {"detection out of time, no named proxy", detectOnly, TProxyLookupEnd::TimedOut, 1, none},
      {"the request aborted during the lookup", script, TProxyLookupEnd::Aborted, 1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.situation);
    LookupDouble lookup;
    lookup.result = {c.lookupEnds, scripted};
    EXPECT_EQ(ChooseProxy(kUrl, c.config, lookup.Function()), c.chosen);
    EXPECT_EQ(lookup.calls, c.lookups);
  }
}

// A lookup that ran out of time is not run again for the next attempt or redirect: each
// would wait as long again.
TEST(ProxyChoiceTest, TheChoiceIsMadeOncePerRun) {
  const TUserProxyConfig script{false, L"http://wpad.corp.test/proxy.pac", L"proxy.corp.test:8080",
                                L"<local>"};
  TProxyCache cache;
  LookupDouble lookup;
  lookup.result = {TProxyLookupEnd::TimedOut, {}};
  int reads = 0;
  auto read = [&]() -> std::optional<TUserProxyConfig> {
    ++reads;
    return script;
  };
  const TProxySetting office{true, L"proxy.corp.test:8080", L"<local>"};
  for (int attempt = 0; attempt < 6; ++attempt) EXPECT_EQ(cache.Get(kUrl, read, lookup.Function()), office);
  EXPECT_EQ(lookup.calls, 1);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(cache.Decisions(), 1);

  // Several threads at once (the start-up request and a hold request) still decide once.
  TProxyCache shared;
  LookupDouble found;
  found.result = {TProxyLookupEnd::Found, office};
  std::vector<std::thread> threads;
  std::vector<std::optional<TProxySetting>> got(4);
  for (size_t i = 0; i < got.size(); ++i)
    threads.emplace_back([&, i] { got[i] = shared.Get(kUrl, read, found.Function()); });
  for (std::thread& thread : threads) thread.join();
  for (const auto& setting : got) EXPECT_EQ(setting, office);
  EXPECT_EQ(found.calls, 1);
}

TEST(ProxyChoiceTest, AnAbortedLookupDecidesNothingAndTheNextRequestTriesAgain) {
  const TUserProxyConfig detect{true, L"", L"", L""};
  TProxyCache cache;
  auto read = [&]() -> std::optional<TUserProxyConfig> { return detect; };
  LookupDouble aborted;
  aborted.result = {TProxyLookupEnd::Aborted, {}};
  EXPECT_EQ(cache.Get(kUrl, read, aborted.Function()), std::nullopt);
  LookupDouble found;
  found.result = {TProxyLookupEnd::Found, {true, L"p.test:80", L""}};
  EXPECT_EQ(cache.Get(kUrl, read, found.Function()), (TProxySetting{true, L"p.test:80", L""}));
  EXPECT_EQ(cache.Decisions(), 2);
  // An unreadable configuration means no proxy, and that is kept too.
  TProxyCache unreadable;
  EXPECT_EQ(unreadable.Get(kUrl, [] { return std::optional<TUserProxyConfig>(); }, found.Function()),
            TProxySetting{});
  EXPECT_EQ(found.calls, 1);
}

}  // namespace
