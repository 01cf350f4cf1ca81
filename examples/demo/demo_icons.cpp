#include "demo_icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace demo {

namespace {

const QColor kBlue(38, 103, 184);
const QColor kDarkBlue(27, 64, 120);
const QColor kGreen(46, 139, 87);
const QColor kOrange(222, 128, 36);
const QColor kPaper(252, 252, 248);

// Draws one icon on a 16 x 16 design grid, scaled to `size` pixels.
void draw(QPainter& p, IconKind kind) {
  p.setRenderHint(QPainter::Antialiasing);
  QPen outline(kDarkBlue, 1.0);
  switch (kind) {
    case IconKind::Search:
      p.setPen(QPen(kDarkBlue, 2.0));
      p.setBrush(QColor(220, 234, 250));
      p.drawEllipse(QRectF(2, 2, 8.5, 8.5));
      p.setPen(QPen(kDarkBlue, 2.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(9.6, 9.6), QPointF(13.8, 13.8));
      break;
    case IconKind::Grid:
      p.setPen(outline);
      p.setBrush(kPaper);
      p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
      p.fillRect(QRectF(2, 3, 12, 3), kBlue);
      p.setPen(QPen(QColor(150, 170, 200), 1.0));
      for (double y : {8.5, 11.0}) p.drawLine(QPointF(2, y), QPointF(14, y));
      for (double x : {6.5, 10.5}) p.drawLine(QPointF(x, 6), QPointF(x, 13));
      break;
    case IconKind::People:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(120, 150, 200));
      p.drawEllipse(QRectF(8.5, 2.5, 5, 5));
      p.drawRoundedRect(QRectF(7.5, 8, 7.5, 6.5), 3, 3);
      p.setBrush(kBlue);
      p.drawEllipse(QRectF(2.5, 2, 5.5, 5.5));
      p.drawRoundedRect(QRectF(1, 8, 8.5, 7), 3.2, 3.2);
      break;
    case IconKind::Form:
      p.setPen(outline);
      p.setBrush(kPaper);
      p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.2, 1.2);
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      for (double y : {4.0, 7.5, 11.0}) {
        p.drawRect(QRectF(4, y, 2, 1.6));
        p.setBrush(QColor(170, 185, 210));
        p.drawRect(QRectF(7, y, 5, 1.6));
        p.setBrush(kBlue);
      }
      break;
    case IconKind::Notes:
      p.setPen(QPen(QColor(190, 160, 60), 1.0));
      p.setBrush(QColor(255, 236, 140));
      p.drawRect(QRectF(1.5, 1.5, 11, 13));
      p.setPen(QPen(QColor(170, 140, 60), 1.0));
      for (double y : {5.5, 8.5, 11.5}) p.drawLine(QPointF(3.5, y), QPointF(10.5, y));
      p.setPen(QPen(kOrange, 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14, 3), QPointF(8.5, 10.5));
      break;
    case IconKind::Tree:
      p.setPen(QPen(QColor(120, 120, 120), 1.0));
      p.drawLine(QPointF(4.5, 6), QPointF(4.5, 12.5));
      p.drawLine(QPointF(4.5, 12.5), QPointF(8, 12.5));
      p.drawLine(QPointF(4.5, 8.5), QPointF(8, 8.5));
      p.setPen(QPen(QColor(190, 140, 40), 1.0));
      p.setBrush(QColor(244, 196, 80));
      p.drawRoundedRect(QRectF(1.5, 1.5, 7, 5), 1, 1);
      p.drawRoundedRect(QRectF(8, 6.5, 6.5, 4), 1, 1);
      p.drawRoundedRect(QRectF(8, 10.5, 6.5, 4), 1, 1);
      break;
    case IconKind::ScrollMode:
      p.setPen(outline);
      p.setBrush(kPaper);
      p.drawRect(QRectF(1.5, 1.5, 10, 13));
      p.setBrush(kBlue);
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(12.5, 1.5, 2.5, 13));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(13, 4, 1.5, 5));
      p.setBrush(QColor(170, 185, 210));
      p.drawRect(QRectF(3, 3.5, 7, 3));
      p.drawRect(QRectF(3, 8, 3, 5));
      p.drawRect(QRectF(7, 8, 3, 5));
      break;
    case IconKind::ShowAll:
      p.setPen(QPen(kDarkBlue, 1.2));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(1.5, 4, 13, 8));
      p.setBrush(kBlue);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
      break;
    case IconKind::Reset: {
      p.setPen(QPen(kGreen, 2.0, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 280 * 16);
      QPainterPath head;
      head.moveTo(6.5, 0.5);
      head.lineTo(10.5, 3);
      head.lineTo(6.5, 5.8);
      head.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawPath(head);
      break;
    }
    case IconKind::Save:
      p.setPen(outline);
      p.setBrush(kBlue);
      p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(4, 2, 8, 5));
      p.setBrush(kDarkBlue);
      p.drawRect(QRectF(4.5, 9.5, 7, 5));
      break;
  }
}

QImage render(IconKind kind, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(size / 16.0, size / 16.0);
  draw(p, kind);
  return image;
}

}  // namespace

QIcon actionIcon(IconKind kind) {
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(QPixmap::fromImage(render(kind, size)));
  return icon;
}

}  // namespace demo
