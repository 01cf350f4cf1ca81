#include "window_registry.h"

#include <QObject>
#include <vector>

namespace kiv::qt::detail {

WindowRegistry& WindowRegistry::instance() {
  static WindowRegistry registry;
  return registry;
}

Hwnd WindowRegistry::createElementWindow(Hwnd parent) {
  const Hwnd window = next_++;
  entries_[window].logicalParent = parent;
  entries_[window].element = true;
  return window;
}

void WindowRegistry::attach(Hwnd window, QWidget* widget, bool owned) {
  auto it = entries_.find(window);
  if (it == entries_.end() || !widget) return;
  it->second.widget = widget;
  it->second.owned = owned;
  it->second.build = nullptr;
  handles_[widget] = window;
  QObject::connect(widget, &QObject::destroyed, widget,
                   [window, widget] { instance().forget(window, widget); });
}

void WindowRegistry::forget(Hwnd window, const QWidget* widget) {
  auto h = handles_.find(widget);
  if (h != handles_.end() && h->second == window) handles_.erase(h);
  auto it = entries_.find(window);
  // An element window outlives a widget that Qt deleted with its parent; a host's does not.
  if (it != entries_.end() && !it->second.owned) entries_.erase(it);
}

void WindowRegistry::destroy(Hwnd window) {
  auto it = entries_.find(window);
  if (it == entries_.end()) return;
  QPointer<QWidget> w = it->second.widget;
  const bool owned = it->second.owned;
  if (w) {
    std::vector<QWidget*> hosted;
    for (QObject* child : w->children()) {
      auto* cw = qobject_cast<QWidget*>(child);
      auto h = cw ? handles_.find(cw) : handles_.end();
      if (h == handles_.end()) continue;
      auto e = entries_.find(h->second);
      if (e != entries_.end() && !e->second.owned) hosted.push_back(cw);
    }
    for (QWidget* cw : hosted) reparent(cw, nullptr);
    handles_.erase(w.data());
  }
  entries_.erase(window);
  if (w && owned) {
    w->hide();
    w->deleteLater();
  }
}

Hwnd WindowRegistry::handleOf(QWidget* widget) {
  if (!widget) return 0;
  auto h = handles_.find(widget);
  if (h != handles_.end()) {
    auto it = entries_.find(h->second);
    if (it != entries_.end() && it->second.widget == widget) return h->second;
    handles_.erase(h);  // an address reused after its widget was deleted
  }
  const Hwnd window = next_++;
  entries_[window];
  attach(window, widget, false);
  return window;
}

QWidget* WindowRegistry::widget(Hwnd window) const {
  auto it = entries_.find(window);
  return it == entries_.end() ? nullptr : it->second.widget.data();
}

void WindowRegistry::setBuilder(Hwnd window, std::function<QWidget*()> build) {
  auto it = entries_.find(window);
  if (it != entries_.end()) it->second.build = std::move(build);
}

QWidget* WindowRegistry::realize(Hwnd window) {
  auto it = entries_.find(window);
  if (it == entries_.end()) return nullptr;
  if (!it->second.widget && it->second.build) {
    const auto build = std::move(it->second.build);
    it->second.build = nullptr;
    build();  // attaches the widget; the entry may have moved meanwhile
  }
  return widget(window);
}

Hwnd WindowRegistry::parentOf(Hwnd window) {
  auto it = entries_.find(window);
  if (it == entries_.end()) return 0;
  QWidget* w = it->second.widget;
  if (w && w->parentWidget()) return handleOf(w->parentWidget());
  // A window whose parent ended has lost its parent.
  const Hwnd logical = it->second.logicalParent;
  return logical != 0 && entries_.count(logical) != 0 ? logical : 0;
}

bool WindowRegistry::adopted(const QWidget* widget) const {
  auto h = handles_.find(widget);
  if (h == handles_.end()) return false;
  auto it = entries_.find(h->second);
  return it != entries_.end() && it->second.adopted;
}

void WindowRegistry::reparent(QWidget* child, QWidget* parent) {
  if (child->parentWidget() == parent) return;
  // Qt hides a widget that changes its parent; one that was not hidden on purpose shows again
  // inside its new parent. A widget without a parent stays hidden rather than become a window.
  const bool hiddenOnPurpose =
      child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
  child->setParent(parent);
  if (parent && !hiddenOnPurpose) child->show();
}

Hwnd WindowRegistry::setParent(Hwnd child, Hwnd parent) {
  auto it = entries_.find(child);
  if (it == entries_.end()) return 0;
  const Hwnd previous = parentOf(child);
  if (!it->second.element) {
    auto p = entries_.find(parent);
    const bool intoElement = p != entries_.end() && p->second.element;
    auto before = entries_.find(previous);
    const bool fromElement = before != entries_.end() && before->second.element;
    it->second.adopted = intoElement && (previous == 0 || (fromElement && it->second.adopted));
  }
  it->second.logicalParent = parent;
  if (QWidget* w = it->second.widget) {
    QWidget* p = realize(parent);
    // A parent that has no widget yet cannot take the child; it stays where it is.
    if (p || parent == 0) reparent(w, p);
  }
  return previous;
}

}  // namespace kiv::qt::detail
