#include "input_router.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <cmath>

#include "conversions.h"
#include "dock_view.h"
#include "element_widget.h"
#include "kivdock/qt/kivdockwidget.h"

namespace kiv::qt::detail {

namespace {

std::int16_t buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kButtonLeft;
    case Qt::RightButton:
      return kButtonRight;
    case Qt::MiddleButton:
      return kButtonMiddle;
    default:
      return 0;
  }
}

std::int16_t buttonsOf(Qt::MouseButtons buttons) {
  std::int16_t state = 0;
  if (buttons & Qt::LeftButton) state |= kButtonLeft;
  if (buttons & Qt::RightButton) state |= kButtonRight;
  if (buttons & Qt::MiddleButton) state |= kButtonMiddle;
  return state;
}

std::int16_t shiftOf(Qt::KeyboardModifiers modifiers) {
  std::int16_t state = 0;
  if (modifiers & Qt::ShiftModifier) state |= 1;
  if (modifiers & Qt::ControlModifier) state |= 2;
  if (modifiers & Qt::AltModifier) state |= 4;
  return state;
}

bool isWindowless(const Element& e) {
  return e.Kind() == ElementKind::Label || e.Kind() == ElementKind::Image ||
         e.Kind() == ElementKind::Line;
}

}  // namespace

InputRouter::Hit InputRouter::locate(Element& shown, QPointF pos) const {
  const QPointF t(pos.x() * kTwips, pos.y() * kTwips);
  Hit hit{&shown, t, false};
  for (Element* e : view_.windowlessIn(shown)) {
    if (!e->Visible() || e->Kind() == ElementKind::Line) continue;
    const bool inside = t.x() >= e->Left() && t.x() < static_cast<double>(e->Left()) + e->Width() &&
                        t.y() >= e->Top() && t.y() < static_cast<double>(e->Top()) + e->Height();
    if (inside && (!hit.windowless || e->ZRank() > hit.element->ZRank())) {
      hit = Hit{e, t - QPointF(e->Left(), e->Top()), true};
    }
  }
  return hit;
}

std::optional<InputRouter::Hit> InputRouter::captured(QWidget& receiver, Element&,
                                                      const QMouseEvent& event) const {
  if (!capture_ || !capture_->widget) return std::nullopt;
  Element* e = view_.elements().find(capture_->array, capture_->index);
  if (!e) return std::nullopt;
  const QPointF local = capture_->widget == &receiver
                            ? event.position()
                            : capture_->widget->mapFromGlobal(event.globalPosition());
  QPointF t(local.x() * kTwips, local.y() * kTwips);
  const bool windowless = isWindowless(*e);
  if (windowless) t -= QPointF(e->Left(), e->Top());
  return Hit{e, t, windowless};
}

void InputRouter::press(QWidget& receiver, Element& shown, QMouseEvent& event) {
  event.accept();
  // A drag whose button is no longer held lost its release (outside the application): it ends.
  if (drag_.active() && !(event.buttons() & drag_.button())) drag_.stop();
  if (drag_.active()) return;  // other buttons while a bar is dragged do nothing
  // A press while another button is held goes where that button went; a press of its own
  // starts anew (also after a release that never arrived).
  if ((event.buttons() & ~Qt::MouseButtons(event.button())) == Qt::NoButton) capture_.reset();
  const auto held = captured(receiver, shown, event);
  const Hit hit = held ? *held : locate(shown, event.position());
  if (!held) {
    capture_ = Capture{hit.element->Array(), hit.element->Index(), &receiver, Qt::NoButton};
  }
  capture_->buttons |= event.button();
  const std::int16_t button = buttonOf(event.button());
  Element* target = hit.element;
  const bool alive = view_.guarded([&] {
    target->MouseDown(button, shiftOf(event.modifiers()), static_cast<float>(hit.twips.x()),
                      static_cast<float>(hit.twips.y()));
  });
  if (!alive) return;
  // The dock began the drag of a bar: it runs from now until this button is released.
  const Element* pending = view_.platform().takePendingDrag();
  if (pending && pending->owner() == &view_.elements()) startDrag(*pending, event);
}

void InputRouter::move(QWidget& receiver, Element& shown, QMouseEvent& event) {
  event.accept();
  if (drag_.active() && !(event.buttons() & drag_.button())) drag_.stop();
  if (drag_.active()) {
    const QPointF at = view_.surfaceWidget().mapFromGlobal(event.globalPosition());
    drag_.move(at.toPoint(), landingLine(at));
    return;
  }
  if (event.buttons() == Qt::NoButton) {
    capture_.reset();
    hover(receiver, shown, event.position());
  }
  const auto held =
      event.buttons() != Qt::NoButton ? captured(receiver, shown, event) : std::nullopt;
  const Hit hit = held ? *held : locate(shown, event.position());
  Element* target = hit.element;
  view_.guarded([&] {
    target->MouseMove(buttonsOf(event.buttons()), shiftOf(event.modifiers()),
                      static_cast<float>(hit.twips.x()), static_cast<float>(hit.twips.y()));
  });
}

