#include "element_painter.h"

#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "conversions.h"
#include "look.h"

namespace kiv::qt::detail {

namespace {

int scaleFor(qreal ratio) { return std::max(1, static_cast<int>(std::ceil(ratio - 0.01))); }

QRgb rgbOf(std::int32_t colour, const QPalette& palette) {
  const auto v = static_cast<std::uint32_t>(colour);
  if (v & 0x80000000u) return toQColor(colour, palette).rgb();
  return 0xFF000000u | (v & 0xFFu) << 16 | (v & 0xFF00u) | (v >> 16 & 0xFFu);
}

}  // namespace

QImage ElementPainter::boxImage(const PictureBox& box, const QPalette& palette) {
  const int w = box.imageWidthPx(), h = box.imageHeightPx();
  const auto& pixels = box.imagePixels();
  if (w <= 0 || h <= 0 || pixels.size() < static_cast<std::size_t>(w) * h) return QImage();
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const std::int32_t* source = pixels.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x) line[x] = rgbOf(source[x], palette);
  }
  return image;
}

void ElementPainter::paintBox(QPainter& painter, const QRect& area, const PictureBox& box,
                              const QImage& drawing, const std::vector<Element*>& windowless,
                              const QPalette& palette, qreal ratio) {
  // The whole widget: its rounded edges may reach a little past the box's own extent.
  painter.fillRect(area, toQColor(box.BackColor(), palette));
  if (!drawing.isNull()) painter.drawImage(QPointF(0, 0), drawing);

  std::vector<Element*> shown;
  for (Element* e : windowless) {
    if (e->Visible()) shown.push_back(e);
  }
  std::sort(shown.begin(), shown.end(),
            [](const Element* a, const Element* b) { return a->ZRank() < b->ZRank(); });
  // A caption stops where a button or another caption beside it begins.
  auto rightLimit = [](const Element& label, const std::vector<Element*>& others) {
    double right = static_cast<double>(label.Left()) + label.Width();
    for (const Element* o : others) {
      if (o == &label || o->Kind() == ElementKind::Line || o->Left() <= label.Left()) continue;
      const bool beside =
          o->Top() < label.Top() + label.Height() && label.Top() < o->Top() + o->Height();
      if (beside) right = std::min(right, static_cast<double>(o->Left()));
    }
    return pixelsF(right);
  };
  // The colour behind an element's middle: the box's drawing there, else its back colour.
  auto behind = [&](const Element& e) {
    const QPoint middle(static_cast<int>(pixelsF(e.Left() + e.Width() / 2)),
                        static_cast<int>(pixelsF(e.Top() + e.Height() / 2)));
    return drawing.valid(middle) ? drawing.pixelColor(middle) : toQColor(box.BackColor(), palette);
  };
  for (Element* e : shown) {
    switch (e->Kind()) {
      case ElementKind::Label:
        paintLabel(painter, static_cast<const Label&>(*e), palette, rightLimit(*e, shown));
        break;
      case ElementKind::Image:
        paintImage(painter, static_cast<const Image&>(*e), ratio, behind(*e), palette);
        break;
      case ElementKind::Line: {
        const auto& l = static_cast<const kiv::Line&>(*e);
        paintLine(painter,
                  QLineF(pixelsF(l.X1()), pixelsF(l.Y1()), pixelsF(l.X2()), pixelsF(l.Y2())),
                  l.Array() == ElementArray::lineSplit ? splitterInk(behind(l), palette)
                                                       : toQColor(l.BorderColor(), palette));
        break;
      }
      default:
        break;
    }
  }
}

// A one-pixel line on pixel centres, so it is crisp at any pixel ratio.
void ElementPainter::paintLine(QPainter& painter, const QLineF& line, const QColor& colour) {
  painter.save();
  QPen pen(colour);
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.setRenderHint(QPainter::Antialiasing, false);
  auto centre = [](qreal v) { return std::floor(v) + 0.5; };
  QLineF l = line;
  if (l.y1() == l.y2()) l = QLineF(l.x1(), centre(l.y1()), l.x2(), centre(l.y2()));
  if (l.x1() == l.x2()) l = QLineF(centre(l.x1()), l.y1(), centre(l.x2()), l.y2());
  painter.drawLine(l);
  painter.restore();
}

