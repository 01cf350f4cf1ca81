// The dock widget without a mouse: titles take the focus in bar order with a visible frame, keys
// do what the title buttons do, and the accessibility tree names bars and buttons and presses
// them.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTranslator>

#include "widget_input.h"

using kiv::qt::KivDockWidget;
using namespace kivqtest;
using Bar = std::shared_ptr<kiv::cKivBar>;

class KeyboardAccessTest : public QObject {
  Q_OBJECT

  std::unique_ptr<KivDockWidget> widget_;
  std::vector<Bar> bars_;

  QWidget* title(int i) {
    widget_->syncElements();
    return widget_->elementWidget(widget_->dock()->elements().picTitel(k(bars_[i])));
  }
  QString order() {
    QString keys;
    for (int p = 1; p <= widget_->dock()->Bars().Count(); ++p) {
      keys += QString::fromStdString(widget_->dock()->Bars().ItemByOrder(p)->Key());
    }
    return keys;
  }

 private slots:
  void init() {
    auto services = std::make_shared<kiv::MemorySharedServices>();
    services->Colors = {{14, 0x804020}, {15, 0xFFC080}, {140, 0xF0F0F0}, {150, 0x101010}};
    kiv::setSharedServicesFactory([services] { return services; });
    widget_ = std::make_unique<KivDockWidget>();
    widget_->resize(300, 450);
    bars_.clear();
    for (const char* key : {"a", "b", "c"}) {
      bars_.push_back(widget_->addBar(key, QString(key).toUpper()));
      bars_.back()->setHeight(2400);
    }
    widget_->dock()->setShow(true);
    widget_->show();
    QApplication::setActiveWindow(widget_.get());
    QVERIFY(QTest::qWaitForWindowActive(widget_.get()));
  }
  void cleanup() {
    widget_.reset();
    kiv::resetSharedServices();
  }

  // Tab walks the titles in the bars' order (also after a move); the focused one has a frame.
  void titlesTakeTheFocusInBarOrder() {
    click(widget_.get(), widget_->dock()->elements().imgDown(k(bars_[0])));  // b, a, c
    title(1)->setFocus();
    const QImage plain = title(0)->grab().toImage();
    QTest::keyClick(title(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), title(0));
    QVERIFY(title(0)->grab().toImage() != plain);
    QTest::keyClick(title(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), title(2));
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
    QSignalSpy rightClicks(widget_.get(), &KivDockWidget::rightClick);
    const std::int32_t height = bars_[1]->Height();
    QWidget* focused = title(1);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const QStringList what = seen.split(' ');
    if (what[0] == "state") QCOMPARE(int(bars_[1]->State()), what[1].toInt());
    if (what[0] == "order") QCOMPARE(order(), what[1]);
    if (what[0] == "rightClick") QCOMPARE(rightClicks, QList<QVariantList>({{what[1]}}));
    if (what[0] == "height") QVERIFY(std::abs(bars_[1]->Height() - height - what[1].toInt()) < 15);
    if (what[0] != "state") QCOMPARE(QApplication::focusWidget(), title(1));
  }

  // Bars are groupings named by their titles; the title's buttons are push buttons named by
  // their tooltips whose press action clicks them.
  void accessibilityNamesAndPresses() {
    kiv::Elements& el = widget_->dock()->elements();
    QAccessibleInterface* body =
        QAccessible::queryAccessibleInterface(widget_->elementWidget(el.picDockBar(k(bars_[1]))));
    QCOMPARE(body->role(), QAccessible::Grouping);
    QCOMPARE(body->text(QAccessible::Name), QString("B"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(title(1));
    QStringList buttons;
    QAccessibleInterface* close = nullptr;
    for (int i = 0; i < bar->childCount(); ++i) {
      QAccessibleInterface* child = bar->child(i);
      if (child->role() != QAccessible::PushButton) continue;
      buttons << child->text(QAccessible::Name);
      if (child->text(QAccessible::Name) == "Element ausblenden") close = child;
      QCOMPARE(bar->indexOfChild(child), i);
      QVERIFY(child->rect().intersects(QRect(title(1)->mapToGlobal(QPoint()), title(1)->size())));
    }
    QCOMPARE(buttons, (QStringList{"Element zuklappen", "Element nach oben verschieben",
                                   "Element nach unten verschieben", "Element ausblenden"}));
    QVERIFY(close);
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(bars_[1]->State(), kiv::eBarHidden);
  }

  // Tooltips and accessible names go through Qt's translation; German shows without one.
  void textsGoThroughTranslation() {
    struct English : QTranslator {
      QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArray(context) == "KivDock" && QByteArray(source) == "Element zuklappen"
                   ? QString("Collapse")
                   : QString();
      }
    } english;
    const kiv::Element& collapse = widget_->dock()->elements().imgCollapse(k(bars_[0]));
    auto tip = [&] {
      const auto [shownIn, at] = where(*widget_, collapse, 60, 60);
      QHelpEvent help(QEvent::ToolTip, at.toPoint(), shownIn->mapToGlobal(at.toPoint()));
      QApplication::sendEvent(shownIn, &help);
      return QToolTip::text();
    };
    QCOMPARE(tip(), QString("Element zuklappen"));
    QCoreApplication::installTranslator(&english);
    QCOMPARE(tip(), QString("Collapse"));
    QAccessibleInterface* title = QAccessible::queryAccessibleInterface(this->title(0));
    QStringList names;
    for (int i = 0; i < title->childCount(); ++i) names << title->child(i)->text(QAccessible::Name);
    QVERIFY(names.contains("Collapse"));
    QCoreApplication::removeTranslator(&english);
  }
};

QTEST_MAIN(KeyboardAccessTest)
#include "tst_keyboard_access.moc"
