// Moving bars by dragging a title onto another bar, onto the top edge of the dock, or onto the
// dock's empty area.
#include <tuple>

#include "support/dock_fixture.h"

namespace kivtest {
namespace {

using kiv::eAlignLeft;
using kiv::eAlignRight;
using kiv::eAlignTop;
using Keys = std::vector<std::string>;
using Bar = std::shared_ptr<kiv::cKivBar>;

class DragDropTest : public DockTest {
 protected:
  // The user grabs a bar's title and lets go over an element at x, y (twips, relative to it).
  void dragTo(const Bar& bar, kiv::Element& target, float x, float y) {
    harness().press(el().lblTitel(k(bar)), kiv::kButtonLeft, 10, 10);
    harness().drop(target, x, y, static_cast<int>((target.AbsoluteLeft() + x) / 15),
                   static_cast<int>((target.AbsoluteTop() + y) / 15));
  }
  // ... over a bar's body, clear of its title's buttons, with the pointer in pixel row pointerY.
  void dragOnto(const Bar& bar, const Bar& target, int pointerY) {
    dragTo(bar, el().picDockBar(k(target)), 1000, pointerY * 15.0f + 7 - top(target));
  }
  float top(const Bar& bar) { return el().picDockBar(k(bar)).Top(); }
};

TEST_F(DragDropTest, DropOntoItselfOrAFixedBarChangesNothingOntoAnotherTakesItsPlace) {
  auto a = addResizable("a", 1485), b = addResizable("b", 1485), c = addResizable("c", 1485);
  auto fixed = addResizable("fixed", 1485);
  fixed->setCanMove(false);
  dock->setShow(true);

  // Onto itself (its own title at the top edge too) or onto a fixed bar: nothing at all.
  dragOnto(a, a, 60);
  dragTo(a, el().lblTitel(k(a)), 10, 10);
  dragOnto(b, fixed, 300);
  EXPECT_EQ(order(), (Keys{"a", "b", "c", "fixed"}));
  EXPECT_TRUE(services->Settings.empty() && harness().messages().empty());

  // Onto a bar below: the dragged bar ends just below it.
  dragOnto(a, c, 250);
  EXPECT_EQ(order(), (Keys{"b", "c", "a", "fixed"}));
  EXPECT_FLOAT_EQ(top(a), 2970);
  EXPECT_EQ(stored("a"), "3:1:1:1485");
}

// Near the top edge of the dock the dragged bar's top, in twips, is compared with the pointer's
// row, in pixels, as plain numbers.
TEST_F(DragDropTest, DropWithinTheTopTwentyPixelsComparesTopTwipsWithPointerPixels) {
  dock->setAllowScroll(true);
  auto t = addResizable("t", 1000), l = addResizable("l", 8000);
  auto r = addResizable("r", 600), r2 = addResizable("r2", 600);
  l->setAlignBar(eAlignLeft);
  for (auto& bar : {r, r2}) bar->setAlignBar(eAlignRight);
  dock->setShow(true);
  // Scrolled so that the columns start 10 twips (two thirds of a pixel) below the dock's top.
  harness().scrollTo(*dock, 990);
  ASSERT_FLOAT_EQ(top(r), 10);

  // Top 10 is not greater than pointer row 10: r only takes l's place, keeping its column.
  dragOnto(r, l, 10);
  EXPECT_EQ(order(), (Keys{"t", "r", "l", "r2"}));
  EXPECT_EQ(stored("r"), "3:3:1:600");
  // Top 10 is greater than pointer row 9, though 10 twips lie above pixel row 9: r becomes the
  // first bar of the top band.
  dragOnto(r, l, 9);
  EXPECT_EQ(order(), (Keys{"r", "t", "l", "r2"}));
  EXPECT_EQ(stored("r"), "1:1:1:600");

  // Dropped on itself near the top edge, a column bar whose top is below the pointer's row
  // number joins the band first.
  harness().scrollTo(*dock, 1400);
  ASSERT_FLOAT_EQ(top(r2), 200);
  dragOnto(r2, r2, 19);
  EXPECT_EQ(order(), (Keys{"r2", "r", "t", "l"}));
  EXPECT_EQ(std::make_pair(r2->AlignBar(), top(r2)), std::make_pair(eAlignTop, -1400.0f));
  // Onto a top-band bar the edge has no meaning: l takes t's place and group, ending above it.
  dragOnto(l, t, 3);
  EXPECT_EQ(order(), (Keys{"r2", "r", "l", "t"}));
  EXPECT_EQ(l->AlignBar(), eAlignTop);
}

TEST_F(DragDropTest, DropsJoinTheGroupOfTheBarOrTheSideOfTheEmptyArea) {
  dock->setAllowScroll(true);
  for (const char* key : {"r1", "r2", "r3"}) addResizable(key, 1000)->setAlignBar(eAlignRight);
  dock->setShow(true);
  // The bar dragged; where it is dropped: on the empty area at x, or onto a bar's body; then the
  // order, the bar's left and top, and its stored settings (empty: nothing was saved).
  using Drop = std::tuple<const char*, float, const char*, Keys, float, float, std::string>;
  const Drop drops[] = {
      // Right half, already the last bar: nothing to do.
      {"r3", 3000, nullptr, {"r1", "r2", "r3"}, 2035, 2000, ""},
      // Left half while the first bar is right-aligned: left column, second in the order, even
      // when the first bar is the dragged one.
      {"r3", 1999, nullptr, {"r1", "r3", "r2"}, 30, 0, "1:2:1:1000"},
      {"r1", 100, nullptr, {"r3", "r1", "r2"}, 30, 1000, "2:2:1:1000"},
      // Otherwise behind the last top or left bar, in its group.
      {"r2", 100, nullptr, {"r3", "r1", "r2"}, 30, 2000, "3:2:1:1000"},
      // The middle of the dock counts as right: right-aligned and last.
      {"r3", 2000, nullptr, {"r1", "r2", "r3"}, 2035, 0, "3:3:1:1000"},
      // A left bar dropped onto a right one takes its place and its column.
      {"r2", 0, "r3", {"r1", "r3", "r2"}, 2035, 1000, "3:3:1:1000"},
  };
  auto drag = [&](const Drop& drop) {
    const auto& [key, x, onto, keys, leftAt, topAt, saved] = drop;
    SCOPED_TRACE(saved + " " + key);
    const Bar bar = dock->Bars().ItemByKey(key);
    services->Settings.clear();
    if (onto) {
      dragOnto(bar, dock->Bars().ItemByKey(onto), 100);
    } else {
      dragTo(bar, el().surface(), x, 5000);
    }
    EXPECT_EQ(order(), keys);
    EXPECT_EQ(std::make_pair(el().picDockBar(k(bar)).Left(), top(bar)),
              std::make_pair(leftAt, topAt));
    EXPECT_EQ(stored(key), saved);
  };
  for (const Drop& drop : drops) drag(drop);
  // The host makes r1 a top bar: r1 is the last top or left bar and stays; r3 joins its band.
  dock->Bars().ItemByKey("r1")->setAlignBar(eAlignTop);
  drag({"r1", 500, nullptr, {"r1", "r3", "r2"}, 30, 0, ""});
  drag({"r3", 500, nullptr, {"r1", "r3", "r2"}, 30, 1000, "2:1:1:1000"});
}

}  // namespace
}  // namespace kivtest
