// The library's side of the broker clsEvents.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "kivdock/broker.h"

namespace kiv::detail {

struct BrokerKey {};

struct BrokerState {
  // The one listener of evGetDockBar: the dock's handler, which fills in the dock.
  std::function<void(std::shared_ptr<KivDock>&)> evGetDockBar;
  // A restack of the bars waits to be done.
  bool restackPending = false;
  // Counts the bars' state changes, for the collection's visible-bar cache.
  std::uint64_t stateChanges = 0;
};

}  // namespace kiv::detail
