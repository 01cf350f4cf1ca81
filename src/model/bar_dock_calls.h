// A bar tells its dock of a change: one dock operation with the bar's index as a 16-bit value.
#pragma once

#include "dock/dock_access.h"
#include "kivdock/bar.h"
#include "platform/whole_number.h"

namespace kiv {

template <class Op>
auto cKivBar::tellDock(Op&& op) {
  return detail::withDock(
      broker_, [&](detail::DockCore& dock) { return op(dock, detail::toInteger(Index_)); });
}

}  // namespace kiv
