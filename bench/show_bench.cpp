// Showing a filled dock: colours, settings, sharing the height, painting and laying out.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_dock.h"

namespace kivbench {
namespace {

void BM_Show(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto filled = std::make_unique<BenchDock>(n);
    state.ResumeTiming();
    filled->dock().setShow(true);
    state.PauseTiming();
    filled.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_Show)->Apply(barCounts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kivbench
