#include "collection/order_rules.h"

#include <algorithm>
#include <cstddef>

#include "kivdock/types.h"

namespace kiv::order {

namespace {
std::size_t at(std::int32_t oneBased) { return static_cast<std::size_t>(oneBased) - 1; }
}  // namespace

std::optional<std::vector<std::int32_t>> ungroupedOrder(const std::vector<std::int32_t>& current,
                                                        const std::vector<std::int32_t>& wanted) {
  const auto n = static_cast<std::int32_t>(current.size());
  if (static_cast<std::int32_t>(wanted.size()) != n) return std::nullopt;
  std::vector<std::int32_t> next(current.size(), 0);
  for (std::int32_t p = 1; p <= n; ++p) {
    const std::int32_t rank = wanted[at(p)];
    if (rank < 1 || rank > n || next[at(rank)] != 0) return std::nullopt;
    next[at(rank)] = current[at(p)];
  }
  return next;
}

Reordering groupedOrder(const std::vector<std::int32_t>& current,
                        const std::vector<std::int32_t>& wanted,
                        const std::vector<BarFacts>& facts) {
  const auto n = static_cast<std::int32_t>(current.size());
  std::vector<std::int32_t> positionOfRank(current.size() + 1, 0);
  const auto named = std::min<std::int32_t>(n, static_cast<std::int32_t>(wanted.size()));
  for (std::int32_t p = named; p >= 1; --p) {
    const std::int32_t rank = wanted[at(p)];
    if (rank >= 1 && rank <= n) positionOfRank[static_cast<std::size_t>(rank)] = p;
  }
  auto factsOf = [&](std::int32_t place) -> const BarFacts* {
    if (place < 1 || place > static_cast<std::int32_t>(facts.size())) return nullptr;
    const BarFacts& f = facts[at(place)];
    return f.present ? &f : nullptr;
  };
  Reordering result;
  result.order.reserve(current.size());
  std::vector<bool> placed(current.size() + 1, false);
  for (std::int32_t a = eAlignTop; a <= eAlignBottom; ++a) {
    for (std::int32_t rank = 1; rank <= n; ++rank) {
      const std::int32_t p = positionOfRank[static_cast<std::size_t>(rank)];
      if (p == 0) continue;
      const std::int32_t k = current[at(p)];
      const BarFacts* f = factsOf(k);
      if (f && f->align == a && !f->hidden && !placed[static_cast<std::size_t>(k)]) {
        result.order.push_back(k);
        placed[static_cast<std::size_t>(k)] = true;
      }
    }
  }
  for (std::int32_t k = 1; k <= n; ++k) {
    if (placed[static_cast<std::size_t>(k)]) continue;
    result.order.push_back(k);
    if (const BarFacts* f = factsOf(k); f && f->keyed) result.sentRight.push_back(k);
  }
  return result;
}

MoveStep moveUpStep(const std::vector<std::optional<std::int32_t>>& alignAt, std::int32_t p,
                    std::int32_t a) {
  MoveStep step;
  if (a == eAlignLeft || a == eAlignRight) {
    std::int32_t first = -1;
    for (std::int32_t q = 1; q <= p && q <= static_cast<std::int32_t>(alignAt.size()); ++q) {
      if (alignAt[at(q)] == a) {
        first = q;
        break;
      }
    }
    if (first == p) {
      step.newAlign = a == eAlignLeft ? eAlignTop : eAlignLeft;
      return step;
    }
  }
  if (p > 1) step.swapAt = p - 1;
  return step;
}

MoveStep moveDownStep(const std::vector<std::optional<std::int32_t>>& alignAt, std::int32_t p,
                      std::int32_t a) {
  MoveStep step;
  const auto count = static_cast<std::int32_t>(alignAt.size());
  if (a == eAlignTop || a == eAlignLeft) {
    bool lastOfGroup = p == count;
    // A position below without a bar does not tell: the bar is not taken as the last.
    if (!lastOfGroup && p >= 0 && p < count && alignAt[static_cast<std::size_t>(p)]) {
      lastOfGroup = *alignAt[static_cast<std::size_t>(p)] != a;
    }
    if (lastOfGroup) {
      step.newAlign = a == eAlignTop ? eAlignLeft : eAlignRight;
      return step;
    }
  }
  if (p < count) step.swapAt = p;
  return step;
}

}  // namespace kiv::order
