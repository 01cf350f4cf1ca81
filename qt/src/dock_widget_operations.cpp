// The dock widget's Qt-typed operations: bars with QWidgets and QIcons, showing and resetting,
// the arrangement as bytes, the properties and the settings group.
#include <QPointer>

#include "conversions.h"
#include "dock_view.h"
#include "kivdock/qt/icons.h"
#include "kivdock/qt/kivdockwidget.h"

namespace kiv::qt {

namespace {
constexpr const char* kDefaultSection = "DockBar";
constexpr const char* kStateHeader = "KivDockState 1";
constexpr std::int32_t kNewBarHeight = 1500;
constexpr int kIconPx = 16;

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

// The host's colours for a bar, as the dock reads them when it loads its colours.
void giveHostColours(kiv::cKivBar& bar) {
  try {
    auto services = kiv::sharedServices();
    bar.setBackColor(services->ReadColor(140));
    bar.setTitleForeColor(services->ReadColor(150));
    bar.setTitleBackColorStart(services->ReadColor(14));
    bar.setTitleBackColorEnd(services->ReadColor(15));
    bar.setTitleVertical(services->ReadOption(141));
  } catch (...) {
    // No services: the bar keeps the dock's defaults until the next reload.
  }
}
}  // namespace

std::shared_ptr<kiv::cKivBar> KivDockWidget::addBar(const QString& key, const QString& title,
                                                    QWidget* widget, BarFeatures features) {
  std::shared_ptr<kiv::cKivBar> bar;
  view_->guarded([&] {
    bar = dock_->Bars().Add();
    bar->setKey(utf8(key));
    bar->setTitle(utf8(title));
    bar->setCanExpand(features.testFlag(Collapsible));
    bar->setAllowResize(features.testFlag(Resizable));
    bar->setShowClose(features.testFlag(Closable));
    bar->setCanMove(features.testFlag(Movable));
    bar->setShowOptions(features.testFlag(HasOptions));
    bar->setHeight(kNewBarHeight);
    giveHostColours(*bar);
    if (widget) bar->letControl(hostWidget(widget));
    // Shown already: the dock shares its height anew and lays the bar out at once.
    if (dock_->Show()) dock_->setSize(dock_->Width(), dock_->Height());
  });
  return bar;
}

QWidget* KivDockWidget::barWidget(const std::shared_ptr<kiv::cKivBar>& bar) const {
  if (!bar || !bar->Control()) return nullptr;
  try {
    return widgetOf(bar->Control()->hWnd());
  } catch (...) {
    return nullptr;  // a control of the host's own kind, without a window
  }
}

QWidget* KivDockWidget::takeWidget(const std::shared_ptr<kiv::cKivBar>& bar) {
  const QPointer<QWidget> widget = barWidget(bar);
  if (!widget) return nullptr;
  view_->guarded([&] { bar->letControl(nullptr); });
  return widget;
}

void KivDockWidget::setIcon(const std::shared_ptr<kiv::cKivBar>& bar, const QIcon& icon) {
  if (!bar) return;
  // Drawn from the icon itself at the screen's ratio, so it stays sharp on any screen.
  view_->guarded([&] { kiv::qt::setIcon(*bar, icon, QSize(kIconPx, kIconPx)); });
}

void KivDockWidget::showAllBars() {
  view_->guarded([&] { dock_->ShowElement(0); });
}

void KivDockWidget::resetLayout() {
  view_->guarded([&] { dock_->ShowElement(-1); });
}

// One line per keyed bar: the key and the stored text, percent-encoded, after a header line.
QByteArray KivDockWidget::saveState() {
  QByteArray state(kStateHeader);
  state += '\n';
  view_->guarded([&] {
    dock_->Save();
    auto services = kiv::sharedServices();
    const std::int32_t count = dock_->Bars().Count();
    for (std::int32_t i = 1; i <= count; ++i) {
      const std::string key = dock_->Bars().Item(i)->Key();
      if (key.empty()) continue;
      const std::string text = services->ReadSetting(dock_->SettingsSection(), key, 0);
      state += QByteArray::fromStdString(key).toPercentEncoding() + ' ' +
               QByteArray::fromStdString(text).toPercentEncoding() + '\n';
    }
  });
  return state;
}

bool KivDockWidget::restoreState(const QByteArray& state) {
  const QList<QByteArray> lines = state.split('\n');
  if (lines.isEmpty() || lines.front() != kStateHeader) return false;
  std::vector<std::pair<std::string, std::string>> entries;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QList<QByteArray> fields = lines[i].split(' ');
    if (fields.size() != 2) return false;
    entries.emplace_back(QByteArray::fromPercentEncoding(fields[0]).toStdString(),
                         QByteArray::fromPercentEncoding(fields[1]).toStdString());
  }
  view_->guarded([&] {
    auto services = kiv::sharedServices();
    for (const auto& [key, text] : entries) {
      services->WriteSetting(dock_->SettingsSection(), key, text, 0);
    }
    // Shown: load it now; otherwise the next Show loads it.
    dock_->setDoLoadSettings(true);
    if (dock_->Show()) dock_->setShow(true);
  });
  return true;
}

bool KivDockWidget::allowScroll() const { return dock_->AllowScroll(); }

void KivDockWidget::setAllowScroll(bool on) {
  view_->guarded([&] {
    dock_->setAllowScroll(on);
    if (dock_->Show()) dock_->setSize(dock_->Width(), dock_->Height());
  });
}

bool KivDockWidget::doLoadSettings() const { return dock_->DoLoadSettings(); }

void KivDockWidget::setDoLoadSettings(bool on) { dock_->setDoLoadSettings(on); }

QString KivDockWidget::settingsGroup() const {
  if (explicitGroup_) return settingsGroup_;
  const QString name = objectName();
  return name.isEmpty() ? QString::fromLatin1(kDefaultSection)
                        : QString::fromLatin1(kDefaultSection) + QLatin1Char('/') + name;
}

void KivDockWidget::setSettingsGroup(const QString& group) {
  explicitGroup_ = !group.isEmpty();
  settingsGroup_ = group;
  dock_->setSettingsSection(utf8(settingsGroup()));
}

// The application's look changed: the bars take the host's colours again and everything repaints.
void KivDockWidget::applyPalette() {
  const bool alive = view_->guarded([&] {
    const std::int32_t count = dock_->Bars().Count();
    for (std::int32_t i = 1; i <= count; ++i) giveHostColours(*dock_->Bars().Item(i));
    dock_->elements().surface().setBackColor(kiv::sharedServices()->ReadColor(10));
    if (dock_->Show()) dock_->setSize(dock_->Width(), dock_->Height());
  });
  if (!alive) return;
  for (QWidget* w : findChildren<QWidget*>()) w->update();
  update();
}

}  // namespace kiv::qt
