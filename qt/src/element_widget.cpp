#include "element_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

#include "dock_view.h"

namespace kiv::qt::detail {

ElementWidget::ElementWidget(DockView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setAcceptDrops(true);
}

void ElementWidget::bind(PictureBox* box) {
  box_ = box;
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

void ElementWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (box_ && view_.input().acceptsDrag(*this, *event)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ElementWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (box_ && view_.input().acceptsDrag(*this, *event)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ElementWidget::dropEvent(QDropEvent* event) {
  if (box_) view_.input().drop(*this, *box_, *event);
}

bool ElementWidget::event(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) drawing_.invalidate();
  if (event->type() == QEvent::ToolTip && box_) {
    view_.input().showToolTip(*this, *box_, *static_cast<QHelpEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

}  // namespace kiv::qt::detail
