// How bars and the collection reach their dock: ask the broker, make one call inside a scope,
// let go. Without a dock the call fails with KivError 91.
#pragma once

#include <memory>

#include "dock/dock_core.h"
#include "kivdock/broker.h"
#include "platform/errors.h"

namespace kiv::detail {

template <class Op>
auto withDock(const std::shared_ptr<clsEvents>& broker, Op&& op) {
  std::shared_ptr<KivDock> dock = broker ? broker->Dock() : nullptr;
  if (!dock) throw errors::missingObject();
  DockCore& core = coreOf(*dock);
  DockCore::Scope scope(core);
  return op(core);
}

// A plain accessor of the dock that runs nothing: no scope of its own, so a recursion bound never
// stops it halfway through its caller's steps.
template <class Op>
auto readDock(const std::shared_ptr<clsEvents>& broker, Op&& op) {
  std::shared_ptr<KivDock> dock = broker ? broker->Dock() : nullptr;
  if (!dock) throw errors::missingObject();
  return op(coreOf(*dock));
}

// Runs work that calls host code (a hosted control's members) inside one scope on the dock, when a
// dock answers: the dock outlives a host that lets go of it meanwhile, and a host that re-enters
// endlessly meets the recursion limit. The work gets the dock, or nullptr without one.
template <class Work>
void withinDockScope(const std::shared_ptr<clsEvents>& broker, Work&& work) {
  std::shared_ptr<KivDock> dock = broker ? broker->Dock() : nullptr;
  if (!dock) {
    work(static_cast<DockCore*>(nullptr));
    return;
  }
  DockCore& core = coreOf(*dock);
  DockCore::Scope scope(core);
  work(&core);
}

// A restack of the bars that waits is done before its inputs change.
inline void settleRestack(const std::shared_ptr<clsEvents>& broker, bool pending) {
  if (!pending) return;
  if (std::shared_ptr<KivDock> dock = broker->Dock()) coreOf(*dock).settlePendingRestack();
}

}  // namespace kiv::detail
