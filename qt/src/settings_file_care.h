// Care for the settings file around a save: what a killed saving process leaves behind (its lock
// and its temporary file) is removed, and a save that cannot be written is explained.
#pragma once

#include <QString>

namespace kiv::qt::detail {

// Removes the lock file of the settings file when its owner is gone: a lock naming a process of
// this machine that no longer runs, or one that stays empty (killed between creating the lock
// and writing its owner into it). A lock of a live process stays.
void clearDeadLock(const QString& file);

// Removes the temporary files of interrupted saves next to the file: "<file>.XXXXXX", six letters
// or digits, the names QSaveFile gives them. Takes the lock briefly so no running save loses its
// file; does nothing while another process holds the lock.
void removeLeftoverTemporaries(const QString& file);

// Why the settings file cannot be written, in German for the user; empty when no reason is seen.
QString unwritableReason(const QString& file);

}  // namespace kiv::qt::detail
