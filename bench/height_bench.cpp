// The host changes the height of one bar of a shown dock in fill mode.
#include <benchmark/benchmark.h>

#include "bench_dock.h"

namespace kivbench {
namespace {

void BM_HeightChange(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BenchDock filled(n);
  filled.dock().setShow(true);
  kiv::cKivBar& bar = filled.bar(n / 2 + 1);
  bool taller = true;
  for (auto _ : state) {
    bar.setHeight(taller ? BenchDock::kBarHeight + 200 : BenchDock::kBarHeight);
    taller = !taller;
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_HeightChange)->Apply(barCounts);

}  // namespace
}  // namespace kivbench
