// A control of the host that a bar carries. The dock reaches it by member name only; every
// member a control does not override fails with KivError 438, and the dock skips that step.
#pragma once

#include <cstdint>
#include <string>

#include "kivdock/export.h"
#include "kivdock/types.h"

namespace kiv {

class KIVDOCK_EXPORT HostedControl {
 public:
  virtual ~HostedControl();
  virtual std::int32_t align();                                          // "align"
  virtual std::string Name();                                            // "Name"
  virtual Hwnd hWnd();                                                   // "hWnd"
  virtual void setVisible(bool visible);                                 // "Visible"
  virtual void Move(std::int32_t left, std::int32_t top, double width);  // "Move"
  virtual void setHeight(double height);                                 // "Height"
};

}  // namespace kiv
