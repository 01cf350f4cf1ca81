#include "drawing_painter.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "conversions.h"

namespace kiv::qt::detail {

namespace {

int pixelOf(float twips) {
  const double px = std::floor(static_cast<double>(twips) / kTwips);
  return static_cast<int>(std::clamp(px, -1.0e5, 1.0e5));
}

}  // namespace

void paintDrawing(QPainter& painter, const PictureBox& box, const QPalette& palette, qreal ratio) {
  const auto& ops = box.drawing();
  if (ops.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const PictureBox::DrawOp& op : ops) {
    if (op.left > op.right || op.top > op.bottom) continue;
    const QColor colour = toQColor(op.color, palette);
    const int ax = pixelOf(op.x1), ay = pixelOf(op.y1), bx = pixelOf(op.x2), by = pixelOf(op.y2);
    if (op.filledBox || ax == bx || ay == by) {
      painter.fillRect(QRect(QPoint(op.left, op.top), QPoint(op.right, op.bottom)), colour);
      continue;
    }
    // A slanted line through pixel centres; its last point is left out, as the core's is.
    painter.save();
    painter.setClipRect(QRect(0, 0, op.clipWidthPx, op.clipHeightPx), Qt::IntersectClip);
    QPen pen(colour, std::max(1.0, std::floor(ratio)));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QPointF from(ax + 0.5, ay + 0.5), to(bx + 0.5, by + 0.5);
    const QPointF step = (to - from) / std::max(std::abs(bx - ax), std::abs(by - ay));
    painter.drawLine(from, to - step);
    painter.restore();
  }
  painter.restore();
}

const QImage& DrawingCache::imageFor(const PictureBox& box, QSize size, const QPalette& palette,
                                     qreal ratio) {
  if (box.drawing().empty() || size.isEmpty()) {
    image_ = QImage();
    stale_ = true;
    return image_;
  }
  const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                     static_cast<int>(std::ceil(size.height() * ratio)));
  if (!stale_ && image_.size() == pixels && image_.devicePixelRatio() == ratio) return image_;
  if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(toQColor(box.BackColor(), palette));
  QPainter painter(&image_);
  paintDrawing(painter, box, palette, ratio);
  stale_ = false;
  return image_;
}

}  // namespace kiv::qt::detail
