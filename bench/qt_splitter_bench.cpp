// One splitter drag step on the Qt backend, with the layout it causes and a repaint, for 10, 100
// and 1000 bars; next to it the same step on a QSplitter with as many child widgets. Both run
// offscreen in the same program, so the figures compare.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QSplitter>
#include <algorithm>
#include <memory>
#include <string>

#include "kivdock/qt/kivdockwidget.h"

namespace {

const QSize kSize(400, 600);

// Counts the paint events a widget gets, to make sure each step really painted.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

// Shows a top-level widget and lets the offscreen platform expose it, so repaint() paints.
void showExposed(QWidget& widget) {
  widget.resize(kSize);
  widget.show();
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void sendMouse(QWidget* w, QEvent::Type type, QPointF local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void KivDockSplitterStep(benchmark::State& state) {
  auto services = std::make_shared<kiv::MemorySharedServices>();
  kiv::setSharedServicesFactory([services] { return services; });
  kiv::qt::KivDockWidget widget;
  showExposed(widget);
  kiv::KivDock& dock = *widget.dock();
  const auto bars = static_cast<int>(state.range(0));
  for (int i = 1; i <= bars; ++i) {
    auto bar = dock.Bars().Add();
    bar->setKey("bar" + std::to_string(i));
    bar->setTitle("Leiste " + std::to_string(i));
    bar->setCanExpand(true);
    bar->setAllowResize(true);
    bar->setHeight(1500);
  }
  dock.setShow(true);
  widget.syncElements();
  QCoreApplication::processEvents();
  QWidget* split = widget.elementWidget(dock.elements().picSplit(1));
  sendMouse(split, QEvent::MouseButtonPress, QPointF(100, 2), Qt::LeftButton, Qt::LeftButton);
  const std::int32_t start = dock.Bars().Item(1)->Height();
  PaintCounter counter;
  widget.installEventFilter(&counter);
  // The pointer goes up and down by two pixels in turn: every step resizes the first bar.
  double dy = -2;
  std::int32_t lowest = start;
  for (auto _ : state) {
    sendMouse(split, QEvent::MouseMove, QPointF(100, dy), Qt::NoButton, Qt::LeftButton);
    widget.repaint();
    lowest = std::min(lowest, dock.Bars().Item(1)->Height());
    dy = -dy;
  }
  if (lowest == start) state.SkipWithError("the splitter did not resize its bar");
  if (counter.paints < static_cast<int>(state.iterations())) {
    state.SkipWithError("a step did not paint");
  }
  sendMouse(split, QEvent::MouseButtonRelease, QPointF(100, 0), Qt::LeftButton, Qt::NoButton);
  state.counters["bars"] = bars;
  kiv::resetSharedServices();
}

void QSplitterStep(benchmark::State& state) {
  QSplitter splitter(Qt::Vertical);
  splitter.setOpaqueResize(true);
  const auto children = static_cast<int>(state.range(0));
  for (int i = 0; i < children; ++i) {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    frame->setMaximumHeight(4000);  // their sum stays within what a widget can be
    splitter.addWidget(frame);
  }
  showExposed(splitter);
  QWidget* handle = splitter.handle(1);
  const QPointF grab(100, 1);
  sendMouse(handle, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
  PaintCounter counter;
  splitter.installEventFilter(&counter);
  // With many children the first handle may have no room left to move: the share of steps that
  // moved it is reported.
  QList<int> before = splitter.sizes();
  std::int64_t moved = 0;
  double dy = 2;
  for (auto _ : state) {
    sendMouse(handle, QEvent::MouseMove, grab + QPointF(0, dy), Qt::NoButton, Qt::LeftButton);
    splitter.repaint();
    const QList<int> after = splitter.sizes();
    moved += after != before;
    before = after;
    dy = -dy;
  }
  state.counters["moved"] =
      static_cast<double>(moved) / std::max<std::int64_t>(1, state.iterations());
  if (counter.paints < static_cast<int>(state.iterations())) {
    state.SkipWithError("a step did not paint");
  }
  sendMouse(handle, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
  state.counters["bars"] = children;
}

BENCHMARK(KivDockSplitterStep)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(QSplitterStep)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kiv::setPlatform(nullptr);
  return 0;
}
