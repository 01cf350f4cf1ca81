// What the elements of a dock need from the dock: somewhere to send user input.
#pragma once

#include <cstdint>

namespace kiv {
class Element;
class VScrollBar;
}  // namespace kiv

namespace kiv::detail {

class ElementHost {
 public:
  virtual ~ElementHost() = default;
  virtual void elementClick(Element& element) = 0;
  virtual void elementMouseDown(Element& element, std::int16_t button, std::int16_t shift, float x,
                                float y) = 0;
  virtual void elementMouseMove(Element& element, std::int16_t button, std::int16_t shift, float x,
                                float y) = 0;
  virtual void elementMouseUp(Element& element, std::int16_t button, std::int16_t shift, float x,
                              float y) = 0;
  virtual void elementDragDrop(Element& element, float x, float y) = 0;
  virtual void scrollChanged(VScrollBar& scroll) = 0;
};

}  // namespace kiv::detail
