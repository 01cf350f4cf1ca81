// Paints a picture box's drawing list with QPainter at the device's pixel ratio. The pixel rules
// of the core are applied to device pixels: a filled box covers the device pixels from the one
// holding its first corner to the one holding its second; a line leaves out its last point and
// is one logical pixel thick, in whole device pixels, so that lines drawn a pixel apart leave no
// gaps. At a ratio of 1 this is exactly what the box's Point answers.
#pragma once

#include <QPainter>
#include <QPalette>

#include "kivdock/picture_box.h"

namespace kiv::qt::detail {

void paintDrawing(QPainter& painter, const PictureBox& box, const QPalette& palette, qreal ratio);

}  // namespace kiv::qt::detail
