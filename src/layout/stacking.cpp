// Stacking the bars: their tops and whether the title buttons may move them up or down.
#include <algorithm>
#include <cstddef>
#include <limits>

#include "kivdock/types.h"
#include "layout/engine.h"

namespace kiv::layout {

namespace {

// y plus a height; a sum outside 32 bits leaves y where it is, as the failing step would.
std::int32_t below(std::int32_t y, std::int32_t height) {
  const std::int64_t next = std::int64_t{y} + height;
  if (next < std::numeric_limits<std::int32_t>::min() ||
      next > std::numeric_limits<std::int32_t>::max()) {
    return y;
  }
  return static_cast<std::int32_t>(next);
}

void place(StackSlot& slot, std::int32_t& y) {
  slot.placed = true;
  slot.top = y;
  y = below(y, slot.height);
}

// Whether the bar at position i can move; empty when no bar stands there (the lookup fails).
std::optional<bool> movableAt(const std::vector<StackSlot>& slots, std::size_t i) {
  if (!slots[i].present) return std::nullopt;
  return slots[i].canMove;
}

}  // namespace

std::int32_t stackColumn(std::vector<StackSlot>& slots) {
  std::int32_t y = 0;
  const std::size_t last = slots.empty() ? 0 : slots.size() - 1;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    StackSlot& s = slots[i];
    if (!s.present) continue;
    place(s, y);
    if (!s.canMove || i == 0) {
      s.canMoveUp = false;
    } else if (auto above = movableAt(slots, i - 1)) {
      s.canMoveUp = *above;
    }
    if (!s.canMove || i == last) {
      s.canMoveDown = false;
    } else if (auto next = movableAt(slots, i + 1)) {
      s.canMoveDown = *next;
    }
  }
  return y;
}

StackBounds stackBandAndColumns(std::vector<StackSlot>& slots, std::int32_t offset) {
  std::int32_t y = offset;
  const std::size_t last = slots.empty() ? 0 : slots.size() - 1;
  // Each group's flags are one step: a neighbour that is missing leaves the rest of it undone.
  auto forGroup = [&](std::int32_t align, auto&& flags) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
      StackSlot& s = slots[i];
      if (!s.present || s.align != align) continue;
      place(s, y);
      flags(s, i);
    }
  };
  forGroup(eAlignTop, [&](StackSlot& s, std::size_t i) {
    if (s.canMove && i > 0) {
      const auto above = movableAt(slots, i - 1);
      if (!above) return;
      s.canMoveUp = *above;
    }
    if (s.canMove) s.canMoveDown = true;
  });
  StackBounds bounds;
  bounds.band = y;
  forGroup(eAlignLeft, [&](StackSlot& s, std::size_t) {
    s.canMoveUp = true;
    if (s.canMove) s.canMoveDown = true;
  });
  const std::int32_t leftBottom = y;
  y = bounds.band;
  forGroup(eAlignRight, [&](StackSlot& s, std::size_t i) {
    if (s.canMove && i > 0) {
      const auto above = movableAt(slots, i - 1);
      if (!above) return;
      s.canMoveUp = *above;
    }
    if (i == last) {
      s.canMoveDown = false;
    } else if (s.canMove) {
      if (auto next = movableAt(slots, i + 1)) s.canMoveDown = *next;
    }
  });
  bounds.bottom = std::max(leftBottom, y);
  return bounds;
}

}  // namespace kiv::layout
