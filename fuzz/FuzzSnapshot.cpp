// A snapshot file of any bytes: either refused with a reason, or entries that compare with
// a catalogue and print in both formats; nothing throws, and the diff's JSON is JSON. No
// platform call is made on the way. (That a catalogue survives its own listing is the
// round-trip target's property.)
#include <cstdlib>
#include <string_view>

#include "Lib/CatalogueDiff.h"
#include "Lib/JsonText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string reason;
  const auto entries = ParseSnapshot(bytes, reason);
  if (!entries) {
    if (reason.empty()) std::abort();
    return 0;
  }
  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
  return 0;
}
