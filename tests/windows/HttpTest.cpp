// WinHTTP against orvane-server on 127.0.0.1: what the server receives, and what the
// request side makes of each kind of answer. tests/windows/http-servers.sh starts one
// server per kind of answer and passes their addresses in the environment.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <thread>

#include "Tavin/Dispatcher.h"
#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "Tavin/UpdateCheck.h"
#include "WineTest.h"
#include "platform/Utf8.h"
#include "tests/support/UpdateDoubles.h"

namespace {

std::wstring Env(const wchar_t* name) {
  wchar_t value[2048];
  const DWORD length = ::GetEnvironmentVariableW(name, value, 2048);
  return length > 0 && length < 2048 ? std::wstring(value, length) : std::wstring();
}

// The log's lines, each one request.
std::vector<nlohmann::json> ReadLog(const std::wstring& path) {
  std::vector<nlohmann::json> entries;
  std::ifstream log{std::filesystem::path(path)};
  for (std::string line; std::getline(log, line);)
    if (!line.empty()) entries.push_back(nlohmann::json::parse(line));
  return entries;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

// The headers whose names start with prefix, in the order the server received them.
Pairs HeadersStartingWith(const nlohmann::json& entry, const std::string& prefix) {
  Pairs found;
  for (const auto& header : entry.at("headers")) {
    const std::string name = header.at(0).get<std::string>();
    if (name.rfind(prefix, 0) == 0) found.emplace_back(name, header.at(1).get<std::string>());
  }
  return found;
}

class HttpWine : public WineTest {
 protected:
  void SetUp() override {
    // Without the servers nothing here would be proven: fail rather than pass unchecked.
    if (Env(L"ORVANE_HTTP_MAIN").empty())
      GTEST_FAIL() << "ORVANE_HTTP_MAIN is not set: run through tests/windows/http-servers.sh, "
                      "which starts the servers (ctest -R wine.http)";
  }

  struct Outcome {
    BOOL ok;
    DWORD status;
    std::string body;
    DWORD error;
  };
  static Outcome Get(const std::wstring& url, const HttpHeaders& headers = {},
                     HttpAbort* abort = nullptr) {
    Outcome outcome{FALSE, 0xFFFF, "untouched", 0};
    outcome.ok = PlatformHttp().Get(url, headers, abort, &outcome.status, &outcome.body, &outcome.error);
    return outcome;
  }
};

TEST_F(HttpWine, TheStartupRequestsHeadersArriveWithExactNamesValuesAndOrder) {
  CurrentLanguage = L"ko";
  UpdateURL = Env(L"ORVANE_HTTP_MAIN");
  const HttpHeaders sent = StartupHeaders();
  std::wstring reply;
  ASSERT_TRUE(SendRequest(sent, reply));
  EXPECT_NE(reply.find(L"\"file_white\""), std::wstring::npos) << "the default reply";

  const std::vector<nlohmann::json> log = ReadLog(Env(L"ORVANE_HTTP_MAIN_LOG"));
  ASSERT_FALSE(log.empty());
  const nlohmann::json& last = log.back();
  EXPECT_EQ(last.at("method"), "GET");
  EXPECT_EQ(last.at("path"), "/api.init.php");
  Pairs expected;
  for (const HttpHeader& header : sent) expected.emplace_back(WideToUtf8(header.name), WideToUtf8(header.value));
  EXPECT_EQ(HeadersStartingWith(last, "User-"), expected);
  // This test program carries no version resource; the identifier is the prefix's own.
  EXPECT_EQ(expected[0].second, "0.0.0.0");
  EXPECT_TRUE(std::regex_match(expected[3].second, std::regex("[0-7][0-9A-F]{7}[0-9]{6}[0-9A-F]{4}[0-9]{6}[0-7][0-9A-F]{7}")))
      << expected[3].second;
}

TEST_F(HttpWine, AnEmptyValueStillSendsItsHeader) {
  const Outcome outcome = Get(Env(L"ORVANE_HTTP_MAIN"), {{L"User-A", L"1"}, {L"User-Empty", L""}, {L"User-Z", L"z"}});
  ASSERT_TRUE(outcome.ok) << outcome.error;
  const std::vector<nlohmann::json> log = ReadLog(Env(L"ORVANE_HTTP_MAIN_LOG"));
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(HeadersStartingWith(log.back(), "User-"),
            (Pairs{{"User-A", "1"}, {"User-Empty", ""}, {"User-Z", "z"}}));
}

TEST_F(HttpWine, TheHoldRequestCarriesTwoHeadersAndGetsAnEmptyAnswer) {
  UpdateURL = Env(L"ORVANE_HTTP_MAIN");
  SendHoldRequest();
  const std::vector<nlohmann::json> log = ReadLog(Env(L"ORVANE_HTTP_MAIN_LOG"));
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(HeadersStartingWith(log.back(), "User-"),
            (Pairs{{"User-Version", "0.0.0.0"}, {"User-Command", "hold"}}));
  const Outcome outcome = Get(Env(L"ORVANE_HTTP_MAIN"), HoldHeaders());
  ASSERT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.body, "");
}

TEST_F(HttpWine, EveryAnswerWithABodyIsAReplyWhateverItsStatusOrCharset) {
  struct Case {
    const wchar_t* server;
    DWORD status;
    std::wstring reply;
  };
  const Case cases[] = {
      {L"ORVANE_HTTP_NOTFOUND", 404, L"<html><body><h1>Not Found</h1></body></html>\n"},
      {L"ORVANE_HTTP_EMPTY", 200, L""},
      // Declared as ISO-8859-1, but the bytes are UTF-8 and are read as such.
      {L"ORVANE_HTTP_CHARSET", 200, L"{\"text\":\"\uc228\uae40 caf\u00e9\"}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.server));
    const Outcome outcome = Get(Env(c.server));
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(outcome.status, c.status);
    UpdateURL = Env(c.server);
    std::wstring reply = L"untouched";
    ASSERT_TRUE(SendRequest({}, reply));
    EXPECT_EQ(reply, c.reply);
  }
}

TEST_F(HttpWine, FailuresLeaveTheReplyUntouched) {
  struct Case {
    const wchar_t* server;
    DWORD error;
  };
  const Case cases[] = {
      // Nothing listens there: refused at once, not after a time-out.
      {L"ORVANE_HTTP_CLOSED", ERROR_WINHTTP_CANNOT_CONNECT},
      // 16 MiB and one byte, declared, and without a declared length.
      {L"ORVANE_HTTP_BIG", ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW},
      {L"ORVANE_HTTP_BIG_NOLENGTH", ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.server));
    const Outcome outcome = Get(Env(c.server));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, c.error);
    EXPECT_EQ(outcome.body, "untouched");
    UpdateURL = Env(c.server);
    std::wstring reply = L"untouched";
    EXPECT_FALSE(SendRequest({}, reply));
    EXPECT_EQ(reply, L"untouched");
  }
  // The cap itself still comes through.
  const Outcome atCap = Get(Env(L"ORVANE_HTTP_ATCAP"));
  ASSERT_TRUE(atCap.ok) << atCap.error;
  EXPECT_EQ(atCap.body.size(), kHttpBodyCap);
}

