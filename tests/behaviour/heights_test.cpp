// Sharing the dock's height in fill mode: the whole height among the resizable bars, one
// neighbour taking up a single bar's change, the splitter limits, and the "ZAHL_TOP" bar.
#include "support/dock_fixture.h"

namespace kivtest {

using Ints = std::vector<std::int32_t>;
using Bars = std::vector<std::shared_ptr<kiv::cKivBar>>;

class HeightsTest : public DockTest {
 protected:
  // A new dock with bars "a", "b", ... after the plan (R resizable, F fixed, C collapsed,
  // H hidden), shown.
  Bars build(const std::string& plan, const Ints& start, std::int32_t dockHeight) {
    dock = harness().createDock(4000, dockHeight);
    services->Settings.clear();  // what the old dock saved as it went
    Bars bars;
    for (std::size_t i = 0; i < plan.size(); ++i) {
      bars.push_back(addResizable(std::string(1, static_cast<char>('a' + i)), start[i]));
      if (plan[i] == 'F') bars.back()->setAllowResize(false);
      if (plan[i] == 'C') bars.back()->setState(kiv::eBarCollapsed);
      if (plan[i] == 'H') bars.back()->setState(kiv::eBarHidden);
    }
    dock->setShow(true);
    return bars;
  }
  static Ints heights(const Bars& bars) {
    Ints out;
    for (const auto& b : bars) out.push_back(b->Height());
    return out;
  }
};

TEST_F(HeightsTest, ShowingSharesTheHeightAndACollapsedBarsNeighbourTakesUpWhatItFrees) {
  struct Case {
    const char* plan;
    Ints start;
    std::int32_t dockHeight;
    int collapse;  // the bar collapsed after showing, or -1
    Ints heights;
  };
  const Case cases[] = {
      {"RRF", {1000, 1000, 500}, 2581, -1, {1000, 1000, 500}},  // 10.5 to 10: fits
      {"RRF", {1000, 1000, 500}, 2583, -1, {1012, 1012, 500}},  // 11.5 to 12
      // Corrections -500, -200, -133, -89: b and c stop at 400, a takes the rest, four rounds.
      {"RRR", {1500, 600, 600}, 1260, -1, {578, 400, 400}},
      {"RRR", {1000, 1000, 1000}, 3360, 0, {300, 1900, 1100}},
      {"RRR", {1000, 1000, 1000}, 3360, 2, {1100, 1900, 300}},  // the last: the one above
      {"RRF", {1000, 1000, 1000}, 3360, 1, {2000, 300, 1000}},  // the next is last and fixed
      // The bar's place counts all bars, the neighbour's only the visible ones: c, not b.
      {"HRRR", {1000, 1000, 1000, 1000}, 3360, 1, {0, 300, 1100, 1900}},
  };
  for (const Case& c : cases) {
    const Bars bars = build(c.plan, c.start, c.dockHeight);
    if (c.collapse >= 0) bars[static_cast<std::size_t>(c.collapse)]->setState(kiv::eBarCollapsed);
    EXPECT_EQ(heights(bars), c.heights) << c.plan << " in " << c.dockHeight;
  }
}

TEST_F(HeightsTest, StateChangesRenewTheSplitterLimitsAndShareTheHeightAgain) {
  const Bars bars = build("RRR", {1000, 1000, 1000}, 3360);
  EXPECT_EQ(bars[2]->HeightMax(), 1500) << "the last bar keeps the sharing's limit, 3 x 500";
  EXPECT_EQ(bars[0]->HeightMax(), 1700) << "up to 500 above the lower bar's bottom";
  bars[0]->setState(kiv::eBarCollapsed);
  EXPECT_EQ(bars[1]->HeightMax(), 2500);
  bars[0]->setState(kiv::eBarExpanded);  // and gives the height back
  EXPECT_EQ(heights(bars), (Ints{1100, 1100, 1100}));
  bars[1]->setState(kiv::eBarHidden);
  EXPECT_EQ(heights(bars), (Ints{1650, 0, 1650}));
  // Back at its old height; the next bar takes up the difference and the rest already fits.
  bars[1]->setState(kiv::eBarExpanded);
  EXPECT_EQ(heights(bars), (Ints{1650, 1100, 550}));
  EXPECT_EQ(bars[2]->Top(), 2750);
}

TEST_F(HeightsTest, OnlyABarAboveAResizableOneShowsASplitter) {
  const Bars bars = build("RRH", {2000, 1500, 800}, 3560);  // fits: nothing is shared
  EXPECT_EQ(bars[0]->HeightMax(), 3000);
  EXPECT_TRUE(el().picSplit(k(bars[0])).Visible());
  // The last visible bar keeps its splitter unless it is also last in the order.
  EXPECT_TRUE(el().picSplit(k(bars[1])).Visible());
  EXPECT_FALSE(bars[2]->ShowResize());
  bars[1]->setAllowResize(false);
  dock->ShowElement(9999);
  EXPECT_FALSE(el().picSplit(k(bars[0])).Visible());
}

TEST_F(HeightsTest, AZahlTopBarSharesTheWholeHeightWhenItsHeightChanges) {
  const Bars bars = build("RRR", {1000, 1000, 1000}, 3360);
  bars[0]->setKey("zahl_top");  // the key must match exactly
  bars[0]->setHeight(1200);
  ASSERT_EQ(heights(bars), (Ints{1200, 1100, 1100}));
  bars[0]->setKey("ZAHL_TOP");
  // Every write to the bar shares the height again before the writing loop goes on, so the
  // nested rounds overshoot a little: the other bars give up 265 each, the bar keeps 1735.
  bars[0]->setHeight(2000);
  EXPECT_EQ(heights(bars), (Ints{1735, 835, 835}));
  EXPECT_EQ(bars[2]->Top(), 2570);
}

TEST_F(HeightsTest, AFailingStepOfTheSharingIsReportedAndTheSharingGoesOn) {
  const Bars bars = build("RR", {2000000000, 2000000000}, 6000);  // the first sum overflows
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption + ": " + shown[0].Text, "KivDock: pAutoSize: Überlauf");
  EXPECT_EQ(heights(bars), (Ints{2970, 2970}));
}

}  // namespace kivtest
