// The drag of a bar's title inside the dock widget. It starts at the press (the dock has begun
// the drag of the bar's body box), shows an outline of the bar that follows the pointer and a
// line where the bar would land, and ends at the release, where the router drops on the element
// under the pointer; Escape ends it without a drop. No nested event loop runs, so it works on every
// platform, offscreen too.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

namespace kiv::qt::detail {

class DragOverlay;

class TitleDrag {
 public:
  explicit TitleDrag(QWidget& surface) : surface_(surface) {}
  ~TitleDrag();
  TitleDrag(const TitleDrag&) = delete;
  TitleDrag& operator=(const TitleDrag&) = delete;

  // `bar` is the body box's rectangle in the surface's pixels, `pointer` the press there.
  void start(std::int16_t index, Qt::MouseButton button, QRect bar, QPoint pointer);
  // The pointer moved; `landing` is the line where the bar would land (empty: none).
  void move(QPoint pointer, QLine landing);
  void stop();

  bool active() const { return index_.has_value(); }
  std::int16_t index() const { return index_.value_or(0); }
  Qt::MouseButton button() const { return button_; }

 private:
  QWidget& surface_;
  QPointer<DragOverlay> overlay_;
  std::optional<std::int16_t> index_;
  Qt::MouseButton button_ = Qt::NoButton;
  QRect bar_;
  QPoint grab_;
};

}  // namespace kiv::qt::detail
