#include "kivdock/line.h"

#include <algorithm>
#include <cmath>

namespace kiv {

Line::Line() : Element(ElementKind::Line) {}

std::unique_ptr<Element> Line::clone() const { return std::unique_ptr<Element>(new Line(*this)); }

float Line::Y1() const { return y1_; }

float Line::Y2() const { return y2_; }

void Line::setPoint(float& field, float v) {
  if (v == field) return;
  field = v;
  // The element's box is the rectangle the two points span.
  setLeft(std::min(x1_, x2_));
  setTop(std::min(y1_, y2_));
  setWidth(std::fabs(x2_ - x1_));
  setHeight(std::fabs(y2_ - y1_));
  changed(ElementProperty::LinePoints);
}

void Line::setX1(float v) { setPoint(x1_, v); }
void Line::setY1(float v) { setPoint(y1_, v); }
void Line::setX2(float v) { setPoint(x2_, v); }
void Line::setY2(float v) { setPoint(y2_, v); }

void Line::setBorderColor(std::int32_t color) {
  if (color == borderColor_) return;
  borderColor_ = color;
  changed(ElementProperty::BorderColor);
}

}  // namespace kiv
