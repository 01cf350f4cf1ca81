// Paints a picture box's drawing list with QPainter at any device pixel ratio. Every operation
// covers whole pixels of the box, 15 twips each, exactly those the box's Point answers for:
// filled boxes and horizontal or vertical lines are filled rectangles, other lines cosmetic
// lines one pixel wide. Nothing is scaled from an image, so the edges stay sharp at 1.25x, 1.5x
// or 2x.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPalette>

#include "kivdock/picture_box.h"
#include "kivdock/qt/export.h"

namespace kiv::qt::detail {

void paintDrawing(QPainter& painter, const PictureBox& box, const QPalette& palette, qreal ratio);

// A box's back colour and drawing as one image at the device pixel ratio, made again only when
// the drawing, the size, the ratio or the palette changed: a title's bands are then one copy
// per paint instead of many fills. Exported for the pixel-ratio test of a shared build.
class KIVDOCK_QT_EXPORT DrawingCache {
 public:
  void invalidate() { stale_ = true; }
  // Null when the box has no drawing: its back colour alone is cheaper to fill.
  const QImage& imageFor(const PictureBox& box, QSize size, const QPalette& palette, qreal ratio);

 private:
  QImage image_;
  bool stale_ = true;
};

}  // namespace kiv::qt::detail
