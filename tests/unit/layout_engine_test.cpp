// The layout engine on plain slots: one row per case, bars in and numbers out. Slots are letters:
// T, L, R, B a movable bar of that group (lower case: one that cannot move), - no bar there.
// Flags read 1, 0, or ? for a value the stacking leaves as it is.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "layout/engine.h"

namespace kiv::layout {
namespace {

using Ints = std::vector<std::int32_t>;

std::vector<StackSlot> slotsOf(const std::string& plan, const Ints& heights) {
  std::vector<StackSlot> slots(plan.size());
  for (std::size_t i = 0; i < plan.size(); ++i) {
    if (plan[i] == '-') continue;
    slots[i].present = true;
    slots[i].height = heights[i];
    slots[i].align = static_cast<std::int32_t>(
        std::string("?TLRB").find(static_cast<char>(std::toupper(plan[i]))));
    slots[i].canMove = std::isupper(static_cast<unsigned char>(plan[i])) != 0;
  }
  return slots;
}

char flag(const std::optional<bool>& f) { return f ? (*f ? '1' : '0') : '?'; }

// Tops (-1: not stacked), up flags and down flags of every slot.
struct Stacked {
  Ints tops;
  std::string up, down;
  bool operator==(const Stacked& o) const { return tops == o.tops && up == o.up && down == o.down; }
};
std::ostream& operator<<(std::ostream& os, const Stacked& s) {
  for (auto t : s.tops) os << t << ' ';
  return os << "up " << s.up << " down " << s.down;
}

Stacked resultOf(const std::vector<StackSlot>& slots) {
  Stacked out;
  for (const auto& s : slots) {
    out.tops.push_back(s.placed ? s.top : -1);
    out.up += flag(s.canMoveUp);
    out.down += flag(s.canMoveDown);
  }
  return out;
}

TEST(LayoutEngine, FillModeStacksOneColumnAndMovesBetweenMovableNeighbours) {
  const struct {
    const char* plan;
    Ints heights;
    std::int32_t bottom;
    Stacked result;
  } rows[] = {
      {"TTT", {1000, 500, 300}, 1800, {{0, 1000, 1500}, "011", "110"}},
      {"TtT", {100, 100, 100}, 300, {{0, 100, 200}, "000", "000"}},
      // Groups do not matter in fill mode; a position without a bar is skipped and its
      // neighbours' flags towards it stay.
      {"R-L", {100, 0, 100}, 200, {{0, -1, 100}, "0??", "??0"}},
      // A sum beyond 32 bits leaves the running edge where it was.
      {"TT", {2147483647, 5}, 2147483647, {{0, 2147483647}, "01", "10"}},
      {"", {}, 0, {{}, "", ""}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.plan);
    auto slots = slotsOf(row.plan, row.heights);
    EXPECT_EQ(stackColumn(slots), row.bottom);
    EXPECT_EQ(resultOf(slots), row.result);
  }
}

TEST(LayoutEngine, ScrollModeStacksTheBandThenBothColumnsFromTheOffset) {
  const struct {
    const char* plan;
    Ints heights;
    std::int32_t offset, band, bottom;
    Stacked result;
  } rows[] = {
      {"TLR", {1000, 500, 700}, 0, 1000, 1700, {{0, 1000, 1000}, "?11", "110"}},
      // Scrolled by 400; the bottom group keeps its tops; a right bar moves down onto any bar.
      {"TTLLRB",
       {1000, 1000, 300, 400, 2000, 500},
       -400,
       1600,
       3600,
       {{-400, 600, 1600, 1900, 1600, -1}, "?1111?", "11111?"}},
      // A fixed bar's flags stay; a missing neighbour above ends a bar's flags, one below
      // leaves only the down flag.
      {"tR-r", {100, 200, 0, 300}, 0, 100, 600, {{0, 100, -1, 300}, "?0??", "???0"}},
      {"-R", {0, 100}, 0, 0, 100, {{-1, 0}, "??", "??"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.plan);
    auto slots = slotsOf(row.plan, row.heights);
    const StackBounds bounds = stackBandAndColumns(slots, row.offset);
    EXPECT_EQ(std::make_pair(bounds.band, bounds.bottom), std::make_pair(row.band, row.bottom));
    EXPECT_EQ(resultOf(slots), row.result);
  }
}

TEST(LayoutEngine, SpansTakeTheWholeWidthOrAHalfRoundedToEven) {
  const struct {
    bool scroll;
    std::int32_t align, w;
    std::optional<Span> span;
  } rows[] = {
      {false, 3, 1001, Span{30, 1001}}, {true, 1, 1001, Span{30, 1001}},
      {true, 4, 1001, Span{30, 1001}},  {true, 2, 1001, Span{30, 456}},
      {true, 3, 1001, Span{546, 470}},  {true, 7, 1001, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto span = barSpan(row.scroll, row.align, row.w);
    ASSERT_EQ(span.has_value(), row.span.has_value()) << row.align;
    if (span) {
      EXPECT_EQ(std::make_pair(span->left, span->width),
                std::make_pair(row.span->left, row.span->width));
    }
  }
}

}  // namespace
}  // namespace kiv::layout
