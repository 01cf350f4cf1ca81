// Each bar's set of elements: created with the bar, unloaded all together.
#include "dock/dock_core.h"
#include "model/bar_state.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

std::shared_ptr<cKivBar> DockCore::fBarAdd() {
  std::shared_ptr<cKivBar> made;
  trapAndReport("fBarAdd", [&] {
    made = makeBar(mEvents);
    Elements& el = *elements_;
    const std::int16_t k = toInteger(std::int64_t{el.UBound()} + 1);
    auto& body = el.create(ElementArray::picDockBar, k);
    auto& title = el.create(ElementArray::picTitel, k);
    title.setContainer(&body);
    for (ElementArray caption : {ElementArray::lblTitel, ElementArray::lblTitelRight}) {
      auto& label = el.create(caption, k);
      label.setContainer(&title);
      label.setVisible(true);
    }
    auto button = [&](ElementArray array) {
      auto& img = el.create(array, k);
      img.setContainer(&title);
      img.setMousePointer(kPointerCustom);
      img.setMouseIcon(el.imgHand().Picture());
    };
    button(ElementArray::imgClose);
    button(ElementArray::imgCollapse);
    button(ElementArray::imgExpand);
    el.create(ElementArray::imgIcon, k).setContainer(&title);
    button(ElementArray::imgOpt);
    button(ElementArray::imgUp);
    button(ElementArray::imgDown);
    auto& split = el.create(ElementArray::picSplit, k);
    split.setContainer(&body);
    split.setMousePointer(kPointerSizeNS);
    split.setVisible(true);
    auto& line = el.create(ElementArray::lineSplit, k);
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
        el.destroy(array, k);
      }
    }
  });
}

}  // namespace kiv::detail
