// From a reply to a filled list: a reply whose "name_white" and "file_white" arrays hold
// many short rows, all different (the worst case for building a sorted list), is parsed,
// its rows merged into the white lists and the list's rows built from a catalogue of 200
// entries, as the main window does when the reply arrives. Each list takes at most
// kReplyRowLimit rows, merged by one sort, and matching prepares them once.
#include <benchmark/benchmark.h>

#include <string>

#include "Lib/Common.h"
#include "Tavin/Path.h"
#include "platform/Utf8.h"
#include "platform/fake/FakePlatform.h"
#include "Lib/AutorunRows.h"

namespace {

// Rows of one to four letters and digits, all different.
constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

std::string ReplyOfRows(int count) {
  std::string rows = "[";
  for (int i = 0; i < count; ++i) {
    if (i > 0) rows += ',';
    rows += '"';
    int n = i;
    do {
      rows += kAlphabet[n % 62];
      n /= 62;
    } while (n > 0);
    rows += '"';
  }
  rows += ']';
  return "{\"name_white\":" + rows + ",\"file_white\":" + rows + "}";
}

TAutorunList Catalogue() {
  TAutorunList catalogue;
  for (int i = 0; i < 200; ++i) {
    TAutorunInfo entry;
    const std::wstring n = std::to_wstring(i);
    entry.From = i % 2 ? L"SERV" : L"HKCU";
    entry.Target = i % 2 ? L"Service" + n : L"HKEY_CURRENT_USER\\Run\\Value " + n;
    entry.FileName = L"C:\\Program Files\\Vendor " + n + L"\\app.exe";
    entry.Caption = L"Entry " + n;
    entry.Enabled = true;
    catalogue.push_back(entry);
  }
  return catalogue;
}

void BM_ReplyToFilledList(benchmark::State& state) {
  FakePlatform fake;
  InitializeFolderVariables();
  const std::wstring reply = Utf8ToWide(ReplyOfRows(static_cast<int>(state.range(0))));
  const TAutorunList catalogue = Catalogue();
  for (auto _ : state) {
    FilterList fileWhite, nameWhite;
    LoadTextResource(fileWhite, L"FILE_WHITE");
    LoadTextResource(nameWhite, L"NAME_WHITE");
    if (const auto value = ParseJsonText(WideToUtf8(reply)); value && value->is_object()) {
      AddJsonArray(fileWhite, *value, L"file_white");
      AddJsonArray(nameWhite, *value, L"name_white");
    }
    TAutorunRows rows;
    rows.Merge(catalogue, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, true});
    benchmark::DoNotOptimize(rows.Count());
  }
  state.counters["reply_MiB"] = static_cast<double>(WideToUtf8(reply).size()) / (1024.0 * 1024.0);
}

}  // namespace

BENCHMARK(BM_ReplyToFilledList)->Arg(1000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
