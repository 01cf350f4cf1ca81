// A process that keeps saving the dock's arrangement is killed at random moments: the settings
// file it leaves always reads back as the last complete save or the one in progress, never a mix,
// and the next run's first save does not wait for what the killed one left behind.
//   KIVDOCK_KILL_RUNS  processes killed (default 12)   KIVDOCK_KILL_SEED  random seed
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

#include "kivdock/kivdock.h"
#include "kivdock/qt/settings_services.h"

namespace {

constexpr int kBars = 24;

QString keyOf(int i) { return QString("bar%1").arg(i, 2, 10, QChar('0')); }
int heightOf(int round) { return 1000 + round % 5000; }

// The child: a dock in scroll mode (heights stay as set) whose bars all change height before
// every save, so each save writes a set of entries that differs from the one before. It tells
// how long its first save took and the number of every save that is on disk.
int saveForever(const QString& iniFile) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  auto services = std::make_shared<kiv::qt::SettingsServices>(iniFile);
  kiv::setSharedServicesFactory([services] { return services; });
  auto dock = kiv::KivDock::create();
  dock->setAllowScroll(true);
  for (int i = 0; i < kBars; ++i) dock->Bars().Add()->setKey(keyOf(i).toStdString());
  dock->setShow(true);
  for (int round = 1;; ++round) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= kBars; ++i) dock->Bars().Item(i)->setHeight(heightOf(round));
    dock->Save();
    services->flush();
    if (round == 1) std::printf("first save %lld ms\n", static_cast<long long>(clock.elapsed()));
    std::printf("saved %d\n", round);
  }
}

// The height every bar holds in the file, or -1 when the entries are not all of one save.
int storedHeight(const QString& ini) {
  QSettings stored(ini, QSettings::IniFormat);
  stored.beginGroup("DockBar");
  if (stored.status() != QSettings::NoError || stored.childKeys().size() != kBars) return -1;
  const QString first = stored.value(keyOf(0)).toString();
  if (first.count(':') != 3) return -1;
  for (int i = 1; i < kBars; ++i) {
    if (stored.value(keyOf(i)).toString().section(':', 3) != first.section(':', 3)) return -1;
  }
  return first.section(':', 3).toInt();
}

}  // namespace

class KillDuringSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void everyKillLeavesTheLastSaveOrTheNext() {
    auto setting = [](const char* name, quint32 otherwise) {
      return qEnvironmentVariableIsSet(name) ? quint32(qEnvironmentVariableIntValue(name))
                                             : otherwise;
    };
    const int runs = int(setting("KIVDOCK_KILL_RUNS", 12));
    const quint32 seed = setting("KIVDOCK_KILL_SEED", QRandomGenerator::global()->generate());
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    const QString ini = dir.filePath("dock.ini");
    int onDisk = -1;  // the height of the save on disk, -1 before the first
    qint64 slowest = 0;
    for (int run = 0; run < runs; ++run) {
      const QString where = QString("seed %1, run %2").arg(seed).arg(run);
      QProcess child;
      child.start(QCoreApplication::applicationFilePath(), {"--save-forever", ini});
      // Killed while starting, in the first save, or a little later while saving on.
      const bool early = random.bounded(4) == 0;
      if (!early) {
        QVERIFY2(child.waitForReadyRead(60000),
                 qPrintable(where + ": no first save in 60 s: " + child.errorString() + " " +
                            child.readAllStandardError()));
        const QByteArray line = child.readLine();
        const qint64 took = line.split(' ').value(2).toLongLong();
        slowest = qMax(slowest, took);
        QVERIFY2(line.startsWith("first save ") && took < 5000,
                 qPrintable(where + ": the first save after a kill hung: " + line));
      }
      QThread::usleep(random.bounded(early ? 150000 : 40000));
      child.kill();
      QVERIFY(child.waitForFinished(10000));
      int lastSaved = 0;
      for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (line.startsWith("saved ")) lastSaved = line.mid(6).toInt();
      const int height = storedHeight(ini);
      const bool expected =
          lastSaved == 0 ? height == onDisk || height == heightOf(1)
                         : height == heightOf(lastSaved) || height == heightOf(lastSaved + 1);
      QVERIFY2(expected,
               qPrintable(QString("%1: height %2 on disk after save %3 (-1: no single save)")
                              .arg(where)
                              .arg(height)
                              .arg(lastSaved)));
      onDisk = height;
      const QStringList temporaries = QDir(dir.path()).entryList({"dock.ini.??????"});
      QVERIFY2(temporaries.size() <= 1, qPrintable(where + ": " + temporaries.join(' ')));
    }
    std::printf("kills: %d, slowest first save: %lld ms, seed %u\n", runs,
                static_cast<long long>(slowest), seed);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 3 && QString(argv[1]) == "--save-forever") return saveForever(argv[2]);
  KillDuringSaveTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_kill_during_save.moc"
