// The library's side of a dock's elements: their arrays, the single elements, the host that takes
// their input and the observer that draws them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "kivdock/elements.h"

namespace kiv::detail {

class ElementHost;

struct ElementsKey {};

struct ElementsState {
  static constexpr int kArrays = 13;

  ElementHost* host_ = nullptr;
  std::shared_ptr<Platform> platform_;  // the platform the element windows belong to
  ElementObserver* observer_ = nullptr;
  std::uint64_t zCounter_ = 0;
  std::unique_ptr<Surface> surface_;
  std::unique_ptr<VScrollBar> scroll_;
  std::unique_ptr<kiv::Line> line1_, line2_;
  std::unique_ptr<Image> hand_;
  std::array<std::vector<std::unique_ptr<Element>>, kArrays> arrays_;
};

// The place of an element array among the arrays, -1 for a single element. The arrays follow
// each other in ElementArray from picDockBar to lineSplit.
constexpr int arraySlot(ElementArray array) {
  const int slot = static_cast<int>(array) - static_cast<int>(ElementArray::picDockBar);
  return slot >= 0 && slot < ElementsState::kArrays ? slot : -1;
}
static_assert(arraySlot(ElementArray::picDockBar) == 0 && arraySlot(ElementArray::picTitel) == 1 &&
              arraySlot(ElementArray::lblTitel) == 2 &&
              arraySlot(ElementArray::lblTitelRight) == 3 &&
              arraySlot(ElementArray::imgClose) == 4 && arraySlot(ElementArray::imgCollapse) == 5 &&
              arraySlot(ElementArray::imgExpand) == 6 && arraySlot(ElementArray::imgIcon) == 7 &&
              arraySlot(ElementArray::imgOpt) == 8 && arraySlot(ElementArray::imgUp) == 9 &&
              arraySlot(ElementArray::imgDown) == 10 && arraySlot(ElementArray::picSplit) == 11 &&
              arraySlot(ElementArray::lineSplit) == 12 && arraySlot(ElementArray::Surface) == -1);

// Creates element k of an array as a hidden copy of its template, in the template's container.
Element& createElement(Elements& elements, ElementArray array, std::int16_t k);
void destroyElement(Elements& elements, ElementArray array, std::int16_t k);
// The design templates (element 0 of each array) and the single elements.
void setupTemplates(Elements& elements);

}  // namespace kiv::detail
