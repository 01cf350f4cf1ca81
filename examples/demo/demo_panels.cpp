#include "demo_panels.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTreeWidget>

#include "demo_icons.h"

namespace demo {

namespace {

const char* const kCustomers[] = {
    "Bäckerei Hoffmann",    "Müller & Söhne GmbH", "Schreinerei Weber",  "Autohaus Becker",
    "Gärtnerei Schulz",     "Kanzlei Fischer",     "Hotel Zur Post",     "Brauerei Wagner",
    "Elektro Neumann",      "Praxis Dr. Krüger",   "Buchhandlung Lange", "Metallbau Koch",
    "Café am Markt",        "Optik Zimmermann",    "Druckerei Hartmann", "Sanitär Braun",
    "Reisebüro Sonnenweg",  "Apotheke am Dom",     "Blumen Richter",     "Steuerbüro Wolf",
    "Malerbetrieb Schäfer", "Fahrradhaus Lorenz",  "Weingut Bauer",      "Landhandel Krause",
};
constexpr int kCustomerCount = sizeof(kCustomers) / sizeof(kCustomers[0]);
const char* const kStates[] = {"Offen", "In Arbeit", "Versandt", "Bezahlt", "Storniert"};

// Orders made up from their row number, so every run shows the same grid.
class OrdersModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : kOrderCount;
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 5; }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
      return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const names[] = {"Auftrag", "Kunde", "Datum", "Betrag", "Status"};
    return QString::fromUtf8(names[section]);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const int row = index.row();
    const unsigned hash = static_cast<unsigned>(row) * 2654435761u;
    if (role == Qt::TextAlignmentRole && index.column() == 3) {
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return QVariant();
    const QLocale german(QLocale::German, QLocale::Germany);
    switch (index.column()) {
      case 0:
        return QStringLiteral("A-%1").arg(24000 + row * 7);
      case 1:
        return QString::fromUtf8(kCustomers[hash % kCustomerCount]);
      case 2:
        return german.toString(QDate(2024, 1, 2).addDays(row), QStringLiteral("dd.MM.yyyy"));
      case 3:
        return german.toCurrencyString((hash % 90000) / 10.0 + 49.0, QStringLiteral("€"));
      default:
        return QString::fromUtf8(kStates[(hash >> 7) % 5]);
    }
  }
};

}  // namespace

QWidget* createSearchPanel() {
  auto* panel = new QWidget;
  panel->setObjectName("pnlSuche");
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(6, 4, 6, 4);
  auto* field = new QLineEdit;
  field->setPlaceholderText(QString::fromUtf8("Aufträge, Kunden und Notizen durchsuchen …"));
  field->setClearButtonEnabled(true);
  field->addAction(actionIcon(IconKind::Search), QLineEdit::LeadingPosition);
  auto* go = new QPushButton(QString::fromUtf8("Suchen"));
  row->addWidget(field, 1);
  row->addWidget(go);
  return panel;
}

QWidget* createOrdersGrid() {
  auto* view = new QTableView;
  view->setObjectName("grdAuftraege");
  auto* model = new OrdersModel(view);
  view->setModel(model);
  view->setAlternatingRowColors(true);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setFrameShape(QFrame::NoFrame);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(22);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setStretchLastSection(true);
  view->setColumnWidth(0, 80);
  view->setColumnWidth(1, 190);
  view->setColumnWidth(2, 90);
  view->setColumnWidth(3, 100);
  view->selectRow(2);
  return view;
}

QWidget* createCustomerList() {
  auto* list = new QListWidget;
  list->setObjectName("lstKunden");
  list->setFrameShape(QFrame::NoFrame);
  list->setAlternatingRowColors(true);
  const QIcon icon = actionIcon(IconKind::People);
  for (const char* name : kCustomers)
    list->addItem(new QListWidgetItem(icon, QString::fromUtf8(name)));
  list->setCurrentRow(1);
  return list;
}

