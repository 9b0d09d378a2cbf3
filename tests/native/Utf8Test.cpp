// UTF-8 and UTF-16LE conversions, the one place wchar_t's width matters.
#include <gtest/gtest.h>

#include "platform/Utf8.h"
#include "tests/support/Bytes.h"

namespace {

TEST(Utf8Test, RoundTripsEveryPlane) {
  const std::wstring text = L"a\u00e9\u0416\ud55c\u6f22\u0627" + std::wstring(1, static_cast<wchar_t>(0)) +
                            (sizeof(wchar_t) == 4 ? std::wstring(1, static_cast<wchar_t>(0x1F600))
                                                  : std::wstring(L"\xD83D\xDE00"));
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(L"\u00e9\ud55c"), "\xC3\xA9\xED\x95\x9C");
  const std::string bytes = WideToUtf16LeBytes(text);
  EXPECT_EQ(bytes.size(), 2 * 7 + 4);
  EXPECT_EQ(Utf16LeBytesToWide(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()),
            text);
}

TEST(Utf8Test, BadInputBecomesReplacementCharactersNeverAnError) {
  const std::wstring replacement(1, static_cast<wchar_t>(0xFFFD));
  struct Case {
    std::string bytes;
    std::wstring text;
  };
  const Case cases[] = {
      {"\xFF", replacement},
      {"a\xC3", L"a" + replacement},                // truncated sequence at the end
      {"\xC3(", replacement + L"("},                // broken continuation
      {"\xC0\xAF", replacement},                    // overlong slash
      {"\xED\xA0\x80", replacement},                // an encoded surrogate
      {"\xF4\x90\x80\x80", replacement},            // above U+10FFFF
      {"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToWide(c.bytes), c.text);

  // A lone surrogate and an odd trailing byte in registry data.
  const std::vector<BYTE> lone = Bytes({0x3D, 0xD8, 'a', 0, 'b'});
  const std::wstring decoded = Utf16LeBytesToWide(lone.data(), lone.size());
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[1], L'a');
  if (sizeof(wchar_t) == 4) {
    EXPECT_EQ(decoded[0], static_cast<wchar_t>(0xFFFD));
  }
}

}  // namespace
