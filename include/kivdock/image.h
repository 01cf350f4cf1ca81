// An image element: a windowless picture that takes clicks and the size of its picture.
#pragma once

#include <memory>

#include "kivdock/element.h"
#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT Image : public Element {
 public:
  Image();
  std::shared_ptr<kiv::Picture> Picture() const { return picture_; }
  // The element takes the picture's size; emptying it (nullptr) keeps the size.
  void setPicture(std::shared_ptr<kiv::Picture> picture);

 private:
  Image(const Image& other) = default;
  std::unique_ptr<Element> clone() const override;

  std::shared_ptr<kiv::Picture> picture_;
};

}  // namespace kiv
