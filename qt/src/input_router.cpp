#include "input_router.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

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

KivDockWidget* dockWidgetAbove(QObject* object) {
  for (QObject* o = object; o; o = o->parent()) {
    if (auto* w = qobject_cast<KivDockWidget*>(o)) return w;
  }
  return nullptr;
}

}  // namespace

const char* InputRouter::dragMimeType() { return "application/x-kivdock-bar"; }

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
  // The dock began the drag of a bar: Qt's drag starts once the pointer really moves.
  const Element* pending = view_.platform().takePendingDrag();
  if (pending && pending->owner() == &view_.elements() && event.button() == Qt::LeftButton) {
    dragCandidate_ = DragCandidate{pending->Index(), event.globalPosition().toPoint(), &receiver,
                                   event.position()};
  }
}

void InputRouter::move(QWidget& receiver, Element& shown, QMouseEvent& event) {
  event.accept();
  if (event.buttons() == Qt::NoButton) {
    capture_.reset();
    dragCandidate_.reset();
    hover(receiver, shown, event.position());
  }
  if (dragCandidate_ && (event.buttons() & Qt::LeftButton) &&
      (event.globalPosition().toPoint() - dragCandidate_->pressGlobal).manhattanLength() >=
          QApplication::startDragDistance()) {
    const DragCandidate candidate = *dragCandidate_;
    dragCandidate_.reset();
    capture_.reset();
    runDrag(candidate);
    return;
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
  const auto held = captured(receiver, shown, event);
  const Hit hit = held ? *held : locate(shown, event.position());
  if (capture_) {
    capture_->buttons &= ~Qt::MouseButtons(event.button());
    if (capture_->buttons == Qt::NoButton || event.buttons() == Qt::NoButton) capture_.reset();
  }
  if (event.button() == Qt::LeftButton) dragCandidate_.reset();
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

bool InputRouter::acceptsDrag(QWidget& receiver, const QDropEvent& event) const {
  const QMimeData* data = event.mimeData();
  if (!data || !data->hasFormat(QString::fromLatin1(dragMimeType()))) return false;
  if (QObject* source = event.source()) {
    if (dockWidgetAbove(source) != &view_.surfaceWidget()) return false;
  }
  // A drop that reaches a box over one of its child widgets is over a widget of the host (the
  // boxes inside take their own drops): nothing handles it.
  return receiver.childAt(event.position().toPoint()) == nullptr;
}

void InputRouter::drop(QWidget& receiver, Element& shown, QDropEvent& event) {
  if (!acceptsDrag(receiver, event)) {
    event.ignore();
    return;
  }
  event.setDropAction(Qt::MoveAction);
  event.accept();
  const Hit hit = locate(shown, event.position());
  Element* target = hit.element;
  view_.guarded([&] {
    target->DragDrop(static_cast<float>(hit.twips.x()), static_cast<float>(hit.twips.y()));
  });
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
    QToolTip::showText(event.globalPos(), toQString(text), &receiver);
  }
}

void InputRouter::runDrag(const DragCandidate& candidate) {
  QWidget* source = candidate.widget;
  Element* title = view_.elements().find(ElementArray::picTitel, candidate.index);
  if (!source || !title) return;
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(dragMimeType()), QByteArray::number(candidate.index));
  auto* drag = new QDrag(source);
  drag->setMimeData(data);
  if (QWidget* titleWidget = view_.widgetOf(*title); titleWidget && titleWidget->isVisible()) {
    const QPixmap shot = titleWidget->grab();
    QPixmap faded(shot.size());
    faded.setDevicePixelRatio(shot.devicePixelRatio());
    faded.fill(Qt::transparent);
    {
      QPainter p(&faded);
      p.setOpacity(0.8);
      p.drawPixmap(0, 0, shot);
    }
    drag->setPixmap(faded);
    drag->setHotSpot(
        titleWidget->mapFromGlobal(source->mapToGlobal(candidate.pressLocal)).toPoint());
  }
  drag->exec(Qt::MoveAction);
  view_.flush();
}

}  // namespace kiv::qt::detail
