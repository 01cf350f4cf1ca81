#include "kivdock/qt/hosted_widget.h"

#include <QPointer>
#include <algorithm>

#include "conversions.h"
#include "window_registry.h"

namespace kiv::qt {

namespace {

class HostedWidget : public kiv::HostedControl {
 public:
  explicit HostedWidget(QWidget* widget) : widget_(widget) {}

  std::int32_t align() override { return 0; }
  std::string Name() override {
    return widget_ ? widget_->objectName().toStdString() : std::string();
  }
  Hwnd hWnd() override { return windowHandle(widget_); }
  void setVisible(bool visible) override {
    // A widget outside any window would become a window of its own: it waits for a parent.
    if (widget_ && (!visible || widget_->parentWidget())) widget_->setVisible(visible);
  }
  void Move(std::int32_t left, std::int32_t top, double width) override {
    if (!widget_) return;
    widget_->setGeometry(detail::pixels(left), detail::pixels(top),
                         std::max(0, detail::pixels(width)), widget_->height());
  }
  void setHeight(double height) override {
    if (widget_) widget_->resize(widget_->width(), std::max(0, detail::pixels(height)));
  }

 private:
  QPointer<QWidget> widget_;
};

}  // namespace

std::shared_ptr<kiv::HostedControl> hostWidget(QWidget* widget) {
  return std::make_shared<HostedWidget>(widget);
}

kiv::Hwnd windowHandle(QWidget* widget) {
  return detail::WindowRegistry::instance().handleOf(widget);
}

QWidget* widgetOf(kiv::Hwnd window) { return detail::WindowRegistry::instance().realize(window); }

}  // namespace kiv::qt
