// Sharing the dock's height in fill mode: the whole height among the resizable bars, one
// neighbour taking up a single bar's change, the splitter limits, and the "ZAHL_TOP" bar.
#include "support/dock_fixture.h"

namespace kivtest {

class HeightsTest : public DockTest {
 protected:
  std::vector<std::int32_t> heights(const std::vector<std::shared_ptr<kiv::cKivBar>>& bars) {
    std::vector<std::int32_t> out;
    for (const auto& b : bars) out.push_back(b->Height());
    return out;
  }
  std::vector<std::int32_t> tops(const std::vector<std::shared_ptr<kiv::cKivBar>>& bars) {
    std::vector<std::int32_t> out;
    for (const auto& b : bars) out.push_back(b->Top());
    return out;
  }
  using Heights = std::vector<std::int32_t>;
};

TEST_F(HeightsTest, ShowingSharesTheHeightAmongTheResizableBars) {
  harness().resize(*dock, 4000, 3360);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000), c = addResizable("c", 1000);
  dock->setShow(true);
  EXPECT_EQ(heights({a, b, c}), (Heights{1100, 1100, 1100}));
  EXPECT_EQ(tops({a, b, c}), (Heights{0, 1100, 2200}));
  // The last bar keeps the drag limit of the sharing (3 x 500); the others get their own.
  EXPECT_EQ(c->HeightMax(), 1500);
  EXPECT_EQ(a->HeightMax(), 1700);
  EXPECT_EQ(b->HeightMax(), 1700);

  // A dock that already fits (within 10 per bar) changes nothing.
  harness().resize(*dock, 4000, 3330);
  EXPECT_EQ(heights({a, b, c}), (Heights{1100, 1100, 1100}));
}

TEST_F(HeightsTest, TheShareIsRoundedHalfToEven) {
  auto a = addResizable("a", 1000), b = addResizable("b", 1000);
  auto fixed = addBar("fixed");
  fixed->setHeight(500);
  harness().resize(*dock, 4000, 2581);  // (2581 - 2560) / 2 = 10.5 -> 10: within tolerance
  dock->setShow(true);
  EXPECT_EQ(heights({a, b, fixed}), (Heights{1000, 1000, 500}));
  harness().resize(*dock, 4000, 2583);  // 11.5 -> 12
  EXPECT_EQ(heights({a, b, fixed}), (Heights{1012, 1012, 500}));
}

TEST_F(HeightsTest, ShrinkingStopsAt400AndAfterFourRounds) {
  auto a = addResizable("a", 1500), b = addResizable("b", 600), c = addResizable("c", 600);
  harness().resize(*dock, 4000, 1260);
  dock->setShow(true);
  // Corrections -500, -200, -133, -89: b and c stay at 400, a takes the rest of each round.
  EXPECT_EQ(heights({a, b, c}), (Heights{578, 400, 400}));
  EXPECT_EQ(c->HeightMax(), 1500);
}

TEST_F(HeightsTest, WithoutResizableBarsNothingIsShared) {
  auto a = addBar("a");
  a->setHeight(1000);
  auto b = addResizable("b", 2000);
  b->setState(kiv::eBarCollapsed);
  harness().resize(*dock, 4000, 3000);
  dock->setShow(true);
  EXPECT_EQ(heights({a, b}), (Heights{1000, 300}));
}

TEST_F(HeightsTest, ANeighbourTakesUpTheHeightACollapsedBarFrees) {
  harness().resize(*dock, 4000, 3360);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000), c = addResizable("c", 1000);
  dock->setShow(true);

  a->setState(kiv::eBarCollapsed);  // the next bar takes the freed height
  EXPECT_EQ(heights({a, b, c}), (Heights{300, 1900, 1100}));
  EXPECT_EQ(tops({a, b, c}), (Heights{0, 300, 2200}));
  EXPECT_EQ(a->HeightMax(), 1700) << "the splitter limits are renewed afterwards";
  EXPECT_FALSE(a->ShowResize());
  EXPECT_EQ(b->HeightMax(), 2500);

  a->setState(kiv::eBarExpanded);  // and gives it back
  EXPECT_EQ(heights({a, b, c}), (Heights{1100, 1100, 1100}));

  c->setState(kiv::eBarCollapsed);  // the last bar: the one above takes it up
  EXPECT_EQ(heights({a, b, c}), (Heights{1100, 1900, 300}));
  EXPECT_EQ(tops({a, b, c}), (Heights{0, 1100, 3000}));
}

TEST_F(HeightsTest, AfterAHiddenBarTheNeighbourIsCountedAmongTheVisibleBars) {
  // The bar's own place counts all bars, the neighbour's only the visible ones: with a hidden
  // bar first, collapsing a lets c (visible place 3) take up the height, not b.
  harness().resize(*dock, 4000, 3360);
  auto gone = addResizable("gone", 1000);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000), c = addResizable("c", 1000);
  gone->setState(kiv::eBarHidden);
  dock->setShow(true);
  ASSERT_EQ(heights({a, b, c}), (Heights{1100, 1100, 1100}));
  a->setState(kiv::eBarCollapsed);
  EXPECT_EQ(heights({a, b, c}), (Heights{300, 1100, 1900}));
  EXPECT_EQ(tops({a, b, c}), (Heights{0, 300, 1400}));
}

