// Turns Qt's mouse events into the elements' input events, and runs the title drag the dock
// begins at a press. A widget shows a
// picture box or the surface; the element under the pointer is the topmost visible label or image
// of that box containing it, else the box itself. Positions reach the elements in twips relative
// to the element. The element that took a press keeps the moves and the release until the last
// button is up, as a window that captured the mouse would.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

#include "kivdock/kivdock.h"
#include "title_drag.h"

class QMouseEvent;
class QHelpEvent;

namespace kiv::qt::detail {

class DockView;

class InputRouter {
 public:
  InputRouter(DockView& view, QWidget& surface) : view_(view), drag_(surface) {}

  // `shown` is the element the receiving widget shows (a picture box or the surface).
  void press(QWidget& receiver, Element& shown, QMouseEvent& event);
  void move(QWidget& receiver, Element& shown, QMouseEvent& event);
  void release(QWidget& receiver, Element& shown, QMouseEvent& event);
  bool dragging() const { return drag_.active(); }

  // The pointer and tooltip of the element under a point (pixels in the receiving widget).
  void hover(QWidget& receiver, Element& shown, QPointF pos);
  void showToolTip(QWidget& receiver, Element& shown, QHelpEvent& event) const;
  // Pointers changed: the next hover sets the cursor anew.
  void forgetCursor();

 private:
  struct Hit {
    Element* element = nullptr;
    QPointF twips;  // relative to the element
    bool windowless = false;
  };
  struct Capture {
    ElementArray array;
    std::int16_t index;
    QPointer<QWidget> widget;
    Qt::MouseButtons buttons;
  };
  // The box (or the surface) under a point of the surface, with the widget that shows it;
  // nullptr over a widget of the host, the scroll bar or outside the dock.
  std::pair<QWidget*, Element*> boxAt(QPointF surfacePos) const;

  Hit locate(Element& shown, QPointF pos) const;
  // Where the captured element is, relative to it, for an event that reached `receiver`.
  std::optional<Hit> captured(QWidget& receiver, Element& shown, const QMouseEvent& event) const;
  void startDrag(const Element& body, const QMouseEvent& event);
  QLine landingLine(QPointF surfacePos) const;
  // `at` in the surface's pixels.
  void drop(QPointF at);

  DockView& view_;
  std::optional<Capture> capture_;
  TitleDrag drag_;
  QPointer<QWidget> cursorWidget_;
  const Element* cursorElement_ = nullptr;
};

}  // namespace kiv::qt::detail
