// KivDockWidget as its user drives and sees it: real mouse, wheel, drop and resize events sent to
// the widget Qt finds at the pixel where the user sees an element, screenshots against the
// element model, host widgets carried by bars, and settings kept in QSettings.
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "kivdock/qt/kivdockwidget.h"

namespace {

using kiv::qt::KivDockWidget;
using Bar = std::shared_ptr<kiv::cKivBar>;

std::int16_t k(const Bar& bar) { return static_cast<std::int16_t>(bar->Index()); }
int px(double twips) { return static_cast<int>(std::lround(twips / 15)); }

// A box in its container's pixels: each edge lies on the nearest pixel line.
QRect pixelsOf(const kiv::Element& e) {
  return QRect(QPoint(px(e.Left()), px(e.Top())),
               QPoint(px(e.Left() + e.Width()) - 1, px(e.Top() + e.Height()) - 1));
}

// Where an element's point (twips, relative to it) is in the dock widget's pixels: boxes sit at
// their rounded places inside each other, captions and images are painted by their box.
QPoint pointOf(const kiv::Element& element, double x, double y) {
  const kiv::Element* box = &element;
  if (element.Kind() != kiv::ElementKind::PictureBox) {
    x += element.Left();
    y += element.Top();
    box = element.Container();
  }
  QPoint p(static_cast<int>(std::floor(x / 15)), static_cast<int>(std::floor(y / 15)));
  for (; box->Kind() != kiv::ElementKind::Surface; box = box->Container()) {
    p += pixelsOf(*box).topLeft();
  }
  return p;
}
QPoint centreOf(const kiv::Element& e) { return pointOf(e, e.Width() / 2, e.Height() / 2); }

// How many pixels of a screenshot (32 bits each, row after row) have this colour.
long count(const QImage& image, const QColor& colour) {
  const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
  return std::count(pixels, pixels + image.width() * image.height(), colour.rgb());
}

}  // namespace

class DockWidgetTest : public QObject {
  Q_OBJECT

  std::unique_ptr<KivDockWidget> widget_;

