// Painting of the elements: a picture box's back colour and persistent drawing, the labels,
// images and lines inside it, and the dock's surface with its separator lines. The dock's own
// button pictures are drawn anew at the screen's pixel ratio, so they stay sharp.
#pragma once

#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStaticText>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "kivdock/builtin_pictures.h"
#include "kivdock/kivdock.h"

namespace kiv::qt::detail {

class ElementPainter {
 public:
  // Paints what a picture box shows: back colour, drawing, then its windowless elements in
  // stacking order. `area` is the widget's rectangle; `drawing` is the box's back colour and
  // drawing over all of it (from a DrawingCache), or null to fill the area with the back colour.
  void paintBox(QPainter& painter, const QRect& area, const PictureBox& box, const QImage& drawing,
                const std::vector<Element*>& windowless, const QPalette& palette, qreal ratio);
  void paintLine(QPainter& painter, const QLineF& line, const QColor& colour);

  // The pointer an element asks for; a windowless element's default is the arrow.
  QCursor cursorFor(const Element& element, bool windowless, qreal ratio, bool& inherit);

 private:
  // `right`: where the next caption or button to the right begins (pixels); the caption ends
  // there at the latest.
  void paintLabel(QPainter& painter, const Label& label, const QPalette& palette, qreal right);
  // Built-in button glyphs take a palette colour that stands out from `behind`.
  void paintImage(QPainter& painter, const Image& image, qreal ratio, const QColor& behind,
                  const QPalette& palette);
  QImage pictureImage(const std::shared_ptr<Picture>& picture, qreal ratio);

  struct Cached {
    std::weak_ptr<Picture> picture;
    QImage image;
  };
  std::unordered_map<const Picture*, Cached> pictures_;
  struct CachedText {
    std::string caption;
    Font font;
    QFont qfont;
    QStaticText text;
  };
  std::unordered_map<const Label*, CachedText> texts_;
  std::map<std::pair<int, int>, QImage> builtins_;  // (picture, scale)
  struct CachedCursor {
    std::weak_ptr<Picture> picture;
    QCursor cursor;
    int scale = 0;
  };
  std::unordered_map<const Picture*, CachedCursor> cursors_;
};

}  // namespace kiv::qt::detail
