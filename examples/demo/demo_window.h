// The demo's main window: a dock with six bars in the central area, a toolbar for the dock's
// modes and an event log.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "kivdock/qt/kivdockwidget.h"

namespace demo {

class DemoWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit DemoWindow(std::shared_ptr<kiv::qt::SettingsServices> services);
  ~DemoWindow() override;

  kiv::qt::KivDockWidget& dockWidget() { return *dockWidget_; }
  void setScrollMode(bool on);
  // What a user's click on a title button of a bar does (the screenshot tour uses it).
  void collapseBar(const std::string& key);
  void closeBar(const std::string& key);
  // Puts the keyboard focus on the first bar's title.
  void focusFirstTitle();

 private:
  void buildBars();
  void buildToolBar();
  void buildEventLog();
  void connectEvents();
  void log(const QString& event, const QString& key, const QString& detail = QString());
  void flushResizeLog();
  void showDockMenu(const QString& key);
  void showOptionsMenu(const QString& key);
  void updateStatus();

  std::shared_ptr<kiv::qt::SettingsServices> services_;
  QPointer<QWidget> holder_;  // parent of the hosted widgets while no bar carries them
  QPointer<kiv::qt::KivDockWidget> dockWidget_;
  QPointer<QTreeWidget> log_;
  QPointer<QLabel> modeLabel_;
  QAction* scrollAction_ = nullptr;
  QStringList pendingResizes_;
  bool interactive_ = true;
};

}  // namespace demo
