// KivDocking5 on Qt 6 Widgets: KivDockWidget shows one dock for real. Umbrella header of the Qt
// backend.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "kivdock/kivdock.h"
#include "kivdock/qt/export.h"
#include "kivdock/qt/hosted_widget.h"
#include "kivdock/qt/picture_conversion.h"
#include "kivdock/qt/qt_platform.h"
#include "kivdock/qt/settings_services.h"

class QScrollBar;

namespace kiv::qt {

namespace detail {
class DockView;
}

// A widget that owns one dock and keeps Qt in step with the dock's elements: picture boxes are
// child widgets (a hosted widget lives inside its bar's body box), captions, button images and
// lines are painted by the box that contains them, and the scroll bar is a QScrollBar. Mouse
// input, drags and drops, resizing and scrolling become the elements' input events; every rule
// is the dock's own.
//
// The widget is the dock's event sink: it passes each event to the host's sink (setEventSink)
// first, which may change the arguments, and then emits the matching signal.
class KIVDOCK_QT_EXPORT KivDockWidget : public QWidget, private kiv::KivDockEvents {
  Q_OBJECT

 public:
  explicit KivDockWidget(QWidget* parent = nullptr);
  ~KivDockWidget() override;

  std::shared_ptr<kiv::KivDock> dock() const { return dock_; }

  // The host's listener, called before the signals; not owned, nullptr detaches.
  void setEventSink(kiv::KivDockEvents* sink) { hostSink_ = sink; }
  kiv::KivDockEvents* eventSink() const { return hostSink_; }

  // Brings the widgets up to date with the elements now. It also happens by itself after every
  // input event and, for changes made by the host, when control returns to the event loop.
  void syncElements();

  // The widget that shows an element: a picture box's own widget, this widget for the surface,
  // the scroll bar for VScroll; nullptr for elements painted by their container.
  QWidget* elementWidget(const kiv::Element& element) const;
  QScrollBar* scrollBar() const;

  // The widget that shows a dock's elements, or nullptr.
  static KivDockWidget* forElements(const kiv::Elements& elements);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void closed(const QString& key);
  void ctlResize(const QString& key);
  // A slot may set *reload to have the dock re-read colours and settings.
  void optShow(const QString& key, bool* reload);
  void rightClick(const QString& key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Closed(std::string& Key) override;
  void CtlResize(std::string& Key) override;
  void OptShow(std::string& Key, bool& bReLoad) override;
  void RightClick(std::string& Key) override;

  std::shared_ptr<QtPlatform> platform_;
  std::shared_ptr<kiv::KivDock> dock_;
  std::unique_ptr<detail::DockView> view_;
  kiv::KivDockEvents* hostSink_ = nullptr;
};

}  // namespace kiv::qt
