// Host widgets carried by bars, the window functions of the Qt platform, and its message box.
#include <QPointer>

#include "qt_test_support.h"

using namespace kivqttest;

class HostingTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<kiv::MemorySharedServices> services_;
  std::unique_ptr<kiv::qt::KivDockWidget> widget_;

  kiv::KivDock& dock() { return *widget_->dock(); }
  kiv::Elements& el() { return dock().elements(); }

 private slots:
  void init() {
    services_ = installServices();
    widget_ = shownDock(300, 400);
  }
  void cleanup() {
    widget_.reset();
    kiv::resetSharedServices();
  }

  // The dock moves, sizes and shows the widget in twips; it lives in the bar's body box.
  void hostedWidgetFollowsItsBarInPixels() {
    QWidget form;
    auto* grid = new QWidget(&form);
    grid->setObjectName("grdOrders");
    auto a = addBar(dock(), "a", 3000);
    addBar(dock(), "b", 1500);
    a->letControl(kiv::qt::hostWidget(grid));
    QCOMPARE(a->Control()->Name(), std::string("grdOrders"));
    QCOMPARE(a->Control()->align(), 0);
    QCOMPARE(kiv::platform()->GetParent(a->Control()->hWnd()), dock().hWndItem(k(a)));
    dock().setShow(true);
    widget_->syncElements();
    QWidget* body = widget_->elementWidget(el().picDockBar(k(a)));
    QCOMPARE(grid->parentWidget(), body);
    QVERIFY(grid->isVisible());
    const kiv::PictureBox& box = el().picDockBar(k(a));
    QCOMPARE(grid->geometry(), QRect(0, qRound(260 / 15.0), qRound(box.Width() / 15),
                                     qRound((box.Height() - 260 - 75) / 15)));
    // The splitter lies above the widget it ends.
    QWidget* split = widget_->elementWidget(el().picSplit(k(a)));
    QVERIFY(body->children().indexOf(split) > body->children().indexOf(grid));

    a->letControl(nullptr);
    QCOMPARE(grid->parentWidget(), &form);
    QVERIFY(!grid->isVisible());
  }

  // A host may delete its widget while a bar carries it: the dock goes on without it.
  void widgetDeletedWhileHostedDoesNotHarmTheDock() {
    QWidget form;
    QPointer<QWidget> grid = new QWidget(&form);
    auto a = addBar(dock(), "a", 3000);
    addBar(dock(), "b", 1500);
    a->letControl(kiv::qt::hostWidget(grid));
    dock().setShow(true);
    delete grid.data();
    clickAt(*widget_, centreOf(el().imgCollapse(k(a))));
    QCOMPARE(a->State(), kiv::eBarCollapsed);
    widget_->resize(280, 380);
    a->letControl(nullptr);
    QVERIFY(a->Control() == nullptr);
  }

  // The widget goes while a host still holds its dock: the host's widget survives and comes
  // back to its parent when the dock ends.
  void dockOutlivingItsWidgetGivesTheHostsWidgetBack() {
    QWidget form;
    QPointer<QWidget> grid = new QWidget(&form);
    auto a = addBar(dock(), "a", 3000);
    a->letControl(kiv::qt::hostWidget(grid));
    dock().setShow(true);
    widget_->syncElements();
    std::shared_ptr<kiv::KivDock> kept = widget_->dock();
    widget_.reset();
    QVERIFY(grid);
    QVERIFY(grid->parentWidget() != &form);
    kept.reset();
    QVERIFY(grid);
    QCOMPARE(grid->parentWidget(), &form);
  }

  void windowFunctionsActOnWidgetParents() {
    auto platform = std::dynamic_pointer_cast<kiv::qt::QtPlatform>(kiv::platform());
    QVERIFY(platform);
    QWidget top, other;
    auto* child = new QWidget(&top);
    const kiv::Hwnd hTop = kiv::qt::windowHandle(&top), hChild = kiv::qt::windowHandle(child);
    QCOMPARE(kiv::qt::windowHandle(child), hChild);  // one handle per widget
    QCOMPARE(platform->GetParent(hChild), hTop);
    QCOMPARE(platform->SetParent(hChild, kiv::qt::windowHandle(&other)), hTop);
    QCOMPARE(child->parentWidget(), &other);
    QCOMPARE(platform->GetParent(hTop), kiv::Hwnd{0});
    QCOMPARE(kiv::qt::widgetOf(hChild), child);
    delete child;
    QCOMPARE(kiv::qt::widgetOf(hChild), nullptr);
    QCOMPARE(platform->GetParent(hChild), kiv::Hwnd{0});
  }

  void messageBoxesAreRecordedOffscreenWithTheirCaption() {
    auto platform = std::dynamic_pointer_cast<kiv::qt::QtPlatform>(kiv::platform());
    QVERIFY(platform->recording());
    platform->ClearMessages();
    auto a = dock().Bars().Add();
    a->setRedraw(true);  // tells the user that Redraw is obsolete
    platform->MessageBox("Fehler", "fBarAdd");
    QCOMPARE(platform->Messages().size(), 2u);
    QCOMPARE(platform->Messages()[0].Text, std::string("Redraw obsolet"));
    QCOMPARE(platform->Messages()[0].Caption, std::string("KivDocking5"));
    QCOMPARE(platform->Messages()[1].Caption, std::string("fBarAdd"));
  }
};

QTEST_MAIN(HostingTest)
#include "tst_hosting.moc"
