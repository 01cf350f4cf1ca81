// The collection: adding, counting, the lookups and clearing.
#include "collection/bar_collection.h"
#include "model/bar_state.h"
#include "model/broker_state.h"
#include "model/dock_calls.h"
#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv::detail {

std::shared_ptr<cKivBar> BarCollection::Add() {
  std::shared_ptr<cKivBar> result;
  trapAndReport("clsBars.Add", [&] {
    settleRestack(broker_);
    auto made = withDock(broker_, [](LayoutingHost& dock) { return dock.fBarAdd(); });
    if (!made) throw errors::missingObject();
    mCol.push_back(made);
    result = made;
    made->setIndex(Count());
    resizeOrder(Count());
    setOrderAt(Count(), Count());
  });
  return result;
}

std::int32_t BarCollection::CountVisible() const {
  std::int32_t n = 0;
  for (const auto& b : mCol) n += b->State() != eBarHidden;
  return n;
}

std::shared_ptr<cKivBar> BarCollection::Bar(std::int32_t Index) const {
  if (Index < 1 || Index > Count()) throw errors::badIndex();
  return mCol[static_cast<std::size_t>(Index) - 1];
}

std::shared_ptr<cKivBar> BarCollection::ItemByKey(const std::string& Key) const {
  for (const auto& b : mCol) {
    if (b->state().Key_ == Key) return b;
  }
  return nullptr;
}

std::shared_ptr<cKivBar> BarCollection::ItemByOrderVisible(std::int32_t OrderIndex) {
  const auto& visible = visibleOrder();
  if (OrderIndex < 1 || OrderIndex > static_cast<std::int32_t>(visible.size())) return nullptr;
  return Item(visible[static_cast<std::size_t>(OrderIndex) - 1]);
}

// The visible bars in order, rebuilt only after the order or a bar's state changed.
const std::vector<std::int32_t>& BarCollection::visibleOrder() {
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
void BarCollection::Clear() {
  ignoreFailure([&] {
    withinDockScope(broker_, [&](LayoutingHost* dock) {
      ignoreFailure([&] { settleRestack(broker_); });
      // The bars there are when clearing starts; bars the host adds meanwhile go with them.
      const std::size_t count = mCol.size();
      for (std::size_t i = 0; i < count && i < mCol.size(); ++i) {
        // The host's control may re-enter and drop the bars: hold this one while it is handled.
        // Control set to none, within this scope.
        const std::shared_ptr<cKivBar> bar = mCol[i];
        ignoreFailure([&] { hostControl(*bar, nullptr); });
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
      for (const auto& bar : dropped) ignoreFailure([&] { giveBackControl(*bar); });
    });
  });
}

}  // namespace kiv::detail
