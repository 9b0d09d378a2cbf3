// The request side: the installation identifier in the registry, the own version, the
// two header lists, one request, and which links may reach the shell.
#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <regex>

#include "Tavin/Random.h"
#include "Tavin/Text.h"
#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScopedSettings.h"
#include "tests/support/UpdateDoubles.h"

namespace {

SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME time = {};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  return time;
}

std::wstring Hex(std::uint32_t value, int digits) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%0*X", digits, value);
  return text;
}

class UpdateRequestTest : public ::testing::Test {
 protected:
  UpdateRequestTest() {
    versions.file = kFakeExePath;
    versions.versionMs = 0x00010000;  // 1.0
    versions.versionLs = 0x00070000;  // .7.0
    CurrentLanguage = L"ko";
    UpdateURL = L"http://127.0.0.1:9/api.init.php";
  }
  ~UpdateRequestTest() override {
    EXPECT_EQ(fake.registry.OpenHandleCount(), 0u) << "a registry key was left open";
  }

  static Platform WithVersions(IVersionInfo* versions) {
    Platform platform = CurrentPlatform();
    platform.versions = versions;
    return platform;
  }

  ScopedSettings settings_;
  FakePlatform fake;
  FixedVersionDouble versions;
  ScopedPlatform withVersions_{WithVersions(&versions)};
};

TEST_F(UpdateRequestTest, CreateInstallIdFollowsTheLayoutAndReadsTheClockTwice) {
  // Across midnight between the two reads: the date comes from the first, the time from
  // the second.
  fake.system.SetLocalTimes({Local(2024, 12, 31, 23, 59, 59), Local(2025, 1, 1, 0, 0, 0)});
  SetRandomSeed(12345);
  const std::uint32_t first = RandomBelow(2147483647u);
  const std::uint32_t middle = RandomBelow(65535u);
  const std::uint32_t last = RandomBelow(2147483647u);
  SetRandomSeed(12345);
  EXPECT_EQ(CreateInstallId(),
            Hex(first, 8) + L"241231" + Hex(middle, 4) + L"000000" + Hex(last, 8));
}

TEST_F(UpdateRequestTest, InstallIdDigitsStayInTheirRangesForAnySeed) {
  const std::wregex layout(L"[0-7][0-9A-F]{7}[0-9]{6}[0-9A-F]{4}[0-9]{6}[0-7][0-9A-F]{7}");
  for (std::uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0xDEADBEEFu}) {
    SetRandomSeed(seed);
    const std::wstring id = CreateInstallId();
    ASSERT_EQ(id.size(), 32u);
    EXPECT_TRUE(std::regex_match(id, layout)) << WideToUtf8Debug(id);
    EXPECT_NE(id.substr(0, 8), L"7FFFFFFF");
    EXPECT_NE(id.substr(14, 4), L"FFFF");
  }
}

TEST_F(UpdateRequestTest, GetInstallIdCreatesTheValueOnceAndThenOnlyReadsIt) {
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, kInstallIdKey));
  const std::wstring id = GetInstallId();
  ASSERT_EQ(id.size(), 32u);
  const auto stored = fake.registry.GetValue(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->type, REG_SZ);
  EXPECT_EQ(stored->bytes, RegSz(id)) << "stored with its terminator, as Windows stores a string";

  // A later run, with other random numbers, finds and sends the same identifier.
  SetRandomSeed(999);
  EXPECT_EQ(GetInstallId(), id);
  EXPECT_EQ(fake.registry.faults.Calls("RegSetValueExW"), 1);
}

TEST_F(UpdateRequestTest, GetInstallIdOpensTheKeyForReadAndWriteCreatingIt) {
  (void)GetInstallId();
  const std::vector<RegCall> log = fake.registry.CallLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front().function, "RegCreateKeyExW");
  EXPECT_EQ(log.front().root, HKEY_CURRENT_USER);
  EXPECT_EQ(log.front().path, L"Software\\Tavikora");
  EXPECT_EQ(log.front().sam & (KEY_READ | KEY_WRITE), KEY_READ | KEY_WRITE);
}

TEST_F(UpdateRequestTest, AnExistingIdentifierIsNeverReplaced) {
  fake.registry.SetString(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue, L"made-elsewhere");
  EXPECT_EQ(GetInstallId(), L"made-elsewhere");
  EXPECT_EQ(fake.registry.faults.Calls("RegSetValueExW"), 0);
}

TEST_F(UpdateRequestTest, AnIdentifierOfAnotherTypeIsSentEmptyAndLeftAlone) {
  fake.registry.SetDword(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue, 42);
  const auto before = fake.registry.GetValue(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue);

  std::wstring reply;
  fake.http.Script(FakeHttpResponse::Ok("{}"));
  ASSERT_TRUE(SendRequest(StartupHeaders(), reply));
  const HttpHeaders sent = fake.http.Calls().at(0).headers;
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[3], (HttpHeader{L"User-Union", L""})) << "the header is still sent, empty";
  EXPECT_EQ(fake.registry.GetValue(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue), before);
}

