// The whole sharing on plain slots: how many nested sharings its steps run and how deep they
// nest decide whether the dock plays them through or writes what they leave. Plans: R a
// resizable bar, F a fixed one, Z a resizable bar whose new heights start a sharing of their own
// (keyed "ZAHL_TOP").
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/engine.h"
#include "platform/stack_room.h"

namespace kiv::layout {
namespace {

using Ints = std::vector<std::int32_t>;

TEST(HeightSharing, TheWholeSharingEndsWithTheHeightsOfItsStepsOrTellsWhyNot) {
  const struct {
    const char* plan;
    Ints heights;
    std::int32_t dockHeight;
    SharingEnd end;
    Ints shared;
    std::int32_t cap;        // the drag limit of every resizable bar, 0 when no round ran
    std::uint64_t sharings;  // the steps run, nested ones included
    std::size_t nesting;     // how deep they nest
  } rows[] = {
      {"RRF", {1000, 1000, 500}, 2581, SharingEnd::Ends, {1000, 1000, 500}, 0, 1, 0},
      {"RRF", {1000, 1000, 500}, 2583, SharingEnd::Ends, {1012, 1012, 500}, 1000, 1, 0},
      // Four rounds: b and c stop at 400, a takes the rest.
      {"RRR", {1500, 600, 600}, 1260, SharingEnd::Ends, {578, 400, 400}, 1500, 1, 0},
      {"FF", {1000, 1000}, 9000, SharingEnd::Ends, {1000, 1000}, 0, 1, 0},
      // Each height given to Z shares again before the round goes on: the rounds overshoot.
      {"ZRR", {2000, 1100, 1100}, 3360, SharingEnd::Ends, {1735, 835, 835}, 1500, 231, 9},
      {"RZR", {1000, 1000, 1000}, 9000, SharingEnd::Ends, {2994, 2994, 2994}, 1500, 39, 5},
      {"ZRRRRR", {300, 1000, 1700, 2400, 3100, 3800}, 30000, SharingEnd::Endless, {}, 0, 0, 0},
      {"ZR", {2000000000, 2000000000}, 6000, SharingEnd::Unknown, {}, 0, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.plan) + " in " + std::to_string(row.dockHeight));
    std::vector<ShareSlot> slots;
    for (std::size_t i = 0; i < row.heights.size(); ++i) {
      slots.push_back({row.heights[i], row.plan[i] != 'F', row.plan[i] == 'Z', std::nullopt});
    }
    const SharingOutcome outcome = shareHeight(slots, row.dockHeight);
    ASSERT_EQ(outcome.end, row.end);
    EXPECT_EQ(outcome.sharings, row.sharings);
    EXPECT_EQ(outcome.nesting, row.nesting);
    if (row.end != SharingEnd::Ends) continue;
    Ints shared;
    for (const auto& s : slots) {
      shared.push_back(s.height);
      if (s.resizable) {
        EXPECT_EQ(s.heightMax.value_or(0), row.cap);
      }
    }
    EXPECT_EQ(shared, row.shared);
  }
}

// A host deep in its own stack, or on a thread with a small one, leaves no room for the nested
// sharings: they count as endless instead of overflowing the stack.
TEST(HeightSharing, NestedSharingsStopWhereTheStackEnds) {
  std::vector<ShareSlot> slots{{2000, true, true, {}}, {1100, true, false, {}}};
  const std::uintptr_t here = detail::stackHere();
  EXPECT_EQ(shareHeight(slots, 3360, here + 1).end, SharingEnd::Endless);
  EXPECT_EQ(shareHeight(slots, 3360, here > 65536 ? here - 65536 : 0).end, SharingEnd::Ends);
}

}  // namespace
}  // namespace kiv::layout
