// The host's widgets that the demo's bars carry.
#pragma once

#include <QWidget>

namespace demo {

constexpr int kOrderCount = 300;

QWidget* createSearchPanel();
QWidget* createOrdersGrid();  // a QTableView over kOrderCount orders
QWidget* createCustomerList();
QWidget* createCustomerForm();
QWidget* createNotesEditor();
QWidget* createProjectTree();

}  // namespace demo
