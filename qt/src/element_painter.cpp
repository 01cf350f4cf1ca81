#include "element_painter.h"

#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "conversions.h"
#include "drawing_painter.h"
#include "kivdock/qt/icons.h"

namespace kiv::qt::detail {

namespace {

int scaleFor(qreal ratio) { return std::max(1, static_cast<int>(std::ceil(ratio - 0.01))); }

}  // namespace

void ElementPainter::paintBox(QPainter& painter, const QRect& area, const PictureBox& box,
                              const std::vector<Element*>& windowless, const QPalette& palette,
                              qreal ratio) {
  // The whole widget: its rounded edges may reach a little past the box's own extent.
  painter.fillRect(area, toQColor(box.BackColor(), palette));
  paintDrawing(painter, box, palette, ratio);

  std::vector<Element*> shown;
  for (Element* e : windowless) {
    if (e->Visible()) shown.push_back(e);
  }
  std::sort(shown.begin(), shown.end(),
            [](const Element* a, const Element* b) { return a->ZRank() < b->ZRank(); });
  for (Element* e : shown) {
    switch (e->Kind()) {
      case ElementKind::Label:
        paintLabel(painter, static_cast<const Label&>(*e), palette);
        break;
      case ElementKind::Image:
        paintImage(painter, static_cast<const Image&>(*e), ratio);
        break;
      case ElementKind::Line: {
        const auto& l = static_cast<const kiv::Line&>(*e);
        paintLine(painter,
                  QLineF(pixelsF(l.X1()), pixelsF(l.Y1()), pixelsF(l.X2()), pixelsF(l.Y2())),
                  toQColor(l.BorderColor(), palette));
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

void ElementPainter::paintLabel(QPainter& painter, const Label& label, const QPalette& palette) {
  if (label.Caption().empty()) return;
  painter.save();
  painter.setFont(toQFont(label.font()));
  painter.setPen(toQColor(label.ForeColor(), palette));
  int align = Qt::AlignLeft;
  if (label.Alignment() == Label::kAlignRight) align = Qt::AlignRight;
  if (label.Alignment() == Label::kAlignCenter) align = Qt::AlignHCenter;
  const QRectF rect(pixelsF(label.Left()), pixelsF(label.Top()), pixelsF(label.Width()),
                    pixelsF(label.Height()));
  painter.drawText(rect, align | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                   toQString(label.Caption()));
  painter.restore();
}

void ElementPainter::paintImage(QPainter& painter, const Image& image, qreal ratio) {
  const auto picture = image.Picture();
  if (!picture) return;
  // An icon given through Qt is drawn from the icon itself, at the screen's ratio.
  const QPixmap icon = iconPixmap(*picture, ratio);
  if (!icon.isNull()) {
    painter.drawPixmap(QPointF(pixelsF(image.Left()), pixelsF(image.Top())), icon);
    return;
  }
  const QImage drawn = pictureImage(picture, ratio);
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
