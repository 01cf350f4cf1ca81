// KivDockWidget as a Qt host uses it, written from the README: settings and palette out of the
// box, two docks apart, its signals and Qt-typed operations, and deleted inside its own signals.
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "widget_input.h"

using namespace kivqtest;

namespace {

// A shown widget of 300 x 400 pixels with bar "a" (with an options button, carrying `carried`),
// "b" and "c".
Bar showABC(KivDockWidget& w, QWidget* carried = nullptr) {
  w.resize(300, 400);
  auto a = w.addBar("a", "A", carried, KivDockWidget::DefaultFeatures | KivDockWidget::HasOptions);
  w.addBar("b", "B");
  w.addBar("c", "C");
  w.dock()->setShow(true);
  w.show();
  return a;
}

struct Sink : kiv::KivDockEvents {
  QStringList log;
  void Closed(std::string& Key) override { log << "Closed " + QString::fromStdString(Key); }
};

// The colour a title shows at its bottom left, where neither caption nor button lies.
QColor titleColour(KivDockWidget& w, const Bar& bar) {
  w.syncElements();
  QWidget* title = w.elementWidget(w.dock()->elements().picTitel(k(bar)));
  return title->grab().toImage().pixelColor(1, title->height() - 2);
}

}  // namespace

class WidgetApiTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // The README's host: bars with heights, Show, then the window appears. Two docks side by side
  // with the same keys, told apart by their object names.
  struct Host {
    QWidget window;
    KivDockWidget* left = new KivDockWidget;
    KivDockWidget* right = new KivDockWidget;
    QPointer<QLabel> adopted = new QLabel("grid");
    QWidget form;
    QPointer<QLabel> lent = new QLabel("form's", &form);
    Host() {
      auto* layout = new QHBoxLayout(&window);
      left->setObjectName("left");
      right->setObjectName("right");
      for (KivDockWidget* dock : {left, right}) {
        layout->addWidget(dock);
        const bool isLeft = dock == left;
        dock->addBar("a", "A", isLeft ? adopted.data() : nullptr)->setHeight(isLeft ? 1500 : 3000);
        dock->addBar(kSlashed, "B", isLeft ? lent.data() : nullptr)
            ->setHeight(isLeft ? 3000 : 1500);
        dock->dock()->setShow(true);
      }
      window.resize(600, 450);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    static constexpr const char* kSlashed = "Kunden/Aufträge 100%";  // a key, not a group
    std::int32_t height(KivDockWidget* dock, const char* key) {
      return dock->dock()->Bars().ItemByKey(key)->Height();
    }
  };

 private slots:
  void initTestCase() {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    QCoreApplication::setOrganizationName("KivDockTest");
    QCoreApplication::setApplicationName("widget_api");
  }
  void cleanup() { kiv::resetSharedServices(); }

  // No factory set: the application's settings and palette. The heights the host gave keep their
  // difference through the first show, the user's change is saved per dock and comes back in the
  // next run, written once the event loop runs, keys as they are; the adopted widget goes with its
  // dock widget, the lent one back to its form.
  void worksOutOfTheBoxAndRestoresEachDocksHeights() {
    std::int32_t leftA = 0, rightA = 0;
    {
      Host host;
      QCOMPARE(host.height(host.left, Host::kSlashed) - host.height(host.left, "a"), 1500);
      QVERIFY(titleColour(*host.left, host.left->dock()->Bars().ItemByKey("a")).lightness() > 40);
      auto onDisk = [ini = QSettings().fileName()] {
        QFile file(ini);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
      };
      const QByteArray before = onDisk();
      kiv::Elements& el = host.left->dock()->elements();
      click(el.imgCollapse(1));
      click(el.imgExpand(1));
      click(el.imgDown(1));  // the order as well: the stored texts change for certain
      QVERIFY2(onDisk() == before, "written while the dock's calls run");
      QCoreApplication::processEvents();
      QVERIFY(onDisk() != before);
      leftA = host.height(host.left, "a");
      rightA = host.height(host.right, "a");
      QVERIFY(leftA != rightA);
      delete host.left;
      QVERIFY(host.adopted.isNull());
      QVERIFY(host.lent && host.lent->parentWidget() == &host.form);
    }
    Host again;
    QCOMPARE(again.height(again.left, "a"), leftA);
    QCOMPARE(again.height(again.right, "a"), rightA);
    QSettings stored;
    QCOMPARE(stored.childGroups(), QStringList{"DockBar"});
    stored.beginGroup("DockBar");
    QCOMPARE(stored.childGroups(), (QStringList{"left", "right"}));
    stored.beginGroup("left");
    QCOMPARE(stored.childGroups(), QStringList());
  }

  // The widget's signals whatever sink the host sets; the options request cancels or reloads;
  // state, move and arrangement signals follow the user's clicks.
  void signalsNeverGoSilent() {
    useColours({});
    KivDockWidget w;
    const Bar a = showABC(w), b = w.dock()->Bars().ItemByKey("b");
    Sink sink;
    w.dock()->setEventSink(&sink);
    QSignalSpy closed(&w, &KivDockWidget::closed), states(&w, &KivDockWidget::barStateChanged),
        moved(&w, &KivDockWidget::barMoved), arranged(&w, &KivDockWidget::arrangementChanged);
    kiv::Elements& el = w.dock()->elements();
    click(el.imgCollapse(k(b)));
    QCOMPARE(states, QList<QVariantList>({{"b", int(kiv::eBarCollapsed)}}));
    click(el.imgDown(k(a)));
    QCOMPARE(moved, QList<QVariantList>({{"a", 2}, {"b", 1}}));
    click(el.imgClose(k(a)));
    QCOMPARE(closed, QList<QVariantList>({{"a"}}));
    QCOMPARE(sink.log, QStringList{"Closed a"});
    QCOMPARE(arranged.count(), 3);

    // b was collapsed and saved; the host opens it without saving. Options with a reload bring
    // the saved state back, unless the handler cancels.
    w.showAllBars();
    b->setState(kiv::eBarExpanded);
    for (const bool cancel : {true, false}) {
      auto handler = connect(&w, &KivDockWidget::optShow, [&](kiv::qt::OptionsRequest* request) {
        QCOMPARE(request->key, QString("a"));
        request->reload = true;
        request->cancel = cancel;
      });
      click(el.imgOpt(k(a)));
      QCOMPARE(b->State(), cancel ? kiv::eBarExpanded : kiv::eBarCollapsed);
      disconnect(handler);
    }
    w.dock()->setEventSink(nullptr);
  }

  // A bar added after Show takes the host's colours and its place at once; icons, showing all,
  // resetting, the arrangement as bytes and the properties.
  void qtTypedOperations() {
    useColours({{14, 0x0000C0}, {15, 0x0000C0}, {140, 0xF0F0F0}});
    KivDockWidget w;
    w.resize(300, 450);
    w.show();
    auto a = w.addBar("a", "A");
    w.dock()->setShow(true);
    auto late = w.addBar("late", "Spät");
    QCOMPARE(titleColour(w, late), QColor(0xC0, 0, 0));
    kiv::Elements& el = w.dock()->elements();
    QVERIFY(el.picDockBar(k(late)).Top() > el.picDockBar(k(a)).Top());
    QCOMPARE(w.elementWidget(el.picDockBar(k(late)))->geometry().top(),
             static_cast<int>(std::lround(el.picDockBar(k(late)).Top() / 15)));

    QPixmap square(16, 16);
    square.fill(Qt::green);
    w.setIcon(late, QIcon(square));
    QVERIFY(el.imgIcon(k(late)).Visible());
    QCOMPARE(kiv::qt::toImage(*late->Icon()).pixelColor(8, 8), QColor(Qt::green));

    const QByteArray state = w.saveState();
    click(el.imgDown(k(a)));
    click(el.imgClose(k(late)));
    QCOMPARE(w.dock()->Bars().ItemByOrder(1), late);
    QVERIFY(w.restoreState(state));
    QCOMPARE(w.dock()->Bars().ItemByOrder(1), a);
    QVERIFY(!w.restoreState("not a state"));
    click(el.imgClose(k(late)));
    w.showAllBars();
    QCOMPARE(late->State(), kiv::eBarExpanded);
    click(el.imgDown(k(a)));
    w.resetLayout();
    QCOMPARE(w.dock()->Bars().ItemByOrder(1), a);

    auto* grid = new QLabel("grid");  // adopted, then handed back hidden and parentless
    auto carrier = w.addBar("grid", "Raster", grid);
    QCOMPARE(w.barWidget(carrier), grid);
    std::unique_ptr<QWidget> taken(w.takeWidget(carrier));
    QVERIFY(taken.get() == grid && !grid->parentWidget() && grid->isHidden());
    QVERIFY(!carrier->Control());

    QVERIFY(w.setProperty("allowScroll", true) && w.dock()->AllowScroll());
    QVERIFY(w.setProperty("doLoadSettings", false) && !w.dock()->DoLoadSettings());
    w.setSettingsGroup("Eigene");
    QCOMPARE(w.dock()->SettingsSection(), std::string("Eigene"));
  }

  void deletedInsideItsSignal_data() {
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QString>("press");
    QTest::newRow("closed") << QByteArray(SIGNAL(closed(QString))) << "close";
    QTest::newRow("rightClick") << QByteArray(SIGNAL(rightClick(QString))) << "title";
    QTest::newRow("optShow") << QByteArray(SIGNAL(optShow(kiv::qt::OptionsRequest*))) << "opt";
    QTest::newRow("ctlResize") << QByteArray(SIGNAL(ctlResize(QString))) << "collapse";
    QTest::newRow("barStateChanged")
        << QByteArray(SIGNAL(barStateChanged(QString, int))) << "collapse";
    QTest::newRow("barMoved") << QByteArray(SIGNAL(barMoved(QString, int))) << "down";
    QTest::newRow("arrangementChanged") << QByteArray(SIGNAL(arrangementChanged())) << "close";
  }
  void deletedInsideItsSignal() {
    QFETCH(QByteArray, signal);
    QFETCH(QString, press);
    useColours({{14, 0x804020}, {15, 0xFFC080}, {140, 0xF0F0F0}});
    QPointer<KivDockWidget> widget = new KivDockWidget;
    QPointer<QLabel> label = new QLabel("grid");
    const Bar a = showABC(*widget, label);
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QCoreApplication::processEvents();
    raised_ = 0;
    connect(widget, signal.constData(), this, SLOT(deleteSender()));
    kiv::Elements& el = widget->dock()->elements();
    const std::map<QString, const kiv::Element*> elements = {{"close", &el.imgClose(k(a))},
                                                             {"title", &el.picTitel(k(a))},
                                                             {"opt", &el.imgOpt(k(a))},
                                                             {"collapse", &el.imgCollapse(k(a))},
                                                             {"down", &el.imgDown(k(a))}};
    click(*elements.at(press), press == "title" ? Qt::RightButton : Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(raised_, 1);
    QVERIFY(widget.isNull());
    QVERIFY2(label.isNull(), "a widget hosted without a parent goes with the dock widget");
  }

 public slots:
  void deleteSender() {
    ++raised_;
    delete qobject_cast<KivDockWidget*>(sender());
  }

 private:
  int raised_ = 0;
};

QTEST_MAIN(WidgetApiTest)
#include "tst_widget_api.moc"
