#include "drawing_painter.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "conversions.h"

namespace kiv::qt::detail {

namespace {

// Device pixel of a coordinate in twips, kept within a range QPainter handles.
int devicePixel(float twips, qreal ratio) {
  const double px = std::floor(static_cast<double>(twips) * ratio / kTwips);
  return static_cast<int>(std::clamp(px, -1.0e6, 1.0e6));
}

// A device rectangle, half-open, in the painter's logical coordinates.
QRectF logical(int left, int top, int right, int bottom, qreal ratio) {
  return QRectF(left / ratio, top / ratio, (right - left) / ratio, (bottom - top) / ratio);
}

}  // namespace

void paintDrawing(QPainter& painter, const PictureBox& box, const QPalette& palette, qreal ratio) {
  const auto& ops = box.drawing();
  if (ops.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int thickness = std::max(1, static_cast<int>(std::floor(ratio)));
  for (const PictureBox::DrawOp& op : ops) {
    const int clipRight = static_cast<int>(std::lround(op.clipWidthPx * ratio));
    const int clipBottom = static_cast<int>(std::lround(op.clipHeightPx * ratio));
    const int ax = devicePixel(op.x1, ratio), ay = devicePixel(op.y1, ratio);
    const int bx = devicePixel(op.x2, ratio), by = devicePixel(op.y2, ratio);
    const QColor colour = toQColor(op.color, palette);
    int left = std::min(ax, bx), top = std::min(ay, by);
    int right = std::max(ax, bx) + 1, bottom = std::max(ay, by) + 1;
    if (!op.filledBox) {
      if (ay == by) {
        // Horizontal: from the first point up to, not including, the last.
        left = ax < bx ? ax : bx + 1;
        right = ax < bx ? bx : ax + 1;
        bottom = top + thickness;
      } else if (ax == bx) {
        top = ay < by ? ay : by + 1;
        bottom = ay < by ? by : ay + 1;
        right = left + thickness;
      } else {
        painter.save();
        painter.setClipRect(logical(0, 0, clipRight, clipBottom, ratio), Qt::IntersectClip);
        QPen pen(colour, thickness);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        const qreal half = thickness / 2.0;
        painter.drawLine(QPointF((ax + half) / ratio, (ay + half) / ratio),
                         QPointF((bx + half) / ratio, (by + half) / ratio));
        painter.restore();
        continue;
      }
    }
    right = std::min(right, clipRight);
    bottom = std::min(bottom, clipBottom);
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (left < right && top < bottom) {
      painter.fillRect(logical(left, top, right, bottom, ratio), colour);
    }
  }
  painter.restore();
}

}  // namespace kiv::qt::detail
