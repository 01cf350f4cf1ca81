// The rules of the visual order as plain functions over arrays: the collection packs what they
// need, they compute, and the collection applies the result. Positions and collection places
// count from 1; vectors hold position 1 at element 0.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kiv::order {

// What the grouped order needs to know of the bar at one collection place.
struct BarFacts {
  bool present = false;  // a bar stands at this place
  std::int32_t align = 0;
  bool hidden = false;
  bool keyed = false;
};

struct Reordering {
  std::vector<std::int32_t> order;      // the collection place at each position
  std::vector<std::int32_t> sentRight;  // places of the keyed bars left over: they go right
};

// wanted[p - 1] is the position the bar now at position p should take. Ungrouped, every
// position must be named exactly once (otherwise empty). Grouped, the visible bars are taken
// group by group (top, left, right, bottom) in the wanted order, the first entry naming a
// position winning, and every bar left over follows by place; a wanted order shorter than the
// current one names only the bars it has entries for.
std::optional<std::vector<std::int32_t>> ungroupedOrder(const std::vector<std::int32_t>& current,
                                                        const std::vector<std::int32_t>& wanted);
Reordering groupedOrder(const std::vector<std::int32_t>& current,
                        const std::vector<std::int32_t>& wanted,
                        const std::vector<BarFacts>& facts);

// One step of the up or down button: the bar at position p with alignment a either changes its
// alignment (newAlign, not 0) at a group border, or changes places with its neighbour (swapAt:
// positions swapAt and swapAt + 1), or neither. alignAt holds the alignment of the bar at each
// position, empty where no bar stands.
struct MoveStep {
  std::int32_t newAlign = 0;
  std::int32_t swapAt = 0;
};
MoveStep moveUpStep(const std::vector<std::optional<std::int32_t>>& alignAt, std::int32_t p,
                    std::int32_t a);
MoveStep moveDownStep(const std::vector<std::optional<std::int32_t>>& alignAt, std::int32_t p,
                      std::int32_t a);

}  // namespace kiv::order
