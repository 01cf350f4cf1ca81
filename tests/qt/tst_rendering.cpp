// What the user sees: pixels of a grabbed KivDockWidget against the dock's element model.
#include <QImage>

#include "qt_test_support.h"

using namespace kivqttest;

class RenderingTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<kiv::MemorySharedServices> services_;
  std::unique_ptr<kiv::qt::KivDockWidget> widget_;

  kiv::KivDock& dock() { return *widget_->dock(); }
  kiv::Elements& el() { return dock().elements(); }
  QImage shot() {
    widget_->syncElements();
    return widget_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  static QColor at(const QImage& image, QPoint p) { return image.pixelColor(p); }
  static QColor colourOf(std::int32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
  }
  static int count(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    }
    return n;
  }

 private slots:
  void init() {
    services_ = installServices();
    widget_ = shownDock(320, 400);
  }
  void cleanup() {
    widget_.reset();
    kiv::resetSharedServices();
  }

  // The title runs from the start colour (black) on the left to nearly the end colour (red) on
  // the right; each pixel shows the colour the model drew there.
  void titleGradientShowsItsEndsAndTheModelsColours() {
    auto a = addBar(dock(), "a", 2500);
    addBar(dock(), "b", 2500);
    dock().setShow(true);
    const QImage image = shot();
    kiv::PictureBox& title = el().picTitel(k(a));
    const float row = 255;  // the bottom pixel row, below the buttons and captions
    const QColor left = at(image, pointOf(title, 7, row));
    QCOMPARE(left, QColor(0, 0, 0));
    const QColor right = at(image, pointOf(title, title.Width() - 40, row));
    QVERIFY2(right.red() >= 240 && right.green() == 0 && right.blue() == 0,
             qPrintable(right.name()));
    for (float x = 7; x < title.Width(); x += 450) {
      QCOMPARE(at(image, pointOf(title, x, row)), colourOf(title.Point(x, row)));
    }
    // The caption is painted over the gradient in the caption colour.
    kiv::Label& caption = el().lblTitel(k(a));
    QVERIFY(caption.Width() > 0);
    QCOMPARE(count(image.copy(QRect(pointOf(caption, 0, 0),
                                    pointOf(caption, caption.Width() - 1, caption.Height() - 1))),
                   QColor(16, 16, 16)) > 0,
             true);
  }

  void splitterLineLiesAcrossTheStrip() {
    auto a = addBar(dock(), "a", 2500);
    addBar(dock(), "b", 2500);
    dock().setShow(true);
    const QImage image = shot();
    kiv::PictureBox& split = el().picSplit(k(a));
    QVERIFY(split.Visible());
    const QColor line(200, 200, 200);
    for (float x : {100.0f, 1500.0f, 3000.0f}) QCOMPARE(at(image, pointOf(split, x, 30)), line);
    QCOMPARE(at(image, pointOf(split, 1500, 0)), colourOf(services_->Colors[140]));
  }

  // A closed bar leaves nothing behind; a collapsed bar hides the widget it carries.
  void closedBarIsGoneAndCollapsedBarHidesItsControl() {
    auto a = addBar(dock(), "a", 2000), b = addBar(dock(), "b", 2000),
         c = addBar(dock(), "c", 2000);
    QWidget grid;
    grid.setAutoFillBackground(true);
    QPalette magenta;
    magenta.setColor(QPalette::Window, QColor(255, 0, 255));
    grid.setPalette(magenta);
    a->letControl(kiv::qt::hostWidget(&grid));
    dock().setShow(true);
    QVERIFY(count(shot(), QColor(255, 0, 255)) > 1000);

    clickAt(*widget_, centreOf(el().imgCollapse(k(a))));
    QImage image = shot();
    QVERIFY(!grid.isVisible());
    QCOMPARE(count(image, QColor(255, 0, 255)), 0);
    // Right below the collapsed title the next bar's title begins, black at its left.
    const QPoint belowA = pointOf(el().picDockBar(k(a)), 7, el().picDockBar(k(a)).Height() + 255);
    QCOMPARE(at(image, belowA), QColor(0, 0, 0));

    const QPoint wasB = pointOf(el().picTitel(k(b)), 7, 255);
    clickAt(*widget_, centreOf(el().imgClose(k(b))));
    image = shot();
    QVERIFY(!widget_->elementWidget(el().picDockBar(k(b)))->isVisible());
    // c moved up into b's place: its title now lies where b's was.
    QCOMPARE(el().picDockBar(k(c)).AbsoluteTop(), el().picDockBar(k(a)).Height());
    QCOMPARE(at(image, wasB), QColor(0, 0, 0));
    QCOMPARE(at(image, pointOf(el().picTitel(k(c)), 7, 255)), QColor(0, 0, 0));
  }

  void buttonsAreDrawnSharpAtTheScreensPixelRatio() {
    auto a = addBar(dock(), "a", 2500);
    addBar(dock(), "b", 2500);
    dock().setShow(true);
    widget_->syncElements();
    QWidget* title = widget_->elementWidget(el().picTitel(k(a)));
    QPixmap sharp(title->size() * 2);
    sharp.setDevicePixelRatio(2);
    title->render(&sharp);
    const QImage image = sharp.toImage();
    // The close button's symbol at double resolution has pixels of its own colour where the
    // plain 16 x 16 picture would only give blurred edges: compare with the model's picture.
    const kiv::Image& close = el().imgClose(k(a));
    const QPoint origin(static_cast<int>(close.Left() / 15) * 2,
                        static_cast<int>(close.Top() / 15) * 2);
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QColor c = image.pixelColor(origin + QPoint(x, y));
        opaque += c.blue() > 120 && c.red() < 100;  // the blue of the cross
      }
    }
    QVERIFY2(opaque > 40, qPrintable(QString::number(opaque)));
  }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
