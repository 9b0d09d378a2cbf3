// One refresh of the list's rows at growing catalogue sizes: rows are found through an
// index, so the cost must grow in proportion to the entries.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "platform/fake/FakePlatform.h"
#include "Lib/AutorunRows.h"

namespace {

TAutorunList Catalogue(int count) {
  TAutorunList catalogue;
  for (int i = 0; i < count; ++i) {
    TAutorunInfo entry;
    const std::wstring n = std::to_wstring(i);
    entry.From = i % 2 ? L"SERV" : L"SCHE";
    entry.Target = i % 2 ? L"Service" + n : L"\\Task " + n;
    entry.Caption = L"Entry " + n;
    entry.Enabled = i % 3 != 0;
    catalogue.push_back(entry);
  }
  return catalogue;
}

// A refresh over rows that already exist: every entry finds its row.
void BM_MergeExistingRows(benchmark::State& state) {
  FakePlatform fake;
  FilterList fileWhite, nameWhite;
  const TAutorunList catalogue = Catalogue(static_cast<int>(state.range(0)));
  TAutorunRows rows;
  rows.Merge(catalogue, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, true});
  for (auto _ : state) {
    rows.Merge(catalogue, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, true});
    benchmark::DoNotOptimize(rows.Count());
  }
  state.SetComplexityN(state.range(0));
}

// A rebuild (F5 or the check box): every row is added again.
void BM_RebuildRows(benchmark::State& state) {
  FakePlatform fake;
  FilterList fileWhite, nameWhite;
  const TAutorunList catalogue = Catalogue(static_cast<int>(state.range(0)));
  TAutorunRows rows;
  for (auto _ : state) {
    rows.Clear();
    rows.Merge(catalogue, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, true});
    benchmark::DoNotOptimize(rows.Count());
  }
  state.SetComplexityN(state.range(0));
}

// The window's half of a rebuild: the plan is worked out on the refresh's reader, and
// the window's thread only applies it.
void BM_ApplyPlannedRebuild(benchmark::State& state) {
  FakePlatform fake;
  FilterList fileWhite, nameWhite;
  const TAutorunList catalogue = Catalogue(static_cast<int>(state.range(0)));
  const TRowSources sources{&fileWhite, &nameWhite, nullptr, nullptr, true, false};
  TAutorunRows rows;
  for (auto _ : state) {
    state.PauseTiming();
    rows.Clear();
    TMergePlan plan = TAutorunRows::PlanMerge(catalogue, [](const std::wstring&) { return false; }, sources);
    state.ResumeTiming();
    rows.Apply(catalogue, std::move(plan));
    benchmark::DoNotOptimize(rows.Count());
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_MergeExistingRows)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_RebuildRows)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ApplyPlannedRebuild)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
