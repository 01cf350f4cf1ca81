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
  PictureBox();
  ~PictureBox() override;

  std::int32_t BackColor() const { return backColor_; }
  void setBackColor(std::int32_t color);  // clears the drawing to the new colour
  Hwnd hWnd() const { return hWnd_; }
  float ScaleWidth() const { return Width(); }
  float ScaleHeight() const { return Height(); }
  const Font& font() const { return font_; }
  void setFont(const Font& f);

  // Brings the box to the front of its container's children.
  void ZOrder();

  // Draws persistently into the box's image: a line, or a filled box with the two corners.
  void Line(float x1, float y1, float x2, float y2, std::int32_t color, bool filledBox);
  // The colour drawn at a point (twips); the back colour where nothing was drawn; -1 outside.
  std::int32_t Point(float x, float y) const;

  // The persistent image in pixels, one colour value per pixel, row-major; empty until the first
  // drawing. It is as large as the box and does not grow with repeated drawing.
  int imageWidthPx() const { return imageW_; }
  int imageHeightPx() const { return imageH_; }
  const std::vector<std::int32_t>& imagePixels() const { return image_; }

 private:
  PictureBox(const PictureBox& other);
  std::unique_ptr<Element> clone() const override;
  void containerChanged() override;
  friend class Elements;
  void fitImage();

  std::int32_t backColor_ = 0;
  Hwnd hWnd_ = 0;
  Font font_;
  int imageW_ = 0, imageH_ = 0;
  std::vector<std::int32_t> image_;
};

}  // namespace kiv
