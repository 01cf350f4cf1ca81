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

// Sharing the dock's height in fill mode. The dock runs the sharing step by step, since every
// height it writes may reach the host before the next one is computed; these give each step.

// The correction each resizable bar gets: what is left of the dock's height after the bars and
// the free 60 twips, shared among k bars, as a whole number (halves to the even one).
std::int32_t sharingCorrection(std::int32_t dockHeight, std::int64_t sum, std::int32_t k);
// Whether a correction is large enough for another round of the sharing.
bool sharingGoesOn(std::int32_t correction);
// The height a resizable bar gets from a correction: never 400 or less. Empty when the sum does
// not fit in 32 bits (the step fails).
std::optional<std::int32_t> sharedHeight(std::int32_t height, std::int32_t correction);
// How many rounds of corrections one sharing runs at most.
constexpr int kSharingRounds = 4;

// The whole sharing from the heights in the order, with the "ZAHL_TOP" rule: every height it
// gives such a bar (while the dock is shown) starts a sharing of its own before the round goes on.
struct ShareSlot {
  std::int32_t height = 0;  // as the bar reads it: 0 while hidden
  bool resizable = false;
  bool sharesAgain = false;               // a height written to it starts a nested sharing
  std::optional<std::int32_t> heightMax;  // result: the drag limit, when a round ran
};
enum class SharingEnd {
  Ends,     // slots hold the heights and drag limits the sharing leaves
  Endless,  // the nested sharings would start each other without end
  Unknown,  // a sum left 32 bits: the dock's own steps decide
};
struct SharingOutcome {
  SharingEnd end = SharingEnd::Unknown;
  std::uint64_t sharings = 0;  // how many sharings the steps run, the nested ones included
  std::size_t nesting = 0;     // how deep the steps nest sharings in each other at most
};
// Sharings nested so deep that the computation would go below lowestStack (0: no bound) count as
// endless: the stack would run out before they end.
SharingOutcome shareHeight(std::vector<ShareSlot>& slots, std::int32_t dockHeight,
                           std::uintptr_t lowestStack = 0);

// The visible position of the bar that takes up a change of the bar at order position p of n:
// the next one, or the one above for the last and for the last but one before a fixed last bar;
// if that one cannot be resized, the last resizable one of the visible positions 1 to visible.
// canResize(j) tells it for visible position j; it is asked only as far as the choice needs.
template <class CanResize>
std::int32_t neighbourPosition(std::int32_t p, std::int32_t n, std::int32_t visible,
                               CanResize&& canResize) {
  auto resizableAt = [&](std::int32_t j) { return j >= 1 && j <= visible && canResize(j); };
  std::int32_t t = 0;
  if (p < n) {
    t = (p == n - 1 && !resizableAt(p + 1)) ? p - 1 : p + 1;
  } else {
    t = p - 1;
  }
  if (!resizableAt(t)) {
    for (std::int32_t j = 1; j <= visible; ++j) {
      if (canResize(j)) t = j;
    }
  }
  return t;
}
// How far a bar may be dragged: both heights less what the lower one keeps. Empty when it does
// not fit in 32 bits.
std::optional<std::int32_t> dragLimit(std::int32_t upper, std::int32_t lower, std::int32_t keep);

}  // namespace kiv::layout
