// The behaviour suite on the Qt backend: every dock lives in a shown KivDockWidget on the
// offscreen platform, and input arrives as real QMouseEvents and drop events sent to the widget
// that shows the element (for captions and button images, the box that paints them). A dock
// gets the exact twips it is given, its widget the nearest whole pixels.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "support/harness.h"
#include "widget_input.h"

namespace kivtest {

namespace {

using namespace kivqtest;

// The elements' buttons have Qt's values: 1 left, 2 right, 4 middle.
Qt::MouseButtons qtButtons(std::int16_t buttons) { return Qt::MouseButton(buttons); }

class QtHarness : public Harness {
 public:
  void install() override {
    for (auto& w : windows_) delete w.data();
    windows_.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform_ = std::make_shared<kiv::qt::QtPlatform>(kiv::qt::QtPlatform::Mode::Recording);
    kiv::setPlatform(platform_);
  }

  std::shared_ptr<kiv::KivDock> createDock(std::int32_t width, std::int32_t height) override {
    // A handler may release the dock while its widget handles the event that raised it: the
    // widget then goes once the event is done.
    std::shared_ptr<KivDockWidget> widget(new KivDockWidget, [this](KivDockWidget* w) {
      if (dispatching_ > 0) return w->deleteLater();
      delete w;
    });
    widget->resize(px(width), px(height));
    widget->show();
    widget->dock()->setSize(width, height);
    widget->syncElements();
    // The widget that owns the dock goes with the test's last reference to the dock.
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

  // A stand-in window of the host: empty and, until a dock shows it, hidden.
  kiv::Hwnd newWindow(kiv::Hwnd parent) override {
    windows_.emplace_back(new QWidget(kiv::qt::widgetOf(parent)));
    windows_.back()->setGeometry(0, 0, 0, 0);
    return kiv::qt::windowHandle(windows_.back());
  }
  kiv::Hwnd parentOf(kiv::Hwnd window) override { return platform_->GetParent(window); }

  std::vector<ShownMessage> messages() override {
    std::vector<ShownMessage> out;
    for (const auto& m : platform_->Messages()) out.push_back({m.Text, m.Caption});
    return out;
  }
  void setUserMode(bool runTime) override { platform_->SetUserMode(runTime); }

  void click(kiv::Element& e) override {
    press(e, kiv::kButtonLeft, e.Width() / 2, e.Height() / 2);
    release(e, kiv::kButtonLeft, e.Width() / 2, e.Height() / 2);
  }
  // Every press starts a gesture of its own: a button held since an earlier press is let go.
  // Elements no widget shows (templates) get the input directly.
  void press(kiv::Element& element, std::int16_t button, float x, float y) override {
    held_ = qtButtons(button);
    if (!send(element, x, y, QEvent::MouseButtonPress, button)) element.MouseDown(button, 0, x, y);
  }
  void move(kiv::Element& element, std::int16_t buttons, float x, float y) override {
    held_ = qtButtons(buttons);
    if (!send(element, x, y, QEvent::MouseMove, 0)) element.MouseMove(buttons, 0, x, y);
  }
  void release(kiv::Element& element, std::int16_t button, float x, float y) override {
    held_ &= ~qtButtons(button);
    if (!send(element, x, y, QEvent::MouseButtonRelease, button)) element.MouseUp(button, 0, x, y);
  }

  // The pointer, held since the press on a title, moves to the target's pixel and lets go there:
  // the dock widget drops on what lies under it.
  void drop(kiv::Element& target, float x, float y, int, int) override {
    const QPointer<KivDockWidget> dock = widgetOf(target);
    if (!dock) return target.DragDrop(x, y);
    dock->syncElements();
    // The exact point in twips, which lies in the pointer's pixel.
    const QPointF at((target.AbsoluteLeft() + x) / 15.0, (target.AbsoluteTop() + y) / 15.0);
    const QPointF global = dock->mapToGlobal(at);
    QWidget* receiver = dock->childAt(at.toPoint()) ? dock->childAt(at.toPoint()) : dock.data();
    const QPointF local = receiver->mapFrom(dock.data(), at);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, held_, Qt::NoModifier);
    dispatch(receiver, move);
    if (!dock) return;
    held_ &= ~Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, held_,
                   Qt::NoModifier);
    dispatch(receiver, up);
  }

  void scrollTo(kiv::KivDock& dock, std::int32_t value) override {
    KivDockWidget* w = KivDockWidget::forElements(dock.elements());
    if (!w) return dock.elements().VScroll().setValue(value);
    w->syncElements();
    w->scrollBar()->setValue(value);
  }

 private:
  // Sends a mouse event; false when no widget shows the element.
  bool send(const kiv::Element& element, float x, float y, QEvent::Type type, std::int16_t button) {
    const auto [widget, local] = where(element, x, y);
    if (!widget) return false;
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::MouseButton(button), held_,
                      Qt::NoModifier);
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

// GoogleTest inside a QApplication; the library lets go of its services and platform before Qt
// ends.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  kiv::resetSharedServices();
  kiv::setPlatform(nullptr);
  return result;
}
