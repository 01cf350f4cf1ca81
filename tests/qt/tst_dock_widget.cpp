// KivDockWidget as its user sees and drives it: screenshots, hosted widgets, Qt's input rules,
// scrolling, the palette, the keyboard and the accessibility tree.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHelpEvent>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTranslator>
#include <algorithm>
#include <cmath>

#include "widget_input.h"

namespace {

using namespace kivqtest;

// A box in its container's pixels: each edge lies on the nearest pixel line.
QRect pixelsOf(const kiv::Element& e) {
  return QRect(QPoint(px(e.Left()), px(e.Top())),
               QPoint(px(e.Left() + e.Width()) - 1, px(e.Top() + e.Height()) - 1));
}

// Where an element's point (twips) shows in the dock widget; captions and images are painted by
// their box.
QPoint pointOf(const kiv::Element& e, double x, double y) {
  const bool painted = e.Kind() != kiv::ElementKind::PictureBox;
  QPoint p(static_cast<int>(std::floor((painted ? x + e.Left() : x) / 15)),
           static_cast<int>(std::floor((painted ? y + e.Top() : y) / 15)));
  for (auto* box = painted ? e.Container() : &e; box->Kind() != kiv::ElementKind::Surface;
       box = box->Container()) {
    p += pixelsOf(*box).topLeft();
  }
  return p;
}
QPoint centreOf(const kiv::Element& e) { return pointOf(e, e.Width() / 2, e.Height() / 2); }

// How many pixels of a 32-bit screenshot have this colour.
long count(const QImage& image, const QColor& colour) {
  const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
  return std::count(pixels, pixels + image.width() * image.height(), colour.rgb());
}

// The contrast ratio of two colours, 1 to 21.
double contrastOf(const QColor& a, const QColor& b) {
  auto lum = [](const QColor& c) {
    auto ch = [](int v) {
      const double x = v / 255.0;
      return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * ch(c.red()) + 0.7152 * ch(c.green()) + 0.0722 * ch(c.blue());
  };
  const double la = lum(a), lb = lum(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class DockWidgetTest : public QObject {
  Q_OBJECT

  std::unique_ptr<KivDockWidget> widget_;

  kiv::KivDock& dock() { return *widget_->dock(); }
  kiv::Elements& el() { return dock().elements(); }
  QWidget* shownBy(const kiv::Element& e) {
    widget_->syncElements();
    return widget_->elementWidget(e);
  }
  QWidget* body(const Bar& bar) { return shownBy(el().picDockBar(k(bar))); }
  QWidget* title(const Bar& bar) { return shownBy(el().picTitel(k(bar))); }
  // A new shown widget whose dock shows bars that can be collapsed, resized and closed.
  std::vector<Bar> showBars(const std::vector<std::string>& keys, std::int32_t height,
                            bool scroll = false) {
    widget_ = std::make_unique<KivDockWidget>();
    widget_->resize(300, 450);
    widget_->show();
    dock().setAllowScroll(scroll);
    std::vector<Bar> bars;
    for (const auto& key : keys) {
      bars.push_back(widget_->addBar(QString::fromStdString(key), QString::fromStdString(key)));
      bars.back()->setHeight(height);
    }
    dock().setShow(true);
    QApplication::setActiveWindow(widget_.get());
    return bars;
  }
  // The widget Qt finds at a pixel of the dock, and the point in it.
  std::pair<QWidget*, QPoint> at(QPoint p) {
    widget_->syncElements();
    QWidget* w = widget_->childAt(p) ? widget_->childAt(p) : widget_.get();
    return {w, w->mapFrom(widget_.get(), p)};
  }
  void clickAt(QPoint p) {
    const auto [w, local] = at(p);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, local);
  }
  QImage shot() {
    widget_->syncElements();
    return widget_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

 private slots:
  // Title black to red, splitter line grey, bodies light, captions dark (0xBBGGRR).
  void init() {
    useColours({{10, 0xC8C8C8}, {14, 0}, {15, 0x0000FF}, {140, 0xF0F0F0}, {150, 0x101010}});
  }
  void cleanup() {
    widget_.reset();
    kiv::resetSharedServices();
  }

  // The screen shows what the model draws and hosted widgets in their bodies, hidden with a
  // collapsed or closed bar; the pointer is the model's, a button clicks only on a release inside
  // it, foreign drags are refused; hosted widgets come back, one deleted while hosted is gone.
  void screenShowsTheModelAndHostedWidgetsComeBack() {
    const auto bars = showBars({"a", "b", "c"}, 2000);
    const Bar &a = bars[0], &b = bars[1], &c = bars[2];
    const QImage image = shot();
    const kiv::PictureBox& title = el().picTitel(k(a));
    for (float x = 7; x < title.Width(); x += 450) {  // the bottom row, below buttons and caption
      const QRgb drawn = title.Point(x, 255);         // 0xBBGGRR
      QCOMPARE(image.pixel(pointOf(title, x, 255)), qRgb(qBlue(drawn), qGreen(drawn), qRed(drawn)));
    }
    const kiv::Image& close = el().imgClose(k(a));
    QVERIFY(count(image, QColor(16, 16, 16)) > 0);  // the captions
    const kiv::PictureBox& split = el().picSplit(k(a));

    const auto [button, onButton] = at(centreOf(close));
    QTest::mouseMove(button, onButton);  // the hand over a button, arrows over a splitter
    QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(at(centreOf(split)).first->cursor().shape(), Qt::SizeVerCursor);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, onButton);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, onButton - QPoint(40, 0));
    QCOMPARE(a->State(), kiv::eBarExpanded);
    const auto [target, there] = at(pointOf(el().picDockBar(k(a)), 1500, 1000));
    QMimeData text;  // not a bar of this dock
    QDragEnterEvent foreign(there, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &foreign);
    QVERIFY(!foreign.isAccepted());

    QWidget form;
    const QColor colours[] = {Qt::magenta, Qt::cyan};
    const QPointer<QWidget> grids[] = {new QWidget(&form), new QWidget(&form)};
    for (int i : {0, 1}) {
      grids[i]->setPalette(QPalette(colours[i], colours[i]));
      grids[i]->setAutoFillBackground(true);
      bars[i + 1]->letControl(kiv::qt::hostWidget(grids[i]));
    }
    QVERIFY(count(shot(), colours[0]) > 1000 && count(shot(), colours[1]) > 1000);
    const kiv::PictureBox& box = el().picDockBar(k(b));  // between title (260) and splitter (75)
    QCOMPARE(grids[0]->parentWidget(), body(b));
    QCOMPARE(grids[0]->geometry(), QRect(0, px(260), px(box.Width()), px(box.Height() - 335)));
    clickAt(centreOf(el().imgCollapse(k(b))));
    for (const Bar& bar : bars) QCOMPARE(body(bar)->geometry(), pixelsOf(el().picDockBar(k(bar))));
    QCOMPARE(count(shot(), colours[0]), 0);
    clickAt(centreOf(el().imgClose(k(c))));
    QCOMPARE(count(shot(), colours[1]), 0);
    c->letControl(nullptr);
    QVERIFY(grids[1]->parentWidget() == &form && grids[1]->isHidden());

    delete grids[0].data();
    clickAt(centreOf(el().imgExpand(k(b))));  // shows and moves what b carried
    a->letControl(kiv::qt::hostWidget(grids[1]));
    std::shared_ptr<kiv::KivDock> kept = widget_->dock();  // a dock that outlives its widget
    widget_.reset();
    QVERIFY(grids[1] && grids[1]->parentWidget() != &form);
    kept.reset();
    QVERIFY(grids[1] && grids[1]->parentWidget() == &form);
  }

  // In scroll mode the splitter follows a captured mouse move after move; the dock takes the
  // widget's size down to its smallest, the scroll bar spans its range and the wheel scrolls.
  void scrollModeFollowsThePointerTheWheelAndTheWidgetsSize() {
    const Bar a = showBars({"a", "b"}, 1500, true)[0];
    const auto [split, grabbed] = at(pointOf(el().picSplit(k(a)), 600, 30));
    const QPoint global = split->mapToGlobal(grabbed);
    QTest::mousePress(split, Qt::LeftButton, Qt::NoModifier, grabbed);
    for (int dy : {10, 30}) QTest::mouseMove(split, split->mapFromGlobal(global + QPoint(0, dy)));
    QTest::mouseRelease(split, Qt::LeftButton, Qt::NoModifier,
                        split->mapFromGlobal(global + QPoint(0, 30)));
    QVERIFY(std::abs(a->Height() - 1950) <= 30);

    widget_->resize(400, 150);
    QCOMPARE(QSize(dock().Width(), dock().Height()), QSize(6000, 2250));
    QScrollBar* bar = widget_->scrollBar();
    QCOMPARE(bar->maximum(), el().VScroll().Max());
    const auto [title, local] = at(QPoint(100, 5));
    QWheelEvent wheel(QPointF(local), QPointF(title->mapToGlobal(local)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(title, &wheel);
    QVERIFY(bar->value() > 0);
    QCOMPARE(body(a)->y(), px(-bar->value()));

    widget_->resize(5, 5);
    QCOMPARE(widget_->size(), QSize(33, 13));
    QCOMPARE(QSize(dock().Width(), dock().Height()), QSize(500, 200));
  }

  // Any button but the right one drags a title; a highlight line marks where the bar lands and
  // the release drops there. A click drops on the title itself; Escape drops nothing.
  void titleDragFollowsThePointerAndDropsAtTheRelease() {
    const auto bars = showBars({"a", "b", "c"}, 2000);
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Highlight, Qt::magenta);
    widget_->setPalette(palette);
    const auto [title, grabbed] = at(pointOf(el().picTitel(k(bars[0])), 2000, 130));
    QTest::mousePress(title, Qt::MiddleButton, Qt::NoModifier, grabbed);
    const QRect target = pixelsOf(el().picDockBar(k(bars[2])));
    const QPoint over = target.center();
    QTest::mouseMove(title, title->mapFrom(widget_.get(), over));
    const QImage during = shot();
    int marked = 0;
    for (int x = target.left(); x <= target.right(); ++x) {
      marked += during.pixelColor(x, target.bottom()) == QColor(Qt::magenta);
    }
    QVERIFY2(marked > target.width() / 2, "the landing line below c");
    QTest::mouseRelease(title, Qt::MiddleButton, Qt::NoModifier,
                        title->mapFrom(widget_.get(), over));
    QCOMPARE(order(dock()), QString("bca"));
    const QImage after = shot();
    for (int x = target.left(); x <= target.right(); ++x) {
      QVERIFY(after.pixelColor(x, target.bottom()) != QColor(Qt::magenta));
    }
    const auto [own, point] = at(pointOf(el().picTitel(k(bars[1])), 2000, 130));
    QTest::mouseClick(own, Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(order(dock()), QString("bca"));
    QTest::mousePress(own, Qt::LeftButton, Qt::NoModifier, point);  // Escape: no drop
    QTest::mouseMove(own, own->mapFrom(widget_.get(), over));
    QTest::keyClick(widget_.get(), Qt::Key_Escape);
    QTest::mouseRelease(own, Qt::LeftButton, Qt::NoModifier, own->mapFrom(widget_.get(), over));
    QCOMPARE(order(dock()), QString("bca"));
  }

  // A palette change recolours the titles; glyphs and the splitter line keep a contrast of 3:1;
  // a long caption ends before the buttons.
  void followsTheApplicationsLook_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QPalette(QColor(0xEFEFEF));
    QPalette dark(QColor(0x353535), QColor(0x2B2B2B));
    dark.setColor(QPalette::WindowText, QColor(0xE0E0E0));
    dark.setColor(QPalette::Text, QColor(0xE0E0E0));
    dark.setColor(QPalette::Highlight, QColor(0x2A82DA));
    QTest::newRow("dark") << dark;
  }
  void followsTheApplicationsLook() {
    QFETCH(QPalette, palette);
    QTemporaryDir dir;
    useSettingsFile(dir.filePath("dock.ini"));
    const auto bars = showBars({"a", "Ein sehr langer Titel, der nicht in die Leiste passt"}, 2000);
    widget_->resize(160, 450);
    const QPalette before = QApplication::palette();
    // Qt sends the change from its event loop; here it is sent by hand.
    auto setPalette = [this](const QPalette& p) {
      QApplication::setPalette(p);
      QEvent changed(QEvent::ApplicationPaletteChange);
      QApplication::sendEvent(widget_.get(), &changed);
    };
    setPalette(palette);
    const QImage image = shot();
    const kiv::PictureBox& title = el().picTitel(k(bars[0]));
    QCOMPARE(image.pixelColor(pointOf(title, 7, 255)).lightness() < 128,
             palette.color(QPalette::Window).lightness() < 128);
    double best = 0;  // the glyph's own pixels against the title right below them
    const QRect close = pixelsOf(el().imgClose(k(bars[0]))).translated(pointOf(title, 0, 0));
    const QColor behind = image.pixelColor(close.center().x(), pointOf(title, 0, 255).y());
    for (int y = close.top(); y <= close.bottom(); ++y) {
      for (int x = close.left(); x <= close.right(); ++x) {
        best = std::max(best, contrastOf(image.pixelColor(x, y), behind));
      }
    }
    QVERIFY2(best >= 3, qPrintable(QString::number(best)));
    const kiv::PictureBox& split = el().picSplit(k(bars[0]));
    QVERIFY(contrastOf(image.pixelColor(pointOf(split, 1500, 30)),
                       image.pixelColor(pointOf(split, 1500, 0))) >= 3);
    // The long caption stops before the buttons: their area looks as under a short caption.
    const kiv::PictureBox& longTitle = el().picTitel(k(bars[1]));
    const QRect buttons(pointOf(el().imgUp(k(bars[1])), 0, 0),
                        pointOf(longTitle, longTitle.Width() - 1, longTitle.Height() - 1));
    bars[1]->setTitle("x");
    QCOMPARE(shot().copy(buttons), image.copy(buttons));
    setPalette(before);
  }

  // Tab walks the titles in bar order (also after a move); the focused one looks different.
  void titlesTakeTheFocusInBarOrder() {
    const auto bars = showBars({"a", "b", "c"}, 2400);
    QVERIFY(QTest::qWaitForWindowActive(widget_.get()));
    click(el().imgDown(k(bars[0])));  // b, a, c
    title(bars[1])->setFocus();
    const QImage plain = title(bars[0])->grab().toImage();
    QTest::keyClick(title(bars[1]), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), title(bars[0]));
    QVERIFY(title(bars[0])->grab().toImage() != plain);
    QTest::keyClick(title(bars[0]), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), title(bars[2]));
  }

  void keysDoWhatTheButtonsDo_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("seen");
    const int ctrl = Qt::ControlModifier, both = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Space collapses") << int(Qt::Key_Space) << 0 << "state 0";
    QTest::newRow("Enter collapses") << int(Qt::Key_Return) << 0 << "state 0";
    QTest::newRow("Ctrl+Up moves up") << int(Qt::Key_Up) << ctrl << "order bac";
    QTest::newRow("Ctrl+Down moves down") << int(Qt::Key_Down) << ctrl << "order acb";
    QTest::newRow("Delete closes") << int(Qt::Key_Delete) << 0 << "state 2";
    QTest::newRow("Menu raises RightClick") << int(Qt::Key_Menu) << 0 << "rightClick b";
    QTest::newRow("Ctrl+Shift+Down grows") << int(Qt::Key_Down) << both << "height +300";
    QTest::newRow("Ctrl+Shift+Up shrinks") << int(Qt::Key_Up) << both << "height -300";
    QTest::newRow("Up alone does nothing") << int(Qt::Key_Up) << 0 << "order abc";
  }
  void keysDoWhatTheButtonsDo() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, seen);
    const Bar b = showBars({"a", "b", "c"}, 2400)[1];
    QVERIFY(QTest::qWaitForWindowActive(widget_.get()));
    QSignalSpy rightClicks(widget_.get(), &KivDockWidget::rightClick);
    const std::int32_t height = b->Height();
    title(b)->setFocus();
    QTest::keyClick(title(b), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const QStringList what = seen.split(' ');
    if (what[0] == "state") QCOMPARE(int(b->State()), what[1].toInt());
    if (what[0] == "order") QCOMPARE(order(dock()), what[1]);
    if (what[0] == "rightClick") QCOMPARE(rightClicks, QList<QVariantList>({{what[1]}}));
    if (what[0] == "height") QVERIFY(std::abs(b->Height() - height - what[1].toInt()) < 15);
    if (what[0] != "state") QCOMPARE(QApplication::focusWidget(), title(b));
  }

  // Bars are groupings named by their titles, buttons push buttons named by their tooltips
  // (German, or translated through Qt) whose press action clicks them.
  void accessibilityAndTooltipsNameAndPress() {
    const Bar b = showBars({"a", "b", "c"}, 2400)[1];
    QAccessibleInterface* body = QAccessible::queryAccessibleInterface(this->body(b));
    QCOMPARE(body->role(), QAccessible::Grouping);
    QCOMPARE(body->text(QAccessible::Name), QString("b"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(title(b));
    const QRect shown(title(b)->mapToGlobal(QPoint()), title(b)->size());
    std::map<QString, QAccessibleInterface*> buttons;  // by name
    auto names = [&] {
      QStringList found;
      for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface* child = bar->child(i);
        if (child->role() != QAccessible::PushButton) continue;
        found << child->text(QAccessible::Name);
        buttons[found.back()] =
            bar->indexOfChild(child) == i && child->rect().intersects(shown) ? child : nullptr;
      }
      return found;
    };
    QCOMPARE(names(), (QStringList{"Element zuklappen", "Element nach oben verschieben",
                                   "Element nach unten verschieben", "Element ausblenden"}));
    for (const auto& [name, button] : buttons) QVERIFY2(button, qPrintable(name + " is misplaced"));
    const kiv::Element& collapse = el().imgCollapse(k(b));
    auto tip = [&] {
      const auto [shownIn, at] = where(collapse, 60, 60);
      QHelpEvent help(QEvent::ToolTip, at.toPoint(), shownIn->mapToGlobal(at.toPoint()));
      QApplication::sendEvent(shownIn, &help);
      return QToolTip::text();
    };
    QCOMPARE(tip(), QString("Element zuklappen"));
    struct English : QTranslator {
      QString translate(const char* context, const char* source, const char*, int) const override {
        const bool known =
            QByteArray(context) == "KivDock" && QByteArray(source) == "Element zuklappen";
        return known ? QString("Collapse") : QString();
      }
    } english;
    QCoreApplication::installTranslator(&english);
    QCOMPARE(tip(), QString("Collapse"));
    QVERIFY(names().contains("Collapse"));
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(names().size(), 4);  // the buttons' interfaces anew
    buttons["Element ausblenden"]->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCOMPARE(b->State(), kiv::eBarHidden);
  }
};

QTEST_MAIN(DockWidgetTest)
#include "tst_dock_widget.moc"