void InputRouter::release(QWidget& receiver, Element& shown, QMouseEvent& event) {
  event.accept();
  if (drag_.active()) {
    if (event.button() == drag_.button()) {
      drop(receiver.mapTo(&view_.surfaceWidget(), event.position()));
    }
    return;
  }
  const auto held = captured(receiver, shown, event);
  const Hit hit = held ? *held : locate(shown, event.position());
  if (capture_) {
    capture_->buttons &= ~Qt::MouseButtons(event.button());
    if (capture_->buttons == Qt::NoButton || event.buttons() == Qt::NoButton) capture_.reset();
  }
  Element* target = hit.element;
  const ElementArray array = target->Array();
  const std::int16_t index = target->Index();
  // An image is clicked by a left release inside it.
  const bool click = target->Kind() == ElementKind::Image && event.button() == Qt::LeftButton &&
                     hit.twips.x() >= 0 && hit.twips.y() >= 0 && hit.twips.x() < target->Width() &&
                     hit.twips.y() < target->Height();
  const bool alive = view_.guarded([&] {
    target->MouseUp(buttonOf(event.button()), shiftOf(event.modifiers()),
                    static_cast<float>(hit.twips.x()), static_cast<float>(hit.twips.y()));
  });
  if (!alive || !click) return;
  // The release's handlers may have destroyed the image; only the same one is clicked.
  Element* still = view_.elements().find(array, index);
  if (still == target) view_.guarded([&] { still->Click(); });
}

void InputRouter::hover(QWidget& receiver, Element& shown, QPointF pos) {
  const Hit hit = locate(shown, pos);
  if (cursorWidget_ == &receiver && cursorElement_ == hit.element) return;
  cursorWidget_ = &receiver;
  cursorElement_ = hit.element;
  bool inherit = false;
  const QCursor cursor = view_.painter().cursorFor(*hit.element, hit.windowless,
                                                   receiver.devicePixelRatioF(), inherit);
  if (inherit) {
    receiver.unsetCursor();
  } else {
    receiver.setCursor(cursor);
  }
}

void InputRouter::forgetCursor() {
  cursorWidget_ = nullptr;
  cursorElement_ = nullptr;
}

void InputRouter::showToolTip(QWidget& receiver, Element& shown, QHelpEvent& event) const {
  const Hit hit = locate(shown, event.pos());
  std::string text = hit.element->ToolTipText();
  // Captions and the icon have no tip of their own: the title's tells what the title does.
  if (text.empty() && hit.windowless && hit.element->Kind() != ElementKind::Image) {
    text = shown.ToolTipText();
  }
  if (text.empty()) {
    QToolTip::hideText();
    event.ignore();
  } else {
    QToolTip::showText(event.globalPos(), userText(text), &receiver);
  }
}

void InputRouter::startDrag(const Element& body, const QMouseEvent& event) {
  capture_.reset();
  QWidget& surface = view_.surfaceWidget();
  QRect bar;
  if (QWidget* shown = view_.widgetOf(body)) {
    bar = QRect(shown->mapTo(&surface, QPoint(0, 0)), shown->size());
  }
  drag_.start(body.Index(), event.button(), bar,
              surface.mapFromGlobal(event.globalPosition()).toPoint());
}

std::pair<QWidget*, Element*> InputRouter::boxAt(QPointF surfacePos) const {
  QWidget& surface = view_.surfaceWidget();
  if (!surface.rect().contains(surfacePos.toPoint())) return {nullptr, nullptr};
  QWidget* under = surface.childAt(surfacePos.toPoint());
  if (!under) return {&surface, &view_.elements().surface()};
  auto* box = qobject_cast<ElementWidget*>(under);
  if (!box || !box->box()) return {nullptr, nullptr};
  return {box, box->box()};
}

// The edge of the bar under the pointer that the dragged bar would end next to: dropped onto a
// bar above it, it ends above that bar; onto one below, below it.
QLine InputRouter::landingLine(QPointF surfacePos) const {
  const auto [widget, element] = boxAt(surfacePos);
  if (!element || element->Kind() == ElementKind::Surface || element->Index() == drag_.index()) {
    return QLine();
  }
  Element* body = view_.elements().find(ElementArray::picDockBar, element->Index());
  Element* dragged = view_.elements().find(ElementArray::picDockBar, drag_.index());
  QWidget* target = body ? view_.widgetOf(*body) : nullptr;
  QWidget* source = dragged ? view_.widgetOf(*dragged) : nullptr;
  if (!target || !source) return QLine();
  QWidget& surface = view_.surfaceWidget();
  const QRect t(target->mapTo(&surface, QPoint(0, 0)), target->size());
  const QRect s(source->mapTo(&surface, QPoint(0, 0)), source->size());
  const int y = t.top() < s.top() ? t.top() : t.bottom();
  return QLine(t.left(), y, t.right(), y);
}

// The release drops on the element under the pointer, with the release's position as the
// pointer's for the dock.
void InputRouter::drop(QPointF at) {
  drag_.stop();
  capture_.reset();
  QWidget& surface = view_.surfaceWidget();
  const QPoint global = surface.mapToGlobal(
      QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
  const auto [widget, shown] = boxAt(at);
  if (!shown) return;
  const Hit hit = locate(*shown, widget->mapFrom(&surface, at));
  QtPlatform& platform = view_.platform();
  view_.guarded([&, target = hit.element] {
    struct PointerAt {
      QtPlatform& platform;
      ~PointerAt() { platform.setPointerOverride(std::nullopt); }
    } pointer{platform};
    platform.setPointerOverride(PointPx{global.x(), global.y()});
    // Pixels to twips leaves rounding noise: a 64th of a twip is exact.
    const auto exact = [](double v) { return static_cast<float>(std::round(v * 64) / 64); };
    target->DragDrop(exact(hit.twips.x()), exact(hit.twips.y()));
  });
}

}  // namespace kiv::qt::detail