  kiv::KivDock& dock() { return *widget_->dock(); }
  kiv::Elements& el() { return dock().elements(); }
  QWidget* body(const Bar& bar) { return widget_->elementWidget(el().picDockBar(k(bar))); }
  void newWidget() {
    widget_ = std::make_unique<KivDockWidget>();
    widget_->resize(300, 450);
    widget_->show();
  }
  // Bars that can be collapsed, resized and closed; then the dock shows.
  std::vector<Bar> showBars(const std::vector<std::string>& keys, std::int32_t height) {
    std::vector<Bar> bars;
    for (const auto& key : keys) {
      bars.push_back(dock().Bars().Add());
      bars.back()->setKey(key);
      bars.back()->setTitle(key);
      bars.back()->setCanExpand(true);
      bars.back()->setAllowResize(true);
      bars.back()->setShowClose(true);
      bars.back()->setShowOptions(true);
      bars.back()->setHeight(height);
    }
    dock().setShow(true);
    widget_->syncElements();
    return bars;
  }
  // The bar at an order position, top to bottom from 1.
  Bar atOrder(int position) { return dock().Bars().ItemByOrder(position); }
  // The widget Qt finds at a pixel of the dock, and the point in it.
  std::pair<QWidget*, QPoint> at(QPoint p) {
    widget_->syncElements();
    QWidget* w = widget_->childAt(p) ? widget_->childAt(p) : widget_.get();
    return {w, w->mapFrom(widget_.get(), p)};
  }
  void clickAt(QPoint p) {
    const auto [w, local] = at(p);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, local);
    widget_->syncElements();
  }
  QImage shot() {
    widget_->syncElements();
    return widget_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

 private slots:
  // In-memory services with fixed colours (0xBBGGRR): title black to red, splitter line grey,
  // bodies light, captions dark.
  void init() {
    auto services = std::make_shared<kiv::MemorySharedServices>();
    services->Colors = {{10, 0xC8C8C8}, {14, 0}, {15, 0x0000FF}, {140, 0xF0F0F0}, {150, 0x101010}};
    kiv::setSharedServicesFactory([services] { return services; });
    newWidget();
  }
  void cleanup() {
    widget_.reset();
    kiv::resetSharedServices();
  }

  // Each title button acts where the user sees it, and the screen shows what the model draws:
  // titles from black to red under dark captions, splitter lines, a collapsed bar's widget
  // hidden, a closed bar gone.
  void titleButtonsActAndTheScreenFollows() {
    const auto bars = showBars({"a", "b", "c"}, 2000);
    const Bar &a = bars[0], &b = bars[1], &c = bars[2];
    QImage image = shot();
    const kiv::PictureBox& title = el().picTitel(k(a));
    const float row = 255;  // the bottom pixel row, below the buttons and the caption
    QCOMPARE(image.pixelColor(pointOf(title, 7, row)), QColor(Qt::black));
    QVERIFY(image.pixelColor(pointOf(title, title.Width() - 40, row)).red() >= 240);
    for (float x = 7; x < title.Width(); x += 450) {
      const std::int32_t drawn = title.Point(x, row);
      QCOMPARE(image.pixelColor(pointOf(title, x, row)),
               QColor(drawn & 0xFF, (drawn >> 8) & 0xFF, (drawn >> 16) & 0xFF));
    }
    const kiv::Label& caption = el().lblTitel(k(a));
    const QRect onCaption(pointOf(caption, 0, 0),
                          pointOf(caption, caption.Width() - 1, caption.Height() - 1));
    QVERIFY(count(image.copy(onCaption), QColor(16, 16, 16)) > 0);
    const kiv::PictureBox& split = el().picSplit(k(a));
    for (float x : {100.0f, 1500.0f, 3000.0f}) {
      QCOMPARE(image.pixelColor(pointOf(split, x, 30)), QColor(200, 200, 200));
    }
    QCOMPARE(image.pixelColor(pointOf(split, 1500, 0)), QColor(240, 240, 240));

    const QColor colours[] = {Qt::magenta, Qt::cyan};
    QWidget grids[2];
    for (int i : {0, 1}) {
      grids[i].setPalette(QPalette(colours[i], colours[i]));
      grids[i].setAutoFillBackground(true);
      bars[i + 1]->letControl(kiv::qt::hostWidget(&grids[i]));
    }
    QVERIFY(count(shot(), colours[0]) > 1000 && count(shot(), colours[1]) > 1000);
    QSignalSpy closed(widget_.get(), &KivDockWidget::closed);
    QSignalSpy options(widget_.get(), &KivDockWidget::optShow);
    clickAt(centreOf(el().imgCollapse(k(b))));
    QCOMPARE(b->State(), kiv::eBarCollapsed);
    for (const Bar& bar : bars) QCOMPARE(body(bar)->geometry(), pixelsOf(el().picDockBar(k(bar))));
    image = shot();
    QVERIFY(!grids[0].isVisible());
    QCOMPARE(count(image, colours[0]), 0);
    const kiv::PictureBox& collapsed = el().picDockBar(k(b));
    QCOMPARE(image.pixelColor(pointOf(collapsed, 7, collapsed.Height() + 100)), QColor(Qt::black));
    clickAt(centreOf(el().imgExpand(k(b))));
    QCOMPARE(b->State(), kiv::eBarExpanded);
    clickAt(centreOf(el().imgDown(k(a))));
    QVERIFY(atOrder(2) == a);
    clickAt(centreOf(el().imgUp(k(a))));
    QVERIFY(atOrder(1) == a);
    clickAt(centreOf(el().imgOpt(k(c))));
    QCOMPARE(options.count(), 1);
    QCOMPARE(options.at(0).at(0).toString(), QString("c"));
    const QPoint wasC = pointOf(el().picTitel(k(c)), 7, 100);
    clickAt(centreOf(el().imgClose(k(c))));
    QCOMPARE(closed, QList<QVariantList>({{QString("c")}}));
    image = shot();
    QVERIFY(!body(c)->isVisible());
    QCOMPARE(count(image, colours[1]), 0);
    QCOMPARE(image.pixelColor(wasC), colours[0]);  // b's widget took c's place

    // A press that leaves the button before the release is no click.
    const auto [button, onButton] = at(centreOf(el().imgClose(k(b))));
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, onButton);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, onButton - QPoint(40, 0));
    QCOMPARE(b->State(), kiv::eBarExpanded);
    // The pointer shows what a press would do: the hand over a button, arrows over a splitter.
    QMouseEvent hover(QEvent::MouseMove, QPointF(onButton), button->mapToGlobal(QPointF(onButton)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &hover);
    QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(at(centreOf(el().picSplit(k(a)))).first->cursor().shape(), Qt::SizeVerCursor);
  }

  // In scroll mode: right presses report the title's bar or, on the empty area, none; a captured
  // mouse drags the splitter relative to where it is now, move after move, and the bar follows
  // the pointer to within two pixels; the dock takes the widget's size, scrolls by the scroll
  // bar and the wheel, and shrinks no further than its smallest size.
  void scrollModeFollowsThePointerTheScrollBarAndTheWidgetsSize() {
    dock().setAllowScroll(true);
    const Bar a = showBars({"a", "b"}, 1500)[0];
    QSignalSpy right(widget_.get(), &KivDockWidget::rightClick);
    for (const QPoint p : {pointOf(el().picTitel(k(a)), 1500, 100), QPoint(150, 440)}) {
      const auto [w, local] = at(p);
      QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, local);
    }
    QCOMPARE(right, QList<QVariantList>({{QString("a")}, {QString()}}));  // none on the empty area

    QWidget grid;
    a->letControl(kiv::qt::hostWidget(&grid));
    const auto [split, grabbed] = at(pointOf(el().picSplit(k(a)), 600, 30));
    QCOMPARE(split, widget_->elementWidget(el().picSplit(k(a))));
    const QPoint global = split->mapToGlobal(grabbed);
    QTest::mousePress(split, Qt::LeftButton, Qt::NoModifier, grabbed);
    for (int step = 1; step <= 3; ++step) {
      QTest::mouseMove(split, split->mapFromGlobal(global + QPoint(0, 10 * step)));
      widget_->syncElements();
      QVERIFY(std::abs(a->Height() - (1500 + 150 * step)) <= 30);
    }
    QTest::mouseRelease(split, Qt::LeftButton, Qt::NoModifier,
                        split->mapFromGlobal(global + QPoint(0, 30)));
    widget_->syncElements();
    QVERIFY(std::abs(a->Height() - 1950) <= 30);
    QCOMPARE(grid.height(), px(el().picDockBar(k(a)).Height() - 260 - 75));

    widget_->resize(400, 150);
    QCOMPARE(QSize(dock().Width(), dock().Height()), QSize(6000, 2250));
    QScrollBar* bar = widget_->scrollBar();
    QCOMPARE(bar->maximum(), el().VScroll().Max());
    QCOMPARE(body(a)->geometry(), pixelsOf(el().picDockBar(k(a))));
    QVERIFY(body(a)->width() > 300);  // wider than the widget was
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 140));
    widget_->syncElements();
    QVERIFY(bar->value() > 0);
    QCOMPARE(body(a)->y(), px(-el().VScroll().Value()));
    bar->setValue(0);  // back to the top
    const auto [title, local] = at(QPoint(100, 5));
    QWheelEvent wheel(QPointF(local), QPointF(title->mapToGlobal(local)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(title, &wheel);
    widget_->syncElements();
    QVERIFY(bar->value() > 0);
    QCOMPARE(el().VScroll().Value(), bar->value());

    widget_->resize(5, 5);
    QCOMPARE(widget_->size(), QSize(33, 13));
    QCOMPARE(QSize(dock().Width(), dock().Height()), QSize(500, 200));
  }

  void titleDroppedOntoAnotherBarTakesItsPlace() {
    const auto bars = showBars({"a", "b", "c"}, 2000);
    const auto [title, onTitle] = at(pointOf(el().picTitel(k(bars[2])), 1500, 100));
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, onTitle);
    QCOMPARE(kiv::platform()->DragSource(), &el().picDockBar(k(bars[2])));
    const QPoint over = pointOf(el().picDockBar(k(bars[0])), 1500, 1000);
    QCursor::setPos(widget_->mapToGlobal(over));
    const auto [target, there] = at(over);
    QMimeData bar, text;
    bar.setData("application/x-kivdock-bar", "3");
    text.setText("text");
    QDragEnterEvent foreign(there, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &foreign);
    QVERIFY(!foreign.isAccepted());  // not a bar of this dock
    QDragEnterEvent enter(there, Qt::MoveAction, &bar, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(there), Qt::MoveAction, &bar, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(atOrder(1) == bars[2] && atOrder(2) == bars[0]);
    QCOMPARE(body(bars[2])->y(), 0);
    QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, onTitle);
  }

  // The dock places a host's widget in its bar's body box and gives it back, when the bar lets
  // it go and when the dock, having outlived its widget, ends; a widget the host deletes while
  // hosted is just gone.
  void hostedWidgetsFollowTheirBarsAndComeBack() {
    const auto bars = showBars({"a", "b"}, 3000);
    QWidget form;
    QPointer<QWidget> grid = new QWidget(&form);
    grid->setObjectName("grdOrders");
    bars[0]->letControl(kiv::qt::hostWidget(grid));
    QCOMPARE(bars[0]->Control()->Name(), std::string("grdOrders"));
    widget_->syncElements();
    const kiv::PictureBox& box = el().picDockBar(k(bars[0]));
    QCOMPARE(grid->parentWidget(), body(bars[0]));
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->geometry(), QRect(0, px(260), px(box.Width()), px(box.Height() - 260 - 75)));
    bars[0]->letControl(nullptr);
    QCOMPARE(grid->parentWidget(), &form);
    QVERIFY(!grid->isVisible());

    bars[1]->letControl(kiv::qt::hostWidget(grid));
    delete grid.data();
    clickAt(centreOf(el().imgCollapse(k(bars[1]))));
    QCOMPARE(bars[1]->State(), kiv::eBarCollapsed);
    widget_->resize(280, 380);
    widget_->syncElements();
    bars[1]->letControl(nullptr);

    grid = new QWidget(&form);
    bars[0]->letControl(kiv::qt::hostWidget(grid));
    widget_->syncElements();
    std::shared_ptr<kiv::KivDock> kept = widget_->dock();
    widget_.reset();
    QVERIFY(grid && grid->parentWidget() != &form);
    kept.reset();
    QVERIFY(grid);
    QCOMPARE(grid->parentWidget(), &form);
  }

  // What the user arranged is written in one go once the event loop runs, keys as they are,
  // and a new widget shows it again.
  void arrangementSurvivesTheWidgetThroughQSettings() {
    cleanup();
    QTemporaryDir dir;
    const QString file = dir.filePath("dock.ini");
    kiv::setSharedServicesFactory(
        [file] { return std::make_shared<kiv::qt::SettingsServices>(file); });
    const std::string odd = "Kunden/Aufträge 100%";
    newWidget();
    auto bars = showBars({"a", odd, "c"}, 2000);
    clickAt(centreOf(el().imgDown(k(bars[0]))));
    clickAt(centreOf(el().imgCollapse(k(bars[2]))));
    dock().Save();
    QVERIFY2(!QFile::exists(file), "nothing is written while the dock's calls run");
    QCoreApplication::processEvents();
    QSettings onDisk(file, QSettings::IniFormat);
    onDisk.beginGroup("DockBar");
    QCOMPARE(onDisk.childKeys().size(), 3);
    QCOMPARE(onDisk.childGroups(), QStringList());
    QVERIFY(onDisk.value("c").toString().startsWith("3:1:0:"));  // third, top, collapsed

    cleanup();
    newWidget();
    bars = showBars({"a", odd, "c"}, 2000);
    QVERIFY(atOrder(1) == bars[1] && atOrder(2) == bars[0]);
    QCOMPARE(bars[2]->State(), kiv::eBarCollapsed);
    QCOMPARE(bars[0]->State(), kiv::eBarExpanded);
  }
};

QTEST_MAIN(DockWidgetTest)
#include "tst_dock_widget.moc"
