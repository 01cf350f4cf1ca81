#include "kivdock/qt/settings_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QSettings>

#include "conversions.h"
#include "modal_scope.h"

namespace kiv::qt {

namespace {

// Keys are the host's texts: the characters QSettings reads as group separators are escaped.
QString settingsKey(const std::string& section, const std::string& key) {
  QString escaped;
  for (const QChar c : detail::toQString(key)) {
    if (c == QLatin1Char('%')) {
      escaped += QLatin1String("%25");
    } else if (c == QLatin1Char('/')) {
      escaped += QLatin1String("%2F");
    } else if (c == QLatin1Char('\\')) {
      escaped += QLatin1String("%5C");
    } else {
      escaped += c;
    }
  }
  return detail::toQString(section) + QLatin1Char('/') + escaped;
}

QColor mix(const QColor& a, const QColor& b, double towardsB) {
  auto ch = [&](int x, int y) { return static_cast<int>(x + (y - x) * towardsB + 0.5); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

int luminance(const QColor& c) { return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000; }

bool interactive() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) && !detail::headlessDisplay();
}

}  // namespace

SettingsServices::SettingsServices()
    : settings_(std::make_unique<QSettings>()), recording_(!interactive()) {
  settings_->setAtomicSyncRequired(true);
}

SettingsServices::SettingsServices(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)),
      recording_(!interactive()) {
  settings_->setAtomicSyncRequired(true);
}

SettingsServices::~SettingsServices() { flush(); }

void SettingsServices::flush() { settings_->sync(); }

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
  return settings_->value(settingsKey(section, key)).toString().toStdString();
}

std::int32_t SettingsServices::WriteSetting(const std::string& section, const std::string& key,
                                            const std::string& value, std::int32_t) {
  if (key.empty()) return 0;
  settings_->setValue(settingsKey(section, key), detail::toQString(value));
  return 0;
}

// Colours follow the application's palette, so light and dark themes both read well: a soft
// gradient from a tint of the highlight colour to the window colour, captions in the text colour
// that stands out from it.
std::int32_t SettingsServices::ReadColor(std::int32_t number) {
  auto own = colours_.find(number);
  if (own != colours_.end()) return detail::toColourValue(own->second);
  const QPalette palette = QGuiApplication::palette();
  const QColor window = palette.color(QPalette::Window);
  const QColor highlight = palette.color(QPalette::Highlight);
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
      QColor text = palette.color(QPalette::WindowText);
      if (std::abs(luminance(text) - mid) < 96) text = mid < 128 ? Qt::white : Qt::black;
      return detail::toColourValue(text);
    }
    default:
      return detail::toColourValue(window);
  }
}

bool SettingsServices::ReadOption(std::int32_t number) { return number == 141 && verticalTitles_; }

}  // namespace kiv::qt
