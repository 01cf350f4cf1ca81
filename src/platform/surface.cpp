#include "kivdock/surface.h"

#include "kivdock/elements.h"
#include "kivdock/platform.h"
#include "platform/failure.h"

namespace kiv {

Surface::Surface() : Element(ElementKind::Surface) {}

Surface::~Surface() {
  if (hWnd_ && owner() && owner()->elementPlatform()) {
    detail::ignoreFailure([&] { owner()->elementPlatform()->DestroyElementWindow(hWnd_); });
  }
}

std::unique_ptr<Element> Surface::clone() const {
  return std::unique_ptr<Element>(new Surface(*this));
}

void Surface::setBackColor(std::int32_t color) {
  if (color == backColor_) return;
  backColor_ = color;
  changed(ElementProperty::BackColor);
}

}  // namespace kiv
