// The host's listener of the dock's four events. Arguments come by reference; the dock reads
// them back after the handler returns. Handlers run synchronously and may call the dock again.
#pragma once

#include <string>

#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT KivDockEvents {
 public:
  virtual ~KivDockEvents();
  virtual void Closed(std::string& Key) { (void)Key; }
  virtual void CtlResize(std::string& Key) { (void)Key; }
  virtual void OptShow(std::string& Key, bool& bReLoad) { (void)Key, (void)bReLoad; }
  virtual void RightClick(std::string& Key) { (void)Key; }
};

}  // namespace kiv
