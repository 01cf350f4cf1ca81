// The visual order of the bars: lookups, moves, group changes at the group borders, and setting
// a wanted order with or without sorting by alignment group.
#include <algorithm>

#include "collection/order_rules.h"
#include "dock/dock_access.h"
#include "kivdock/bars.h"
#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv {

using detail::ignoreFailure;

std::int32_t clsBars::orderAt(std::int32_t pos) const {
  if (pos < 1 || pos >= static_cast<std::int32_t>(mOrder.size())) throw detail::errors::badIndex();
  return mOrder[static_cast<std::size_t>(pos)];
}

void clsBars::setOrderAt(std::int32_t pos, std::int32_t index) {
  if (pos < 1 || pos >= static_cast<std::int32_t>(mOrder.size())) throw detail::errors::badIndex();
  mOrder[static_cast<std::size_t>(pos)] = index;
  positionOf_.clear();  // rebuilt on the next lookup
  orderChanged();
}

void clsBars::resizeOrder(std::int32_t count) {
  mOrder.resize(static_cast<std::size_t>(count) + 1, 0);
  positionOf_.clear();
  orderChanged();
}

std::vector<std::int32_t> clsBars::orderSnapshot() const {
  std::vector<std::int32_t> order(mOrder.begin() + 1, mOrder.end());
  order.resize(static_cast<std::size_t>(Count()), 0);
  return order;
}

std::int32_t clsBars::fOrderByIndex(std::int32_t Index) {
  std::int32_t position = 0;
  detail::trapAndReport("fOrderByIndex", [&] {
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
void clsBars::fInsert(std::int32_t Index, std::int32_t OrderPos) {
  detail::trapAndReport("KivDock.fInsert", [&] {
    settlePendingRestack();
    const std::int32_t c = fOrderByIndex(Index);
    if (c >= OrderPos) {
      for (std::int32_t p = c; p >= OrderPos + 1; --p) setOrderAt(p, orderAt(p - 1));
    } else {
      for (std::int32_t p = c; p <= OrderPos - 1; ++p) setOrderAt(p, orderAt(p + 1));
    }
    setOrderAt(OrderPos, Index);
  });
}

void clsBars::fMoveAfter(std::int32_t Index, std::int32_t AfterIndex) {
  std::int32_t t = 1;
  ignoreFailure([&] { t = AfterIndex != 0 ? fOrderByIndex(AfterIndex) : 1; });
  if (t < Count()) ++t;
  ignoreFailure([&] { fInsert(Index, t); });
}

// The alignment of the bar at every order position, empty where none stands.
std::vector<std::optional<std::int32_t>> clsBars::alignsInOrder() {
  std::vector<std::optional<std::int32_t>> aligns(static_cast<std::size_t>(Count()));
  for (std::size_t p = 0; p < aligns.size(); ++p) {
    if (auto b = ItemByOrder(static_cast<std::int32_t>(p) + 1)) aligns[p] = b->AlignBar();
  }
  return aligns;
}

void clsBars::applyMove(std::int32_t Index, const order::MoveStep& step) {
  if (step.newAlign != 0) {
    ignoreFailure(
        [&] { detail::must(Item(Index)).setAlignBar(static_cast<eAlignBar>(step.newAlign)); });
    return;
  }
  if (step.swapAt < 1) return;
  ignoreFailure([&] {
    const std::int32_t upper = orderAt(step.swapAt);
    setOrderAt(step.swapAt, orderAt(step.swapAt + 1));
    setOrderAt(step.swapAt + 1, upper);
  });
}

void clsBars::fMoveUp(std::int32_t Index) {
  settlePendingRestack();
  std::int32_t p = 0, a = 0;
  ignoreFailure([&] { p = fOrderByIndex(Index); });
  ignoreFailure([&] { a = detail::must(Item(Index)).AlignBar(); });
  applyMove(Index, order::moveUpStep(alignsInOrder(), p, a));
}

void clsBars::fMoveDown(std::int32_t Index) {
  settlePendingRestack();
  std::int32_t p = 0, a = 0;
  ignoreFailure([&] { p = fOrderByIndex(Index); });
  ignoreFailure([&] { a = detail::must(Item(Index)).AlignBar(); });
  applyMove(Index, order::moveDownStep(alignsInOrder(), p, a));
}

// wanted[p - 1] is the position the bar now at position p should take (see order_rules.h).
bool clsBars::fSetOrder(const std::vector<std::int32_t>& wanted, bool grouped) {
  settlePendingRestack();
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
      ignoreFailure([&] { detail::must(Item(k)).setAlignBar(eAlignRight); });
    }
    next = std::move(result.order);
  }
  next.insert(next.begin(), 0);  // mOrder counts positions from 1
  mOrder.swap(next);
  positionOf_.clear();
  orderChanged();
  return true;
}

bool clsBars::fReapplyOrder(bool grouped) {
  std::vector<std::int32_t> keep(static_cast<std::size_t>(Count()));
  for (std::size_t p = 0; p < keep.size(); ++p) keep[p] = static_cast<std::int32_t>(p) + 1;
  return fSetOrder(keep, grouped);
}

bool clsBars::fSetOrderDefault() {
  bool done = false;
  detail::trapAndReport("fSetOrderDefault", [&] {
    settlePendingRestack();
    for (std::int32_t p = 1; p <= Count(); ++p) setOrderAt(p, p);
    done = true;
  });
  return done;
}

}  // namespace kiv