QWidget* createCustomerForm() {
  // The form scrolls when its bar is lower than the form, instead of squeezing the fields.
  auto* scroller = new QScrollArea;
  scroller->setObjectName("frmKundendaten");
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  auto* form = new QWidget;
  auto* layout = new QFormLayout(form);
  layout->setContentsMargins(10, 8, 10, 8);
  layout->setHorizontalSpacing(12);
  layout->setVerticalSpacing(6);
  layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  auto* name = new QLineEdit(QString::fromUtf8("Müller & Söhne GmbH"));
  auto* street = new QLineEdit(QString::fromUtf8("Lindenstraße 14"));
  auto* city = new QLineEdit(QString::fromUtf8("79098 Freiburg"));
  auto* country = new QComboBox;
  country->addItems({"Deutschland", QString::fromUtf8("Österreich"), "Schweiz"});
  auto* since = new QDateEdit(QDate(2016, 3, 1));
  since->setDisplayFormat("dd.MM.yyyy");
  since->setCalendarPopup(true);
  auto* discount = new QSpinBox;
  discount->setSuffix(" %");
  discount->setValue(3);
  auto* newsletter = new QCheckBox(QString::fromUtf8("Rundschreiben per E-Mail"));
  newsletter->setChecked(true);
  layout->addRow("Firma:", name);
  layout->addRow(QString::fromUtf8("Straße:"), street);
  layout->addRow("PLZ / Ort:", city);
  layout->addRow("Land:", country);
  layout->addRow("Kunde seit:", since);
  layout->addRow("Rabatt:", discount);
  layout->addRow("", newsletter);
  scroller->setWidget(form);
  return scroller;
}

QWidget* createNotesEditor() {
  auto* editor = new QPlainTextEdit;
  editor->setObjectName("txtNotizen");
  editor->setFrameShape(QFrame::NoFrame);
  editor->setPlainText(
      QString::fromUtf8("Besprechung mit Müller & Söhne am Donnerstag:\n"
                        "– Liefertermin für A-24014 auf KW 12 verschieben\n"
                        "– Angebot für Wartungsvertrag bis Monatsende\n"
                        "– Rückfrage Buchhaltung zu Rechnung 2024-0331\n\n"
                        "Offene Punkte:\n"
                        "• Neue Ansprechpartnerin: Frau Keller (Einkauf)\n"
                        "• Musterteile an Werk 2 senden"));
  return editor;
}

QWidget* createProjectTree() {
  auto* tree = new QTreeWidget;
  tree->setObjectName("tvwProjekt");
  tree->setFrameShape(QFrame::NoFrame);
  tree->setHeaderLabels({"Name", QString::fromUtf8("Geändert")});
  tree->setColumnWidth(0, 220);
  const QIcon folder = actionIcon(IconKind::Tree);
  const QIcon file = actionIcon(IconKind::Form);
  struct Node {
    const char* name;
    const char* date;
    std::initializer_list<const char*> files;
  };
  const Node nodes[] = {
      {"Angebote", "12.03.2024", {"Angebot Wartung.docx", "Kalkulation Q2.xlsx"}},
      {"Aufträge 2024", "18.03.2024", {"A-24007 Lieferschein.pdf", "A-24014 Bestätigung.pdf"}},
      {"Korrespondenz", "02.03.2024", {"Brief Müller & Söhne.docx"}},
      {"Rechnungen", "28.02.2024", {"2024-0331.pdf", "2024-0332.pdf", "2024-0340.pdf"}},
      {"Verträge", "15.01.2024", {"Rahmenvertrag.pdf"}},
  };
  for (const Node& node : nodes) {
    auto* item = new QTreeWidgetItem(tree, {QString::fromUtf8(node.name), node.date});
    item->setIcon(0, folder);
    for (const char* f : node.files) {
      auto* child = new QTreeWidgetItem(item, {QString::fromUtf8(f), node.date});
      child->setIcon(0, file);
    }
  }
  tree->expandItem(tree->topLevelItem(1));
  tree->expandItem(tree->topLevelItem(3));
  return tree;
}

}  // namespace demo
