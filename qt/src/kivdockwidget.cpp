#include "kivdock/qt/kivdockwidget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "conversions.h"
#include "dock_view.h"
#include "element_widget.h"
#include "window_registry.h"

namespace kiv::qt {

namespace {
// The dock keeps at least 500 x 200 twips: the nearest pixels, so that the widget at its
// smallest keeps the dock's own smallest size.
constexpr int kMinWidthPx = (500 + 7) / kiv::kTwipsPerPixel;
constexpr int kMinHeightPx = (200 + 7) / kiv::kTwipsPerPixel;

// A host's handler runs inside a call of the dock for as long as this lives.
class HostCall {
 public:
  explicit HostCall(detail::DockView& view) : view_(view) { view_.beginHostCall(); }
  ~HostCall() { view_.endHostCall(); }
  HostCall(const HostCall&) = delete;
  HostCall& operator=(const HostCall&) = delete;

 private:
  detail::DockView& view_;
};
}  // namespace

KivDockWidget::KivDockWidget(QWidget* parent)
    : QWidget(parent), platform_(QtPlatform::ensureInstalled()), dock_(kiv::KivDock::create()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAcceptDrops(true);
  setMinimumSize(kMinWidthPx, kMinHeightPx);
  view_ = std::make_unique<detail::DockView>(*this, *dock_, *platform_);
  dock_->setEventSink(this);
  view_->guarded(
      [&] { dock_->setSize(width() * kiv::kTwipsPerPixel, height() * kiv::kTwipsPerPixel); });
}

KivDockWidget::~KivDockWidget() {
  // The dock may outlive this widget (a host still holds it): it stops talking to the widget
  // before the widget goes.
  view_.reset();
  if (!dock_) return;
  dock_->setEventSink(nullptr);
  const std::weak_ptr<kiv::KivDock> still = dock_;
  dock_.reset();
  if (still.expired()) return;
  // The bars' widgets go with this widget, but the host's widgets they carry stay the host's:
  // they leave without a parent, and the dock gives them back when it ends.
  for (QWidget* box : findChildren<detail::ElementWidget*>()) {
    for (QObject* child : box->children()) {
      auto* hosted = qobject_cast<QWidget*>(child);
      if (hosted && !qobject_cast<detail::ElementWidget*>(hosted)) {
        hosted->hide();
        hosted->setParent(nullptr);
      }
    }
  }
}

void KivDockWidget::syncElements() { view_->flush(); }

QWidget* KivDockWidget::elementWidget(const kiv::Element& element) const {
  if (element.Kind() == kiv::ElementKind::Label || element.Kind() == kiv::ElementKind::Image ||
      element.Kind() == kiv::ElementKind::Line) {
    return nullptr;
  }
  return view_->displayOf(element);
}

QScrollBar* KivDockWidget::scrollBar() const { return view_->scrollBar(); }

KivDockWidget* KivDockWidget::forElements(const kiv::Elements& elements) {
  const auto* surface =
      static_cast<const kiv::Surface*>(elements.find(kiv::ElementArray::Surface, 0));
  return surface ? qobject_cast<KivDockWidget*>(
                       detail::WindowRegistry::instance().widget(surface->hWnd()))
                 : nullptr;
}

QSize KivDockWidget::sizeHint() const { return QSize(320, 480); }

QSize KivDockWidget::minimumSizeHint() const { return QSize(kMinWidthPx, kMinHeightPx); }

void KivDockWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(),
                   detail::toQColor(dock_->elements().surface().BackColor(), palette()));
  for (int i = 0; i < 2; ++i) {
    const detail::LineSnapshot& line = view_->line(i);
    if (line.visible) {
      view_->painter().paintLine(painter, line.line, detail::toQColor(line.colour, palette()));
    }
  }
}

// The container resizes the control. A size in twips that the host gave the dock and that
// comes to these very pixels is kept: the dock is that size already.
void KivDockWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize size = event->size();
  const std::int32_t w = detail::pixels(dock_->Width()) == size.width()
                             ? dock_->Width()
                             : size.width() * kiv::kTwipsPerPixel;
  const std::int32_t h = detail::pixels(dock_->Height()) == size.height()
                             ? dock_->Height()
                             : size.height() * kiv::kTwipsPerPixel;
  if (w == dock_->Width() && h == dock_->Height()) return;
  view_->guarded([&] { dock_->setSize(w, h); });
}

void KivDockWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  view_->flush();
}

void KivDockWidget::mousePressEvent(QMouseEvent* event) {
  view_->input().press(*this, dock_->elements().surface(), *event);
}

void KivDockWidget::mouseMoveEvent(QMouseEvent* event) {
  view_->input().move(*this, dock_->elements().surface(), *event);
}

void KivDockWidget::mouseReleaseEvent(QMouseEvent* event) {
  view_->input().release(*this, dock_->elements().surface(), *event);
}

void KivDockWidget::wheelEvent(QWheelEvent* event) { view_->wheel(*event); }

void KivDockWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (view_->input().acceptsDrag(*this, *event)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void KivDockWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (view_->input().acceptsDrag(*this, *event)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void KivDockWidget::dropEvent(QDropEvent* event) {
  view_->input().drop(*this, dock_->elements().surface(), *event);
}

bool KivDockWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    view_->input().showToolTip(*this, dock_->elements().surface(),
                               *static_cast<QHelpEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

void KivDockWidget::Closed(std::string& Key) {
  const HostCall call(*view_);
  if (hostSink_) hostSink_->Closed(Key);
  emit closed(detail::toQString(Key));
}

void KivDockWidget::CtlResize(std::string& Key) {
  const HostCall call(*view_);
  if (hostSink_) hostSink_->CtlResize(Key);
  emit ctlResize(detail::toQString(Key));
}

void KivDockWidget::OptShow(std::string& Key, bool& bReLoad) {
  const HostCall call(*view_);
  if (hostSink_) hostSink_->OptShow(Key, bReLoad);
  emit optShow(detail::toQString(Key), &bReLoad);
}

void KivDockWidget::RightClick(std::string& Key) {
  const HostCall call(*view_);
  if (hostSink_) hostSink_->RightClick(Key);
  emit rightClick(detail::toQString(Key));
}

}  // namespace kiv::qt
