// Pointer input: one mouse move of a splitter drag, and one drop of a dragged bar onto another.
#include <benchmark/benchmark.h>

#include "bench_dock.h"

namespace kivbench {
namespace {

// Moves alternate between 50 twips down (the bar grows by 30) and 10 up (it shrinks back), so
// the dock returns to where it started after every two moves.
void BM_SplitterMove(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BenchDock filled(n);
  filled.dock().setShow(true);
  kiv::PictureBox& split = filled.el().picSplit(filled.index(n / 2));
  split.MouseDown(kiv::kButtonLeft, 0, 300, 30);
  bool down = true;
  for (auto _ : state) {
    split.MouseMove(kiv::kButtonLeft, 0, 300, down ? 50.0f : -10.0f);
    down = !down;
  }
  state.SetComplexityN(n);
}

// One bar is dragged from the top onto the last bar and back onto the first, one drop per
// iteration; each drop moves it across the whole order.
void BM_Drop(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BenchDock filled(n);
  filled.dock().setShow(true);
  static_cast<kiv::HeadlessPlatform&>(*kiv::platform()).SetCursorPos(100, 100);
  const std::int16_t moving = filled.index(1);
  bool toEnd = true;
  for (auto _ : state) {
    const std::int16_t target = filled.index(toEnd ? n : 1);
    filled.el().lblTitel(moving).MouseDown(kiv::kButtonLeft, 0, 10, 10);
    filled.el().picDockBar(target).DragDrop(1000, 500);
    toEnd = !toEnd;
  }
  state.SetComplexityN(n);
}

BENCHMARK(BM_SplitterMove)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_Drop)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace
}  // namespace kivbench
