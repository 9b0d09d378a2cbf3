// A server reply of any bytes: either no JSON value, or one whose arrays add rows; no
// exception ever leaves the parser or AddJsonArray.
#include <cstdlib>
#include <string_view>

#include "Lib/Common.h"
#include "platform/fake/FakePlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform fake;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = ParseJsonText(text);
  if (!value) return 0;
  FilterList list;
  for (const wchar_t* name : {L"file_white", L"name_white", L"name_black", L"", L"x"}) {
    const size_t before = list.Count();
    AddJsonArray(list, *value, name);
    if (list.Count() < before) std::abort();
  }
  if (!value->is_object() && list.Count() != 0) std::abort();
  return 0;
}
