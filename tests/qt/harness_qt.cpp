// The Qt backend of the behaviour suite: every dock lives in a shown KivDockWidget on the
// offscreen platform, and input arrives as real QMouseEvents and QDropEvents sent to the widget
// that shows the element (a caption's or button's container for windowless elements).
//
// Sizes: a dock's twips rarely come to whole pixels (4000 twips are 266.67 pixels). The harness
// gives the dock the exact twips, as a host may, and sizes the widget to the nearest pixels; the
// widget keeps a twips size that comes to its own pixels.
#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <utility>
#include <vector>

#include "kivdock/qt/kivdockwidget.h"
#include "qt_skips.h"
#include "support/harness.h"

namespace kivtest {

namespace {

using kiv::qt::KivDockWidget;

Qt::MouseButton qtButton(std::int16_t button) {
  switch (button) {
    case kiv::kButtonRight:
      return Qt::RightButton;
    case kiv::kButtonMiddle:
      return Qt::MiddleButton;
    default:
      return Qt::LeftButton;
  }
}

Qt::MouseButtons qtButtons(std::int16_t buttons) {
  Qt::MouseButtons b;
  if (buttons & kiv::kButtonLeft) b |= Qt::LeftButton;
  if (buttons & kiv::kButtonRight) b |= Qt::RightButton;
  if (buttons & kiv::kButtonMiddle) b |= Qt::MiddleButton;
  return b;
}

int px(std::int32_t twips) { return static_cast<int>((twips + 7) / kiv::kTwipsPerPixel); }

class QtHarness : public Harness {
 public:
  std::string name() const override { return "qt"; }

  void install() override {
    skipOnQtWhereListed();
    for (auto& w : windows_) delete w.data();
    windows_.clear();
    held_ = Qt::NoButton;
    // Widgets of earlier tests that were deleted later go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform_ = std::make_shared<kiv::qt::QtPlatform>(kiv::qt::QtPlatform::Mode::Recording);
    kiv::setPlatform(platform_);
  }

  std::shared_ptr<kiv::KivDock> createDock(std::int32_t width, std::int32_t height) override {
    // A handler may release the dock while the widget handles the event that raised it: the
    // widget then goes when the event is done, as Qt wants (deleteLater).
    std::shared_ptr<KivDockWidget> widget(new KivDockWidget, [this](KivDockWidget* w) {
      if (dispatching_ > 0) {
        w->hide();
        w->deleteLater();
      } else {
        delete w;
      }
    });
    widget->resize(px(width), px(height));
    widget->show();
    widget->dock()->setSize(width, height);
    widget->syncElements();
    // The test holds the dock; the widget that owns it goes with the test's last reference.
    return std::shared_ptr<kiv::KivDock>(widget, widget->dock().get());
  }

  void resize(kiv::KivDock& dock, std::int32_t width, std::int32_t height) override {
    dock.setSize(width, height);
    if (KivDockWidget* w = KivDockWidget::forElements(dock.elements())) {
      w->resize(px(width), px(height));
      w->syncElements();
    }
  }

  void sync(kiv::KivDock& dock) override {
    if (KivDockWidget* w = KivDockWidget::forElements(dock.elements())) w->syncElements();
  }

  kiv::Hwnd newWindow(kiv::Hwnd parent) override {
    // A stand-in window of the host: hidden and empty, so it never covers what tests point at.
    auto* w = new QWidget(kiv::qt::widgetOf(parent));
    w->setGeometry(0, 0, 0, 0);
    w->hide();
    windows_.emplace_back(w);
    return kiv::qt::windowHandle(w);
  }

  kiv::Hwnd parentOf(kiv::Hwnd window) override { return platform_->GetParent(window); }

  std::vector<ShownMessage> messages() override {
    std::vector<ShownMessage> out;
    for (const auto& m : platform_->Messages()) out.push_back({m.Text, m.Caption});
    return out;
  }
  void clearMessages() override { platform_->ClearMessages(); }
  void setUserMode(bool runTime) override { platform_->SetUserMode(runTime); }

  void click(kiv::Element& element) override {
    const float x = element.Width() / 2, y = element.Height() / 2;
    press(element, kiv::kButtonLeft, x, y);
    release(element, kiv::kButtonLeft, x, y);
  }

