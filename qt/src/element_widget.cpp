#include "element_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

#include "conversions.h"
#include "dock_view.h"
#include "look.h"
#include "title_keys.h"

namespace kiv::qt::detail {

ElementWidget::ElementWidget(DockView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

bool ElementWidget::isTitle() const {
  return box_ && box_->Array() == ElementArray::picTitel && box_->Index() > 0;
}

void ElementWidget::bind(PictureBox* box) {
  box_ = box;
  setFocusPolicy(isTitle() ? Qt::StrongFocus : Qt::NoFocus);
  drawingChanged();
  if (box_) applyBoxCursor();
}

void ElementWidget::drawingChanged() {
  drawing_.invalidate();
  update();
}

void ElementWidget::applyBoxCursor() {
  if (!box_) return;
  bool inherit = false;
  const QCursor cursor = view_.painter().cursorFor(*box_, false, devicePixelRatioF(), inherit);
  if (inherit) {
    unsetCursor();
  } else {
    setCursor(cursor);
  }
}

void ElementWidget::paintEvent(QPaintEvent*) {
  if (!box_) return;
  QPainter painter(this);
  const qreal ratio = devicePixelRatioF();
  const QImage& drawing = drawing_.imageFor(*box_, size(), palette(), ratio);
  view_.painter().paintBox(painter, rect(), *box_, drawing, view_.windowlessIn(*box_), palette(),
                           ratio);
  if (hasFocus()) {
    // A frame in the colour the glyphs take, so it stands out from the title behind it.
    const QColor behind =
        colourAt(drawing, QPointF(2, height() / 2.0), toQColor(box_->BackColor(), palette()));
    painter.setPen(QPen(glyphInk(behind, palette()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void ElementWidget::keyPressEvent(QKeyEvent* event) {
  bool alive = true;
  if (isTitle() && handleTitleKey(view_, *box_, *event, alive)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ElementWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void ElementWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

// Colours given as system colours come from the palette: a new palette draws them anew.
void ElementWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) drawingChanged();
}

void ElementWidget::mousePressEvent(QMouseEvent* event) {
  if (box_) view_.input().press(*this, *box_, *event);
}

void ElementWidget::mouseMoveEvent(QMouseEvent* event) {
  if (box_) view_.input().move(*this, *box_, *event);
}

void ElementWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (box_) view_.input().release(*this, *box_, *event);
}

void ElementWidget::wheelEvent(QWheelEvent* event) { view_.wheel(*event); }

bool ElementWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && box_) {
    view_.input().showToolTip(*this, *box_, *static_cast<QHelpEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

}  // namespace kiv::qt::detail
