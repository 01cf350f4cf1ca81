// One click on the collapse button and one on the expand button of the middle bar.
#include <benchmark/benchmark.h>

#include "bench_dock.h"

namespace kivbench {
namespace {

// Times one of the two clicks; the other, which undoes it, runs untimed.
void clickPair(benchmark::State& state, bool collapseTimed) {
  const int n = static_cast<int>(state.range(0));
  BenchDock filled(n);
  filled.dock().setShow(true);
  const std::int16_t k = filled.index(n / 2 + 1);
  kiv::Image& collapse = filled.el().imgCollapse(k);
  kiv::Image& expand = filled.el().imgExpand(k);
  for (auto _ : state) {
    if (collapseTimed) {
      collapse.Click();
      state.PauseTiming();
      expand.Click();
      state.ResumeTiming();
    } else {
      state.PauseTiming();
      collapse.Click();
      state.ResumeTiming();
      expand.Click();
    }
  }
  state.SetComplexityN(n);
}

void BM_CollapseButton(benchmark::State& state) { clickPair(state, true); }
void BM_ExpandButton(benchmark::State& state) { clickPair(state, false); }

BENCHMARK(BM_CollapseButton)->Apply(barCounts);
BENCHMARK(BM_ExpandButton)->Apply(barCounts);

}  // namespace
}  // namespace kivbench
