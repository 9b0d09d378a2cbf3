// The largest reply the client takes (16 MiB), all of it nesting: "[[[[...", closed or
// not. The parse is refused before any tree is built, so it costs one pass over the
// bytes and no memory beyond the text. The peak resident size of the process after the
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

void BM_NestedReply(benchmark::State& state) {
  const bool closed = state.range(0) != 0;
  const std::string reply = closed ? std::string(kHttpBodyCap / 2, '[') + std::string(kHttpBodyCap / 2, ']')
                                   : std::string(kHttpBodyCap, '[');
  const double before = PeakResidentMiB();
  for (auto _ : state) benchmark::DoNotOptimize(ParseJsonText(reply));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply.size()));
  state.counters["peak_rss_MiB"] = PeakResidentMiB();
  state.counters["peak_growth_MiB"] = PeakResidentMiB() - before;
}
BENCHMARK(BM_NestedReply)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
