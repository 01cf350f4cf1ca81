// Window handles of the Qt backend. An element window starts as a bare handle (the dock asks for
// it before anything draws it) and gets its QWidget when a KivDockWidget builds the element; a
// host's widget gets a handle the first time the dock sees it. Widgets are held weakly: a widget
// deleted by its owner simply stops answering.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>

#include "kivdock/types.h"

namespace kiv::qt::detail {

class WindowRegistry {
 public:
  static WindowRegistry& instance();

  // A new element window without a widget yet, logically inside `parent`.
  Hwnd createElementWindow(Hwnd parent);
  // Gives a window its widget. An owned widget is deleted with its window.
  void attach(Hwnd window, QWidget* widget, bool owned);
  // How to build the widget of an element window when it is needed before its view builds it
  // (a host's widget moves into it); nullptr forgets it.
  void setBuilder(Hwnd window, std::function<QWidget*()> build);
  // Ends an element window: windows of the host inside it lose their parent, an owned widget is
  // hidden and deleted later (it may be handling the event that led here).
  void destroy(Hwnd window);

  // The handle of a widget, registering it on first sight; 0 for none.
  Hwnd handleOf(QWidget* widget);
  QWidget* widget(Hwnd window) const;
  // The widget, built now if it has a builder and does not exist yet.
  QWidget* realize(Hwnd window);
  bool exists(Hwnd window) const { return entries_.count(window) != 0; }

  Hwnd parentOf(Hwnd window);
  // Moves a window into another one (0: no parent); returns the previous parent.
  Hwnd setParent(Hwnd child, Hwnd parent);
  // Whether a host's widget had no parent when it moved into an element window, and has not left
  // the element windows since: such a widget belongs to the dock widget.
  bool adopted(const QWidget* widget) const;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    Hwnd logicalParent = 0;  // for a window whose widget does not exist or has no parent
    bool owned = false;
    bool element = false;  // an element window, made by createElementWindow
    bool adopted = false;
    std::function<QWidget*()> build;
  };
  WindowRegistry() = default;
  void forget(Hwnd window, const QWidget* widget);
  static void reparent(QWidget* child, QWidget* parent);

  std::unordered_map<Hwnd, Entry> entries_;
  std::unordered_map<const QWidget*, Hwnd> handles_;
  Hwnd next_ = 0x10000;
};

}  // namespace kiv::qt::detail
