// A process that keeps saving the dock's arrangement is killed at moments spread over its saves:
// the settings file it leaves always reads back as one complete save, the old one or the new one.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "kivdock/kivdock.h"
#include "kivdock/qt/settings_services.h"

namespace {

constexpr int kBars = 24;

QString keyOf(int i) { return QString("bar%1").arg(i, 2, 10, QChar('0')); }

// The child: a dock in scroll mode (heights stay as set) whose bars all change height before
// every save, so each save writes a set of entries that differs from the one before.
int saveForever(const QString& iniFile) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  auto services = std::make_shared<kiv::qt::SettingsServices>(iniFile);
  kiv::setSharedServicesFactory([services] { return services; });
  auto dock = kiv::KivDock::create();
  dock->setAllowScroll(true);
  for (int i = 0; i < kBars; ++i) dock->Bars().Add()->setKey(keyOf(i).toStdString());
  dock->setShow(true);
  for (int round = 1;; ++round) {
    for (int i = 1; i <= kBars; ++i) dock->Bars().Item(i)->setHeight(1000 + round % 5000);
    dock->Save();
    services->flush();
    if (round == 1) std::puts("saved");
  }
}

}  // namespace

class KillDuringSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void everyKillLeavesOneCompleteSave() {
    QTemporaryDir dir;
    const QString ini = dir.filePath("dock.ini");
    for (int run = 0; run < 12; ++run) {
      QProcess child;
      child.start(QCoreApplication::applicationFilePath(), {"--save-forever", ini});
      QVERIFY(child.waitForReadyRead(20000));  // the first complete save is on disk
      QTest::qWait(5 + 10 * run);
      child.kill();
      QVERIFY(child.waitForFinished(10000));
      // A kill between creating QSettings' lock file and writing its owner into it leaves an
      // empty lock that Qt takes as stale only after 30 seconds: the next run should not wait.
      if (QFileInfo(ini + ".lock").size() == 0) QFile::remove(ini + ".lock");

      QSettings stored(ini, QSettings::IniFormat);
      QCOMPARE(stored.status(), QSettings::NoError);
      stored.beginGroup("DockBar");
      QCOMPARE(stored.childKeys().size(), kBars);
      const QString first = stored.value(keyOf(0)).toString();
      QCOMPARE(first.count(':'), 3);
      for (int i = 1; i < kBars; ++i) {  // every entry from the same save
        QCOMPARE(stored.value(keyOf(i)).toString().section(':', 3), first.section(':', 3));
      }
    }
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 3 && QString(argv[1]) == "--save-forever") return saveForever(argv[2]);
  KillDuringSaveTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_kill_during_save.moc"
