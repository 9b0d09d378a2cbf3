// MatchesList against the full built-in lists, for 10,000 names per iteration: the work
// of hiding entries while the list view fills, with the fake locale's comparison.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Lib/Common.h"
#include "Tavin/Path.h"
#include "platform/fake/FakePlatform.h"

namespace {

constexpr int kNames = 10000;

std::vector<std::wstring> ServiceNames() {
  // Mostly names no row matches, some that a row matches, a few long ones.
  static const wchar_t* const kStems[] = {L"cbdhsvc_", L"Dhcp", L"AcmeUpdater", L"WSearch",
                                          L"SomeVendorService", L"edgeupdatem", L"Zeta"};
  std::vector<std::wstring> names;
  for (int i = 0; i < kNames; ++i) names.push_back(kStems[i % 7] + std::to_wstring(i));
  return names;
}

std::vector<std::wstring> FilePaths() {
  static const wchar_t* const kPaths[] = {L"C:\\Program Files\\Vendor\\app.exe",
                                          L"C:\\Windows\\System32\\svchost.exe",
                                          L"C:\\Users\\u\\AppData\\Local\\Discord\\Discord.exe",
                                          L"C:\\Windows\\System32\\ctfmon.exe",
                                          L"C:\\Users\\u\\Start Menu\\Programs\\Startup\\Tool.lnk"};
  std::vector<std::wstring> paths;
  for (int i = 0; i < kNames; ++i) paths.push_back(kPaths[i % 5] + std::wstring(i % 3, L' '));
  return paths;
}

void BM_MatchesListNameWhite(benchmark::State& state) {
  FakePlatform fake;
  InitializeFolderVariables();
  FilterList list;
  LoadTextResource(list, L"NAME_WHITE");
  const std::vector<std::wstring> names = ServiceNames();
  for (auto _ : state) {
    int hits = 0;
    for (const std::wstring& name : names) hits += MatchesList(list, name, false);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * kNames);
}

void BM_MatchesListFileWhite(benchmark::State& state) {
  FakePlatform fake;
  InitializeFolderVariables();
  FilterList list;
  LoadTextResource(list, L"FILE_WHITE");
  const std::vector<std::wstring> paths = FilePaths();
  for (auto _ : state) {
    int hits = 0;
    for (const std::wstring& path : paths) hits += MatchesList(list, path, true);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * kNames);
}

}  // namespace

BENCHMARK(BM_MatchesListNameWhite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchesListFileWhite)->Unit(benchmark::kMillisecond);
