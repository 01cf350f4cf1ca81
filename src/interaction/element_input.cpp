// User input from the elements, sent to the handler of the element's array. The element's array
// and index are read first: the handlers may destroy the element.
#include "dock/dock_core.h"
#include "interaction/interaction.h"
#include "platform/failure.h"

namespace kiv::detail {

namespace {
// The design templates (element 0 of each bar array) are never shown and take no input.
bool isTemplate(const Element& element) {
  return element.Index() == 0 && element.Array() != ElementArray::Surface &&
         element.Array() != ElementArray::VScroll;
}

// Runs a handler for one input event as one call into the dock; its failures stay inside.
template <class Handler>
void handleInput(DockCore& dock, const Element& element, Handler&& handler) {
  if (isTemplate(element)) return;
  const ElementArray array = element.Array();
  const std::int16_t k = element.Index();
  ignoreFailure([&] {
    DockCore::Scope scope(dock);
    handler(array, k);
  });
}
}  // namespace

void DockCore::elementClick(Element& element) {
  handleInput(*this, element, [this](ElementArray array, std::int16_t k) {
    switch (array) {
      case ElementArray::imgClose:
        return pHideBar(k);
      case ElementArray::imgCollapse:
        return interaction::collapseClicked(*this, k);
      case ElementArray::imgExpand:
        return interaction::expandClicked(*this, k);
      case ElementArray::imgUp:
        return interaction::upClicked(*this, k);
      case ElementArray::imgDown:
        return interaction::downClicked(*this, k);
      case ElementArray::imgOpt:
        return interaction::optionsClicked(*this, k);
      default:
        return;
    }
  });
}

void DockCore::elementMouseDown(Element& element, std::int16_t button, std::int16_t, float, float) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    if (array == ElementArray::picTitel || array == ElementArray::lblTitel) {
      interaction::titleMouseDown(*this, k, button);
    } else if (array == ElementArray::Surface && button == kButtonRight) {
      std::string key;
      raiseRightClick(key);
    }
  });
}

void DockCore::elementMouseMove(Element& element, std::int16_t button, std::int16_t, float,
                                float y) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    if (array == ElementArray::picSplit) interaction::splitMouseMove(*this, k, button, y);
  });
}

void DockCore::elementMouseUp(Element& element, std::int16_t, std::int16_t, float, float) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    if (array == ElementArray::picSplit) interaction::splitMouseUp(*this, k);
  });
}

void DockCore::elementDragDrop(Element& element, float x, float y) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    switch (array) {
      case ElementArray::picDockBar:
      case ElementArray::picTitel:
      case ElementArray::lblTitel:
        return interaction::DockBar_DragDrop(*this, k);
      case ElementArray::Surface:
        return interaction::dockDragDrop(*this, x, y);
      default:
        return;
    }
  });
}

}  // namespace kiv::detail
