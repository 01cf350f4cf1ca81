#include "accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <vector>

#include "conversions.h"
#include "dock_view.h"
#include "element_widget.h"
#include "kivdock/qt/kivdockwidget.h"

namespace kiv::qt::detail {

namespace {

constexpr ElementArray kButtons[] = {ElementArray::imgCollapse, ElementArray::imgExpand,
                                     ElementArray::imgUp,       ElementArray::imgDown,
                                     ElementArray::imgOpt,      ElementArray::imgClose};

QString barTitle(const ElementWidget& widget) {
  const PictureBox* box = widget.box();
  if (!box) return QString();
  const auto bar = widget.view().dock().Bars().Item(box->Index());
  return bar ? toQString(bar->Title()) : QString();
}

// One title button; it lives in the title's accessible interface and answers through the image.
class AccessibleTitleButton : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleTitleButton(ElementWidget* title, ElementArray array) : title_(title), array_(array) {}

  Element* element() const {
    if (!title_ || !title_->box()) return nullptr;
    return title_->view().elements().find(array_, title_->box()->Index());
  }
  bool isValid() const override { return element() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return title_ ? title_->window()->windowHandle() : nullptr; }
  QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return title_ ? QAccessible::queryAccessibleInterface(title_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    const Element* e = element();
    if (!e || (t != QAccessible::Name && t != QAccessible::Description)) return QString();
    return userText(e->ToolTipText());
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const Element* e = element();
    if (!e || !title_) return QRect();
    const QRect local = pixelRect(e->Left(), e->Top(), e->Width(), e->Height());
    return QRect(title_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::PushButton; }
  QAccessible::State state() const override {
    QAccessible::State s;
    const Element* e = element();
    s.invisible = !e || !e->Visible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    Element* e = element();
    if (name != pressAction() || !e || !e->Visible()) return;
    title_->view().guarded([&] { e->Click(); });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<ElementWidget> title_;
  ElementArray array_;
};

// A bar's body (grouping), title (title bar with its buttons) or splitter.
class AccessibleBox : public QAccessibleWidget {
 public:
  explicit AccessibleBox(ElementWidget* widget)
      : QAccessibleWidget(widget, roleOf(*widget)), box_(widget) {}
  ~AccessibleBox() override {
    for (const auto& entry : buttons_) QAccessible::deleteAccessibleInterface(entry.second);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && box_ && role() != QAccessible::Separator) {
      return barTitle(*box_);
    }
    return QAccessibleWidget::text(t);
  }
  int childCount() const override {
    return QAccessibleWidget::childCount() + static_cast<int>(shownButtons().size());
  }
  QAccessibleInterface* child(int index) const override {
    const int own = QAccessibleWidget::childCount();
    if (index < own) return QAccessibleWidget::child(index);
    const std::vector<ElementArray> shown = shownButtons();
    const auto i = static_cast<std::size_t>(index - own);
    return i < shown.size() ? button(shown[i]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<ElementArray> shown = shownButtons();
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (button(shown[i]) == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
    }
    return QAccessibleWidget::indexOfChild(child);
  }

 private:
  static QAccessible::Role roleOf(const ElementWidget& widget) {
    const PictureBox* box = widget.box();
    if (box && box->Array() == ElementArray::picTitel) return QAccessible::TitleBar;
    if (box && box->Array() == ElementArray::picSplit) return QAccessible::Separator;
    return QAccessible::Grouping;
  }
  std::vector<ElementArray> shownButtons() const {
    std::vector<ElementArray> shown;
    if (!box_ || !box_->isTitle()) return shown;
    for (ElementArray array : kButtons) {
      const Element* e = box_->view().elements().find(array, box_->box()->Index());
      if (e && e->Visible()) shown.push_back(array);
    }
    return shown;
  }
  QAccessibleInterface* button(ElementArray array) const {
    auto it = buttons_.find(array);
    if (it == buttons_.end()) {
      const QAccessible::Id id =
          QAccessible::registerAccessibleInterface(new AccessibleTitleButton(box_, array));
      it = buttons_.emplace(array, id).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }

  QPointer<ElementWidget> box_;
  mutable std::map<ElementArray, QAccessible::Id> buttons_;
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(ElementWidget::staticMetaObject.className())) return nullptr;
  auto* widget = qobject_cast<ElementWidget*>(object);
  return widget ? new AccessibleBox(widget) : nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(createInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace kiv::qt::detail
