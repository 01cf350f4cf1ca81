// The host application's services object on Qt: stored settings in QSettings, colours from the
// application's palette, and the one message to the user in a message box.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kivdock/qt/export.h"
#include "kivdock/shared_services.h"

class QSettings;

namespace kiv::qt {

// Writing is atomic and batched. WriteSetting only changes QSettings in memory; the pending
// changes are written in one go when control returns to the event loop, on flush() and on
// destruction, through a temporary file renamed over the old one (QSaveFile), so a crash or kill
// at any moment leaves either the old or the new complete file. A whole save of the dock, many
// WriteSetting calls inside one call of the dock, therefore lands in one file write.
//
// A save never waits on a dead process: a lock file left by a killed save is removed at once,
// and the temporary files of killed saves ("<file>.XXXXXX") are removed at the next save.
//
// A save that cannot be written is never silent. When the file is known to be unwritable at the
// first WriteSetting of a batch, WriteSetting throws KivError 75 with the reason, and the dock
// reports it in its save failure message. A failure found only when the batch is written emits
// saveFailed. Either way the values stay in memory and the next successful write stores them.
//
// Works in any Qt application; without a QGuiApplication the colours come from a fixed light
// palette.
class KIVDOCK_QT_EXPORT SettingsServices : public QObject, public kiv::SharedServices {
  Q_OBJECT

 public:
  // The application's settings (QCoreApplication's organisation and application names).
  SettingsServices();
  // Settings in an INI file at a path of the host's choice.
  explicit SettingsServices(const QString& iniFile);
  ~SettingsServices() override;
  SettingsServices(const SettingsServices&) = delete;
  SettingsServices& operator=(const SettingsServices&) = delete;

  // Writes the pending changes now; emits saveFailed when they cannot be written.
  void flush();
  QString fileName() const;

  // Messages are recorded instead of shown while recording: on the offscreen and minimal
  // platforms unless set otherwise.
  bool recording() const { return recording_; }
  void setRecording(bool on) { recording_ = on; }
  const std::vector<std::string>& Messages() const { return messages_; }

  // Option 141: vertical title gradients. Off unless the host turns it on.
  void setVerticalTitles(bool on) { verticalTitles_ = on; }
  // A host's own colour for a colour number, in place of the one taken from the palette.
  void setColor(std::int32_t number, const QColor& colour);

  std::int32_t ShowMessage(const std::string& text, std::int32_t style, const std::string& title,
                           std::int16_t flags, std::int32_t owner) override;
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override;
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t flags) override;
  // 10 the dock's surface, 14 and 15 the title gradient, 140 the bars' body, 150 the captions.
  std::int32_t ReadColor(std::int32_t number) override;
  bool ReadOption(std::int32_t number) override;

 signals:
  // Pending changes could not be written to file; reason is a German text for the user.
  void saveFailed(const QString& file, const QString& reason);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void open();

  const QString iniFile_;  // empty: the application's settings
  std::unique_ptr<QSettings> settings_;
  std::map<QString, QString> unsaved_;  // written since the last successful write to file
  bool checkedWritable_ = false;        // for the batch now pending
  bool failed_ = false;                 // the last write to file failed: open anew before use
  bool recording_;
  bool verticalTitles_ = false;
  std::vector<std::string> messages_;
  std::map<std::int32_t, QColor> colours_;
};

}  // namespace kiv::qt
