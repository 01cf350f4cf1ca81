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
}  // namespace

void DockCore::elementClick(Element& element) {
  if (isTemplate(element)) return;
  const ElementArray array = element.Array();
  const std::int16_t k = element.Index();
  ignoreFailure([&] {
    Scope scope(*this);
    switch (array) {
      case ElementArray::imgClose:
        pHideBar(k);
        break;
      case ElementArray::imgCollapse:
        collapseClicked(k);
        break;
      case ElementArray::imgExpand:
        expandClicked(k);
        break;
      case ElementArray::imgUp:
        upClicked(k);
        break;
      case ElementArray::imgDown:
        downClicked(k);
        break;
      case ElementArray::imgOpt:
        optionsClicked(k);
        break;
      default:
        break;
    }
  });
}

void DockCore::elementMouseDown(Element& element, std::int16_t button, std::int16_t, float, float) {
  if (isTemplate(element)) return;
  const ElementArray array = element.Array();
  const std::int16_t k = element.Index();
  ignoreFailure([&] {
    Scope scope(*this);
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
  const ElementArray array = element.Array();
  const std::int16_t k = element.Index();
  if (array != ElementArray::picSplit || isTemplate(element)) return;
  ignoreFailure([&] {
    Scope scope(*this);
    splitMouseMove(k, button, y);
  });
}

void DockCore::elementMouseUp(Element& element, std::int16_t, std::int16_t, float, float) {
  const ElementArray array = element.Array();
  const std::int16_t k = element.Index();
  if (array != ElementArray::picSplit || isTemplate(element)) return;
  ignoreFailure([&] {
    Scope scope(*this);
    splitMouseUp(k);
  });
}

void DockCore::elementDragDrop(Element& element, float x, float y) {
  if (isTemplate(element)) return;
  const ElementArray array = element.Array();
  const std::int16_t k = element.Index();
  ignoreFailure([&] {
    Scope scope(*this);
    switch (array) {
      case ElementArray::picDockBar:
      case ElementArray::picTitel:
      case ElementArray::lblTitel:
        DockBar_DragDrop(k);
        break;
      case ElementArray::Surface:
        dockDragDrop(x, y);
        break;
      default:
        break;
    }
  });
}

}  // namespace kiv::detail