// Anyone who can write HKCU can put line breaks into the identifier, and the identifier
// becomes a header line: a value that cannot stand in one is sent empty and kept.
TEST_F(UpdateRequestTest, AnIdentifierWithControlCharactersIsSentEmptyAndLeftAlone) {
  struct Case {
    std::wstring stored;
    std::wstring sent;
  };
  const Case cases[] = {
      {L"ABC\r\nX-Injected: 1", L""},
      {L"ABC\nDEF", L""},
      {L"tab\there", L""},
      {L"del\x7F", L""},
      {L"\x1B[31m", L""},
      {L"0123456789ABCDEF0123456789ABCDEF", L"0123456789ABCDEF0123456789ABCDEF"},
      {L"made elsewhere, ünïcödé", L"made elsewhere, ünïcödé"},
  };
  for (const Case& c : cases) {
    fake.registry.SetString(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue, c.stored);
    const auto before = fake.registry.GetValue(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue);
    fake.registry.faults.ResetCalls();
    EXPECT_EQ(GetInstallId(), c.sent) << WideToUtf8Debug(c.stored);
    EXPECT_EQ(fake.registry.faults.Calls("RegSetValueExW"), 0) << WideToUtf8Debug(c.stored);
    EXPECT_EQ(fake.registry.GetValue(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue), before);
  }
}

TEST_F(UpdateRequestTest, AKeyThatCannotBeOpenedGivesAnEmptyIdentifierAndWritesNothing) {
  fake.registry.faults.Fail("RegCreateKeyExW", ERROR_ACCESS_DENIED);
  EXPECT_EQ(GetInstallId(), L"");
  EXPECT_FALSE(fake.registry.HasKey(HKEY_CURRENT_USER, kInstallIdKey));
}

TEST_F(UpdateRequestTest, TheStartupAndHoldHeadersInTheirOrder) {
  SetRandomSeed(7);
  const std::wstring id = GetInstallId();
  EXPECT_EQ(StartupHeaders(), (HttpHeaders{{L"User-Version", L"1.0.7.0"},
                                           {L"User-Language", L"ko"},
                                           {L"User-Debug", L"false"},
                                           {L"User-Union", id}}));
  EXPECT_EQ(HoldHeaders(), (HttpHeaders{{L"User-Version", L"1.0.7.0"}, {L"User-Command", L"hold"}}));

  SendHoldRequest();
  ASSERT_EQ(fake.http.Calls().size(), 1u);
  EXPECT_EQ(fake.http.Calls()[0].url, L"http://127.0.0.1:9/api.init.php");
  EXPECT_EQ(fake.http.Calls()[0].headers, HoldHeaders());
}

TEST_F(UpdateRequestTest, GetAppVersionFormatsTheOwnExecutablesFixedVersion) {
  versions.versionMs = 0x00020003;
  versions.versionLs = 0x0004FFFF;
  EXPECT_EQ(GetAppVersion(L"%d.%d.%d.%d"), L"2.3.4.65535");
  EXPECT_EQ(GetAppVersion(L"v%d.%d"), L"v2.3");
  // The pattern is never a printf format: other directives stay as they are.
  EXPECT_EQ(GetAppVersion(L"%s %n %d%% %d.%d.%d.%d"), L"%s %n 2% 3.4.65535.%d");
  EXPECT_EQ(versions.asked.back(), kFakeExePath);
}

TEST_F(UpdateRequestTest, GetAppVersionIsZeroWithoutAReadableVersion) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
  };
  const Case cases[] = {
      {"no version resource", [this] { versions.present = false; }},
      {"no fixed information", [this] { versions.fixedLength = 0; }},
      {"fixed information cut short", [this] { versions.fixedLength = 12; }},
      {"own path unknown",
       [this] { fake.process.faults.Fail("GetModuleFileNameW", ERROR_ACCESS_DENIED, 0, 1); }},
  };
  for (const Case& c : cases) {
    versions.present = true;
    versions.fixedLength = 13 * sizeof(DWORD);
    c.arrange();
    EXPECT_EQ(GetAppVersion(L"%d.%d.%d.%d"), L"0.0.0.0") << c.what;
  }
}

TEST_F(UpdateRequestTest, GetAppVersionFindsAnExecutableBeyondMaxPath) {
  const std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\orvane.exe";
  fake.process.SetExePath(deep);
  versions.file = deep;
  EXPECT_EQ(GetAppVersion(L"%d.%d.%d.%d"), L"1.0.7.0");
}

