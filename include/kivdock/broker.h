// clsEvents: gives bars and the collection their dock on demand without keeping it alive.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "kivdock/export.h"

namespace kiv {

class KivDock;
class cKivBar;
class clsBars;
namespace detail {
class DockCore;
}

class KIVDOCK_EXPORT clsEvents {
 public:
  // The dock, or null once it has ended. Callers use it for one call and drop it.
  std::shared_ptr<KivDock> Dock();

 private:
  friend class detail::DockCore;
  friend class cKivBar;
  friend class clsBars;
  clsEvents() = default;

  // The one listener of evGetDockBar: the dock's handler, which fills in the dock.
  std::function<void(std::shared_ptr<KivDock>&)> evGetDockBar_;
  // Shared notes between the dock, its bars and its collection: a restack of the bars waits to
  // be done, and a counter of bar state changes for the collection's visible-bar cache.
  bool restackPending_ = false;
  std::uint64_t stateChanges_ = 0;
};

}  // namespace kiv
