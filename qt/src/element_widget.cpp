#include "element_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

#include "dock_view.h"

namespace kiv::qt::detail {

ElementWidget::ElementWidget(DockView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void ElementWidget::bind(PictureBox* box) {
  box_ = box;
  drawingChanged();
  if (box_) applyBoxCursor();
}

void ElementWidget::drawingChanged() {
  drawingStale_ = true;
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
  if (drawingStale_) {
    drawing_ = ElementPainter::boxImage(*box_, palette());
    drawingStale_ = false;
  }
  QPainter painter(this);
  view_.painter().paintBox(painter, rect(), *box_, drawing_, view_.windowlessIn(*box_), palette(),
                           devicePixelRatioF());
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