TEST_F(HeightsTest, BeforeAFixedLastBarThePreviousBarTakesUpTheChange) {
  harness().resize(*dock, 4000, 3360);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000);
  auto last = addBar("last");
  last->setHeight(1000);
  dock->setShow(true);
  ASSERT_EQ(heights({a, b, last}), (Heights{1150, 1150, 1000}));

  b->setState(kiv::eBarCollapsed);
  EXPECT_EQ(heights({a, b, last}), (Heights{2000, 300, 1000}));
  EXPECT_EQ(tops({a, b, last}), (Heights{0, 2000, 2300}));
}

TEST_F(HeightsTest, ShowingAHiddenBarAgainSharesTheHeightAnew) {
  harness().resize(*dock, 4000, 3360);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000), c = addResizable("c", 1000);
  dock->setShow(true);
  b->setState(kiv::eBarHidden);
  EXPECT_EQ(heights({a, b, c}), (Heights{1650, 0, 1650}));
  EXPECT_EQ(c->Top(), 1650);
  // Back at its old height; the next bar takes up the difference and the rest already fits.
  b->setState(kiv::eBarExpanded);
  EXPECT_EQ(heights({a, b, c}), (Heights{1650, 1100, 550}));
  EXPECT_EQ(tops({a, b, c}), (Heights{0, 1650, 2750}));
}

TEST_F(HeightsTest, SplitLimitsLetTheUpperBarGrowUpTo500AboveTheLowerBottom) {
  harness().resize(*dock, 4000, 3560);
  auto upper = addResizable("upper", 2000), lower = addResizable("lower", 1500);
  dock->setShow(true);
  EXPECT_EQ(upper->HeightMax(), 3000);
  EXPECT_TRUE(upper->ShowResize());
  EXPECT_TRUE(el().picSplit(k(upper)).Visible());
  EXPECT_FALSE(lower->ShowResize()) << "the last bar has no splitter";
  EXPECT_FALSE(el().picSplit(k(lower)).Visible());

  // A bar above a fixed one shows no splitter either.
  lower->setAllowResize(false);
  dock->ShowElement(9999);
  EXPECT_FALSE(upper->ShowResize());
  EXPECT_FALSE(el().picSplit(k(upper)).Visible());
}

TEST_F(HeightsTest, TheLastVisibleBarKeepsItsSplitterUnlessItIsLastInTheOrder) {
  harness().resize(*dock, 4000, 3060);
  auto a = addResizable("a", 1500), b = addResizable("b", 1500), gone = addResizable("gone", 800);
  gone->setState(kiv::eBarHidden);
  dock->setShow(true);
  EXPECT_TRUE(b->ShowResize());
  EXPECT_TRUE(el().picSplit(k(b)).Visible());
  EXPECT_FALSE(gone->ShowResize());
}

TEST_F(HeightsTest, AZahlTopBarSharesTheWholeHeightWhenItsHeightChanges) {
  harness().resize(*dock, 4000, 3360);
  auto top = addResizable("a", 1000), b = addResizable("b", 1000), c = addResizable("c", 1000);
  dock->setShow(true);
  ASSERT_EQ(heights({top, b, c}), (Heights{1100, 1100, 1100}));
  top->setKey("zahl_top");  // the key must match exactly
  top->setHeight(1200);
  ASSERT_EQ(heights({top, b, c}), (Heights{1200, 1100, 1100}));
  top->setKey("ZAHL_TOP");

  // Every write to the bar shares the height again before the writing loop goes on, so the
  // nested rounds overshoot a little: the other bars give up 265 each, the bar keeps 1735.
  top->setHeight(2000);
  const Heights now = heights({top, b, c});
  EXPECT_EQ(now, (Heights{1735, 835, 835}));
  EXPECT_EQ(tops({top, b, c}), (Heights{0, 1735, 2570}));

  // Any other key: only the bar itself changes and the bars below move.
  top->setKey("a");
  top->setHeight(now[0] + 400);
  EXPECT_EQ(heights({top, b, c}), (Heights{now[0] + 400, now[1], now[2]}));
  EXPECT_EQ(c->Top(), now[0] + 400 + now[1]);
}

TEST_F(HeightsTest, AFailingStepOfTheSharingIsReportedAndTheSharingGoesOn) {
  auto a = addResizable("a", 2000000000), b = addResizable("b", 2000000000);
  dock->setShow(true);  // the first sum overflows
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "KivDock: pAutoSize");
  EXPECT_EQ(shown[0].Text,
            "\xc3\x9c"
            "berlauf");
  EXPECT_EQ(heights({a, b}), (Heights{2970, 2970}));
  EXPECT_EQ(b->Top(), 2970);
}

TEST_F(HeightsTest, ScrollModeSharesNothingAndLimitsEveryBarAt20000) {
  dock->setAllowScroll(true);
  auto a = addResizable("a", 1000), b = addResizable("b", 1200);
  dock->setShow(true);
  EXPECT_EQ(heights({a, b}), (Heights{1000, 1200}));
  EXPECT_EQ(a->HeightMax(), 20000);
  EXPECT_EQ(b->HeightMax(), 20000);
  a->setState(kiv::eBarCollapsed);
  EXPECT_EQ(heights({a, b}), (Heights{300, 1200}));
  EXPECT_EQ(b->Top(), 300);
}

}  // namespace kivtest
