// Any reply the server (or whoever answers in its place) sends must go through the
// extractor and the unescaper without fault: values are stretches of the reply, the
// unescaped text never grows, and a bad escape is a ConvertError, nothing worse.
#include <cstdlib>
#include <string>
#include <string_view>

#include "Tavin/Update.h"
#include "Tavin/UpdateReply.h"
#include "platform/Utf8.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::wstring Unescaped(const std::wstring& value) {
  try {
    const std::wstring text = UnescapeText(value);
    Check(text.size() <= value.size());
    return text;
  } catch (const ConvertError&) {
    return {};
  }
}

void Extract(const std::wstring& text, const std::wstring& key, const std::wstring& end) {
  const std::wstring value = ExtractBetween(text, key, end);
  Check(value.size() <= text.size());
  if (!value.empty()) Check(text.find(value) != std::wstring::npos);
  (void)IsWebLink(Unescaped(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The reply as the request side reads it: the body decoded as UTF-8.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring reply = Utf8ToWide(bytes);
  for (const wchar_t* key : {L"\"update\":\"", L"\"notify\":\""}) Extract(reply, key, L"\"");
  try {
    const TUpdateNotice notice = ReadNotice(reply);
    (void)notice.StaysOnTop();
  } catch (const ConvertError&) {
  }

  // And with a key and a delimiter of the input's own choosing: text, key and delimiter
  // are separated by the byte 0x01.
  const size_t first = bytes.find('\x01');
  const size_t second = first == std::string::npos ? std::string::npos : bytes.find('\x01', first + 1);
  if (second != std::string::npos) {
    Extract(Utf8ToWide(std::string_view(bytes).substr(0, first)),
            Utf8ToWide(std::string_view(bytes).substr(first + 1, second - first - 1)),
            Utf8ToWide(std::string_view(bytes).substr(second + 1)));
  }
  return 0;
}