TEST_F(UpdateRequestTest, SendRequestDecodesTheBodyAsUtf8AndLeavesTheReplyOnFailure) {
  fake.http.Script(FakeHttpResponse::Ok("<html>\xEC\x97\x86\xEC\x9D\x8C</html>", 404));
  std::wstring reply = L"before";
  ASSERT_TRUE(SendRequest({}, reply)) << "an error page is a reply";
  EXPECT_EQ(reply, L"<html>\uc5c6\uc74c</html>");

  fake.http.Script(FakeHttpResponse::Ok(""));
  ASSERT_TRUE(SendRequest({}, reply));
  EXPECT_EQ(reply, L"");

  reply = L"kept";
  fake.http.Script(FakeHttpResponse::Fail(ERROR_WINHTTP_CANNOT_CONNECT));
  EXPECT_FALSE(SendRequest({}, reply));
  fake.http.Script(FakeHttpResponse::Ok(std::string(kHttpBodyCap + 1, 'x')));
  EXPECT_FALSE(SendRequest({}, reply)) << "a body over the cap is a failure";
  EXPECT_EQ(reply, L"kept");

  fake.http.Script(FakeHttpResponse::Ok(std::string(kHttpBodyCap, 'x')));
  EXPECT_TRUE(SendRequest({}, reply)) << "the cap itself is allowed";
}

TEST_F(UpdateRequestTest, OnlyWebLinksReachTheShell) {
  struct Case {
    const wchar_t* link;
    bool opened;
  };
  const Case cases[] = {
      {L"https://example.test/download/orvane.exe", true},
      {L"http://127.0.0.1:8431/orvane", true},
      {L"HTTPS://EXAMPLE.TEST/", true},
      {L"https://example.test?x=1&y=%20", true},
      {L"https://\uc608\uc2dc.test/", true},
      {L"", false},
      {L"C:\\Windows\\System32\\calc.exe", false},
      {L"calc", false},
      {L"file:///C:/Windows/System32/calc.exe", false},
      {L"\\\\server\\share\\setup.exe", false},
      {L"ms-settings:", false},
      {L"javascript:alert(1)", false},
      {L"ftp://example.test/", false},
      {L"http:/example.test/", false},
      {L"http://", false},
      {L"https:///path", false},
      {L"http://:80/", false},
      {L" https://example.test/", false},
      {L"https://example.test/ -new-window", false},
      {L"https://example.test/\" --gpu-launcher=\"calc", false},
      {L"https://example.test/\tx", false},
      {L"https://example.test\\..\\x", false},
  };
  for (const Case& c : cases) {
    // The http links are left to the builds that take them (the next test).
    if (kWebLinks == TWebLinks::HttpsOnly && StartsTextAscii(L"http://", c.link)) continue;
    fake.shell.executed.clear();
    EXPECT_EQ(OpenLink(c.link), c.opened) << WideToUtf8Debug(c.link);
    if (c.opened) {
      ASSERT_EQ(fake.shell.executed.size(), 1u) << WideToUtf8Debug(c.link);
      EXPECT_EQ(fake.shell.executed[0].verb, L"open");
      EXPECT_EQ(fake.shell.executed[0].file, c.link);
      EXPECT_EQ(fake.shell.executed[0].showCommand, SW_SHOWNORMAL);
    } else {
      EXPECT_TRUE(fake.shell.executed.empty()) << WideToUtf8Debug(c.link);
    }
  }
}

// A build to hand out talks https alone, and so offers and opens only https links from
// a reply; other builds take http too, which the stand-in server on this machine speaks.
TEST_F(UpdateRequestTest, AReleaseBuildTakesHttpsLinksAlone) {
  struct Case {
    const wchar_t* link;
    bool httpsOnly, httpOrHttps;
  };
  const Case cases[] = {
      {L"https://example.test/u", true, true},
      {L"HTTPS://EXAMPLE.TEST/", true, true},
      {L"http://example.test/u", false, true},
      {L"HTTP://127.0.0.1:8431/", false, true},
      {L"https:/example.test/", false, false},
      {L"httpss://example.test/", false, false},
      {L"https://", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWebLink(c.link, TWebLinks::HttpsOnly), c.httpsOnly) << WideToUtf8Debug(c.link);
    EXPECT_EQ(IsWebLink(c.link, TWebLinks::HttpOrHttps), c.httpOrHttps) << WideToUtf8Debug(c.link);
    EXPECT_EQ(IsWebLink(c.link), kWebLinks == TWebLinks::HttpsOnly ? c.httpsOnly : c.httpOrHttps);
  }
}

}  // namespace

#include "ServerAddresses.h"

namespace {

TEST(ServerAddressesTest, TheBuiltInAddressesAreWebLinksWithTheFixedPaths) {
  EXPECT_EQ(std::wstring(kInitUrl), std::wstring(kInitServer) + L"/api.init.php");
  for (const std::wstring& link : {std::wstring(kInitUrl), kLookupServer + std::wstring(kLookupPath),
                                   kLinkServer + std::wstring(kLinkPath)})
    EXPECT_TRUE(IsWebLink(link)) << WideToUtf8Debug(link);
}

}  // namespace
