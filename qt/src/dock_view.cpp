#include "dock_view.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "accessibility.h"
#include "conversions.h"
#include "element_widget.h"
#include "kivdock/qt/kivdockwidget.h"
#include "modal_scope.h"
#include "window_registry.h"

namespace kiv::qt::detail {

namespace {

bool isBarBox(const Element& e) { return e.Kind() == ElementKind::PictureBox && e.Index() > 0; }

int depthOf(const Element& e) {
  int depth = 0;
  for (const Element* c = e.Container(); c; c = c->Container()) ++depth;
  return depth;
}

const std::vector<Element*> kNone;

}  // namespace

DockView::DockView(KivDockWidget& surface, kiv::KivDock& dock, QtPlatform& platform)
    : surface_(surface), dock_(dock), platform_(platform), input_(*this, surface) {
  installAccessibility();
  scrollBar_ = new QScrollBar(Qt::Vertical, &surface_);
  scrollBar_->hide();
  QObject::connect(scrollBar_, &QScrollBar::valueChanged, &surface_,
                   [this](int value) { onUserScroll(value); });
  WindowRegistry::instance().attach(dock_.elements().surface().hWnd(), &surface_, false);
  dock_.elements().setObserver(this);
  // Elements that exist already: the templates and single elements, or bars of a dock that
  // was filled before.
  dock_.elements().forEach([this](Element& e) { elementCreated(e); });
}

DockView::~DockView() {
  if (dock_.elements().observer() == this) dock_.elements().setObserver(nullptr);
  for (PictureBox* box : unbuilt_) WindowRegistry::instance().setBuilder(box->hWnd(), nullptr);
  for (auto& entry : boxes_) entry.second->bind(nullptr);
}

void DockView::elementCreated(Element& element) {
  if (isBarBox(element)) {
    // The widget is built at the next flush, inside the container the box has moved into by
    // then: moving widgets between parents is slow with many of them.
    auto* box = static_cast<PictureBox*>(&element);
    unbuilt_.insert(box);
    WindowRegistry::instance().setBuilder(box->hWnd(), [this, box] { return buildWidget(*box); });
  } else if (element.Kind() == ElementKind::Label || element.Kind() == ElementKind::Image ||
             element.Kind() == ElementKind::Line) {
    addWindowless(element);
  }
  scheduleFlush();
}

void DockView::elementDestroyed(Element& element) {
  input_.forgetCursor();
  if (element.Kind() == ElementKind::PictureBox) unbuilt_.erase(static_cast<PictureBox*>(&element));
  auto it = boxes_.find(&element);
  if (it != boxes_.end()) {
    ElementWidget* widget = it->second;
    widget->bind(nullptr);
    placeDirty_.erase(widget);
    raiseDirty_.erase(widget);
    boxes_.erase(it);
  }
  windowless_.erase(&element);
  removeWindowless(element);
}

void DockView::elementChanged(Element& element, ElementProperty what) {
  switch (element.Kind()) {
    case ElementKind::PictureBox: {
      ElementWidget* widget = widgetOf(element);
      if (!widget) return;
      switch (what) {
        case ElementProperty::Geometry:
        case ElementProperty::Visible:
        case ElementProperty::Container:
          placeDirty_.insert(widget);
          scheduleFlush();
          break;
        case ElementProperty::ZOrder:
          raiseDirty_.insert(widget);
          scheduleFlush();
          break;
        case ElementProperty::BackColor:
        case ElementProperty::Drawing:
          widget->drawingChanged();
          break;
        case ElementProperty::MousePointer:
        case ElementProperty::MouseIcon:
          input_.forgetCursor();
          widget->applyBoxCursor();
          break;
        default:
          widget->update();
          break;
      }
      return;
    }
    case ElementKind::Label:
    case ElementKind::Image:
    case ElementKind::Line:
      if (what == ElementProperty::Container) {
        removeWindowless(element);
        addWindowless(element);
      }
      if (what == ElementProperty::MousePointer || what == ElementProperty::MouseIcon) {
        input_.forgetCursor();
      }
      if (element.Array() == ElementArray::Line1 || element.Array() == ElementArray::Line2) {
        linesDirty_ = true;
        scheduleFlush();
      } else if (QWidget* shownIn = displayOf(element)) {
        shownIn->update();
      }
      return;
    case ElementKind::VScrollBar:
      scrollDirty_ = true;
      scheduleFlush();
      return;
    case ElementKind::Surface:
      if (what == ElementProperty::BackColor) surface_.update();
      return;
  }
}

ElementWidget* DockView::widgetOf(const Element& box) const {
  auto it = boxes_.find(&box);
  return it == boxes_.end() ? nullptr : it->second;
}

QWidget* DockView::displayOf(const Element& element) const {
  switch (element.Kind()) {
    case ElementKind::Surface:
      return &surface_;
    case ElementKind::VScrollBar:
      return scrollBar_;
    case ElementKind::PictureBox:
      return widgetOf(element);
    default:
      break;
  }
  const Element* container = element.Container();
  if (!container) return nullptr;
  if (container->Kind() == ElementKind::Surface) return &surface_;
  return widgetOf(*container);
}

const std::vector<Element*>& DockView::windowlessIn(const Element& container) const {
  auto it = windowless_.find(&container);
  return it == windowless_.end() ? kNone : it->second;
}

void DockView::addWindowless(Element& element) {
  const Element* container = element.Container();
  containerOf_[&element] = container;
  if (container) windowless_[container].push_back(&element);
}

void DockView::removeWindowless(Element& element) {
  auto it = containerOf_.find(&element);
  if (it == containerOf_.end()) return;
  auto list = windowless_.find(it->second);
  if (list != windowless_.end()) {
    auto& v = list->second;
    v.erase(std::remove(v.begin(), v.end(), &element), v.end());
    if (v.empty()) windowless_.erase(list);
  }
  containerOf_.erase(it);
}

void DockView::scheduleFlush() {
  if (flushQueued_) return;
  flushQueued_ = true;
  QTimer::singleShot(0, &surface_, [this] {
    flushQueued_ = false;
    flush();
  });
}

bool DockView::guarded(const std::function<void()>& call) {
  const QPointer<KivDockWidget> alive(&surface_);
  ++busy_;
  try {
    call();
  } catch (...) {
    // Failures of the dock (KivError, runaway recursion) and of host handlers end here: Qt's
    // event handling cannot pass them on.
  }
  if (!alive) return false;
  --busy_;
  flush();
  return !alive.isNull();
}

void DockView::beginHostCall() { ++busy_; }

void DockView::endHostCall() {
  if (--busy_ == 0) scheduleFlush();
}

void DockView::flush() {
  if (flushing_) return;
  if (busy_ > 0 || modalDepth() > 0) {
    // The dock is in the middle of a call (a host handler or a message box runs its own event
    // loop): try again once it is done.
    if (!retryQueued_) {
      retryQueued_ = true;
      QTimer::singleShot(30, &surface_, [this] {
        retryQueued_ = false;
        flush();
      });
    }
    return;
  }
  flushing_ = true;
  bool changed = false;
  for (int round = 0; round < 8; ++round) {
    if (unbuilt_.empty() && placeDirty_.empty() && raiseDirty_.empty() && !scrollDirty_ &&
        !linesDirty_) {
      break;
    }
    changed = true;
    buildWidgets();
    std::vector<ElementWidget*> place(placeDirty_.begin(), placeDirty_.end());
    placeDirty_.clear();
    // Containers first, so that a box moves into a parent that is already in place.
    std::sort(place.begin(), place.end(), [](ElementWidget* a, ElementWidget* b) {
      return depthOf(*a->box()) < depthOf(*b->box());
    });
    for (ElementWidget* w : place) placeBox(*w);
    std::vector<ElementWidget*> raise(raiseDirty_.begin(), raiseDirty_.end());
    raiseDirty_.clear();
    std::sort(raise.begin(), raise.end(), [](ElementWidget* a, ElementWidget* b) {
      return a->box()->ZRank() < b->box()->ZRank();
    });
    for (ElementWidget* w : raise) w->raise();
    if (scrollDirty_) syncScrollBar();
    if (linesDirty_) snapshotLines();
  }
  if (changed) orderFocus();
  flushing_ = false;
  // Last: the report may delete the dock widget and this view with it.
  if (changed && afterFlush_) afterFlush_();
}

void DockView::buildWidgets() {
  std::vector<PictureBox*> boxes(unbuilt_.begin(), unbuilt_.end());
  // Stacking order among siblings: a box built later lies in front.
  std::sort(boxes.begin(), boxes.end(), [](const PictureBox* a, const PictureBox* b) {
    const int da = depthOf(*a), db = depthOf(*b);
    return da != db ? da < db : a->ZRank() < b->ZRank();
  });
  for (PictureBox* box : boxes) buildWidget(*box);
}

ElementWidget* DockView::buildWidget(PictureBox& box) {
  if (ElementWidget* built = widgetOf(box)) return built;
  unbuilt_.erase(&box);
  // The container's widget first (built now if need be), so that nothing moves afterwards.
  QWidget* parent = WindowRegistry::instance().realize(platform_.GetParent(box.hWnd()));
  auto* widget = new ElementWidget(*this, parent ? parent : &surface_);
  widget->hide();
  widget->bind(&box);
  WindowRegistry::instance().attach(box.hWnd(), widget, true);
  boxes_[&box] = widget;
  placeDirty_.insert(widget);
  scheduleFlush();
  return widget;
}

void DockView::placeBox(ElementWidget& widget) {
  PictureBox* box = widget.box();
  if (!box) return;
  QWidget* parent = WindowRegistry::instance().realize(platform_.GetParent(box->hWnd()));
  if (!parent) parent = &surface_;
  if (widget.parentWidget() != parent) widget.setParent(parent);
  widget.setGeometry(pixelRect(box->Left(), box->Top(), box->Width(), box->Height()));
  widget.setVisible(box->Visible());
}

void DockView::syncScrollBar() {
  scrollDirty_ = false;
  if (!scrollBar_) return;
  VScrollBar& scroll = dock_.elements().VScroll();
  const QSignalBlocker block(scrollBar_);
  scrollBar_->setInvertedAppearance(scroll.Min() > scroll.Max());
  scrollBar_->setRange(std::min(scroll.Min(), scroll.Max()), std::max(scroll.Min(), scroll.Max()));
  scrollBar_->setPageStep(scroll.LargeChange());
  scrollBar_->setSingleStep(scroll.SmallChange());
  scrollBar_->setValue(scroll.Value());
  scrollBar_->setGeometry(pixelRect(scroll.Left(), scroll.Top(), scroll.Width(), scroll.Height()));
  scrollBar_->setVisible(scroll.Visible());
  scrollBar_->raise();
}

void DockView::snapshotLines() {
  linesDirty_ = false;
  kiv::Line* both[2] = {&dock_.elements().Line1(), &dock_.elements().Line2()};
  for (int i = 0; i < 2; ++i) {
    const kiv::Line& l = *both[i];
    lines_[i].visible = l.Visible();
    lines_[i].line = QLineF(pixelsF(l.X1()), pixelsF(l.Y1()), pixelsF(l.X2()), pixelsF(l.Y2()));
    lines_[i].colour = l.BorderColor();
  }
  surface_.update();
}

void DockView::orderFocus() {
  QWidget* previous = nullptr;
  clsBars& bars = dock_.Bars();
  const std::int32_t count = bars.CountVisible();
  for (std::int32_t p = 1; p <= count; ++p) {
    const auto bar = bars.ItemByOrderVisible(p);
    Element* title = bar ? elements().find(ElementArray::picTitel, bar->Index()) : nullptr;
    QWidget* widget = title ? widgetOf(*title) : nullptr;
    if (!widget) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

// The wheel scrolls the bars in scroll mode, wherever it turns over the dock.
void DockView::wheel(QWheelEvent& event) {
  if (scrollBar_ && scrollBar_->isVisible()) {
    QCoreApplication::sendEvent(scrollBar_, &event);
  } else {
    event.ignore();
  }
}

void DockView::onUserScroll(int value) {
  guarded([&] { dock_.elements().VScroll().setValue(value); });
}

}  // namespace kiv::qt::detail
