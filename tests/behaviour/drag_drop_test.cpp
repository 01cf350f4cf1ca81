// Moving bars by dragging a title onto another bar, onto the top edge of the dock, or onto the
// dock's empty area.
#include "support/dock_fixture.h"

namespace kivtest {
namespace {

using kiv::eAlignLeft;
using kiv::eAlignRight;
using kiv::eAlignTop;
using Keys = std::vector<std::string>;

constexpr int kTwipsPerPixel = 15;

class DragDropTest : public DockTest {
 protected:
  // The user grabs a bar by its title.
  void grab(const std::shared_ptr<kiv::cKivBar>& bar) {
    harness().press(el().lblTitel(k(bar)), kiv::kButtonLeft, 10, 10);
  }
  // The user lets go over an element at x, y (twips, relative to it); the pointer is there too.
  void dropOn(kiv::Element& target, float x, float y) {
    harness().drop(target, x, y, static_cast<int>((target.AbsoluteLeft() + x) / kTwipsPerPixel),
                   static_cast<int>((target.AbsoluteTop() + y) / kTwipsPerPixel));
  }
  // The user lets go over a bar, clear of its title's buttons and captions, with the pointer in
  // pixel row pointerY of the dock.
  void dropOnBody(const std::shared_ptr<kiv::cKivBar>& target, int pointerY) {
    dropOn(el().picDockBar(k(target)), 1000,
           static_cast<float>(pointerY * kTwipsPerPixel + 7) - top(target));
  }
  // The user lets go over the empty area of the dock, below the bars.
  void dropOnEmptyArea(float x) { dropOn(el().surface(), x, 5000); }
  float top(const std::shared_ptr<kiv::cKivBar>& bar) { return el().picDockBar(k(bar)).Top(); }
  float left(const std::shared_ptr<kiv::cKivBar>& bar) { return el().picDockBar(k(bar)).Left(); }
  // Nothing was laid out, raised or saved since the last call.
  void expectUntouched(const Keys& expectedOrder) {
    EXPECT_EQ(order(), expectedOrder);
    EXPECT_TRUE(events.log.empty());
    EXPECT_TRUE(services->Settings.empty());
    EXPECT_TRUE(harness().messages().empty());
  }
  void forget() {
    events.log.clear();
    services->Settings.clear();
  }
};

TEST_F(DragDropTest, DroppedBarTakesTheTargetsPlaceFromAboveAndFromBelow) {
  std::vector<std::shared_ptr<kiv::cKivBar>> bars;
  for (const char* key : {"a", "b", "c", "d"}) {
    bars.push_back(addResizable(key, 1485));
    host(*bars.back());
  }
  const auto a = bars[0], b = bars[1], c = bars[2], d = bars[3];
  dock->setShow(true);
  forget();

  // Onto a bar below: the dragged bar ends just below it.
  grab(a);
  dropOnBody(c, 250);
  EXPECT_EQ(order(), (Keys{"b", "c", "a", "d"}));
  EXPECT_FLOAT_EQ(top(b), 0);
  EXPECT_FLOAT_EQ(top(a), 2970);
  EXPECT_EQ(stored("a"), "3:1:1:1485");
  EXPECT_EQ(stored("b"), "1:1:1:1485");
  EXPECT_EQ(events.log, (Keys{"CtlResize b", "CtlResize c", "CtlResize a", "CtlResize d"}));

  // Onto the title box of a bar above, right at the top edge: the dragged bar ends just above
  // it, since the target belongs to the top band.
  forget();
  harness().press(el().picTitel(k(d)), kiv::kButtonLeft, 900, 30);
  dropOn(el().picTitel(k(b)), 900, 30);
  EXPECT_EQ(order(), (Keys{"d", "b", "c", "a"}));
  EXPECT_FLOAT_EQ(top(d), 0);
  EXPECT_FLOAT_EQ(top(a), 4455);
  EXPECT_EQ(stored("d"), "1:1:1:1485");
  EXPECT_EQ(stored("a"), "4:1:1:1485");
  // The move buttons follow the new first and last bars.
  EXPECT_TRUE(el().imgUp(k(a)).VisibleOnScreen());
  EXPECT_FALSE(el().imgDown(k(a)).VisibleOnScreen());
  EXPECT_FALSE(el().imgUp(k(d)).VisibleOnScreen());
  EXPECT_TRUE(el().imgDown(k(d)).VisibleOnScreen());
}

TEST_F(DragDropTest, DropOntoItselfOrOntoAFixedBarChangesNothing) {
  auto a = addResizable("a", 1980);
  auto b = addResizable("b", 1980);
  auto fixed = addResizable("fixed", 1980);
  fixed->setCanMove(false);
  host(*a);
  dock->setShow(true);
  forget();

  grab(a);
  dropOnBody(a, 60);
  grab(a);
  dropOn(el().lblTitel(k(a)), 10, 10);  // its own title, right at the top edge
  expectUntouched({"a", "b", "fixed"});

  grab(b);
  dropOnBody(fixed, 300);
  grab(b);
  dropOn(el().lblTitel(k(fixed)), 10, 10);
  expectUntouched({"a", "b", "fixed"});
}

TEST_F(DragDropTest, DropOntoABarOfAnotherColumnTakesItsAlignment) {
  dock->setAllowScroll(true);
  auto t = addResizable("t", 1000);
  auto l1 = addResizable("l1", 1000);
  auto l2 = addResizable("l2", 1000);
  auto r = addResizable("r", 1000);
  for (auto& bar : {l1, l2}) bar->setAlignBar(eAlignLeft);
  r->setAlignBar(eAlignRight);
  dock->setShow(true);
  forget();

  grab(l1);
  dropOnBody(r, 100);
  EXPECT_EQ(l1->AlignBar(), eAlignRight);
  EXPECT_EQ(order(), (Keys{"t", "l2", "r", "l1"}));
  EXPECT_FLOAT_EQ(left(l1), 2035);
  EXPECT_FLOAT_EQ(top(l1), 2000);
  EXPECT_FLOAT_EQ(top(l2), 1000);
  EXPECT_EQ(stored("l1"), "4:3:1:1000");
  EXPECT_EQ(stored("r"), "3:3:1:1000");

  // A right bar dropped on the top band bar joins the band, above it.
  grab(r);
  dropOnBody(t, 30);
  EXPECT_EQ(r->AlignBar(), eAlignTop);
  EXPECT_EQ(order(), (Keys{"r", "t", "l2", "l1"}));
  EXPECT_FLOAT_EQ(left(r), 30);
  EXPECT_FLOAT_EQ(el().picDockBar(k(r)).Width(), 3980);
  EXPECT_FLOAT_EQ(top(t), 1000);
  EXPECT_FLOAT_EQ(top(l1), 2000);
  EXPECT_EQ(stored("r"), "1:1:1:1000");
  EXPECT_EQ(stored("l1"), "4:3:1:1000");
}

// Near the top edge of the dock the dragged bar's top, in twips, is compared with the pointer's
// row, in pixels, as plain numbers.
TEST_F(DragDropTest, DropWithinTheTopTwentyPixelsComparesTopTwipsWithPointerPixels) {
  dock->setAllowScroll(true);
  auto t = addResizable("t", 1000);
  auto l = addResizable("l", 8000);
  auto r = addResizable("r", 600);
  auto r2 = addResizable("r2", 600);
  l->setAlignBar(eAlignLeft);
  r->setAlignBar(eAlignRight);
  r2->setAlignBar(eAlignRight);
  dock->setShow(true);
  ASSERT_TRUE(el().VScroll().Visible());
  ASSERT_EQ(el().VScroll().Max(), 9000 - 6000 + 50);
  // Scrolled so that the columns start 10 twips (two thirds of a pixel) below the dock's top.
  harness().scrollTo(*dock, 990);
  ASSERT_FLOAT_EQ(top(r), 10);
  ASSERT_FLOAT_EQ(top(t), -990);
  forget();

  // Top 10 is not greater than pointer row 10: r only takes l's place, keeping its column.
  grab(r);
  dropOnBody(l, 10);
  EXPECT_EQ(order(), (Keys{"t", "r", "l", "r2"}));
  EXPECT_EQ(r->AlignBar(), eAlignRight);
  EXPECT_EQ(stored("r"), "3:3:1:600");
  ASSERT_FLOAT_EQ(top(r), 10);

  // Top 10 is greater than pointer row 9, though 10 twips lie above pixel row 9: r becomes the
  // first bar of the top band.
  grab(r);
  dropOnBody(l, 9);
  EXPECT_EQ(order(), (Keys{"r", "t", "l", "r2"}));
  EXPECT_EQ(r->AlignBar(), eAlignTop);
  EXPECT_EQ(stored("r"), "1:1:1:600");
  EXPECT_FLOAT_EQ(left(r), 30);

  // Dropped on itself near the top edge, a column bar whose top is below the pointer's row
  // number joins the band first.
  harness().scrollTo(*dock, 1400);
  ASSERT_FLOAT_EQ(top(r2), 200);
  grab(r2);
  dropOnBody(r2, 19);
  EXPECT_EQ(order(), (Keys{"r2", "r", "t", "l"}));
  EXPECT_EQ(r2->AlignBar(), eAlignTop);
  EXPECT_FLOAT_EQ(top(r2), -1400);
  EXPECT_FLOAT_EQ(top(l), 800);

  // Onto a top-band bar the edge has no meaning: the bar simply takes its place.
  grab(l);
  dropOnBody(t, 3);
  EXPECT_EQ(order(), (Keys{"r2", "r", "l", "t"}));
  EXPECT_EQ(l->AlignBar(), eAlignTop);
}

TEST_F(DragDropTest, DropsOnTheEmptyAreaJoinTheLeftGroupsOrTheRightColumn) {
  dock->setAllowScroll(true);
  auto r1 = addResizable("r1", 1000);
  auto r2 = addResizable("r2", 1000);
  auto r3 = addResizable("r3", 1000);
  for (auto& bar : {r1, r2, r3}) bar->setAlignBar(eAlignRight);
  dock->setShow(true);
  forget();

  // Right half, and the dragged bar is already the last: nothing to do.
  grab(r3);
  dropOnEmptyArea(3000);
  expectUntouched({"r1", "r2", "r3"});

  // Left half while the first bar is right-aligned: left column, second in the order.
  grab(r3);
  dropOnEmptyArea(1999);
  EXPECT_EQ(r3->AlignBar(), eAlignLeft);
  EXPECT_EQ(order(), (Keys{"r1", "r3", "r2"}));
  EXPECT_FLOAT_EQ(left(r3), 30);
  EXPECT_FLOAT_EQ(top(r3), 0);
  EXPECT_FLOAT_EQ(top(r2), 1000);
  EXPECT_EQ(stored("r3"), "1:2:1:1000");
  EXPECT_EQ(stored("r1"), "2:3:1:1000");

  // The same rule holds when the first bar is the dragged one.
  grab(r1);
  dropOnEmptyArea(100);
  EXPECT_EQ(r1->AlignBar(), eAlignLeft);
  EXPECT_EQ(order(), (Keys{"r3", "r1", "r2"}));
  EXPECT_FLOAT_EQ(top(r1), 1000);
  EXPECT_EQ(stored("r1"), "2:2:1:1000");

  // Otherwise the bar joins the group of the last top or left bar, behind it.
  grab(r2);
  dropOnEmptyArea(100);
  EXPECT_EQ(r2->AlignBar(), eAlignLeft);
  EXPECT_EQ(order(), (Keys{"r3", "r1", "r2"}));
  EXPECT_FLOAT_EQ(left(r2), 30);
  EXPECT_FLOAT_EQ(top(r2), 2000);
  EXPECT_EQ(stored("r2"), "3:2:1:1000");

  // Right half (the middle of the dock counts as right): right-aligned and last.
  grab(r3);
  dropOnEmptyArea(2000);
  EXPECT_EQ(r3->AlignBar(), eAlignRight);
  EXPECT_EQ(order(), (Keys{"r1", "r2", "r3"}));
  EXPECT_FLOAT_EQ(left(r3), 2035);
  EXPECT_FLOAT_EQ(top(r3), 0);
  EXPECT_EQ(stored("r3"), "3:3:1:1000");

  // The last top-or-left bar is the dragged bar itself: nothing happens, though the host has
  // made r1 a top bar meanwhile.
  r1->setAlignBar(eAlignTop);
  forget();
  grab(r2);
  dropOnEmptyArea(500);
  expectUntouched({"r1", "r2", "r3"});
  EXPECT_FLOAT_EQ(el().picDockBar(k(r1)).Width(), 1945);

  grab(r3);
  dropOnEmptyArea(500);
  EXPECT_EQ(r3->AlignBar(), eAlignLeft);
  EXPECT_EQ(order(), (Keys{"r1", "r2", "r3"}));
  EXPECT_FLOAT_EQ(el().picDockBar(k(r1)).Width(), 3980);
  EXPECT_FLOAT_EQ(top(r2), 1000);
  EXPECT_FLOAT_EQ(top(r3), 2000);
  EXPECT_EQ(stored("r3"), "3:2:1:1000");
}

}  // namespace
}  // namespace kivtest