void ElementPainter::paintLabel(QPainter& painter, const Label& label, const QPalette& palette,
                                qreal right) {
  if (label.Caption().empty()) return;
  painter.save();
  painter.setFont(toQFont(label.font()));
  painter.setPen(toQColor(label.ForeColor(), palette));
  int align = Qt::AlignLeft;
  if (label.Alignment() == Label::kAlignRight) align = Qt::AlignRight;
  if (label.Alignment() == Label::kAlignCenter) align = Qt::AlignHCenter;
  const qreal left = pixelsF(label.Left());
  const QRectF rect(left, pixelsF(label.Top()),
                    std::max<qreal>(0, std::min(right, left + pixelsF(label.Width())) - left),
                    pixelsF(label.Height()));
  // A caption longer than its box is cut with an ellipsis at the box's edge.
  const QString caption = painter.fontMetrics().elidedText(
      toQString(label.Caption()), Qt::ElideRight, static_cast<int>(std::ceil(rect.width())));
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.drawText(rect, align | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, caption);
  painter.restore();
}

void ElementPainter::paintImage(QPainter& painter, const Image& image, qreal ratio,
                                const QColor& behind, const QPalette& palette) {
  const auto picture = image.Picture();
  if (!picture) return;
  BuiltinPicture which;
  QImage drawn = pictureImage(picture, ratio);
  if (isBuiltinPicture(picture.get(), which) && !drawn.isNull()) {
    const qreal scale = drawn.devicePixelRatio();
    drawn = inkedGlyph(drawn, glyphInk(behind, palette), behind);
    drawn.setDevicePixelRatio(scale);
  }
  if (drawn.isNull()) return;
  const QRectF target(pixelsF(image.Left()), pixelsF(image.Top()), picture->WidthPx,
                      picture->HeightPx);
  painter.drawImage(target, drawn);
}

QImage ElementPainter::pictureImage(const std::shared_ptr<Picture>& picture, qreal ratio) {
  BuiltinPicture which;
  if (isBuiltinPicture(picture.get(), which)) {
    const int scale = scaleFor(ratio);
    const auto key = std::make_pair(static_cast<int>(which), scale);
    auto it = builtins_.find(key);
    if (it == builtins_.end()) {
      QImage sharp = toQImage(*renderBuiltinPicture(which, scale));
      sharp.setDevicePixelRatio(scale);
      it = builtins_.emplace(key, sharp).first;
    }
    return it->second;
  }
  auto it = pictures_.find(picture.get());
  if (it != pictures_.end() && it->second.picture.lock() == picture) return it->second.image;
  if (pictures_.size() > 256) pictures_.clear();
  QImage converted = toQImage(*picture);
  pictures_[picture.get()] = Cached{picture, converted};
  return converted;
}

QCursor ElementPainter::cursorFor(const Element& element, bool windowless, qreal ratio,
                                  bool& inherit) {
  inherit = false;
  const std::int32_t pointer = element.MousePointer();
  Qt::CursorShape shape;
  if (cursorShape(pointer, shape)) return QCursor(shape);
  const auto icon = element.MouseIcon();
  if (pointer == kPointerCustom && icon) {
    const int scale = scaleFor(ratio);
    auto it = cursors_.find(icon.get());
    if (it != cursors_.end() && it->second.picture.lock() == icon && it->second.scale == scale) {
      return it->second.cursor;
    }
    BuiltinPicture which;
    QImage image = isBuiltinPicture(icon.get(), which)
                       ? toQImage(*renderBuiltinPicture(which, scale))
                       : toQImage(*icon).scaled(icon->WidthPx * scale, icon->HeightPx * scale);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    const QCursor cursor(pixmap, icon->HotSpotX, icon->HotSpotY);
    if (cursors_.size() > 64) cursors_.clear();
    cursors_[icon.get()] = CachedCursor{icon, cursor, scale};
    return cursor;
  }
  // The default pointer: a box shows its container's, a windowless element the arrow.
  inherit = !windowless;
  return QCursor(Qt::ArrowCursor);
}

}  // namespace kiv::qt::detail
