// The collection: adding, counting, the lookups and clearing.
#include "kivdock/bars.h"
#include "model/broker_state.h"

#include "dock/dock_access.h"
#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv {

using detail::ignoreFailure;

void clsBars::settlePendingRestack() {
  if (broker_) detail::settleRestack(broker_, broker_->state().restackPending);
}

std::shared_ptr<cKivBar> clsBars::Add() {
  std::shared_ptr<cKivBar> result;
  detail::trapAndReport("clsBars.Add", [&] {
    settlePendingRestack();
    auto made = detail::withDock(broker_, [](detail::DockCore& dock) { return dock.fBarAdd(); });
    if (!made) throw detail::errors::missingObject();
    mCol.push_back(made);
    result = made;
    made->setIndex(Count());
    resizeOrder(Count());
    setOrderAt(Count(), Count());
  });
  return result;
}

std::int32_t clsBars::CountVisible() {
  std::int32_t n = 0;
  for (const auto& b : mCol) n += b->State() != eBarHidden;
  return n;
}

std::shared_ptr<cKivBar> clsBars::Bar(std::int32_t Index) {
  if (Index < 1 || Index > Count()) throw detail::errors::badIndex();
  return mCol[static_cast<std::size_t>(Index) - 1];
}

std::shared_ptr<cKivBar> clsBars::Item(std::int32_t Index) {
  if (Index < 1 || Index > Count()) return nullptr;
  return mCol[static_cast<std::size_t>(Index) - 1];
}

std::shared_ptr<cKivBar> clsBars::ItemByKey(const std::string& Key) {
  for (const auto& b : mCol) {
    if (b->Key_ == Key) return b;
  }
  return nullptr;
}

std::shared_ptr<cKivBar> clsBars::ItemByOrder(std::int32_t OrderIndex) {
  if (OrderIndex < 1 || OrderIndex >= static_cast<std::int32_t>(mOrder.size())) return nullptr;
  return Item(mOrder[static_cast<std::size_t>(OrderIndex)]);
}

std::shared_ptr<cKivBar> clsBars::ItemByOrderVisible(std::int32_t OrderIndex) {
  const auto& visible = visibleOrder();
  if (OrderIndex < 1 || OrderIndex > static_cast<std::int32_t>(visible.size())) return nullptr;
  return Item(visible[static_cast<std::size_t>(OrderIndex) - 1]);
}

// The visible bars in order, rebuilt only after the order or a bar's state changed.
const std::vector<std::int32_t>& clsBars::visibleOrder() {
  const std::uint64_t stamp = broker_ ? broker_->state().stateChanges : 0;
  if (visibleValid_ && broker_ && stamp == visibleStamp_) return visible_;
  visible_.clear();
  for (std::int32_t p = 1; p <= Count() && p < static_cast<std::int32_t>(mOrder.size()); ++p) {
    const std::int32_t position = mOrder[static_cast<std::size_t>(p)];
    auto b = Item(position);
    if (b && b->State() != eBarHidden) visible_.push_back(position);
  }
  visibleValid_ = true;
  visibleStamp_ = stamp;
  return visible_;
}

// Gives every hosted control back, drops the bars and has the dock unload their elements.
// The whole of it runs in one scope on the dock, so that a host which re-enters it endlessly
// from its controls is stopped while every level still finishes its work.
void clsBars::Clear() {
  ignoreFailure([&] {
    detail::withinDockScope(broker_, [&](detail::DockCore* dock) {
      ignoreFailure([&] { settlePendingRestack(); });
      // The bars there are when clearing starts; bars the host adds meanwhile go with them.
      const std::size_t count = mCol.size();
      for (std::size_t i = 0; i < count && i < mCol.size(); ++i) {
        // The host's control may re-enter and drop the bars: hold this one while it is handled.
        // Control set to none, within this scope.
        const std::shared_ptr<cKivBar> bar = mCol[i];
        ignoreFailure([&] { bar->hostControl(nullptr); });
      }
      std::vector<std::shared_ptr<cKivBar>> dropped;
      ignoreFailure([&] {
        dropped.swap(mCol);
        orderChanged();
      });
      ignoreFailure([&] {
        if (dock) dock->fClear();
      });
      // Controls the host hosted into the bars while they were given back go back as well.
      for (const auto& bar : dropped) ignoreFailure([&] { bar->giveBackControl(); });
    });
  });
}

}  // namespace kiv
