// Showing a filled dock: colours, settings, sharing the height, painting and laying out. The
// counter bytes_per_bar is what the dock holds on the heap per bar once it is shown.
#include <benchmark/benchmark.h>

#include <memory>

#include "allocation_counter.h"
#include "bench_dock.h"

namespace kivbench {
namespace {

void BM_Show(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::int64_t held = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::int64_t before = heapBytesInUse();
    auto filled = std::make_unique<BenchDock>(n);
    state.ResumeTiming();
    filled->dock().setShow(true);
    state.PauseTiming();
    held = heapBytesInUse() - before;
    filled.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_bar"] = static_cast<double>(held) / n;
  state.SetComplexityN(n);
}
BENCHMARK(BM_Show)->Apply(barCounts)->Unit(benchmark::kMillisecond);

// ShowElement(0) in fill mode brings back every closed bar, each with its own layout pass.
void BM_ShowClosedBars(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), closed = 50;
  BenchDock filled(n);
  filled.dock().setShow(true);
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 1; i <= closed; ++i) filled.bar(i * n / closed).setState(kiv::eBarHidden);
    state.ResumeTiming();
    filled.dock().ShowElement(0);
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_ShowClosedBars)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kivbench
