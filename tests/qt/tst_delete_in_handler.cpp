// A host may delete the dock widget inside any of its signals: the input that raised the signal
// ends quietly, hosted widgets without a parent go with it, nothing is touched afterwards (run
// under AddressSanitizer in the sanitizer build).
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "widget_input.h"

using kiv::qt::KivDockWidget;
using namespace kivqtest;

class DeleteInHandlerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    auto services = std::make_shared<kiv::MemorySharedServices>();
    services->Colors = {{14, 0x804020}, {15, 0xFFC080}, {140, 0xF0F0F0}};
    kiv::setSharedServicesFactory([services] { return services; });
  }
  void cleanup() { kiv::resetSharedServices(); }

  void deletedInsideItsSignal_data() {
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QString>("press");
    QTest::newRow("closed") << QByteArray(SIGNAL(closed(QString))) << "close";
    QTest::newRow("rightClick") << QByteArray(SIGNAL(rightClick(QString))) << "title right";
    QTest::newRow("optShow") << QByteArray(SIGNAL(optShow(kiv::qt::OptionsRequest*))) << "options";
    QTest::newRow("ctlResize") << QByteArray(SIGNAL(ctlResize(QString))) << "collapse";
    QTest::newRow("barStateChanged")
        << QByteArray(SIGNAL(barStateChanged(QString, int))) << "collapse";
    QTest::newRow("barMoved") << QByteArray(SIGNAL(barMoved(QString, int))) << "down";
    QTest::newRow("arrangementChanged") << QByteArray(SIGNAL(arrangementChanged())) << "close";
  }
  void deletedInsideItsSignal() {
    QFETCH(QByteArray, signal);
    QFETCH(QString, press);
    QPointer<KivDockWidget> widget = new KivDockWidget;
    widget->resize(300, 400);
    QPointer<QLabel> label = new QLabel("grid");
    auto a =
        widget->addBar("a", "A", label, KivDockWidget::DefaultFeatures | KivDockWidget::HasOptions);
    widget->addBar("b", "B");
    widget->dock()->setShow(true);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    widget->syncElements();
    QCoreApplication::processEvents();

    raised_ = 0;
    connect(widget, signal.constData(), this, SLOT(deleteSender()));
    kiv::Elements& el = widget->dock()->elements();
    if (press == "close") click(widget, el.imgClose(k(a)));
    if (press == "title right") click(widget, el.picTitel(k(a)), Qt::RightButton);
    if (press == "options") click(widget, el.imgOpt(k(a)));
    if (press == "collapse") click(widget, el.imgCollapse(k(a)));
    if (press == "down") click(widget, el.imgDown(k(a)));
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

QTEST_MAIN(DeleteInHandlerTest)
#include "tst_delete_in_handler.moc"
