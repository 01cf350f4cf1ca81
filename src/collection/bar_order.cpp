// The visual order of the bars: lookups, moves, group changes at the group borders, and setting
// a wanted order with or without sorting by alignment group.
#include <algorithm>

#include "collection/bar_collection.h"
#include "collection/order_rules.h"
#include "model/dock_calls.h"
#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv::detail {

std::int32_t BarCollection::orderAt(std::int32_t pos) const {
  if (pos < 1 || pos >= static_cast<std::int32_t>(mOrder.size())) throw errors::badIndex();
  return mOrder[static_cast<std::size_t>(pos)];
}

void BarCollection::setOrderAt(std::int32_t pos, std::int32_t index) {
  if (pos < 1 || pos >= static_cast<std::int32_t>(mOrder.size())) throw errors::badIndex();
  mOrder[static_cast<std::size_t>(pos)] = index;
  positionOf_.clear();  // rebuilt on the next lookup
  orderChanged();
}

void BarCollection::resizeOrder(std::int32_t count) {
  mOrder.resize(static_cast<std::size_t>(count) + 1, 0);
  positionOf_.clear();
  orderChanged();
}

std::vector<std::int32_t> BarCollection::orderSnapshot() const {
  std::vector<std::int32_t> order(mOrder.begin() + 1, mOrder.end());
  order.resize(static_cast<std::size_t>(Count()), 0);
  return order;
}

std::int32_t BarCollection::fOrderByIndex(std::int32_t Index) {
  std::int32_t position = 0;
  trapAndReport("fOrderByIndex", [&] {
    if (Index == 0) {
      position = 1;
      return;
    }
    if (positionOf_.size() != static_cast<std::size_t>(Count()) + 1) {
      positionOf_.assign(static_cast<std::size_t>(Count()) + 1, 0);
      const auto last =
          std::min<std::int32_t>(Count(), static_cast<std::int32_t>(mOrder.size()) - 1);
      for (std::int32_t p = last; p >= 1; --p) {
        const std::int32_t i = mOrder[static_cast<std::size_t>(p)];
        if (i >= 1 && i <= Count()) positionOf_[static_cast<std::size_t>(i)] = p;
      }
    }
    if (Index >= 1 && Index <= Count()) position = positionOf_[static_cast<std::size_t>(Index)];
  });
  return position;
}

// Moves a bar to a position; the bars in between shift by one place.
void BarCollection::fInsert(std::int32_t Index, std::int32_t OrderPos) {
  trapAndReport("KivDock.fInsert", [&] {
    settleRestack(broker_);
    const std::int32_t c = fOrderByIndex(Index);
    if (c >= OrderPos) {
      for (std::int32_t p = c; p >= OrderPos + 1; --p) setOrderAt(p, orderAt(p - 1));
    } else {
      for (std::int32_t p = c; p <= OrderPos - 1; ++p) setOrderAt(p, orderAt(p + 1));
    }
    setOrderAt(OrderPos, Index);
  });
}

void BarCollection::fMoveAfter(std::int32_t Index, std::int32_t AfterIndex) {
  std::int32_t t = 1;
  ignoreFailure([&] { t = AfterIndex != 0 ? fOrderByIndex(AfterIndex) : 1; });
  if (t < Count()) ++t;
  ignoreFailure([&] { fInsert(Index, t); });
}

// The alignment of the bar at every order position, empty where none stands.
std::vector<std::optional<std::int32_t>> BarCollection::alignsInOrder() {
  std::vector<std::optional<std::int32_t>> aligns(static_cast<std::size_t>(Count()));
  for (std::size_t p = 0; p < aligns.size(); ++p) {
    if (auto b = ItemByOrder(static_cast<std::int32_t>(p) + 1)) aligns[p] = b->AlignBar();
  }
  return aligns;
}

void BarCollection::applyMove(std::int32_t Index, const order::MoveStep& step) {
  if (step.newAlign != 0) {
    ignoreFailure([&] { must(Item(Index)).setAlignBar(static_cast<eAlignBar>(step.newAlign)); });
    return;
  }
  if (step.swapAt < 1) return;
  ignoreFailure([&] {
    const std::int32_t upper = orderAt(step.swapAt);
    setOrderAt(step.swapAt, orderAt(step.swapAt + 1));
    setOrderAt(step.swapAt + 1, upper);
  });
}

// A move reads the bar's position and alignment (each step may fail and is skipped), asks the
// rule for the step and applies it.
void BarCollection::moveWith(std::int32_t Index, order::MoveRule rule) {
  settleRestack(broker_);
  std::int32_t p = 0, a = 0;
  ignoreFailure([&] { p = fOrderByIndex(Index); });
  ignoreFailure([&] { a = must(Item(Index)).AlignBar(); });
  applyMove(Index, rule(alignsInOrder(), p, a));
}

void BarCollection::fMoveUp(std::int32_t Index) { moveWith(Index, order::moveUpStep); }

void BarCollection::fMoveDown(std::int32_t Index) { moveWith(Index, order::moveDownStep); }

// wanted[p - 1] is the position the bar now at position p should take (see order_rules.h).
bool BarCollection::fSetOrder(const std::vector<std::int32_t>& wanted, bool grouped) {
  settleRestack(broker_);
  const std::vector<std::int32_t> current = orderSnapshot();
  std::vector<std::int32_t> next;
  if (!grouped) {
    auto ordered = order::ungroupedOrder(current, wanted);
    if (!ordered) return false;
    next = std::move(*ordered);
  } else {
    std::vector<order::BarFacts> facts(mCol.size());
    for (std::size_t k = 0; k < facts.size(); ++k) {
      const cKivBar& b = *mCol[k];
      facts[k] = {true, b.AlignBar(), b.State() == eBarHidden, !b.Key().empty()};
    }
    order::Reordering result = order::groupedOrder(current, wanted, facts);
    for (std::int32_t k : result.sentRight) {
      ignoreFailure([&] { must(Item(k)).setAlignBar(eAlignRight); });
    }
    next = std::move(result.order);
  }
  next.insert(next.begin(), 0);  // mOrder counts positions from 1
  mOrder.swap(next);
  positionOf_.clear();
  orderChanged();
  return true;
}

bool BarCollection::fReapplyOrder(bool grouped) {
  std::vector<std::int32_t> keep(static_cast<std::size_t>(Count()));
  for (std::size_t p = 0; p < keep.size(); ++p) keep[p] = static_cast<std::int32_t>(p) + 1;
  return fSetOrder(keep, grouped);
}

bool BarCollection::fSetOrderDefault() {
  bool done = false;
  trapAndReport("fSetOrderDefault", [&] {
    settleRestack(broker_);
    for (std::int32_t p = 1; p <= Count(); ++p) setOrderAt(p, p);
    done = true;
  });
  return done;
}

}  // namespace kiv::detail
