#include "element_painter.h"

#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "conversions.h"
#include "kivdock/qt/icons.h"
#include "look.h"

namespace kiv::qt::detail {

namespace {

bool sameFont(const Font& a, const Font& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold && a.Italic == b.Italic &&
         a.Underline == b.Underline;
}

int scaleFor(qreal ratio) { return std::max(1, static_cast<int>(std::ceil(ratio - 0.01))); }

}  // namespace

void ElementPainter::paintBox(QPainter& painter, const QRect& area, const PictureBox& box,
                              const QImage& drawing, const std::vector<Element*>& windowless,
                              const QPalette& palette, qreal ratio) {
  // The whole widget: its rounded edges may reach a little past the box's own extent.
  if (drawing.isNull()) {
    painter.fillRect(area, toQColor(box.BackColor(), palette));
  } else {
    painter.drawImage(area.topLeft(), drawing);
  }

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
  const QColor back = toQColor(box.BackColor(), palette);
  auto behind = [&](const Element& e) {
    return colourAt(drawing,
                    QPointF(pixelsF(e.Left() + e.Width() / 2), pixelsF(e.Top() + e.Height() / 2)),
                    back);
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

// A one-pixel line on pixel centres, so it is crisp at any pixel ratio. A horizontal or vertical
// one is the row or column of pixels it passes, filled: much cheaper than a stroked line.
void ElementPainter::paintLine(QPainter& painter, const QLineF& line, const QColor& colour) {
  if (line.y1() == line.y2()) {
    painter.fillRect(
        QRectF(std::min(line.x1(), line.x2()), std::floor(line.y1()), std::abs(line.dx()), 1),
        colour);
    return;
  }
  if (line.x1() == line.x2()) {
    painter.fillRect(
        QRectF(std::floor(line.x1()), std::min(line.y1(), line.y2()), 1, std::abs(line.dy())),
        colour);
    return;
  }
  painter.save();
  QPen pen(colour);
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawLine(line);
  painter.restore();
}

// A caption is laid out once and drawn from that layout until its text or font changes. It ends
// at `right` (pixels) at the latest: one that does not fit is cut with an ellipsis there.
void ElementPainter::paintLabel(QPainter& painter, const Label& label, const QPalette& palette,
                                qreal right) {
  if (label.Caption().empty()) return;
  auto it = texts_.find(&label);
  if (it == texts_.end() || it->second.caption != label.Caption() ||
      !sameFont(it->second.font, label.font())) {
    if (texts_.size() > 4096) texts_.clear();
    CachedText made{label.Caption(), label.font(), toQFont(label.font()),
                    QStaticText(toQString(label.Caption()))};
    made.text.setTextFormat(Qt::PlainText);
    made.text.prepare(QTransform(), made.qfont);
    it = texts_.insert_or_assign(&label, std::move(made)).first;
  }
  const CachedText& cached = it->second;
  const qreal left = pixelsF(label.Left()), top = pixelsF(label.Top());
  const qreal width = std::max<qreal>(0, std::min(right, left + pixelsF(label.Width())) - left);
  const qreal textWidth = cached.text.size().width();
  painter.save();
  painter.setFont(cached.qfont);
  painter.setPen(toQColor(label.ForeColor(), palette));
  if (textWidth <= width + 0.5) {
    qreal x = left;
    if (label.Alignment() == Label::kAlignRight) x += width - textWidth;
    if (label.Alignment() == Label::kAlignCenter) x += (width - textWidth) / 2;
    painter.drawStaticText(QPointF(x, top), cached.text);
  } else {
    const QRectF rect(left, top, width, pixelsF(label.Height()));
    const QString caption = QFontMetrics(cached.qfont)
                                .elidedText(toQString(label.Caption()), Qt::ElideRight,
                                            static_cast<int>(std::floor(width)));
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
  }
  painter.restore();
}

void ElementPainter::paintImage(QPainter& painter, const Image& image, qreal ratio,
                                const QColor& behind, const QPalette& palette) {
  const auto picture = image.Picture();
  if (!picture) return;
  // An icon given through Qt is drawn from the icon itself, at the screen's ratio.
  const QPixmap icon = iconPixmap(*picture, ratio);
  if (!icon.isNull()) {
    painter.drawPixmap(QPointF(pixelsF(image.Left()), pixelsF(image.Top())), icon);
    return;
  }
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
