// A vertical scroll bar. Changing its value raises its change event at once, also when the
// change comes from the dock itself.
#pragma once

#include <cstdint>
#include <memory>

#include "kivdock/element.h"
#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT VScrollBar : public Element {
 public:
  VScrollBar();
  std::int32_t Min() const { return min_; }
  std::int32_t Max() const { return max_; }
  std::int32_t Value() const { return value_; }
  std::int32_t LargeChange() const { return largeChange_; }
  std::int32_t SmallChange() const { return smallChange_; }
  void setMin(std::int32_t v);
  // A range that no longer holds the value moves the value into it (raising the change event).
  void setMax(std::int32_t v);
  // Fails with KivError 380 outside Min..Max; raises the change event when the value changes.
  void setValue(std::int32_t v);
  void setLargeChange(std::int32_t v);  // 1 or more, else KivError 380
  void setSmallChange(std::int32_t v);  // 1 or more, else KivError 380

 private:
  VScrollBar(const VScrollBar& other) = default;
  std::unique_ptr<Element> clone() const override;

  std::int32_t min_ = 0, max_ = 32767, value_ = 0, largeChange_ = 1, smallChange_ = 1;
};

}  // namespace kiv
