// Turns Qt's mouse, drag and drop events into the elements' input events. A widget shows a
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

class QMouseEvent;
class QDropEvent;
class QHelpEvent;

namespace kiv::qt::detail {

class DockView;

class InputRouter {
 public:
  explicit InputRouter(DockView& view) : view_(view) {}

  // `shown` is the element the receiving widget shows (a picture box or the surface).
  void press(QWidget& receiver, Element& shown, QMouseEvent& event);
  void move(QWidget& receiver, Element& shown, QMouseEvent& event);
  void release(QWidget& receiver, Element& shown, QMouseEvent& event);
  // Whether a drag over the widget may drop there: one of this dock's bars, not over a widget of
  // the host.
  bool acceptsDrag(QWidget& receiver, const QDropEvent& event) const;
  void drop(QWidget& receiver, Element& shown, QDropEvent& event);

  // The pointer and tooltip of the element under a point (pixels in the receiving widget).
  void hover(QWidget& receiver, Element& shown, QPointF pos);
  void showToolTip(QWidget& receiver, Element& shown, QHelpEvent& event) const;
  // Pointers changed: the next hover sets the cursor anew.
  void forgetCursor();

  // The mime type of a bar being dragged.
  static const char* dragMimeType();

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
  struct DragCandidate {
    std::int16_t index;
    QPoint pressGlobal;
    QPointer<QWidget> widget;
    QPointF pressLocal;
  };

  Hit locate(Element& shown, QPointF pos) const;
  // Where the captured element is, relative to it, for an event that reached `receiver`.
  std::optional<Hit> captured(QWidget& receiver, Element& shown, const QMouseEvent& event) const;
  void runDrag(const DragCandidate& candidate);

  DockView& view_;
  std::optional<Capture> capture_;
  std::optional<DragCandidate> dragCandidate_;
  QPointer<QWidget> cursorWidget_;
  const Element* cursorElement_ = nullptr;
};

}  // namespace kiv::qt::detail
