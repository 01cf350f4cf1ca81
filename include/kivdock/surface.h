// The control's own area, on which the bars lie. It takes right presses and drops on its empty
// part; its size is the control's size.
#pragma once

#include <cstdint>
#include <memory>

#include "kivdock/element.h"
#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT Surface : public Element {
 public:
  Surface();
  ~Surface() override;
  std::int32_t BackColor() const { return backColor_; }
  void setBackColor(std::int32_t color);
  Hwnd hWnd() const { return hWnd_; }
  // The library's side: the window the dock's elements created for this one.
  void setWindow(const detail::ElementsKey&, Hwnd window) { hWnd_ = window; }

 private:
  Surface(const Surface& other) = default;
  std::unique_ptr<Element> clone() const override;

  std::int32_t backColor_ = 0;
  Hwnd hWnd_ = 0;
};

}  // namespace kiv