// A server that answers after 35 s is still heard: the request waits a minute for each
// step, where WinHTTP's own receive time-out would give up after 30 s. A server that
// trickles a byte a second satisfies every step's time-out, and only the attempt's
// overall limit ends it. Both run at once, so the test takes the limit's two minutes.
TEST_F(HttpWine, AnswersWithinTheTimeOutsArriveAndATrickleEndsAtTheAttemptsLimit) {
  Outcome late{};
  Outcome trickle{};
  ULONGLONG trickleTook = 0;
  std::thread lateRequest([&] { late = Get(Env(L"ORVANE_HTTP_LATE")); });
  std::thread trickleRequest([&] {
    const ULONGLONG started = ::GetTickCount64();
    trickle = Get(Env(L"ORVANE_HTTP_TRICKLE"));
    trickleTook = ::GetTickCount64() - started;
  });
  lateRequest.join();
  trickleRequest.join();
  EXPECT_TRUE(late.ok) << late.error;
  EXPECT_EQ(late.body.substr(0, 1), "{");
  EXPECT_FALSE(trickle.ok);
  EXPECT_EQ(trickle.error, ERROR_WINHTTP_TIMEOUT);
  EXPECT_EQ(trickle.body, "untouched");
  // Not a measurement: the failure must come from the limit, not from a step's time-out
  // or the end of the body (300 s away).
  EXPECT_GE(trickleTook, kHttpAttemptLimitMilliseconds - 1000);
  EXPECT_LT(trickleTook, kHttpAttemptLimitMilliseconds + 60'000);
}

// The request's headers carry the installation identity: a redirect to another host or
// to plain http is not followed, and that host never hears of the request.
TEST_F(HttpWine, RedirectsToAnotherHostOrToPlainHttpAreNotFollowed) {
  for (const wchar_t* server : {L"ORVANE_HTTP_AWAY", L"ORVANE_HTTP_PLAIN"}) {
    SCOPED_TRACE(WideToUtf8(server));
    const Outcome outcome = Get(Env(server), {{L"User-Union", L"ID"}});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_WINHTTP_REDIRECT_FAILED));
    EXPECT_EQ(outcome.body, "untouched");
  }
  EXPECT_TRUE(ReadLog(Env(L"ORVANE_HTTP_ELSEWHERE_LOG")).empty());
  // The server there does answer whoever asks it directly.
  EXPECT_TRUE(Get(Env(L"ORVANE_HTTP_ELSEWHERE")).ok);
  EXPECT_EQ(ReadLog(Env(L"ORVANE_HTTP_ELSEWHERE_LOG")).size(), 1u);
}

TEST_F(HttpWine, AnAbortEndsARequestTheServerHasNotAnswered) {
  // The server waits a minute before it answers; the request must not.
  HttpAbort abort;
  Outcome outcome{};
  std::thread request([&] { outcome = Get(Env(L"ORVANE_HTTP_SLOW"), {}, &abort); });
  const std::wstring log = Env(L"ORVANE_HTTP_SLOW_LOG");
  // Bounded on the steady clock, not by a count of sleeps whose length the timer decides.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (ReadLog(log).empty() && std::chrono::steady_clock::now() < deadline) ::Sleep(10);
  ASSERT_FALSE(ReadLog(log).empty()) << "the request never reached the server";
  abort.Abort();
  request.join();
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.error, ERROR_WINHTTP_OPERATION_CANCELLED);
  // An aborted token fails the next request at once.
  const Outcome again = Get(Env(L"ORVANE_HTTP_MAIN"), {}, &abort);
  EXPECT_FALSE(again.ok);
  EXPECT_EQ(again.error, ERROR_WINHTTP_OPERATION_CANCELLED);
}

TEST_F(HttpWine, TheCheckDeliversTheServersReplyToTheCallback) {
  const auto received = RunUpdateCheckToEnd(Env(L"ORVANE_HTTP_NOTFOUND"));
  ASSERT_EQ(received.size(), 1u);
  EXPECT_FALSE(received[0].first);
  EXPECT_EQ(received[0].second, L"<html><body><h1>Not Found</h1></body></html>\n");
}

}  // namespace
