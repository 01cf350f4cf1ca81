// The visual order of the bars: lookups, moves, group changes at the group borders, and setting
// a wanted order with or without sorting by alignment group.
#include <algorithm>

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

void clsBars::fMoveUp(std::int32_t Index) {
  settlePendingRestack();
  std::int32_t p = 0, a = 0;
  ignoreFailure([&] { p = fOrderByIndex(Index); });
  ignoreFailure([&] { a = detail::must(Item(Index)).AlignBar(); });
  if (a == eAlignLeft || a == eAlignRight) {
    std::int32_t k = -1;
    for (std::int32_t q = 1; q <= p && k == -1; ++q) {
      ignoreFailure([&] {
        if (detail::must(ItemByOrder(q)).AlignBar() == a) k = q;
      });
    }
    if (k == p) {
      ignoreFailure(
          [&] { detail::must(Item(Index)).setAlignBar(a == eAlignLeft ? eAlignTop : eAlignLeft); });
      return;
    }
  }
  if (p > 1) {
    ignoreFailure([&] {
      const std::int32_t above = orderAt(p - 1);
      setOrderAt(p - 1, orderAt(p));
      setOrderAt(p, above);
    });
  }
}

void clsBars::fMoveDown(std::int32_t Index) {
  settlePendingRestack();
  std::int32_t p = 0, a = 0;
  ignoreFailure([&] { p = fOrderByIndex(Index); });
  ignoreFailure([&] { a = detail::must(Item(Index)).AlignBar(); });
  if (a == eAlignTop || a == eAlignLeft) {
    bool lastOfGroup = p == Count();
    if (!lastOfGroup) {
      ignoreFailure([&] { lastOfGroup = detail::must(ItemByOrder(p + 1)).AlignBar() != a; });
    }
    if (lastOfGroup) {
      ignoreFailure([&] {
        detail::must(Item(Index)).setAlignBar(a == eAlignTop ? eAlignLeft : eAlignRight);
      });
      return;
    }
  }
  if (p < Count()) {
    ignoreFailure([&] {
      const std::int32_t below = orderAt(p + 1);
      setOrderAt(p + 1, orderAt(p));
      setOrderAt(p, below);
    });
  }
}

// wanted[p - 1] is the position the bar now at position p should take. Without grouping every
// position must be named exactly once; with grouping the visible bars are taken group by group
// in the wanted order, and every bar left over follows by index.
bool clsBars::fSetOrder(const std::vector<std::int32_t>& wanted, bool grouped) {
  settlePendingRestack();
  const std::int32_t n = Count();
  const std::vector<std::int32_t> current = orderSnapshot();
  std::vector<std::int32_t> next(static_cast<std::size_t>(n) + 1, 0);
  if (!grouped) {
    if (static_cast<std::int32_t>(wanted.size()) != n) return false;
    for (std::int32_t p = 1; p <= n; ++p) {
      const std::int32_t rank = wanted[static_cast<std::size_t>(p) - 1];
      if (rank < 1 || rank > n || next[static_cast<std::size_t>(rank)] != 0) return false;
      next[static_cast<std::size_t>(rank)] = current[static_cast<std::size_t>(p) - 1];
    }
  } else {
    // A wanted order shorter than the collection (bars added while it was read) names only the
    // bars it has entries for; the others follow as bars it does not name.
    std::vector<std::int32_t> positionOfRank(static_cast<std::size_t>(n) + 1, 0);
    const auto named = std::min<std::int32_t>(n, static_cast<std::int32_t>(wanted.size()));
    for (std::int32_t p = named; p >= 1; --p) {
      const std::int32_t rank = wanted[static_cast<std::size_t>(p) - 1];
      if (rank >= 1 && rank <= n) positionOfRank[static_cast<std::size_t>(rank)] = p;
    }
    std::vector<bool> placed(static_cast<std::size_t>(n) + 1, false);
    std::int32_t filled = 0;
    for (std::int32_t a = eAlignTop; a <= eAlignBottom; ++a) {
      for (std::int32_t rank = 1; rank <= n; ++rank) {
        ignoreFailure([&] {
          const std::int32_t p = positionOfRank[static_cast<std::size_t>(rank)];
          if (p == 0) return;
          const std::int32_t k = current[static_cast<std::size_t>(p) - 1];
          auto b = Item(k);
          if (b && b->AlignBar() == a && b->State() != eBarHidden &&
              !placed[static_cast<std::size_t>(k)]) {
            next[static_cast<std::size_t>(++filled)] = k;
            placed[static_cast<std::size_t>(k)] = true;
          }
        });
      }
    }
    for (std::int32_t k = 1; k <= n; ++k) {
      if (placed[static_cast<std::size_t>(k)]) continue;
      next[static_cast<std::size_t>(++filled)] = k;
      ignoreFailure([&] {
        cKivBar& b = detail::must(Item(k));
        if (!b.Key().empty()) b.setAlignBar(eAlignRight);
      });
    }
  }
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
