// A line element between two points of its container.
#pragma once

#include <cstdint>
#include <memory>

#include "kivdock/element.h"
#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT Line : public Element {
 public:
  Line();
  float X1() const { return x1_; }
  float Y1() const;
  float X2() const { return x2_; }
  float Y2() const;
  void setX1(float v);
  void setY1(float v);
  void setX2(float v);
  void setY2(float v);
  std::int32_t BorderColor() const { return borderColor_; }
  void setBorderColor(std::int32_t color);

 private:
  Line(const Line& other) = default;
  std::unique_ptr<Element> clone() const override;
  void setPoint(float& field, float v);

  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::int32_t borderColor_ = 0;
};

}  // namespace kiv
