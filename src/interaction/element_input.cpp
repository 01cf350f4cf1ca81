// User input from the elements, sent to the handler of the element's array. The element's array
// and index are read first: the handlers may destroy the element.
#include "dock/dock_core.h"
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
        return collapseClicked(k);
      case ElementArray::imgExpand:
        return expandClicked(k);
      case ElementArray::imgUp:
        return upClicked(k);
      case ElementArray::imgDown:
        return downClicked(k);
      case ElementArray::imgOpt:
        return optionsClicked(k);
      default:
        return;
    }
  });
}

void DockCore::elementMouseDown(Element& element, std::int16_t button, std::int16_t, float, float) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    if (array == ElementArray::picTitel || array == ElementArray::lblTitel) {
      titleMouseDown(k, button);
    } else if (array == ElementArray::Surface && button == kButtonRight) {
      std::string key;
      raiseRightClick(key);
    }
  });
}

void DockCore::elementMouseMove(Element& element, std::int16_t button, std::int16_t, float,
                                float y) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    if (array == ElementArray::picSplit) splitMouseMove(k, button, y);
  });
}

void DockCore::elementMouseUp(Element& element, std::int16_t, std::int16_t, float, float) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    if (array == ElementArray::picSplit) splitMouseUp(k);
  });
}

void DockCore::elementDragDrop(Element& element, float x, float y) {
  handleInput(*this, element, [&](ElementArray array, std::int16_t k) {
    switch (array) {
      case ElementArray::picDockBar:
      case ElementArray::picTitel:
      case ElementArray::lblTitel:
        return DockBar_DragDrop(k);
      case ElementArray::Surface:
        return dockDragDrop(x, y);
      default:
        return;
    }
  });
}

}  // namespace kiv::detail
