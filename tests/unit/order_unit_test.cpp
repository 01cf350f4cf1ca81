// The order rules on plain arrays, one row per case: moves at and across the group borders, and
// wanted orders, also those a host's stored settings never produce. Letters are alignments:
// T, L, R, B, ? one outside the groups, - no bar at that position.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "collection/order_rules.h"

namespace kiv::order {
namespace {

using Order = std::vector<std::int32_t>;

std::int32_t alignOf(char letter) {
  const auto a = std::string("?TLRB").find(letter);
  return a == 0 ? 7 : static_cast<std::int32_t>(a);
}

std::vector<std::optional<std::int32_t>> alignsOf(const std::string& plan) {
  std::vector<std::optional<std::int32_t>> aligns;
  for (char letter : plan) {
    aligns.push_back(letter == '-' ? std::nullopt : std::optional<std::int32_t>(alignOf(letter)));
  }
  return aligns;
}

// Hidden bars and groups do not stop a swap; a bar first or last in its group changes group
// instead; bottom bars never change group and a right bar goes no further down.
TEST(OrderRules, MovesSwapWithTheNeighbourOrChangeGroupAtTheBorder) {
  const struct {
    const char* plan;
    char button;  // u or d
    std::int32_t p;
    char newAlign;  // the letter, or 0 for none
    std::int32_t swapAt;
  } rows[] = {
      {"TTBB", 'd', 1, 0, 1}, {"TTBB", 'u', 3, 0, 2}, {"TTBB", 'd', 4, 0, 0},
      {"TR", 'd', 2, 0, 0},   {"TT", 'u', 1, 0, 0},   {"TL", 'u', 2, 'T', 0},
      {"LR", 'u', 2, 'L', 0}, {"LL", 'u', 2, 0, 1},   {"R-R", 'u', 3, 0, 2},
      {"TT", 'd', 2, 'L', 0}, {"TL", 'd', 1, 'L', 0}, {"LR", 'd', 1, 'R', 0},
      {"T-", 'd', 1, 0, 1},  // a missing bar below does not end the group
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.plan) + " " + row.button + std::to_string(row.p));
    const std::int32_t a = alignOf(row.plan[row.p - 1]);
    const MoveStep step = row.button == 'u' ? moveUpStep(alignsOf(row.plan), row.p, a)
                                            : moveDownStep(alignsOf(row.plan), row.p, a);
    EXPECT_EQ(step.newAlign, row.newAlign ? alignOf(row.newAlign) : 0);
    EXPECT_EQ(step.swapAt, row.swapAt);
  }
}

// A wanted order names, for each order position, the position the bar there should take.
// Ungrouped it must name every position once; grouped, visible bars are sorted by group, stable
// in the wanted order, and the rest follow by place, the keyed ones sent right.
TEST(OrderRules, WantedOrderNamesEveryPositionOnceOrIsSortedByGroup) {
  for (const Order& bad : {Order{2, 2, 3}, {1, 2, 4}, {0, 1, 2}, {1, 2}}) {
    EXPECT_FALSE(ungroupedOrder({1, 2, 3}, bad).has_value());
  }
  EXPECT_EQ(ungroupedOrder({1, 2, 3}, {3, 1, 2}), Order({2, 3, 1}));
  EXPECT_EQ(ungroupedOrder({2, 3, 1}, {1, 2, 3}), Order({2, 3, 1}));  // the identity keeps it

  const struct {
    const char* aligns;  // by place
    const char* hidden;  // by place: h hidden, k keyed and hidden, u without a key
    Order current, wanted, order, sentRight;
  } rows[] = {
      {"LTRTL", "", {5, 1, 2, 3, 4}, {1, 2, 3, 4, 5}, {2, 4, 5, 1, 3}, {}},
      {"LTLT", "...k", {1, 2, 3, 4}, {1, 2, 3, 4}, {2, 1, 3, 4}, {4}},
      {"LTLT", "...u", {1, 2, 3, 4}, {1, 2, 3, 4}, {2, 1, 3, 4}, {}},
      // Within each group the wanted positions count; one outside the groups is left over.
      {"RBTT?", "", {1, 2, 3, 4, 5}, {4, 1, 5, 2, 3}, {4, 3, 1, 2, 5}, {5}},
      // Unchecked: the first entry for a position wins, bars no position names follow.
      {"TTTTT", "", {1, 2, 3, 4, 5}, {2, 2, 9, 1, -3}, {4, 1, 2, 3, 5}, {2, 3, 5}},
      // A wanted order shorter than the bars (a bar added while it was read).
      {"TTT", "", {1, 2, 3}, {2, 1}, {2, 1, 3}, {3}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.aligns);
    std::vector<BarFacts> facts;
    for (std::size_t k = 0; row.aligns[k]; ++k) {
      const char h = k < std::string(row.hidden).size() ? row.hidden[k] : '.';
      facts.push_back({true, alignOf(row.aligns[k]), h == 'k' || h == 'u', h != 'u'});
    }
    const Reordering result = groupedOrder(row.current, row.wanted, facts);
    EXPECT_EQ(result.order, row.order);
    EXPECT_EQ(result.sentRight, row.sentRight);
  }
}

}  // namespace
}  // namespace kiv::order
