// Helpers of the Qt backend's QtTest programs: a shown dock widget with in-memory services, and
// real mouse input at the place where the user sees an element.
#pragma once

#include <QApplication>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>

#include "kivdock/qt/kivdockwidget.h"

namespace kivqttest {

inline std::int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

// Fresh in-memory services with fixed colours, so pixels can be checked exactly.
inline std::shared_ptr<kiv::MemorySharedServices> installServices() {
  auto services = std::make_shared<kiv::MemorySharedServices>();
  services->Colors = {{10, rgb(200, 200, 200)},
                      {14, rgb(0, 0, 0)},
                      {15, rgb(255, 0, 0)},
                      {140, rgb(240, 240, 240)},
                      {150, rgb(16, 16, 16)}};
  kiv::setSharedServicesFactory([services] { return services; });
  return services;
}

// A shown dock widget of w x h pixels.
inline std::unique_ptr<kiv::qt::KivDockWidget> shownDock(int w, int h) {
  auto widget = std::make_unique<kiv::qt::KivDockWidget>();
  widget->resize(w, h);
  widget->show();
  widget->syncElements();
  return widget;
}

// A bar that can be collapsed, resized and closed.
inline std::shared_ptr<kiv::cKivBar> addBar(kiv::KivDock& dock, const std::string& key,
                                            std::int32_t height) {
  auto bar = dock.Bars().Add();
  bar->setKey(key);
  bar->setTitle(key);
  bar->setCanExpand(true);
  bar->setAllowResize(true);
  bar->setShowClose(true);
  bar->setShowOptions(true);
  bar->setHeight(height);
  return bar;
}

inline std::int16_t k(const std::shared_ptr<kiv::cKivBar>& bar) {
  return static_cast<std::int16_t>(bar->Index());
}

// Where an element's point (twips, relative to it) is in the dock widget's pixels: the widgets
// of picture boxes sit at their rounded positions inside each other, and a point lies in the
// pixel that contains it.
inline QPoint pointOf(const kiv::Element& element, float x, float y) {
  double fx = x, fy = y;
  const kiv::Element* box = &element;
  if (element.Kind() == kiv::ElementKind::Label || element.Kind() == kiv::ElementKind::Image ||
      element.Kind() == kiv::ElementKind::Line) {
    fx += element.Left();
    fy += element.Top();
    box = element.Container();
  }
  QPoint origin;
  for (const kiv::Element* b = box; b && b->Kind() != kiv::ElementKind::Surface;
       b = b->Container()) {
    origin += QPoint(static_cast<int>(std::lround(b->Left() / 15.0)),
                     static_cast<int>(std::lround(b->Top() / 15.0)));
  }
  return origin +
         QPoint(static_cast<int>(std::floor(fx / 15)), static_cast<int>(std::floor(fy / 15)));
}
inline QPoint centreOf(const kiv::Element& element) {
  return pointOf(element, element.Width() / 2, element.Height() / 2);
}

// The widget the user points at in the dock, and the point in it, as Qt finds it.
struct Target {
  QWidget* widget;
  QPoint local;
};
inline Target targetAt(kiv::qt::KivDockWidget& dock, QPoint p) {
  dock.syncElements();
  QWidget* w = dock.childAt(p);
  if (!w) w = &dock;
  return {w, w->mapFrom(&dock, p)};
}

inline void clickAt(kiv::qt::KivDockWidget& dock, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
  const Target t = targetAt(dock, p);
  QTest::mouseClick(t.widget, b, Qt::NoModifier, t.local);
  dock.syncElements();
}

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

}  // namespace kivqttest
