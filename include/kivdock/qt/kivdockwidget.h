// KivDocking5 on Qt 6 Widgets: KivDockWidget shows one dock for real. Umbrella header of the Qt
// backend.
#pragma once

#include <QByteArray>
#include <QIcon>
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
class BarWatcher;
}  // namespace detail

// What a handler of KivDockWidget::optShow may answer: cancel (the dock does nothing more) or
// reload (the dock re-reads its colours and the stored arrangement).
struct OptionsRequest {
  QString key;
  bool reload = false;
  bool cancel = false;
};

// A widget that owns one dock and keeps Qt in step with the dock's elements: picture boxes are
// child widgets (a hosted widget lives inside its bar's body box), captions, button images and
// lines are painted by the box that contains them, and the scroll bar is a QScrollBar. Mouse
// input, title drags, keys, resizing and scrolling become the elements' input events; every rule
// is the dock's own.
//
// Lengths on the dock are twips (15 per pixel). The widget listens to the dock beside any sink
// the host sets, so its signals keep working whatever the host does with dock()->setEventSink.
// A widget hosted without a parent belongs to the dock widget and is deleted with it; one with a
// parent goes back to that parent. The widget may be deleted inside any of its signals.
class KIVDOCK_QT_EXPORT KivDockWidget : public QWidget, private kiv::KivDockEvents {
  Q_OBJECT
  Q_PROPERTY(bool allowScroll READ allowScroll WRITE setAllowScroll)
  Q_PROPERTY(bool doLoadSettings READ doLoadSettings WRITE setDoLoadSettings)
  Q_PROPERTY(QString settingsGroup READ settingsGroup WRITE setSettingsGroup)

 public:
  // What a bar added with addBar lets the user do.
  enum BarFeature {
    NoFeatures = 0,
    Collapsible = 0x1,
    Resizable = 0x2,
    Closable = 0x4,
    Movable = 0x8,
    HasOptions = 0x10,
    DefaultFeatures = Collapsible | Resizable | Closable | Movable,
  };
  Q_DECLARE_FLAGS(BarFeatures, BarFeature)
  Q_FLAG(BarFeatures)

  explicit KivDockWidget(QWidget* parent = nullptr);
  ~KivDockWidget() override;

  std::shared_ptr<kiv::KivDock> dock() const { return dock_; }

  // The host's listener, the same as dock()->setEventSink: called before the signals; not owned,
  // nullptr detaches.
  void setEventSink(kiv::KivDockEvents* sink);
  kiv::KivDockEvents* eventSink() const { return hostSink_; }

  // A new bar carrying `widget` (may be null), with the application's colours; after Show it is
  // laid out at once. A parentless widget becomes the dock widget's.
  std::shared_ptr<kiv::cKivBar> addBar(const QString& key, const QString& title,
                                       QWidget* widget = nullptr,
                                       BarFeatures features = DefaultFeatures);
  // The widget a bar carries (nullptr for none or a control that is no QWidget), and the same
  // taken off the bar: hidden, back with its former parent, or parentless and the caller's.
  QWidget* barWidget(const std::shared_ptr<kiv::cKivBar>& bar) const;
  QWidget* takeWidget(const std::shared_ptr<kiv::cKivBar>& bar);
  // The bar's title icon, drawn at the screen's pixel ratio; a null icon removes it.
  void setIcon(const std::shared_ptr<kiv::cKivBar>& bar, const QIcon& icon);

  // Shows every closed bar again; resets the order, states and heights to the defaults.
  void showAllBars();
  void resetLayout();
  // The arrangement (order, alignment, state, height of every keyed bar) as bytes, and the same
  // applied again; false for bytes that are not a saved state.
  QByteArray saveState();
  bool restoreState(const QByteArray& state);

  bool allowScroll() const;
  void setAllowScroll(bool on);
  bool doLoadSettings() const;
  void setDoLoadSettings(bool on);
  // The group the arrangement is stored under: "DockBar", or "DockBar/<objectName>" once the
  // widget has an object name, unless set.
  QString settingsGroup() const;
  void setSettingsGroup(const QString& group);

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
  // The options button: a handler may cancel or ask for a reload through the request.
  void optShow(kiv::qt::OptionsRequest* request);
  void rightClick(const QString& key);
  // A bar's state (kiv::EKivBarStates) or order position (1 = first) changed; then, once per
  // change of what the user sees, arrangementChanged.
  void barStateChanged(const QString& key, int state);
  void barMoved(const QString& key, int position);
  void arrangementChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Closed(std::string& Key) override;
  void CtlResize(std::string& Key) override;
  void OptShow(std::string& Key, bool& bReLoad) override;
  void RightClick(std::string& Key) override;
  // Emits barStateChanged, barMoved and arrangementChanged for what changed since the last time.
  void reportChanges();
  void applyPalette();

  std::shared_ptr<QtPlatform> platform_;
  std::shared_ptr<kiv::KivDock> dock_;
  std::unique_ptr<detail::DockView> view_;
  std::unique_ptr<detail::BarWatcher> watcher_;
  kiv::KivDockEvents* hostSink_ = nullptr;
  QString settingsGroup_;
  bool explicitGroup_ = false;
  bool shownOnce_ = false;
};

}  // namespace kiv::qt

Q_DECLARE_OPERATORS_FOR_FLAGS(kiv::qt::KivDockWidget::BarFeatures)
