// How bars and the collection reach their dock: ask the broker, make one call inside a scope,
// let go. Without a dock the call fails with KivError 91.
#pragma once

#include <memory>

#include "kivdock/broker.h"
#include "model/bar_state.h"
#include "model/broker_state.h"
#include "model/layouting_host.h"
#include "platform/errors.h"
#include "platform/whole_number.h"

namespace kiv::detail {

template <class Op>
auto withDock(const std::shared_ptr<clsEvents>& broker, Op&& op) {
  std::shared_ptr<KivDock> dock = broker ? broker->Dock() : nullptr;
  if (!dock) throw errors::missingObject();
  LayoutingHost& host = layoutingHostOf(*dock);
  return host.call([&] { return op(host); });
}

// A plain accessor of the dock that runs nothing: no scope of its own, so a recursion bound never
// stops it halfway through its caller's steps.
template <class Op>
auto readDock(const std::shared_ptr<clsEvents>& broker, Op&& op) {
  std::shared_ptr<KivDock> dock = broker ? broker->Dock() : nullptr;
  if (!dock) throw errors::missingObject();
  return op(layoutingHostOf(*dock));
}

// Runs work that calls host code (a hosted control's members) inside one scope on the dock, when a
// dock answers: the dock outlives a host that lets go of it meanwhile, and a host that re-enters
// endlessly meets the recursion limit. The work gets the dock, or nullptr without one.
template <class Work>
void withinDockScope(const std::shared_ptr<clsEvents>& broker, Work&& work) {
  std::shared_ptr<KivDock> dock = broker ? broker->Dock() : nullptr;
  if (!dock) {
    work(static_cast<LayoutingHost*>(nullptr));
    return;
  }
  LayoutingHost& host = layoutingHostOf(*dock);
  host.call([&] { work(&host); });
}

// A restack of the bars that waits is done before its inputs change.
inline void settleRestack(const std::shared_ptr<clsEvents>& broker) {
  if (!broker || !broker->state().restackPending) return;
  if (std::shared_ptr<KivDock> dock = broker->Dock()) layoutingHostOf(*dock).settlePendingRestack();
}

// A bar tells its dock of a change: one dock operation with the bar's index as a 16-bit value.
template <class Op>
auto tellDock(const BarState& bar, Op&& op) {
  return withDock(bar.broker_,
                  [&](LayoutingHost& dock) { return op(dock, toInteger(bar.Index_)); });
}

}  // namespace kiv::detail
