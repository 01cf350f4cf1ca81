// Bar heights in fill mode: sharing the dock's height among the resizable bars, one neighbour
// taking up a single bar's change, the splitter limits, the "ZAHL_TOP" bar, and the user
// dragging a splitter strip.
#include <initializer_list>

#include "support/dock_fixture.h"

namespace kivtest {

using Ints = std::vector<std::int32_t>;
using Bars = std::vector<Bar>;

class HeightsTest : public DockTest {
 protected:
  // A new dock with bars "a", "b", ... after the plan (R resizable, F fixed, C collapsed,
  // H hidden, Z resizable and keyed "ZAHL_TOP"), shown.
  Bars build(const std::string& plan, const Ints& start, std::int32_t dockHeight) {
    dock = harness().createDock(4000, dockHeight);
    services->Settings.clear();  // what the old dock saved as it went
    Bars bars;
    for (std::size_t i = 0; i < plan.size(); ++i) {
      bars.push_back(addResizable(std::string(1, static_cast<char>('a' + i)), start[i]));
      if (plan[i] == 'F') bars.back()->setAllowResize(false);
      if (plan[i] == 'C') bars.back()->setState(kiv::eBarCollapsed);
      if (plan[i] == 'H') bars.back()->setState(kiv::eBarHidden);
      if (plan[i] == 'Z') bars.back()->setKey("ZAHL_TOP");
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
      {"RRF", {1000, 1000, 500}, 2539, -1, {1000, 1000, 500}},  // -10.5 to -10: fits
      {"RRF", {1000, 1000, 500}, 2537, -1, {988, 988, 500}},    // -11.5 to -12
      {"FF", {1000, 1000}, 9000, -1, {1000, 1000}},
      // Each height given to a "ZAHL_TOP" bar shares again before the round goes on.
      {"RZR", {1000, 1000, 1000}, 9000, -1, {2994, 2994, 2994}},
      // Corrections -500, -200, -133, -89: b and c stop at 400, a takes the rest, four rounds.
      {"RRR", {1500, 600, 600}, 1260, -1, {578, 400, 400}},
      {"RRR", {1000, 1000, 1000}, 3360, 0, {300, 1900, 1100}},
      {"RRR", {1000, 1000, 1000}, 3360, 2, {1100, 1900, 300}},  // the last: the one above
      {"RRF", {1000, 1000, 1000}, 3360, 1, {2000, 300, 1000}},  // the next is last and fixed
      // A fixed neighbour: the last resizable bar takes it up; with none, the neighbour still.
      {"RFR", {1000, 1000, 1000}, 3360, 0, {300, 1000, 2000}},
      {"RFF", {1000, 1000, 1000}, 3360, 0, {300, 2000, 1000}},
      {"FRRH", {1000, 1000, 1000, 1000}, 3360, 1, {1000, 300, 2000, 0}},
      {"FF", {1000, 1000}, 2360, 1, {2000, 300}},
      // The bar's place counts all bars, the neighbour's only the visible ones: c, not b.
      {"HRRR", {1000, 1000, 1000, 1000}, 3360, 1, {0, 300, 1100, 1900}},
  };
  for (const Case& c : cases) {
    const Bars bars = build(c.plan, c.start, c.dockHeight);
    if (c.collapse >= 0) bars[static_cast<std::size_t>(c.collapse)]->setState(kiv::eBarCollapsed);
    EXPECT_EQ(heights(bars), c.heights) << c.plan << " in " << c.dockHeight;
  }
}

TEST_F(HeightsTest, StateChangesAndAZahlTopBarsHeightShareTheHeightAgain) {
  Bars bars = build("RRR", {1000, 1000, 1000}, 3360);
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

  // A bar keyed "ZAHL_TOP" shares the whole height whenever its height changes.
  bars = build("RRR", {1000, 1000, 1000}, 3360);
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

// A handler that moves another bar sees its value and keeps it: nothing restacks behind it.
TEST_F(HeightsTest, AHandlerThatMovesABarKeepsWhatItWrote) {
  Bars bars = build("RRR", {1000, 1000, 1000}, 3060);
  dock->setEventSink(&events);
  for (const auto& b : bars) host(*b);
  std::int32_t seen = 0;
  events.onCtlResize = [&] {
    if (events.log.back() != "CtlResize a") return;
    bars[2]->setTop(7777);
    seen = bars[2]->Top();
  };
  bars[0]->setHeight(2000);
  EXPECT_EQ(std::make_pair(seen, bars[2]->Top()), std::make_pair(7777, 7777));
}

TEST_F(HeightsTest, AFailingStepOfTheSharingIsReportedAndTheSharingGoesOn) {
  const Bars bars = build("RR", {2000000000, 2000000000}, 6000);  // the first sum overflows
  ASSERT_EQ(harness().messages().size(), 1u);
  EXPECT_EQ(harness().messages()[0].Caption + ": " + harness().messages()[0].Text,
            "KivDock: pAutoSize: Überlauf");
  EXPECT_EQ(heights(bars), (Ints{2970, 2970}));
}

// Resizing a bar by dragging the splitter strip at its bottom.

using kiv::kButtonLeft;
using kiv::kButtonRight;

// One mouse move over a strip, dy twips below its top edge, and what the user sees after it:
// the bar's height, the height of the bar below, the strip's top.
using Move = std::tuple<float, std::int32_t, std::int32_t, float>;

class SplitterTest : public DockTest {
 protected:
  kiv::PictureBox& split(const Bar& bar) { return el().picSplit(k(bar)); }
  float top(const Bar& bar) { return el().picDockBar(k(bar)).Top(); }
  // Moves over a bar's strip; the bar below follows it at once.
  void walk(const Bar& bar, const Bar& below, std::initializer_list<Move> moves,
            std::int16_t buttons = kButtonLeft) {
    for (const auto& [dy, height, belowHeight, strip] : moves) {
      SCOPED_TRACE("move by " + std::to_string(dy));
      harness().move(split(bar), buttons, 300, dy);
      EXPECT_EQ(std::make_tuple(bar->Height(), below->Height(), split(bar).Top(), top(below)),
                std::make_tuple(height, belowHeight, strip, top(bar) + height));
    }
  }
};

TEST_F(SplitterTest, SeveralMovesResizeTheBarAndItsNeighbourLiveAndTheReleaseSaves) {
  auto a = addResizable("a", 1980), b = addResizable("b", 1980), c = addResizable("c", 1980);
  for (auto& bar : {a, b}) host(*bar);
  dock->setShow(true);
  harness().press(split(a), kButtonLeft, 300, 40);
  walk(a, b,
       {{50, 2010, 1950, 1915},  // the strip's bottom passes the body's: the bar grows to it
        {10, 2010, 1950, 1925},  // not yet past the bottom edge: only the strip moves
        {20, 2020, 1940, 1925},
        {-100, 1900, 2060, 1805},  // upward moves shrink the bar at once
        {0, 1900, 2060, 1805}});   // no offset: nothing happens, nor with other buttons
  walk(a, b, {{400, 1900, 2060, 1805}}, kButtonLeft | kButtonRight);
  walk(a, b, {{-400, 1900, 2060, 1805}}, kButtonRight);
  EXPECT_TRUE(services->Settings.empty()) << "nothing is saved while dragging";

  events.log.clear();
  harness().release(split(a), kButtonLeft, 300, 10);
  EXPECT_EQ(std::make_tuple(a->Height(), b->Height(), top(c)),
            std::make_tuple(1880, 2080, 3960.0f));
  EXPECT_EQ(events.log, (std::vector<std::string>{"CtlResize a", "CtlResize b"}));
  EXPECT_EQ(stored("a"), "1:1:1:1880");

  // A click commits the strip's rest position, 20 twips above the body's bottom edge; so does
  // the release of a drag with the right button, whose moves are ignored.
  harness().press(split(a), kButtonLeft, 300, 30);
  harness().release(split(a), kButtonLeft, 300, 30);
  EXPECT_EQ(stored("a"), "1:1:1:1860");
  harness().press(split(a), kButtonRight, 300, 30);
  walk(a, b, {{600, 1860, 2100, 1765}}, kButtonRight);
  harness().release(split(a), kButtonRight, 300, 630);
  EXPECT_EQ(std::make_pair(a->Height(), b->Height()), std::make_pair(1840, 2120));
}

// Once the bar has reached its limit the strip moves alone, up to the body's bottom edge, and the
// release takes the height from where the strip was left.
TEST_F(SplitterTest, AtItsLimitOnlyTheStripMovesAndTheReleaseCommitsItsPosition) {
  auto a = addResizable("a", 1980), b = addResizable("b", 3960);
  dock->setShow(true);
  harness().press(split(a), kButtonLeft, 300, 30);
  walk(a, b,
       {{3500, 5460, 480, 5365},
        {50, 5490, 450, 5395},  // grows while below its limit, though beyond it afterwards
        {50, 5490, 450, 5445},
        {50, 5490, 450, 5495},
        {10, 5490, 450, 5495}});  // the strip stops below the body's bottom edge
  harness().release(split(a), kButtonLeft, 300, 10);
  EXPECT_EQ(std::make_tuple(a->Height(), b->Height(), top(b)), std::make_tuple(5570, 370, 5570.0f));
}

// In scroll mode the dragged bar alone changes; the bars below follow. Near the title the strip
// snaps to 300 only when it already lies between 280 and 300.
TEST_F(SplitterTest, ScrollModeResizesOnlyTheDraggedBarAndStopsNearTheTitle) {
  dock->setAllowScroll(true);
  auto a = addResizable("a", 390), b = addResizable("b", 400), c = addResizable("c", 2000);
  auto l = addResizable("l", 1000);
  l->setAlignBar(kiv::eAlignLeft);
  dock->setShow(true);
  walk(a, b, {{-5, 375, 400, 280}, {-5, 375, 400, 280}});  // from 295 snaps to 300; at 280 stays
  walk(b, c, {{-15, 365, 2000, 270}});                     // from 305: the full offset, to 290
  // A single large move takes the strip far above 300; the bar stops at its own minimum.
  walk(c, l, {{150, 2130, 1000, 2035}, {-1900, 300, 1000, 205}});

  harness().release(split(a), kButtonLeft, 300, 0);
  EXPECT_EQ(stored("a"), "1:1:1:355");
}

}  // namespace kivtest