  // Every press starts a gesture of its own: a test that pressed elsewhere before without
  // letting go is taken to have let go.
  void press(kiv::Element& element, std::int16_t button, float x, float y) override {
    const Qt::MouseButton b = qtButton(button);
    held_ = b;
    if (!send(element, x, y, QEvent::MouseButtonPress, b, held_)) {
      element.MouseDown(button, 0, x, y);
    }
  }

  void move(kiv::Element& element, std::int16_t buttons, float x, float y) override {
    held_ = qtButtons(buttons);
    if (!send(element, x, y, QEvent::MouseMove, Qt::NoButton, held_)) {
      element.MouseMove(buttons, 0, x, y);
    }
  }

  void release(kiv::Element& element, std::int16_t button, float x, float y) override {
    const Qt::MouseButton b = qtButton(button);
    held_ &= ~Qt::MouseButtons(b);
    if (!send(element, x, y, QEvent::MouseButtonRelease, b, held_)) {
      element.MouseUp(button, 0, x, y);
    }
  }

  void drop(kiv::Element& target, float x, float y, int pointerX, int pointerY) override {
    KivDockWidget* dock = dockOf(target);
    auto [widget, local] = where(target, x, y);
    if (!dock || !widget) {
      target.DragDrop(x, y);
      return;
    }
    QCursor::setPos(dock->mapToGlobal(QPoint(pointerX, pointerY)));
    // Qt hands a drop to the deepest widget under the point that takes drops.
    while (QWidget* child = widget->childAt(local.toPoint())) {
      if (!child->acceptDrops()) break;
      local = child->mapFrom(widget, local);
      widget = child;
    }
    QMimeData data;
    data.setData("application/x-kivdock-bar", QByteArray::number(platformDragIndex()));
    // Qt delivers a drop to the widget that accepted the drag's entering.
    QDragEnterEvent enter(local.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    dispatch(widget, enter);
    QDropEvent event(local, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    dispatch(widget, event);
  }

  void scrollTo(kiv::KivDock& dock, std::int32_t value) override {
    KivDockWidget* w = KivDockWidget::forElements(dock.elements());
    if (!w) {
      dock.elements().VScroll().setValue(value);
      return;
    }
    w->syncElements();
    w->scrollBar()->setValue(value);
  }

 private:
  static KivDockWidget* dockOf(const kiv::Element& element) {
    return element.owner() ? KivDockWidget::forElements(*element.owner()) : nullptr;
  }

  // The widget that receives input on an element, and the point there (fractional pixels).
  static std::pair<QWidget*, QPointF> where(const kiv::Element& element, float x, float y) {
    KivDockWidget* dock = dockOf(element);
    if (!dock) return {nullptr, QPointF()};
    dock->syncElements();
    if (QWidget* own = dock->elementWidget(element)) return {own, QPointF(x / 15.0, y / 15.0)};
    const kiv::Element* container = element.Container();
    QWidget* shownIn = container ? dock->elementWidget(*container) : nullptr;
    if (!shownIn) return {nullptr, QPointF()};
    return {shownIn, QPointF((element.Left() + x) / 15.0, (element.Top() + y) / 15.0)};
  }

  int platformDragIndex() const {
    const kiv::Element* source = platform_->DragSource();
    return source ? source->Index() : 0;
  }

  // Sends a mouse event; false when no widget shows the element (a template).
  bool send(const kiv::Element& element, float x, float y, QEvent::Type type,
            Qt::MouseButton button, Qt::MouseButtons buttons) {
    auto [widget, local] = where(element, x, y);
    if (!widget) return false;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    dispatch(widget, event);
    return true;
  }

  // Sends an event; widgets released meanwhile go once it is handled.
  void dispatch(QWidget* widget, QEvent& event) {
    ++dispatching_;
    QApplication::sendEvent(widget, &event);
    if (--dispatching_ == 0) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::shared_ptr<kiv::qt::QtPlatform> platform_;
  std::vector<QPointer<QWidget>> windows_;
  int dispatching_ = 0;
  Qt::MouseButtons held_;
};

}  // namespace

Harness& harness() {
  static QtHarness instance;
  return instance;
}

}  // namespace kivtest
