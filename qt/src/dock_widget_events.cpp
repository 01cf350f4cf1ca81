// The dock's events as the dock widget's signals, and the changes of the arrangement the user
// sees. Every handler may delete the widget: nothing is touched after a signal once it is gone.
#include <QPointer>

#include "bar_watcher.h"
#include "conversions.h"
#include "dock_view.h"
#include "kivdock/qt/kivdockwidget.h"

namespace kiv::qt {

namespace {
// Runs `emitSignal` as a host's handler inside a call of the dock; false when the widget was
// deleted by it.
template <typename Emit>
bool asHostCall(KivDockWidget* widget, detail::DockView& view, Emit emitSignal) {
  const QPointer<KivDockWidget> alive(widget);
  view.beginHostCall();
  emitSignal();
  if (!alive) return false;
  view.endHostCall();
  return true;
}
}  // namespace

void KivDockWidget::setEventSink(kiv::KivDockEvents* sink) {
  hostSink_ = sink;
  dock_->setEventSink(sink);
}

void KivDockWidget::Closed(std::string& Key) {
  asHostCall(this, *view_, [&] { emit closed(detail::toQString(Key)); });
}

void KivDockWidget::CtlResize(std::string& Key) {
  asHostCall(this, *view_, [&] { emit ctlResize(detail::toQString(Key)); });
}

// The request starts as the sink left the arguments: an emptied key is a cancel.
void KivDockWidget::OptShow(std::string& Key, bool& bReLoad) {
  OptionsRequest request{detail::toQString(Key), bReLoad, Key.empty()};
  if (!asHostCall(this, *view_, [&] { emit optShow(&request); })) {
    Key.clear();  // the widget is gone: the dock does nothing more for it
    return;
  }
  bReLoad = request.reload;
  if (request.cancel) Key.clear();
}

void KivDockWidget::RightClick(std::string& Key) {
  asHostCall(this, *view_, [&] { emit rightClick(detail::toQString(Key)); });
}

void KivDockWidget::reportChanges() {
  const detail::BarWatcher::Report report = watcher_->look(*dock_);
  const QPointer<KivDockWidget> alive(this);
  for (const auto& change : report.changes) {
    if (change.kind == detail::BarWatcher::Change::State) {
      emit barStateChanged(change.key, change.value);
    } else {
      emit barMoved(change.key, change.value);
    }
    if (!alive) return;
  }
  if (report.arrangementChanged) emit arrangementChanged();
}

}  // namespace kiv::qt
