// What a picture box's drawing and a bar's Qt icon look like at the pixel ratios of HiDPI
// screens: every pixel shows the colour the box's Point answers, with no scaled-up blur, and an
// icon is drawn from its own larger image.
#include <QIcon>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <cmath>

#include "drawing_painter.h"
#include "kivdock/kivdock.h"
#include "kivdock/qt/icons.h"
#include "kivdock/qt/picture_conversion.h"

namespace {

QRgb rgbOf(std::int32_t c) { return qRgb(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF); }

QPixmap plain(int size, QColor colour, qreal ratio = 1) {
  QPixmap pixmap(size, size);
  pixmap.fill(colour);
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

class DrawingScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void drawingShowsPointsColoursAtEveryRatio() {
    kiv::PictureBox box;
    box.setBackColor(0x404040);
    box.setWidth(600);  // 40 x 18 pixels
    box.setHeight(270);
    QSet<QRgb> drawn{rgbOf(0x404040)};
    for (int i = 0; i <= 12; ++i) {  // bands of fractional width, as a title's gradient
      const std::int32_t colour = 0x100000 * i + 0x20 * i;
      box.Line(47.5f * i, 0, 47.5f * (i + 1), 500, colour, true);
      drawn << rgbOf(colour);
    }
    for (int i = 0; i < 30; ++i) {  // lines closer than a pixel, as a vertical gradient
      if (i % 3 == 0) continue;
      box.Line(0, 9.0f * i, 300, 9.0f * i, 0x00FF00 + i, false);
      drawn << rgbOf(0x00FF00 + i);
    }
    box.Line(330, 20, 580, 250, 0xFF, false);  // slanted
    drawn << rgbOf(0xFF);

    const QPalette palette;
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
      kiv::qt::detail::DrawingCache cache;
      const QImage image =
          cache.imageFor(box, QSize(40, 18), palette, ratio).convertToFormat(QImage::Format_RGB32);
      QCOMPARE(image.size(), QSize(static_cast<int>(std::ceil(40 * ratio)),
                                   static_cast<int>(std::ceil(18 * ratio))));
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          QVERIFY2(drawn.contains(image.pixel(x, y)), "a colour made by scaling");
        }
      }
      // The centre of every pixel of the box, away from the slanted line, shows Point's answer.
      for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 21; ++x) {
          const QPoint device(static_cast<int>((x + 0.5) * ratio),
                              static_cast<int>((y + 0.5) * ratio));
          QCOMPARE(image.pixel(device), rgbOf(box.Point(15.0f * x + 7, 15.0f * y + 7)));
        }
      }
    }
  }

  void barIconsFromQtAreDrawnFromTheirOwnImageAtTheRatio() {
    kiv::setPlatform(std::make_shared<kiv::HeadlessPlatform>());
    kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
    auto dock = kiv::KivDock::create();
    auto bar = dock->Bars().Add();

    QIcon icon;
    icon.addPixmap(plain(16, Qt::red));
    icon.addPixmap(plain(32, Qt::blue));
    kiv::qt::setIcon(*bar, icon);
    auto picture = bar->Icon();
    QVERIFY(picture);
    QCOMPARE(QSize(picture->WidthPx, picture->HeightPx), QSize(16, 16));  // the size laid out
    QCOMPARE(QColor(kiv::qt::toImage(*picture).pixel(8, 8)), QColor(Qt::red));
    const QPixmap sharp = kiv::qt::iconPixmap(*picture, 2);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QCOMPARE(QColor(sharp.toImage().pixel(16, 16)), QColor(Qt::blue));

    // A pixmap made for a 2x screen is 12 logical pixels wide and drawn with all its pixels.
    kiv::qt::setIcon(*bar, plain(24, Qt::green, 2));
    picture = bar->Icon();
    QCOMPARE(QSize(picture->WidthPx, picture->HeightPx), QSize(12, 12));
    QCOMPARE(QColor(kiv::qt::iconPixmap(*picture, 2).toImage().pixel(23, 23)), QColor(Qt::green));

    // A picture not made from a Qt icon has none; a null pixmap clears the bar's icon.
    QVERIFY(
        kiv::qt::iconPixmap(kiv::Picture{4, 4, std::vector<std::uint32_t>(16), 0, 0}, 2).isNull());
    kiv::qt::setIcon(*bar, QPixmap());
    QVERIFY(!bar->Icon());
    dock.reset();
    kiv::resetSharedServices();
    kiv::setPlatform(nullptr);
  }
};

QTEST_MAIN(DrawingScaleTest)
#include "tst_drawing_scale.moc"
