// The layout engine: plain functions over one struct per order position. The dock packs its bars
// into these structs, computes, and applies the results to the bars and their elements; nothing
// here touches a bar, an element or the host.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kiv::layout {

// One order position. The inputs are what the dock reads from the bar there; the results are
// what the stacking gives it. A result left empty leaves the bar's value as it is.
struct StackSlot {
  bool present = false;  // a bar stands at this position
  std::int32_t height = 0;
  std::int32_t align = 1;  // eAlignBar
  bool canMove = false;

  bool placed = false;  // the bar was stacked: top holds its new top
  std::int32_t top = 0;
  std::optional<bool> canMoveUp, canMoveDown;
};

// Where the scroll mode's groups meet: the band's bottom and the lower of the columns' bottoms.
struct StackBounds {
  std::int32_t band = 0;
  std::int32_t bottom = 0;
};

// Fill mode: every bar one below the other from 0; returns the lowest bottom edge.
std::int32_t stackColumn(std::vector<StackSlot>& slots);

// Scroll mode: the top group from offset, then the left and the right column side by side below
// it. Bars of the bottom group and of no group keep their tops.
StackBounds stackBandAndColumns(std::vector<StackSlot>& slots, std::int32_t offset);

// The place of a bar across the usable width w: fill mode and the top and bottom groups take the
// whole width, the left and the right column a half each. Empty for a bar of no group in scroll
// mode, which keeps its place.
struct Span {
  std::int32_t left = 0;
  std::int32_t width = 0;
};
std::optional<Span> barSpan(bool scrollMode, std::int32_t align, std::int32_t w);

}  // namespace kiv::layout
