#include "settings_file_care.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <signal.h>

#include <cerrno>
#endif

namespace kiv::qt::detail {

namespace {

QString lockOf(const QString& file) { return file + QLatin1String(".lock"); }

bool processRuns(qint64 pid) {
#ifdef Q_OS_UNIX
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
  Q_UNUSED(pid);
  return true;  // left to QLockFile's own stale check
#endif
}

}  // namespace

void clearDeadLock(const QString& file) {
  const QString path = lockOf(file);
  QLockFile lock(path);
  qint64 pid = 0;
  QString host, application;
  // An owner writes its details right after creating the file: a lock that stays unreadable for
  // a few milliseconds has none.
  for (int attempt = 0; !lock.getLockInfo(&pid, &host, &application); ++attempt) {
    if (!QFileInfo::exists(path)) return;
    if (attempt == 5) {
      QFile::remove(path);
      return;
    }
    QThread::msleep(2);
  }
  const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
  if (here && !processRuns(pid)) QFile::remove(path);
}

void removeLeftoverTemporaries(const QString& file) {
  const QFileInfo info(file);
  QDir dir = info.absoluteDir();
  const QStringList leftovers =
      dir.entryList({info.fileName() + QLatin1String(".??????")}, QDir::Files | QDir::Hidden);
  static const QRegularExpression kRandomSuffix(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
  if (leftovers.isEmpty()) return;
  QLockFile lock(lockOf(file));
  if (!lock.tryLock(0)) return;
  for (const QString& name : leftovers) {
    if (kRandomSuffix.match(name).hasMatch()) dir.remove(name);
  }
}

QString unwritableReason(const QString& file) {
  const QFileInfo info(file);
  for (QFileInfo up(info.absolutePath()); !up.isRoot(); up = QFileInfo(up.absolutePath())) {
    if (up.exists() && !up.isDir())
      return QStringLiteral("%1 ist eine Datei, kein Ordner").arg(up.absoluteFilePath());
  }
  if (info.exists() && info.isDir()) return QStringLiteral("%1 ist ein Ordner").arg(file);
  if (info.exists() && !info.isWritable()) return QStringLiteral("Die Datei ist schreibgeschützt");
  const QFileInfo folder(info.absolutePath());
  if (folder.exists() && !folder.isWritable())
    return QStringLiteral("Der Ordner %1 ist schreibgeschützt").arg(folder.absoluteFilePath());
  return QStringLiteral("Die Datei konnte nicht geschrieben werden (Datenträger voll?)");
}

}  // namespace kiv::qt::detail
