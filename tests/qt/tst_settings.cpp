// SettingsServices: settings that survive the widget through QSettings in a temporary place,
// written in one atomic step, and colours that follow the palette.
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "qt_test_support.h"

using namespace kivqttest;

class SettingsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  // Every test has a file of its own: QSettings keeps what it read of a file for the process.
  QString file() const { return dir_.filePath(QString(QTest::currentTestFunction()) + ".ini"); }

  // The library's services object, created anew after every resetSharedServices.
  std::shared_ptr<kiv::qt::SettingsServices> install() {
    const QString path = file();
    kiv::setSharedServicesFactory(
        [path] { return std::make_shared<kiv::qt::SettingsServices>(path); });
    return std::static_pointer_cast<kiv::qt::SettingsServices>(kiv::sharedServices());
  }
  static void fill(kiv::KivDock& dock) {
    for (const char* key : {"a", "b", "c"}) addBar(dock, key, 2000);
  }
  static QStringList order(kiv::KivDock& dock) {
    QStringList keys;
    for (int p = 1; p <= dock.Bars().Count(); ++p) {
      keys << QString::fromStdString(dock.Bars().ItemByOrder(p)->Key());
    }
    return keys;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
  }
  void cleanup() { kiv::resetSharedServices(); }

  void arrangementSurvivesTheWidgetThroughTheFile() {
    {
      install();
      auto widget = shownDock(300, 450);
      kiv::KivDock& dock = *widget->dock();
      fill(dock);
      dock.setShow(true);
      clickAt(*widget, centreOf(dock.elements().imgDown(1)));      // a below b
      clickAt(*widget, centreOf(dock.elements().imgCollapse(3)));  // c collapsed
      QCOMPARE(order(dock), QStringList({"b", "a", "c"}));
    }                            // the widget ends: the dock saves
    kiv::resetSharedServices();  // the services end and write their file
    QVERIFY(QFile::exists(file()));
    // Order 3, top-aligned, collapsed.
    QVERIFY(
        QSettings(file(), QSettings::IniFormat).value("DockBar/c").toString().startsWith("3:1:0:"));

    install();
    auto widget = shownDock(300, 450);
    kiv::KivDock& dock = *widget->dock();
    fill(dock);
    dock.setShow(true);
    QCOMPARE(order(dock), QStringList({"b", "a", "c"}));
    QCOMPARE(dock.Bars().ItemByKey("c")->State(), kiv::eBarCollapsed);
    QCOMPARE(dock.Bars().ItemByKey("a")->State(), kiv::eBarExpanded);
  }

  // A save writes the file once, all keys together, when control returns to the event loop;
  // the rename leaves no temporary file behind.
  void aWholeSaveLandsInOneAtomicWrite() {
    auto services = install();
    auto widget = shownDock(300, 450);
    kiv::KivDock& dock = *widget->dock();
    fill(dock);
    dock.setShow(true);
    dock.Save();
    QVERIFY2(!QFile::exists(file()), "nothing is written while the dock's call runs");
    QCoreApplication::processEvents();
    QVERIFY(QFile::exists(file()));
    QSettings onDisk(file(), QSettings::IniFormat);
    QCOMPARE(onDisk.value("DockBar/a").toString(),
             QString("1:1:1:%1").arg(dock.Bars().ItemByKey("a")->Height()));
    QCOMPARE(onDisk.childGroups(), QStringList({"DockBar"}));
    onDisk.beginGroup("DockBar");
    QCOMPARE(onDisk.childKeys().size(), 3);
    QCOMPARE(QDir(dir_.path()).entryList({"aWholeSave*"}, QDir::Files),
             QStringList({"aWholeSaveLandsInOneAtomicWrite.ini"}));
    // flush() writes at once.
    services->WriteSetting("DockBar", "d", "4:1:1:100", 0);
    services->flush();
    QCOMPARE(QSettings(file(), QSettings::IniFormat).value("DockBar/d").toString(),
             QString("4:1:1:100"));
  }

  void keysAreStoredAsTheyAre() {
    auto services = install();
    services->WriteSetting("DockBar", "Kunden/Aufträge 100%", "2:1:0:300", 0);
    QCOMPARE(services->ReadSetting("DockBar", "Kunden/Aufträge 100%", 0), std::string("2:1:0:300"));
    QCOMPARE(services->ReadSetting("DockBar", "Kunden", 0), std::string());
    QCOMPARE(services->ReadSetting("DockBar", "fehlt", 0), std::string());
    services->flush();
    QSettings onDisk(file(), QSettings::IniFormat);
    onDisk.beginGroup("DockBar");
    QCOMPARE(onDisk.childKeys().size(), 1);
    QCOMPARE(onDisk.childGroups().size(), 0);
  }

  // Light and dark palettes both give captions that stand out from the title's colours.
  void coloursFollowThePalette() {
    auto services = install();
    const QPalette original = QApplication::palette();
    auto luminance = [](std::int32_t c) {
      return ((c & 0xFF) * 299 + ((c >> 8) & 0xFF) * 587 + ((c >> 16) & 0xFF) * 114) / 1000;
    };
    for (const bool dark : {false, true}) {
      QPalette palette;
      palette.setColor(QPalette::Window, dark ? QColor(45, 45, 48) : QColor(240, 240, 240));
      palette.setColor(QPalette::WindowText, dark ? QColor(230, 230, 230) : QColor(20, 20, 20));
      palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
      QApplication::setPalette(palette);
      const std::int32_t text = services->ReadColor(150);
      for (const std::int32_t title : {services->ReadColor(14), services->ReadColor(15)}) {
        QVERIFY2(std::abs(luminance(text) - luminance(title)) > 90, dark ? "dark" : "light");
      }
      QCOMPARE(services->ReadColor(140), toColour(palette.color(QPalette::Window)));
    }
    QApplication::setPalette(original);
    QVERIFY(!services->ReadOption(141));
    services->setVerticalTitles(true);
    QVERIFY(services->ReadOption(141));
    services->setColor(14, QColor(1, 2, 3));
    QCOMPARE(services->ReadColor(14), rgb(1, 2, 3));
  }

  void messagesAreRecordedOffscreen() {
    auto services = install();
    QVERIFY(services->recording());
    auto widget = shownDock(300, 450);
    kiv::KivDock& dock = *widget->dock();
    auto only = addBar(dock, "a", 2000);
    dock.setShow(true);
    clickAt(*widget, centreOf(dock.elements().imgClose(k(only))));
    QCOMPARE(services->Messages(),
             std::vector<std::string>({"Sie müssen mindestens ein Element sichtbar lassen!"}));
    QCOMPARE(only->State(), kiv::eBarExpanded);
  }

 private:
  static std::int32_t toColour(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
