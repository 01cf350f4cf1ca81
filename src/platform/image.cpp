#include "kivdock/image.h"

namespace kiv {

Image::Image() : Element(ElementKind::Image) {}

std::unique_ptr<Element> Image::clone() const { return std::unique_ptr<Element>(new Image(*this)); }

void Image::setPicture(std::shared_ptr<kiv::Picture> picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  if (picture_) {
    setWidth(static_cast<float>(picture_->WidthPx) * kTwipsPerPixel);
    setHeight(static_cast<float>(picture_->HeightPx) * kTwipsPerPixel);
  }
  changed(ElementProperty::Picture);
}

}  // namespace kiv
