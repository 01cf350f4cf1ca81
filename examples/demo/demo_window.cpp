#include "demo_window.h"

#include <QAction>
#include <QCursor>
#include <QDockWidget>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include "demo_icons.h"
#include "demo_panels.h"
#include "kivdock/qt/icons.h"

namespace demo {

namespace {

struct BarDesign {
  const char* key;
  const char* title;
  const char* right;
  IconKind icon;
  QWidget* (*create)();
  std::int32_t height;   // twips
  kiv::eAlignBar align;  // where the bar goes in scroll mode
  bool canMove, canExpand, resizable, options, close;
};

const BarDesign kBars[] = {
    {"suche", "Schnellsuche", "", IconKind::Search, createSearchPanel, 780, kiv::eAlignTop, false,
     true, false, false, false},
    {"auftraege", "Aufträge", "300 Einträge", IconKind::Grid, createOrdersGrid, 4200,
     kiv::eAlignTop, true, true, true, true, true},
    {"kunden", "Kunden", "24 aktiv", IconKind::People, createCustomerList, 3000, kiv::eAlignLeft,
     true, true, true, false, true},
    {"kundendaten", "Kundendaten", "Nr. 10 482", IconKind::Form, createCustomerForm, 3600,
     kiv::eAlignRight, true, false, true, true, false},
    {"notizen", "Notizen", "Entwurf", IconKind::Notes, createNotesEditor, 3000, kiv::eAlignLeft,
     true, true, true, false, true},
    {"projekt", "Projektstruktur", "5 Ordner", IconKind::Tree, createProjectTree, 3200,
     kiv::eAlignRight, true, true, true, true, true},
};

std::string utf8(const QString& s) { return s.toStdString(); }

}  // namespace

DemoWindow::DemoWindow(std::shared_ptr<kiv::qt::SettingsServices> services)
    : services_(std::move(services)), interactive_(!services_->recording()) {
  setWindowTitle(QString::fromUtf8("KivDocking5 – Demo"));
  holder_ = new QWidget(this);
  holder_->hide();
  dockWidget_ = new kiv::qt::KivDockWidget(this);
  setCentralWidget(dockWidget_);
  buildToolBar();
  buildEventLog();
  connectEvents();
  buildBars();
  updateStatus();
}

DemoWindow::~DemoWindow() {
  // The dock gives its widgets back to the holder when it ends: it goes first.
  delete dockWidget_.data();
}

void DemoWindow::buildBars() {
  auto dock = dockWidget_->dock();
  for (const BarDesign& design : kBars) {
    auto bar = dock->Bars().Add();
    bar->setKey(design.key);
    bar->setTitle(design.title);
    bar->setTitleRight(design.right);
    kiv::qt::setIcon(*bar, actionIcon(design.icon));  // drawn sharp at any pixel ratio
    bar->setCanMove(design.canMove);
    bar->setCanExpand(design.canExpand);
    bar->setAllowResize(design.resizable);
    bar->setShowOptions(design.options);
    bar->setShowClose(design.close);
    bar->setAlignBar(design.align);
    bar->setHeight(design.height);
    // The hosted widget starts one pixel below the 18-pixel title line.
    bar->setfTitleHeight(285);
    QWidget* panel = design.create();
    panel->setParent(holder_);
    bar->letControl(kiv::qt::hostWidget(panel));
  }
  dock->setAllowScroll(QSettings().value("Demo/AllowScroll", false).toBool() && interactive_);
  scrollAction_->setChecked(dock->AllowScroll());
  dock->setShow(true);
}

void DemoWindow::buildToolBar() {
  auto* tools = addToolBar(QString::fromUtf8("Ansicht"));
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tools->setIconSize(QSize(16, 16));
  scrollAction_ = tools->addAction(actionIcon(IconKind::ScrollMode), "Scrollmodus");
  scrollAction_->setCheckable(true);
  scrollAction_->setToolTip("Leisten in Spalten anordnen und bei Bedarf rollen");
  connect(scrollAction_, &QAction::toggled, this, [this](bool on) { setScrollMode(on); });
  tools->addSeparator();
  QAction* showAll = tools->addAction(actionIcon(IconKind::ShowAll), "Alle anzeigen");
  showAll->setToolTip("Ausgeblendete Leisten wieder einblenden");
  connect(showAll, &QAction::triggered, this, [this] {
    dockWidget_->showAllBars();
    log("ShowElement", "0");
  });
  QAction* reset = tools->addAction(actionIcon(IconKind::Reset), QString::fromUtf8("Zurücksetzen"));
  reset->setToolTip("Reihenfolge, Zustand und Höhen auf die Vorgabe zurücksetzen");
  connect(reset, &QAction::triggered, this, [this] {
    dockWidget_->resetLayout();
    log("ShowElement", "-1");
  });
  QAction* save = tools->addAction(actionIcon(IconKind::Save), "Speichern");
  save->setToolTip("Anordnung jetzt speichern");
  connect(save, &QAction::triggered, this, [this] {
    dockWidget_->dock()->Save();
    services_->flush();
    statusBar()->showMessage("Anordnung gespeichert", 3000);
  });
}

void DemoWindow::buildEventLog() {
  auto* panel = new QDockWidget("Ereignisse", this);
  panel->setObjectName("dockEreignisse");
  panel->setFeatures(QDockWidget::NoDockWidgetFeatures);
  log_ = new QTreeWidget(panel);
  log_->setRootIsDecorated(false);
  log_->setHeaderLabels({"Zeit", "Ereignis", QString::fromUtf8("Schlüssel"), "Details"});
  log_->setColumnWidth(0, 62);
  log_->setColumnWidth(1, 86);
  log_->setColumnWidth(2, 82);
  log_->setAlternatingRowColors(true);
  log_->setMinimumWidth(360);
  panel->setWidget(log_);
  addDockWidget(Qt::RightDockWidgetArea, panel);
  statusBar()->showMessage(QString::fromUtf8(
      "Tastatur: Tab wählt einen Titel, Leertaste klappt zu und auf, Strg+↑/↓ verschiebt, "
      "Strg+Umschalt+↑/↓ ändert die Höhe, Entf blendet aus"));
  modeLabel_ = new QLabel(this);
  statusBar()->addPermanentWidget(modeLabel_);
}

void DemoWindow::connectEvents() {
  using kiv::qt::KivDockWidget;
  connect(dockWidget_, &KivDockWidget::closed, this, [this](const QString& key) {
    log("Closed", key);
    auto bar = dockWidget_->dock()->Bars().ItemByKey(utf8(key));
    const QString title = bar ? QString::fromStdString(bar->Title()) : key;
    statusBar()->showMessage(
        QString::fromUtf8("„%1“ ausgeblendet – „Alle anzeigen“ holt die Leiste zurück").arg(title),
        8000);
    updateStatus();
  });
  connect(dockWidget_, &KivDockWidget::ctlResize, this, [this](const QString& key) {
    if (pendingResizes_.isEmpty()) QTimer::singleShot(0, this, [this] { flushResizeLog(); });
    if (!pendingResizes_.contains(key)) pendingResizes_ << key;
  });
  connect(dockWidget_, &KivDockWidget::optShow, this, [this](kiv::qt::OptionsRequest* request) {
    const QString key = request->key;
    log("OptShow", key);
    if (interactive_) QTimer::singleShot(0, this, [this, key] { showOptionsMenu(key); });
  });
  connect(dockWidget_, &KivDockWidget::barStateChanged, this,
          [this](const QString& key, int state) { log("Zustand", key, QString::number(state)); });
  connect(dockWidget_, &KivDockWidget::barMoved, this, [this](const QString& key, int position) {
    log("Verschoben", key, QString::number(position));
  });
  connect(dockWidget_, &KivDockWidget::rightClick, this, [this](const QString& key) {
    log("RightClick", key.isEmpty() ? QString::fromUtf8("(leer)") : key);
    if (interactive_) QTimer::singleShot(0, this, [this, key] { showDockMenu(key); });
  });
}

void DemoWindow::log(const QString& event, const QString& key, const QString& detail) {
  auto* item =
      new QTreeWidgetItem(log_, {QTime::currentTime().toString("HH:mm:ss"), event, key, detail});
  log_->scrollToItem(item);
  updateStatus();
}

// CtlResize comes for every bar on every layout: one line per layout pass.
void DemoWindow::flushResizeLog() {
  if (pendingResizes_.isEmpty()) return;
  log("CtlResize", QString::number(pendingResizes_.size()) + " Leisten",
      pendingResizes_.join(", "));
  pendingResizes_.clear();
}

void DemoWindow::setScrollMode(bool on) {
  auto dock = dockWidget_->dock();
  if (dock->AllowScroll() == on) return;
  dock->setAllowScroll(on);
  // In scroll mode every expanded bar takes its own height again; the dock scrolls the rest.
  if (on) {
    for (const BarDesign& design : kBars) {
      auto bar = dock->Bars().ItemByKey(design.key);
      if (bar && design.resizable && bar->State() == kiv::eBarExpanded)
        bar->setHeight(design.height);
    }
  }
  // Show again without reading the stored arrangement: the new mode lays the bars out anew.
  dock->setDoLoadSettings(false);
  dock->setShow(true);
  if (interactive_) QSettings().setValue("Demo/AllowScroll", on);
  if (scrollAction_->isChecked() != on) scrollAction_->setChecked(on);
  log("AllowScroll", on ? "True" : "False");
}

void DemoWindow::collapseBar(const std::string& key) {
  auto bar = dockWidget_->dock()->Bars().ItemByKey(key);
  if (!bar) return;
  dockWidget_->dock()->elements().imgCollapse(static_cast<std::int16_t>(bar->Index())).Click();
  dockWidget_->syncElements();
}

void DemoWindow::closeBar(const std::string& key) {
  auto bar = dockWidget_->dock()->Bars().ItemByKey(key);
  if (!bar) return;
  dockWidget_->dock()->elements().imgClose(static_cast<std::int16_t>(bar->Index())).Click();
  dockWidget_->syncElements();
}

void DemoWindow::focusFirstTitle() {
  auto dock = dockWidget_->dock();
  if (auto first = dock->Bars().ItemByOrderVisible(1)) {
    const auto index = static_cast<std::int16_t>(first->Index());
    if (QWidget* title = dockWidget_->elementWidget(dock->elements().picTitel(index))) {
      title->setFocus(Qt::TabFocusReason);
    }
  }
}

void DemoWindow::showDockMenu(const QString& key) {
  QMenu menu(this);
  if (!key.isEmpty()) menu.addSection(key);
  menu.addAction(actionIcon(IconKind::ShowAll), "Alle anzeigen", this, [this] {
    dockWidget_->showAllBars();
    log("ShowElement", "0");
  });
  menu.addAction(actionIcon(IconKind::Reset), QString::fromUtf8("Zurücksetzen"), this, [this] {
    dockWidget_->resetLayout();
    log("ShowElement", "-1");
  });
  menu.addSeparator();
  menu.addAction(scrollAction_);
  menu.exec(QCursor::pos());
}

void DemoWindow::showOptionsMenu(const QString& key) {
  QMenu menu(this);
  menu.addSection(QString::fromUtf8("Einstellungen – %1").arg(key));
  QAction* vertical = menu.addAction("Titelverlauf senkrecht");
  vertical->setCheckable(true);
  auto bar = dockWidget_->dock()->Bars().ItemByKey(utf8(key));
  vertical->setChecked(bar && bar->TitleVertical());
  connect(vertical, &QAction::toggled, this, [this](bool on) {
    services_->setVerticalTitles(on);
    // Colours and options are read again when the dock is shown anew.
    dockWidget_->dock()->setDoLoadSettings(false);
    dockWidget_->dock()->setShow(true);
  });
  menu.exec(QCursor::pos());
}

void DemoWindow::updateStatus() {
  if (!modeLabel_ || !dockWidget_) return;
  auto dock = dockWidget_->dock();
  modeLabel_->setText(QString::fromUtf8("%1 · %2 von %3 Leisten sichtbar")
                          .arg(dock->AllowScroll() ? "Scrollmodus" : QString::fromUtf8("Füllmodus"))
                          .arg(dock->Bars().CountVisible())
                          .arg(dock->Bars().Count()));
}

}  // namespace demo
