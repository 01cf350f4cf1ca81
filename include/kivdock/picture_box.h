// A picture box: a child window that can be drawn on and can contain other elements.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "kivdock/element.h"
#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT PictureBox : public Element {
 public:
  // One drawing operation, kept in the order drawn: a line (its last point left out) or a filled
  // box with the two corners, in twips. A coordinate far outside the box is kept at the pixel
  // just beyond its edge. Pixel (px, py) is drawn only when px < clipWidthPx and py <
  // clipHeightPx: the box's size in pixels when the operation was drawn, or less if the box
  // shrank since. left..right and top..bottom are the pixels it may cover, within the clip.
  struct DrawOp {
    float x1, y1, x2, y2;
    std::int32_t color;
    std::uint16_t clipWidthPx, clipHeightPx;
    std::int16_t left, top, right, bottom;
    bool filledBox;
  };

  // What a paint that can be repeated depends on besides the box's size, such as its colours.
  struct PaintInputs {
    std::uint64_t first = 0, second = 0;
    bool operator==(const PaintInputs& o) const { return first == o.first && second == o.second; }
  };

  // Holds back the box's drawing-changed report while a paint of several operations runs, and
  // reports once at its end if anything was drawn. Scopes may nest.
  class PaintScope {
   public:
    explicit PaintScope(PictureBox& box);
    // A paint that depends only on the box's size and on `inputs`. When the box still shows
    // what the last such paint with the same inputs and size drew, or when such a paint
    // started lately from the very drawing the box shows and the scope has put its result in
    // place, done() is true and the painter leaves the box as it is.
    PaintScope(PictureBox& box, const PaintInputs& inputs);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    bool done() const { return done_; }

   private:
    PictureBox& box_;
    bool done_ = false;
    std::uint64_t record_ = 0;  // the paint's place among the remembered ones, 0 for none
  };

  PictureBox();
  ~PictureBox() override;

  std::int32_t BackColor() const { return backColor_; }
  void setBackColor(std::int32_t color);  // clears the drawing to the new colour
  Hwnd hWnd() const { return hWnd_; }
  // The library's side: the window the dock's elements created for this one.
  void setWindow(const detail::ElementsKey&, Hwnd window) { hWnd_ = window; }
  float ScaleWidth() const { return Width(); }
  float ScaleHeight() const { return Height(); }
  const Font& font() const { return font_; }
  void setFont(const Font& f);

  // Brings the box to the front of its container's children.
  void ZOrder();

  // Draws persistently into the box: a line, or a filled box with the two corners.
  void Line(float x1, float y1, float x2, float y2, std::int32_t color, bool filledBox);
  // The colour drawn at a point (twips); the back colour where nothing was drawn; -1 outside.
  std::int32_t Point(float x, float y) const;

  // What is drawn over the back colour, oldest first. An operation that covers earlier ones
  // replaces them, so the list stays as short as what can be seen.
  const std::vector<DrawOp>& drawing() const { return drawing_; }

 private:
  PictureBox(const PictureBox& other);
  std::unique_ptr<Element> clone() const override;
  void containerChanged() override;
  void fitDrawing();
  void drawingChanged();

  std::int32_t backColor_ = 0;
  Hwnd hWnd_ = 0;
  Font font_;
  // The box's size in pixels at its last drawing; a point in the last, partial pixel shows it.
  int drawnW_ = 0, drawnH_ = 0;
  std::vector<DrawOp> drawing_;
  int paintDepth_ = 0;
  bool paintChanged_ = false;
  // The last repeatable paint, while the box still shows exactly what it drew.
  bool lastPaintShown_ = false, repeatablePaint_ = false;
  PaintInputs lastPaint_;
  float lastPaintW_ = 0, lastPaintH_ = 0;
};

}  // namespace kiv
