// The settings services on a real INI file, in an application without a GUI: colours without a
// palette to ask, locks and temporary files of killed saves, saves that cannot be written, and
// keys of any bytes, and generated hostile stored settings.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "kivdock/kivdock.h"
#include "kivdock/qt/settings_services.h"
#include "support/hostile_settings.h"

namespace {

struct Fixture {
  explicit Fixture(const QString& ini)
      : services(std::make_shared<kiv::qt::SettingsServices>(ini)) {
    kiv::setPlatform(platform);
    kiv::setSharedServicesFactory([s = services] { return s; });
    dock->setAllowScroll(true);  // heights stay as set
    for (const char* key : {"a", "b"}) {
      auto bar = dock->Bars().Add();
      bar->setKey(key);
      bar->setAllowResize(true);
      bar->setHeight(1500);
    }
  }
  ~Fixture() { kiv::resetSharedServices(); }
  std::shared_ptr<kiv::HeadlessPlatform> platform = std::make_shared<kiv::HeadlessPlatform>();
  std::shared_ptr<kiv::qt::SettingsServices> services;
  std::shared_ptr<kiv::KivDock> dock = kiv::KivDock::create();
};

QString stored(const QString& ini, const QString& key) {
  return QSettings(ini, QSettings::IniFormat).value("DockBar/" + key).toString();
}

qint64 deadProcessId() {
  QProcess gone;
  gone.start("true");
  gone.waitForFinished();
  return gone.processId() ? gone.processId() : 999999;  // Qt forgets it once finished
}

}  // namespace

class SettingsServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void colours_comeFromALightPaletteWithoutAGuiApplication() {
    QTemporaryDir dir;
    Fixture f(dir.filePath("dock.ini"));
    f.dock->setShow(true);
    const QColor body = QColor::fromRgb(f.dock->Bars().Item(1)->BackColor() & 0xFFFFFF);
    QVERIFY2(qGray(body.blue(), body.green(), body.red()) > 200, "a light body colour");
    QVERIFY(f.dock->Bars().Item(1)->TitleForeColor() !=
            f.dock->Bars().Item(1)->TitleBackColorEnd());
  }

  // Killed saves leave an empty lock, a lock of a process that is gone, and temporary files: the
  // next save removes them and does not wait for the lock to age.
  void leftoversOfKilledSaves_areRemovedAtTheNextSave() {
    const QByteArray deadOwner = QByteArray::number(deadProcessId()) + "\nkilled\n" +
                                 QSysInfo::machineHostName().toUtf8() + "\n";
    for (const QByteArray& lock : {QByteArray(), deadOwner}) {
      QTemporaryDir dir;
      const QString ini = dir.filePath("dock.ini");
      for (const char* name : {"dock.ini.lock", "dock.ini.a1B2c3", "dock.ini.Zz9Yy8"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString(name).endsWith("lock") ? lock : QByteArray("[DockBar]\na=1:1:"));
      }
      QFile(dir.filePath("dock.ini.bak")).open(QIODevice::WriteOnly);  // not ours: stays
      Fixture f(ini);
      f.dock->setShow(true);
      QElapsedTimer clock;
      clock.start();
      f.dock->Save();
      f.services->flush();
      QVERIFY2(clock.elapsed() < 5000, "the save waited for the lock of a killed process");
      QCOMPARE(stored(ini, "b"), QString("2:1:1:1500"));
      QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"dock.ini", "dock.ini.bak"}));
    }
  }

  // Settings under a path that is a regular file: the save reports at once; a folder that turns
  // into a file before the batch is written: the host hears of it. Nothing is lost either way.
  void savesThatCannotBeWritten_areReportedAndKeptForTheNextSave() {
    QTemporaryDir dir;
    QFile(dir.filePath("blocker")).open(QIODevice::WriteOnly);
    {
      Fixture f(dir.filePath("blocker/dock.ini"));
      f.dock->setShow(true);
      f.dock->Save();
      QCOMPARE(f.platform->Messages().size(), std::size_t{1});
      QCOMPARE(f.platform->Messages()[0].Caption, std::string("pSaveSettings"));
      QVERIFY(QString::fromStdString(f.platform->Messages()[0].Text).contains("ist eine Datei"));
    }
    const QString folder = dir.filePath("settings"), ini = folder + "/dock.ini";
    QVERIFY(QDir().mkpath(folder));
    Fixture f(ini);
    QSignalSpy failed(f.services.get(), &kiv::qt::SettingsServices::saveFailed);
    f.dock->setShow(true);
    f.dock->Save();
    QVERIFY(QDir(folder).removeRecursively());
    QFile(folder).open(QIODevice::WriteOnly);
    f.services->flush();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed[0][0].toString(), ini);
    QVERIFY(failed[0][1].toString().contains("ist eine Datei"));
    QCOMPARE(f.services->ReadSetting("DockBar", "a", 0), std::string("1:1:1:1500"));
    QVERIFY(QFile::remove(folder) && QDir().mkpath(folder));
    f.services->flush();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(stored(ini, "a") + " " + stored(ini, "b"), QString("1:1:1:1500 2:1:1:1500"));
    QVERIFY(f.platform->Messages().empty());
  }

  // Every byte string is a key of its own and comes back; plain keys keep the names they had.
  void keys_ofAnyBytesAreStoredLosslessly() {
    using namespace std::string_literals;
    std::vector<std::string> keys = {
        "\xff",  "\xfe", "\xc3",  "\xc3\xbc", "\xed\xa0\x80", "\xc0\xaf",    "a/b",    "a%2Fb",
        "a\\b",  "a%b",  "a=b",   "a;b",      "[x]",          " lead",       "trail ", "#c",
        "\"q\"", "Zahl", "a\0b"s, "a\nb",     "a\rb",         "\xe2\x82\xac"};
    keys.push_back(std::string(5000, 'k'));
    QTemporaryDir dir;
    const QString ini = dir.filePath("dock.ini");
    {
      kiv::qt::SettingsServices services(ini);
      for (std::size_t i = 0; i < keys.size(); ++i)
        services.WriteSetting("DockBar", keys[i], std::to_string(i), 0);
    }
    kiv::qt::SettingsServices services(ini);
    for (std::size_t i = 0; i < keys.size(); ++i)
      QCOMPARE(services.ReadSetting("DockBar", keys[i], 0), std::to_string(i));
    QCOMPARE(stored(ini, "Zahl"), QString("17"));
    QCOMPARE(stored(ini, QString::fromUtf8("\xc3\xbc")), QString("3"));
    QCOMPARE(stored(ini, "a%2Fb"), QString("6"));  // "a/b", as stored before
  }

  // Generated hostile texts and keys, stored through the services and as raw lines of the file:
  // the dock loads them in both modes and what it saves reads back as saved.
  void hostileStoredSettings_loadAndSaveBackWhatTheBarsAre() {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
      kivrobust::Choices choices(seed);
      const kivrobust::HostileScenario scenario = kivrobust::hostileScenario(choices);
      const std::string garbage = kivrobust::hostileText(choices);
      for (const bool scroll : {false, true}) {
        const QString where = QString("seed %1, scroll %2").arg(seed).arg(scroll);
        QTemporaryDir dir;
        const QString ini = dir.filePath("dock.ini");
        {
          kiv::qt::SettingsServices writer(ini);
          for (const auto& [key, text] : scenario.stored)
            writer.WriteSetting("DockBar", key, text, 0);
        }
        QFile raw(ini);
        QVERIFY(raw.open(QIODevice::Append));
        raw.write(QByteArray::fromStdString("\n" + garbage + "\n[DockBar]\n" + garbage));
        raw.close();
        Fixture f(ini);
        f.dock->Bars().Clear();
        f.dock->setSize(4800, 6000);
        f.dock->setAllowScroll(scroll);
        for (const auto& bar : scenario.bars) {
          auto b = f.dock->Bars().Add();
          b->setKey(bar.key);
          b->setCanExpand(bar.flags & kivrobust::kCanExpand);
          b->setAllowResize(bar.flags & kivrobust::kAllowResize);
          b->setShowClose(bar.flags & kivrobust::kShowClose);
          b->setHideByDefault(bar.flags & kivrobust::kHideByDefault);
          b->setHeight(bar.height);
          b->setAlignBar(static_cast<kiv::eAlignBar>(bar.align));
        }
        f.dock->setShow(true);
        f.dock->Save();
        f.services->flush();
        kiv::qt::SettingsServices reader(ini);
        for (const auto& [key, text] : kivrobust::expectedSettings(*f.dock))
          QVERIFY2(reader.ReadSetting("DockBar", key, 0) == text, qPrintable(where));
        for (const auto& m : f.platform->Messages())
          QVERIFY2(m.Caption != "pSaveSettings", qPrintable(where + ": " + m.Text.c_str()));
      }
    }
  }
};

QTEST_GUILESS_MAIN(SettingsServicesTest)

#include "tst_settings_services.moc"
