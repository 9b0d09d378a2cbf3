// A server reply of any bytes: either no JSON value, or one no deeper than
// kJsonDepthLimit whose arrays add rows; no exception ever leaves the parser or
// AddJsonArray.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "Lib/Common.h"
#include "platform/fake/FakePlatform.h"

namespace {

// Recursion is safe here: a parsed value is never deeper than the limit.
size_t Depth(const nlohmann::json& value) {
  if (!value.is_structured()) return 0;
  size_t deepest = 0;
  for (const nlohmann::json& element : value) deepest = std::max(deepest, Depth(element));
  return deepest + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform fake;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = ParseJsonText(text);
  if (!value) return 0;
  if (Depth(*value) > kJsonDepthLimit) std::abort();
  FilterList list;
  for (const wchar_t* name : {L"file_white", L"name_white", L"name_black", L"", L"x"}) {
    const size_t before = list.Count();
    AddJsonArray(list, *value, name);
    if (list.Count() < before) std::abort();
  }
  if (!value->is_object() && list.Count() != 0) std::abort();
  return 0;
}
