// Each bar's set of elements: created with the bar, unloaded all together.
#include "dock/dock_core.h"
#include "model/bar_state.h"
#include "platform/elements_state.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

std::shared_ptr<cKivBar> DockCore::fBarAdd() {
  std::shared_ptr<cKivBar> made;
  trapAndReport("fBarAdd", [&] {
    made = makeBar(mEvents);
    Elements& el = *elements_;
    const std::int16_t k = toInteger(std::int64_t{el.UBound()} + 1);
    auto& body = createElement(el, ElementArray::picDockBar, k);
    auto& title = createElement(el, ElementArray::picTitel, k);
    title.setContainer(&body);
    for (ElementArray caption : {ElementArray::lblTitel, ElementArray::lblTitelRight}) {
      auto& label = createElement(el, caption, k);
      label.setContainer(&title);
      label.setVisible(true);
    }
    auto button = [&](ElementArray array) {
      auto& img = createElement(el, array, k);
      img.setContainer(&title);
      img.setMousePointer(kPointerCustom);
      img.setMouseIcon(el.imgHand().Picture());
    };
    button(ElementArray::imgClose);
    button(ElementArray::imgCollapse);
    button(ElementArray::imgExpand);
    createElement(el, ElementArray::imgIcon, k).setContainer(&title);
    button(ElementArray::imgOpt);
    button(ElementArray::imgUp);
    button(ElementArray::imgDown);
    auto& split = createElement(el, ElementArray::picSplit, k);
    split.setContainer(&body);
    split.setMousePointer(kPointerSizeNS);
    split.setVisible(true);
    auto& line = createElement(el, ElementArray::lineSplit, k);
    line.setContainer(&split);
    line.setVisible(true);
    title.setVisible(true);
  });
  return made;
}

void DockCore::fClear() {
  trapAndReport("KivDock.fClear", [&] {
    Elements& el = *elements_;
    for (std::int16_t k = el.UBound(); k > 0; k = el.UBound()) {
      for (ElementArray array :
           {ElementArray::lineSplit, ElementArray::picSplit, ElementArray::imgClose,
            ElementArray::imgCollapse, ElementArray::imgExpand, ElementArray::imgIcon,
            ElementArray::imgOpt, ElementArray::imgUp, ElementArray::imgDown,
            ElementArray::lblTitel, ElementArray::lblTitelRight, ElementArray::picTitel,
            ElementArray::picDockBar}) {
        destroyElement(el, array, k);
      }
    }
  });
}

}  // namespace kiv::detail
