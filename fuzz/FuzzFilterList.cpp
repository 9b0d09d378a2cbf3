// A filter-list resource of any bytes must load into a sorted list without duplicates,
// and matching any text against it, in either mode, must end with an answer.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "Lib/Common.h"
#include "Tavin/Path.h"
#include "Tavin/Resources.h"
#include "fuzz/FuzzInput.h"
#include "platform/fake/FakePlatform.h"

// Layout: byte 0 the length of the text to match (UTF-16LE), that text, then the resource.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const size_t textBytes = std::min<size_t>(data[0], size - 1);
  const std::wstring text = FuzzText(data + 1, textBytes);
  const std::string resource(reinterpret_cast<const char*>(data + 1 + textBytes), size - 1 - textBytes);

  // Made once: setting up every fake (the program's own resources among them) for each
  // input cost more than the loading and matching. Each input replaces the resource.
  static FakePlatform& fake = []() -> FakePlatform& {
    auto* platform = new FakePlatform;
    InitializeFolderVariables();
    return *platform;
  }();
  fake.resources.SetResource(RT_RCDATA, L"LIST", resource);
  FilterList list;
  LoadTextResource(list, L"list");
  if (list.Count() > SplitTextLines(resource).size()) std::abort();
  for (const std::wstring& row : list.Rows())
    if (!list.Contains(row)) std::abort();

  (void)MatchesList(list, text, false);
  (void)MatchesList(list, text, true);
  // A row matches itself in name mode, unless trimming or expansion changes it. (The
  // first rows only: every row against every row would make each run quadratic.)
  for (size_t i = 0; i < std::min<size_t>(list.Count(), 16); ++i) {
    const std::wstring& row = list.Rows()[i];
    (void)MatchesList(list, row, true);
    if (!row.empty() && row[0] > L' ' && row.back() > L' ' && row[0] != L'%' &&
        row.compare(0, 2, L"//") != 0 && !MatchesList(list, row, false))
      std::abort();
  }
  return 0;
}
