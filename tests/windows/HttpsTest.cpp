// WinHTTP over https against orvane-server, as a build to hand out talks: a certificate
// from an authority the system trusts, for the host asked for, within its dates, or no
// request at all. tests/windows/https-servers.sh makes the test authority, starts the
// servers and runs this in a mount namespace whose certificate bundle trusts it (Wine's
// crypt32 reads the host's bundle and nothing else; on Windows the authority would be in
// the Root store). Wine's WinHTTP checks the authority, the host name and the dates as
// Windows does.
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "Tavin/Dispatcher.h"
#include "Tavin/Update.h"
#include "Tavin/UpdateCheck.h"
#include "WineTest.h"
#include "platform/Utf8.h"
#include "platform/fake/FakeProcess.h"
#include "tests/support/UpdateDoubles.h"

namespace {

std::wstring Env(const wchar_t* name) {
  wchar_t value[2048];
  const DWORD length = ::GetEnvironmentVariableW(name, value, 2048);
  return length > 0 && length < 2048 ? std::wstring(value, length) : std::wstring();
}

std::wstring Env(const std::string& name) { return Env(Utf8ToWide(name).c_str()); }

// How many requests the server's log holds: one line each.
size_t Logged(const std::string& server) {
  size_t lines = 0;
  std::ifstream log{std::filesystem::path(Env("ORVANE_HTTPS_" + server + "_LOG"))};
  for (std::string line; std::getline(log, line);)
    if (!line.empty()) ++lines;
  return lines;
}

// Windows reports a refused certificate of an asynchronous request as
// ERROR_WINHTTP_SECURE_FAILURE (the reason in WINHTTP_CALLBACK_STATUS_SECURE_FAILURE);
// Wine 8 ends the handshake with ERROR_WINHTTP_SECURE_CHANNEL_ERROR for each of the
// three certificates here. Either is a certificate failure; that it is the certificate
// and nothing else shows in the same server set up with the trusted one succeeding.
bool IsCertificateFailure(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
      return true;
    default:
      return false;
  }
}

class HttpsWine : public WineTest {
 protected:
  void SetUp() override {
    if (Env(L"ORVANE_HTTPS_MAIN").empty())
      GTEST_FAIL() << "ORVANE_HTTPS_MAIN is not set: run through tests/windows/https-servers.sh, "
                      "which makes the test authority and starts the servers (ctest -R wine.https)";
  }

  struct Outcome {
    BOOL ok;
    DWORD status;
    std::string body;
    DWORD error;
  };
  static Outcome Get(const std::string& server) {
    Outcome outcome{FALSE, 0xFFFF, "untouched", 0};
    outcome.ok = PlatformHttp().Get(Env("ORVANE_HTTPS_" + server), {{L"User-Union", L"ID"}}, nullptr,
                                    &outcome.status, &outcome.body, &outcome.error);
    return outcome;
  }
};

TEST_F(HttpsWine, ARequestToACertificateFromTheTrustedAuthoritySucceeds) {
  const Outcome outcome = Get("MAIN");
  ASSERT_TRUE(outcome.ok) << "error " << outcome.error;
  EXPECT_EQ(outcome.status, 200u);
  EXPECT_NE(outcome.body.find("file_white"), std::string::npos);
  EXPECT_EQ(Logged("MAIN"), 1u);
}

// Each fails before a request is sent: the server never reads one, and the client gets
// nothing of what it would have answered.
TEST_F(HttpsWine, AnotherHostsExpiredOrUntrustedCertificateFailsTheRequest) {
  for (const char* server : {"OTHERHOST", "EXPIRED", "UNTRUSTED"}) {
    SCOPED_TRACE(server);
    const Outcome outcome = Get(server);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(IsCertificateFailure(outcome.error)) << "error " << outcome.error;
    EXPECT_EQ(outcome.body, "untouched");
    EXPECT_EQ(Logged(server), 0u);
  }
}

// A certificate failure is a failed attempt like any other: retried after each pause
// (instant here), and after the sixth the reply step still runs with an empty reply, so
// the list is filled, with nothing from that server.
TEST_F(HttpsWine, ACertificateFailureIsRetriedAndTheReplyStepStillRuns) {
  FakeProcess instantPauses;
  Platform services = CurrentPlatform();
  services.process = &instantPauses;
  ScopedPlatform withInstantPauses(services);
  const auto received = RunUpdateCheckToEnd(Env(L"ORVANE_HTTPS_EXPIRED"));
  ASSERT_EQ(received.size(), 1u);
  EXPECT_FALSE(received[0].first);
  EXPECT_EQ(received[0].second, L"");
  EXPECT_EQ(instantPauses.PauseCalls(), static_cast<std::uint64_t>(kUpdateAttempts));
  EXPECT_EQ(Logged("EXPIRED"), 0u);
}

// Redirects on the same host over https are followed up to five in a row, each with the
// request's own headers; the sixth is refused.
TEST_F(HttpsWine, SameHostRedirectsAreFollowedAndTheSixthInARowIsRefused) {
  const Outcome five = Get("HOPS5");
  ASSERT_TRUE(five.ok) << "error " << five.error;
  EXPECT_EQ(five.status, 200u);
  EXPECT_NE(five.body.find("file_white"), std::string::npos);
  EXPECT_EQ(Logged("HOPS5"), 6u);

  const Outcome six = Get("HOPS6");
  EXPECT_FALSE(six.ok);
  EXPECT_EQ(six.error, static_cast<DWORD>(ERROR_WINHTTP_REDIRECT_FAILED));
  EXPECT_EQ(six.body, "untouched");
  EXPECT_EQ(Logged("HOPS6"), 6u) << "the sixth redirect's target is never asked";
}

TEST_F(HttpsWine, RedirectsToAnotherHostOrToHttpAreRefusedUnheard) {
  for (const char* server : {"AWAY", "TOPLAIN"}) {
    SCOPED_TRACE(server);
    const Outcome outcome = Get(server);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_WINHTTP_REDIRECT_FAILED));
  }
  EXPECT_EQ(Logged("ELSEWHERE"), 0u);
  EXPECT_EQ(Logged("PLAINSIDE"), 0u);
}

}  // namespace
