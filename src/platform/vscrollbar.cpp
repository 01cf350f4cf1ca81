#include "kivdock/vscrollbar.h"

#include <algorithm>

#include "kivdock/elements.h"
#include "platform/element_host.h"
#include "platform/elements_state.h"
#include "platform/errors.h"

namespace kiv {

VScrollBar::VScrollBar() : Element(ElementKind::VScrollBar) {}

std::unique_ptr<Element> VScrollBar::clone() const {
  return std::unique_ptr<Element>(new VScrollBar(*this));
}

void VScrollBar::setValue(std::int32_t v) {
  if (v < std::min(min_, max_) || v > std::max(min_, max_)) throw detail::errors::invalidValue();
  if (v == value_) return;
  value_ = v;
  changed(ElementProperty::ScrollValue);
  // The change event runs at once, before the caller goes on.
  if (owner() && owner()->state().host_) owner()->state().host_->scrollChanged(*this);
}

void VScrollBar::setMin(std::int32_t v) {
  if (v == min_) return;
  min_ = v;
  changed(ElementProperty::ScrollRange);
}

void VScrollBar::setMax(std::int32_t v) {
  if (v == max_) return;
  max_ = v;
  changed(ElementProperty::ScrollRange);
}

void VScrollBar::setLargeChange(std::int32_t v) {
  if (v < 1) throw detail::errors::invalidValue();
  if (v == largeChange_) return;
  largeChange_ = v;
  changed(ElementProperty::ScrollRange);
}

void VScrollBar::setSmallChange(std::int32_t v) {
  if (v < 1) throw detail::errors::invalidValue();
  if (v == smallChange_) return;
  smallChange_ = v;
  changed(ElementProperty::ScrollRange);
}

}  // namespace kiv
