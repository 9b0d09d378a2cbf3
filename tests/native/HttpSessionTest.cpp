// How a WinHTTP session is set up before its request: the TLS versions it offers, given
// what the system accepts.
#include <gtest/gtest.h>

#include <vector>

#include "platform/SecureProtocols.h"

namespace {

// Windows 7 SP1 and 8.0 refuse the TLS 1.2 flag without their later update, and systems
// before the newest refuse TLS 1.3; a refused set is no reason to give up on the next,
// and a system that takes none keeps its defaults.
TEST(SecureProtocolsTest, TheBestSetTheSystemTakesIsOffered) {
  constexpr DWORD k11 = kSecureProtocolTls1_1, k12 = kSecureProtocolTls1_2, k13 = kSecureProtocolTls1_3;
  struct Case {
    const char* system;
    DWORD known;  // the versions the system accepts
    DWORD offered;
    std::vector<DWORD> tried;
  };
  const Case cases[] = {
      {"TLS 1.3 known", k11 | k12 | k13, k12 | k13, {k12 | k13}},
      {"TLS 1.2 the newest", k11 | k12, k12, {k12 | k13, k12}},
      {"TLS 1.1 the newest", k11, k11, {k12 | k13, k12, k11}},
      {"nothing beyond TLS 1.0", 0, 0, {k12 | k13, k12, k11}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.system);
    std::vector<DWORD> tried;
    const DWORD offered = OfferSecureProtocols([&](DWORD protocols) {
      tried.push_back(protocols);
      return (protocols & ~c.known) == 0;
    });
    EXPECT_EQ(offered, c.offered);
    EXPECT_EQ(tried, c.tried);
  }
}

}  // namespace
