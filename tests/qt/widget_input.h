// Real input on a dock widget's elements for the Qt tests: where an element shows, and mouse
// events sent to the widget that shows it, as the window system would deliver them.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <cmath>

#include "kivdock/qt/kivdockwidget.h"

namespace kivqtest {

inline std::int16_t k(const std::shared_ptr<kiv::cKivBar>& bar) {
  return static_cast<std::int16_t>(bar->Index());
}

// The widget that receives input on an element and the point there, for a point of the element
// in twips.
inline std::pair<QWidget*, QPointF> where(kiv::qt::KivDockWidget& dock, const kiv::Element& e,
                                          double x, double y) {
  dock.syncElements();
  if (QWidget* own = dock.elementWidget(e)) return {own, QPointF(x / 15, y / 15)};
  QWidget* shownIn = dock.elementWidget(*e.Container());
  return {shownIn, QPointF((e.Left() + x) / 15, (e.Top() + y) / 15)};
}

// Sends one mouse event to the element's middle (or a point given in twips); the receiver may be
// deleted by it.
inline void mouse(kiv::qt::KivDockWidget& dock, const kiv::Element& e, QEvent::Type type,
                  Qt::MouseButton button, Qt::MouseButtons held) {
  const auto [widget, local] = where(dock, e, e.Width() / 2, e.Height() / 2);
  QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// A press and a release, as long as the dock widget lives.
inline void click(kiv::qt::KivDockWidget* dock, const kiv::Element& e,
                  Qt::MouseButton button = Qt::LeftButton) {
  const QPointer<kiv::qt::KivDockWidget> alive(dock);
  mouse(*dock, e, QEvent::MouseButtonPress, button, button);
  if (alive) mouse(*dock, e, QEvent::MouseButtonRelease, button, Qt::NoButton);
}

}  // namespace kivqtest
