// Real mouse, wheel, drop and resize events on a shown KivDockWidget, found where the user sees
// the elements.
#include <QCursor>
#include <QDragEnterEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QWheelEvent>

#include "qt_test_support.h"

using namespace kivqttest;

class InputTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<kiv::MemorySharedServices> services_;
  std::unique_ptr<kiv::qt::KivDockWidget> widget_;

  kiv::KivDock& dock() { return *widget_->dock(); }
  kiv::Elements& el() { return dock().elements(); }
  QStringList order() {
    QStringList keys;
    for (int p = 1; p <= dock().Bars().Count(); ++p) {
      keys << QString::fromStdString(dock().Bars().ItemByOrder(p)->Key());
    }
    return keys;
  }
  void showDock() {
    dock().setShow(true);
    widget_->syncElements();
  }
  QWidget* bodyWidget(const std::shared_ptr<kiv::cKivBar>& bar) {
    return widget_->elementWidget(el().picDockBar(k(bar)));
  }

 private slots:
  void init() {
    services_ = installServices();
    widget_ = shownDock(300, 450);
  }
  void cleanup() {
    widget_.reset();
    kiv::resetSharedServices();
  }

  void titleButtonsActOnClickAndTheWidgetsFollow() {
    auto a = addBar(dock(), "a", 2000), b = addBar(dock(), "b", 2000),
         c = addBar(dock(), "c", 2000);
    showDock();
    QSignalSpy closed(widget_.get(), &kiv::qt::KivDockWidget::closed);
    QSignalSpy options(widget_.get(), &kiv::qt::KivDockWidget::optShow);
    const int cTop = bodyWidget(c)->y();

    clickAt(*widget_, centreOf(el().imgCollapse(k(b))));
    QCOMPARE(b->State(), kiv::eBarCollapsed);
    QVERIFY(el().imgExpand(k(b)).Visible());
    QCOMPARE(bodyWidget(b)->height(), qRound(el().picDockBar(k(b)).Height() / 15));
    QVERIFY(bodyWidget(b)->height() < 25);  // little more than the title line is left
    QCOMPARE(bodyWidget(c)->y(), qRound(el().picDockBar(k(c)).Top() / 15));
    QVERIFY(bodyWidget(c)->y() < cTop || c->Height() > 2000);

    clickAt(*widget_, centreOf(el().imgExpand(k(b))));
    QCOMPARE(b->State(), kiv::eBarExpanded);

    clickAt(*widget_, centreOf(el().imgDown(k(a))));
    QCOMPARE(order(), QStringList({"b", "a", "c"}));
    clickAt(*widget_, centreOf(el().imgUp(k(a))));
    QCOMPARE(order(), QStringList({"a", "b", "c"}));

    clickAt(*widget_, centreOf(el().imgOpt(k(c))));
    QCOMPARE(options.count(), 1);
    QCOMPARE(options.at(0).at(0).toString(), QString("c"));

    clickAt(*widget_, centreOf(el().imgClose(k(c))));
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).toString(), QString("c"));
    QVERIFY(!bodyWidget(c)->isVisible());

    // A press that leaves the button before the release is no click.
    const Target t = targetAt(*widget_, centreOf(el().imgClose(k(b))));
    QTest::mousePress(t.widget, Qt::LeftButton, Qt::NoModifier, t.local);
    QTest::mouseRelease(t.widget, Qt::LeftButton, Qt::NoModifier, t.local - QPoint(40, 0));
    QCOMPARE(b->State(), kiv::eBarExpanded);
  }

  void pointerAndTooltipFollowTheElementUnderTheMouse() {
    auto a = addBar(dock(), "a", 2000);
    addBar(dock(), "b", 2000);
    showDock();
    const Target button = targetAt(*widget_, centreOf(el().imgClose(k(a))));
    sendMouse(button.widget, QEvent::MouseMove, button.local, Qt::NoButton, Qt::NoButton);
    QCOMPARE(button.widget->cursor().shape(), Qt::BitmapCursor);  // the hand of imgHand
    QHelpEvent help(QEvent::ToolTip, button.local, button.widget->mapToGlobal(button.local));
    QApplication::sendEvent(button.widget, &help);
    QCOMPARE(QToolTip::text(), QString::fromUtf8("Element ausblenden"));
    const QPoint onCaption = centreOf(el().lblTitel(k(a)));
    const Target caption = targetAt(*widget_, onCaption);
    sendMouse(caption.widget, QEvent::MouseMove, caption.local, Qt::NoButton, Qt::NoButton);
    QCOMPARE(caption.widget->cursor().shape(), Qt::SizeAllCursor);
    const Target split = targetAt(*widget_, centreOf(el().picSplit(k(a))));
    QCOMPARE(split.widget->cursor().shape(), Qt::SizeVerCursor);
  }

  void rightPressActsOnPressOnTitleAndEmptyArea() {
    dock().setAllowScroll(true);  // the bar leaves room below it
    auto a = addBar(dock(), "a", 1500);
    showDock();
    QSignalSpy right(widget_.get(), &kiv::qt::KivDockWidget::rightClick);
    const Target title = targetAt(*widget_, pointOf(el().picTitel(k(a)), 1500, 100));
    QTest::mousePress(title.widget, Qt::RightButton, Qt::NoModifier, title.local);
    QCOMPARE(right.count(), 1);
    QCOMPARE(right.at(0).at(0).toString(), QString("a"));
    QTest::mouseRelease(title.widget, Qt::RightButton, Qt::NoModifier, title.local);
    const Target empty = targetAt(*widget_, QPoint(150, 440));
    QCOMPARE(empty.widget, static_cast<QWidget*>(widget_.get()));
    QTest::mousePress(empty.widget, Qt::RightButton, Qt::NoModifier, empty.local);
    QCOMPARE(right.count(), 2);
    QCOMPARE(right.at(1).at(0).toString(), QString());
    QTest::mouseRelease(empty.widget, Qt::RightButton, Qt::NoModifier, empty.local);
  }

  // Each move reaches the splitter relative to where the splitter is now, as a captured mouse
  // does; the bar and its hosted widget follow.
  void splitterDragInSeveralMovesResizesTheBar() {
    dock().setAllowScroll(true);  // bars may grow freely
    auto a = addBar(dock(), "a", 3000);
    addBar(dock(), "b", 1500);
    QWidget grid;
    a->letControl(kiv::qt::hostWidget(&grid));
    showDock();
    const Target split = targetAt(*widget_, pointOf(el().picSplit(k(a)), 600, 30));
    QCOMPARE(split.widget, widget_->elementWidget(el().picSplit(k(a))));
    const QPoint grabbed = split.widget->mapToGlobal(split.local);
    sendMouse(split.widget, QEvent::MouseButtonPress, split.local, Qt::LeftButton, Qt::LeftButton);
    std::int32_t previous = a->Height();
    for (int step = 1; step <= 3; ++step) {
      const QPoint now = grabbed + QPoint(0, 10 * step);
      sendMouse(split.widget, QEvent::MouseMove, split.widget->mapFromGlobal(now), Qt::NoButton,
                Qt::LeftButton);
      widget_->syncElements();
      QVERIFY2(a->Height() > previous, "the bar grows with every move down");
      previous = a->Height();
    }
    sendMouse(split.widget, QEvent::MouseButtonRelease,
              split.widget->mapFromGlobal(grabbed + QPoint(0, 30)), Qt::LeftButton, Qt::NoButton);
    widget_->syncElements();
    // The strip followed the pointer 30 pixels down: the bar is about 450 twips taller.
    QVERIFY2(a->Height() >= 3000 + 400 && a->Height() <= 3000 + 520,
             qPrintable(QString::number(a->Height())));
    QCOMPARE(grid.height(), qRound((el().picDockBar(k(a)).Height() - 260 - 75) / 15.0));

    for (int step = 1; step <= 3; ++step) {
      const QPoint at = targetAt(*widget_, pointOf(el().picSplit(k(a)), 600, 30)).local;
      sendMouse(split.widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
      sendMouse(split.widget, QEvent::MouseMove, at - QPoint(0, 20), Qt::NoButton, Qt::LeftButton);
      sendMouse(split.widget, QEvent::MouseButtonRelease, at - QPoint(0, 20), Qt::LeftButton,
                Qt::NoButton);
      widget_->syncElements();
    }
    QVERIFY2(a->Height() < 3000, qPrintable(QString::number(a->Height())));
  }

  void titleDroppedOntoAnotherBarTakesItsPlace() {
    auto a = addBar(dock(), "a", 2000), b = addBar(dock(), "b", 2000),
         c = addBar(dock(), "c", 2000);
    showDock();
    const Target title = targetAt(*widget_, pointOf(el().picTitel(k(c)), 1500, 100));
    QTest::mousePress(title.widget, Qt::LeftButton, Qt::NoModifier, title.local);
    QCOMPARE(kiv::platform()->DragSource(), &el().picDockBar(k(c)));

    const QPoint over = pointOf(el().picDockBar(k(a)), 1500, 1000);
    QCursor::setPos(widget_->mapToGlobal(over));
    const Target target = targetAt(*widget_, over);
    QMimeData data;
    data.setData("application/x-kivdock-bar", "3");
    QDragEnterEvent enter(target.local, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.widget, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(target.local), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.widget, &drop);
    widget_->syncElements();
    QCOMPARE(order(), QStringList({"c", "a", "b"}));
    QCOMPARE(bodyWidget(c)->y(), 0);
    QCOMPARE(services_->Settings.count({"DockBar", "c"}), 1u);

    // A drag that is not a bar of this dock is refused.
    QMimeData other;
    other.setText("text");
    QDragEnterEvent foreign(target.local, Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.widget, &foreign);
    QVERIFY(!foreign.isAccepted());
  }

  void scrollModeScrollsByScrollBarAndWheel() {
    dock().setAllowScroll(true);
    for (const char* key : {"a", "b", "c", "d"}) addBar(dock(), key, 3000);
    showDock();
    QScrollBar* bar = widget_->scrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->maximum(), el().VScroll().Max());
    auto first = dock().Bars().ItemByOrder(1);

    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      QPoint(bar->width() / 2, bar->height() - 30));
    widget_->syncElements();
    QVERIFY(bar->value() > 0);
    QCOMPARE(el().VScroll().Value(), bar->value());
    QCOMPARE(bodyWidget(first)->y(), qRound(-bar->value() / 15.0));

    const int before = bar->value();
    const Target title = targetAt(*widget_, QPoint(100, 5));
    QWheelEvent wheel(QPointF(title.local), QPointF(title.widget->mapToGlobal(title.local)),
                      QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(title.widget, &wheel);
    widget_->syncElements();
    QVERIFY(bar->value() > before);
    QCOMPARE(el().VScroll().Value(), bar->value());
  }

  void resizingTheWidgetResizesTheDock() {
    auto a = addBar(dock(), "a", 2000);
    showDock();
    widget_->resize(400, 300);
    widget_->syncElements();
    QCOMPARE(dock().Width(), 6000);
    QCOMPARE(dock().Height(), 4500);
    QCOMPARE(bodyWidget(a)->width(), qRound(el().picDockBar(k(a)).Width() / 15));
    QCOMPARE(a->Width(), 6000 - 20);
    widget_->resize(5, 5);  // the dock's smallest size
    QCOMPARE(widget_->size(), QSize(33, 13));
    QCOMPARE(dock().Width(), 500);
    QCOMPARE(dock().Height(), 200);
  }
};

QTEST_MAIN(InputTest)
#include "tst_input.moc"
