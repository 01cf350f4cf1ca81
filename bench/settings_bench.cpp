// Saving every bar's settings, and loading them again as the options button does on the host's
// request (colours and settings re-read, then the layout pass).
#include <benchmark/benchmark.h>

#include "bench_dock.h"

namespace kivbench {
namespace {

void BM_SaveSettings(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BenchDock filled(n);
  filled.dock().setShow(true);
  for (auto _ : state) filled.dock().Save();
  state.SetComplexityN(n);
}

void BM_LoadSettings(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BenchDock filled(n);
  filled.dock().setShow(true);
  filled.dock().Save();
  filled.host().reload = true;
  kiv::Image& options = filled.el().imgOpt(filled.index(1));
  for (auto _ : state) options.Click();
  state.SetComplexityN(n);
}

BENCHMARK(BM_SaveSettings)->Apply(barCounts);
BENCHMARK(BM_LoadSettings)->Apply(barCounts);

}  // namespace
}  // namespace kivbench
