#include "kivdock/qt/settings_services.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QSettings>

#include "conversions.h"
#include "kivdock/types.h"
#include "modal_scope.h"
#include "settings_file_care.h"
#include "settings_key.h"

namespace kiv::qt {

namespace {

QColor mix(const QColor& a, const QColor& b, double towardsB) {
  auto ch = [&](int x, int y) { return static_cast<int>(x + (y - x) * towardsB + 0.5); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

int luminance(const QColor& c) { return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000; }

bool interactive() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) && !detail::headlessDisplay();
}

struct Scheme {
  QColor window, highlight, text;
};

// The application's palette; a fixed light one where there is no GUI application to ask.
Scheme scheme() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return {QColor(239, 239, 239), QColor(48, 140, 198), QColor(Qt::black)};
  const QPalette palette = QGuiApplication::palette();
  return {palette.color(QPalette::Window), palette.color(QPalette::Highlight),
          palette.color(QPalette::WindowText)};
}

}  // namespace

SettingsServices::SettingsServices() : recording_(!interactive()) { open(); }

SettingsServices::SettingsServices(const QString& iniFile)
    : iniFile_(iniFile), recording_(!interactive()) {
  open();
}

SettingsServices::~SettingsServices() { flush(); }

void SettingsServices::open() {
  failed_ = false;
  settings_ = iniFile_.isEmpty() ? std::make_unique<QSettings>()
                                 : std::make_unique<QSettings>(iniFile_, QSettings::IniFormat);
  settings_->setAtomicSyncRequired(true);
  settings_->installEventFilter(this);  // its own deferred writes go through flush()
  for (const auto& [key, value] : unsaved_) settings_->setValue(key, value);
}

bool SettingsServices::eventFilter(QObject* watched, QEvent* event) {
  if (watched != settings_.get() || event->type() != QEvent::UpdateRequest) return false;
  flush();
  return true;
}

void SettingsServices::flush() {
  // A failure to read the file when it was opened would read as a failure of this write.
  if (failed_ || settings_->status() != QSettings::NoError) open();
  const QString file = fileName();
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  const bool toFile = true;  // the native format is an INI file too
#else
  const bool toFile = settings_->format() == QSettings::IniFormat;
#endif
  if (toFile && !unsaved_.empty()) {
    detail::clearDeadLock(file);
    detail::removeLeftoverTemporaries(file);
  }
  settings_->sync();
  checkedWritable_ = false;
  if (settings_->status() == QSettings::NoError) {
    unsaved_.clear();
    return;
  }
  // QSettings keeps an error for good: a fresh one on the same file takes the values again
  // before the next use (not here: this may run inside the old one's own event).
  failed_ = true;
  emit saveFailed(file, detail::unwritableReason(file));
}

QString SettingsServices::fileName() const { return settings_->fileName(); }

void SettingsServices::setColor(std::int32_t number, const QColor& colour) {
  colours_[number] = colour;
}

std::int32_t SettingsServices::ShowMessage(const std::string& text, std::int32_t,
                                           const std::string& title, std::int16_t, std::int32_t) {
  messages_.push_back(text);
  if (recording_ || !qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  QString caption = detail::toQString(title);
  if (caption.isEmpty()) caption = QCoreApplication::applicationName();
  if (caption.isEmpty()) caption = QStringLiteral("KivDocking5");
  detail::ModalScope modal;
  QMessageBox box(QMessageBox::Information, caption, detail::userText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
  return 0;
}

std::string SettingsServices::ReadSetting(const std::string& section, const std::string& key,
                                          std::int16_t) {
  if (key.empty()) return std::string();
  if (failed_) open();
  return settings_->value(detail::settingsKey(section, key)).toString().toStdString();
}

std::int32_t SettingsServices::WriteSetting(const std::string& section, const std::string& key,
                                            const std::string& value, std::int32_t) {
  if (key.empty()) return 0;
  if (failed_) open();
  const QString entry = detail::settingsKey(section, key);
  const QString text = detail::toQString(value);
  unsaved_[entry] = text;  // kept for the next write, also when this one fails
  settings_->setValue(entry, text);
  if (!checkedWritable_) {
    checkedWritable_ = true;
    if (!settings_->isWritable()) {
      const QString reason = detail::unwritableReason(fileName());
      throw KivError(75, "SettingsServices",
                     "Die Einstellungen können nicht gespeichert werden: " +
                         fileName().toStdString() + ": " + reason.toStdString());
    }
  }
  return 0;
}

// Colours follow the application's palette, so light and dark themes both read well: a soft
// gradient from a tint of the highlight colour to the window colour, captions in the text colour
// that stands out from it.
std::int32_t SettingsServices::ReadColor(std::int32_t number) {
  auto own = colours_.find(number);
  if (own != colours_.end()) return detail::toColourValue(own->second);
  const auto [window, highlight, windowText] = scheme();
  const bool dark = luminance(window) < 128;
  const QColor start = mix(window, highlight, dark ? 0.45 : 0.38);
  const QColor end = mix(window, highlight, dark ? 0.12 : 0.08);
  switch (number) {
    case 10:
      return detail::toColourValue(dark ? window.darker(125) : window.darker(108));
    case 14:
      return detail::toColourValue(start);
    case 15:
      return detail::toColourValue(end);
    case 140:
      return detail::toColourValue(window);
    case 150: {
      const int mid = (luminance(start) + luminance(end)) / 2;
      QColor text = windowText;
      if (std::abs(luminance(text) - mid) < 96) text = mid < 128 ? Qt::white : Qt::black;
      return detail::toColourValue(text);
    }
    default:
      return detail::toColourValue(window);
  }
}

bool SettingsServices::ReadOption(std::int32_t number) { return number == 141 && verticalTitles_; }

}  // namespace kiv::qt
