// The largest reply the client takes (16 MiB), all of it nesting: "[[[[...", closed or
// not. The parse is refused before any tree is built: the depth scan stops at the 65th
// level, so it costs next to nothing and no memory beyond the text. Beside them the same
// brackets inside one string, which the scan reads to the end before the parser runs. The peak resident size of the process after the
// runs is reported beside the time (ru_maxrss, so it includes the reply text itself and
// everything the benchmark process did before).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "Lib/Common.h"
#include "platform/Http.h"

namespace {

double PeakResidentMiB() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// 0: all "[", 1: half "[" then half "]", 2: one string of 16 MiB of "[" (the depth scan
// reads every byte, then the parser takes the text whole: the slowest reply of this size).
std::string Reply(int64_t shape) {
  if (shape == 0) return std::string(kHttpBodyCap, '[');
  if (shape == 1) return std::string(kHttpBodyCap / 2, '[') + std::string(kHttpBodyCap / 2, ']');
  return "[\"" + std::string(kHttpBodyCap - 4, '[') + "\"]";
}

void BM_NestedReply(benchmark::State& state) {
  const std::string reply = Reply(state.range(0));
  const double before = PeakResidentMiB();
  for (auto _ : state) benchmark::DoNotOptimize(ParseJsonText(reply));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply.size()));
  state.counters["peak_rss_MiB"] = PeakResidentMiB();
  state.counters["peak_growth_MiB"] = PeakResidentMiB() - before;
}
BENCHMARK(BM_NestedReply)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
