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

// The place of an element array among the arrays, -1 for a single element.
int arraySlot(ElementArray array);

// Creates element k of an array as a hidden copy of its template, in the template's container.
Element& createElement(Elements& elements, ElementArray array, std::int16_t k);
void destroyElement(Elements& elements, ElementArray array, std::int16_t k);
// The design templates (element 0 of each array) and the single elements.
void setupTemplates(Elements& elements);

}  // namespace kiv::detail
