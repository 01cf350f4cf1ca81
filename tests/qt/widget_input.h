// Shared setup and real input for the Qt tests: the services a test's docks use, and mouse events
// sent to the widget that shows an element, as the window system would deliver them.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <cmath>
#include <map>

#include "kivdock/qt/kivdockwidget.h"
#include "kivdock/qt/settings_services.h"

namespace kivqtest {

using kiv::qt::KivDockWidget;
using Bar = std::shared_ptr<kiv::cKivBar>;

inline std::int16_t k(const Bar& bar) { return static_cast<std::int16_t>(bar->Index()); }
inline int px(double twips) { return static_cast<int>(std::lround(twips / 15)); }

// Docks made from now on use in-memory services with these colours (number to 0xBBGGRR).
inline void useColours(std::map<std::int32_t, std::int32_t> colours) {
  auto services = std::make_shared<kiv::MemorySharedServices>();
  services->Colors = std::move(colours);
  kiv::setSharedServicesFactory([services] { return services; });
}
// Docks made from now on keep their settings in this INI file.
inline void useSettingsFile(const QString& file) {
  kiv::setSharedServicesFactory(
      [file] { return std::make_shared<kiv::qt::SettingsServices>(file); });
}

// The bars' keys in their order.
inline QString order(kiv::KivDock& dock) {
  QString keys;
  for (int p = 1; p <= dock.Bars().Count(); ++p)
    keys += QString::fromStdString(dock.Bars().ItemByOrder(p)->Key());
  return keys;
}

// The dock widget that shows an element, or nullptr.
inline KivDockWidget* widgetOf(const kiv::Element& e) {
  return e.owner() ? KivDockWidget::forElements(*e.owner()) : nullptr;
}

// The widget that receives input on an element and the point there, for a point of the element
// in twips: its own widget, or for captions and button images the box that paints them.
inline std::pair<QWidget*, QPointF> where(const kiv::Element& e, double x, double y) {
  KivDockWidget* dock = widgetOf(e);
  if (!dock) return {nullptr, QPointF()};
  dock->syncElements();
  if (QWidget* own = dock->elementWidget(e)) return {own, QPointF(x / 15, y / 15)};
  QWidget* shownIn = e.Container() ? dock->elementWidget(*e.Container()) : nullptr;
  return {shownIn, QPointF((e.Left() + x) / 15, (e.Top() + y) / 15)};
}

// A press and a release on the element's middle, as long as its dock widget lives.
inline void click(const kiv::Element& e, Qt::MouseButton button = Qt::LeftButton) {
  const QPointer<KivDockWidget> alive(widgetOf(e));
  for (const bool press : {true, false}) {
    if (!alive) return;
    const auto [widget, local] = where(e, e.Width() / 2, e.Height() / 2);
    QMouseEvent event(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local,
                      widget->mapToGlobal(local), button, press ? button : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
}

}  // namespace kivqtest
