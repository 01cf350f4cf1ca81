#include "kivdock/qt/kivdockwidget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "bar_watcher.h"
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
// Until the widget is first shown it has no real size: the dock is laid out meanwhile on a tall
// area, so no bar is squeezed to its smallest height. The first show gives the real size, and
// the dock shares the difference among the bars as on any resize.
constexpr std::int32_t kUnsizedHeightTwips = 30000;

// Without a services factory of the host, the dock takes the application's settings and palette.
void ensureServices() {
  if (!kiv::hasSharedServicesFactory()) {
    kiv::setSharedServicesFactory([] { return std::make_shared<SettingsServices>(); });
  }
}
}  // namespace

KivDockWidget::KivDockWidget(QWidget* parent)
    : QWidget(parent),
      platform_(QtPlatform::ensureInstalled()),
      dock_(kiv::KivDock::create()),
      watcher_(std::make_unique<detail::BarWatcher>()) {
  ensureServices();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(kMinWidthPx, kMinHeightPx);
  view_ = std::make_unique<detail::DockView>(*this, *dock_, *platform_);
  view_->setAfterFlush([this] { reportChanges(); });
  dock_->addEventListener(this);
  connect(this, &QObject::objectNameChanged, this, [this] {
    if (!explicitGroup_) dock_->setSettingsSection(settingsGroup().toUtf8().toStdString());
  });
  view_->guarded([&] {
    dock_->setSize(std::max(width(), sizeHint().width()) * kiv::kTwipsPerPixel,
                   kUnsizedHeightTwips);
  });
}

KivDockWidget::~KivDockWidget() {
  // The dock may outlive this widget (a host still holds it, or this is deleted inside one of the
  // dock's calls): it stops talking to the widget before the widget goes.
  view_.reset();
  dock_->removeEventListener(this);
  // Widgets hosted without a parent are this widget's; the others go back to their parents.
  std::vector<QPointer<QWidget>> hosted;
  for (QWidget* box : findChildren<detail::ElementWidget*>()) {
    for (QObject* child : box->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (w && !qobject_cast<detail::ElementWidget*>(w)) hosted.emplace_back(w);
    }
  }
  for (const QPointer<QWidget>& w : hosted) {
    if (detail::WindowRegistry::instance().adopted(w)) delete w.data();
  }
  const std::weak_ptr<kiv::KivDock> still = dock_;
  dock_.reset();
  if (still.expired()) return;
  // The dock gives the rest back when it ends; until then they wait hidden, outside this widget.
  for (const QPointer<QWidget>& w : hosted) {
    if (w && w->parentWidget() && qobject_cast<detail::ElementWidget*>(w->parentWidget())) {
      w->hide();
      w->setParent(nullptr);
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
// comes to these very pixels is kept: the dock is that size already. Before the first show the
// size is not the real one yet.
void KivDockWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!shownOnce_) return;
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
  if (!shownOnce_) {
    shownOnce_ = true;
    const std::int32_t w = width() * kiv::kTwipsPerPixel, h = height() * kiv::kTwipsPerPixel;
    if (!view_->guarded([&] { dock_->setSize(w, h); })) return;
  }
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

bool KivDockWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    view_->input().showToolTip(*this, dock_->elements().surface(),
                               *static_cast<QHelpEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

void KivDockWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
    applyPalette();
  }
}

}  // namespace kiv::qt
