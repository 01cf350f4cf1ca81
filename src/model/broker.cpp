#include "kivdock/broker.h"

namespace kiv {

std::shared_ptr<KivDock> clsEvents::Dock() {
  std::shared_ptr<KivDock> dock;
  if (evGetDockBar_) evGetDockBar_(dock);
  return dock;
}

}  // namespace kiv
