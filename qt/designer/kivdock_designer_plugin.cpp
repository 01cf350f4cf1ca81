#include "kivdock_designer_plugin.h"

#include "kivdock/qt/kivdockwidget.h"

KivDockWidgetPlugin::KivDockWidgetPlugin(QObject* parent) : QObject(parent) {}

QString KivDockWidgetPlugin::name() const { return QStringLiteral("kiv::qt::KivDockWidget"); }
QString KivDockWidgetPlugin::group() const { return QStringLiteral("Containers"); }
QString KivDockWidgetPlugin::toolTip() const {
  return QStringLiteral("A column of bars with titles, to collapse, move, resize and close");
}
QString KivDockWidgetPlugin::whatsThis() const { return toolTip(); }
QString KivDockWidgetPlugin::includeFile() const {
  return QStringLiteral("kivdock/qt/kivdockwidget.h");
}
QIcon KivDockWidgetPlugin::icon() const { return QIcon(); }
bool KivDockWidgetPlugin::isContainer() const { return false; }
bool KivDockWidgetPlugin::isInitialized() const { return initialized_; }

void KivDockWidgetPlugin::initialize(QDesignerFormEditorInterface*) {
  if (initialized_) return;
  // Forms opened in Designer are designed, not run: their docks store nothing.
  kiv::qt::QtPlatform::ensureInstalled()->SetUserMode(false);
  initialized_ = true;
}

QWidget* KivDockWidgetPlugin::createWidget(QWidget* parent) {
  return new kiv::qt::KivDockWidget(parent);
}

QString KivDockWidgetPlugin::domXml() const {
  return QStringLiteral(
      "<ui language=\"c++\">\n"
      " <widget class=\"kiv::qt::KivDockWidget\" name=\"kivDockWidget\">\n"
      "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>320</width>"
      "<height>480</height></rect></property>\n"
      " </widget>\n"
      "</ui>\n");
}
