// The widget of one picture box (a bar's body, title or splitter). It paints the box and what
// lies in it, and hands its input to the dock view's router.
#pragma once

#include <QWidget>

#include "drawing_painter.h"
#include "kivdock/kivdock.h"

namespace kiv::qt::detail {

class DockView;

class ElementWidget : public QWidget {
  Q_OBJECT

 public:
  ElementWidget(DockView& view, QWidget* parent);

  PictureBox* box() const { return box_; }
  DockView& view() const { return view_; }
  // A bar's title: it takes the keyboard focus.
  bool isTitle() const;
  void bind(PictureBox* box);
  // The box's drawing or back colour changed: it is painted again.
  void drawingChanged();
  // The box's own pointer, shown where no caption or image lies.
  void applyBoxCursor();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  DockView& view_;
  PictureBox* box_ = nullptr;
  DrawingCache drawing_;
};

}  // namespace kiv::qt::detail
