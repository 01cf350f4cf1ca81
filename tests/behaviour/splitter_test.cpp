// Resizing a bar by dragging the splitter strip at its bottom.
#include <initializer_list>
#include <tuple>

#include "support/dock_fixture.h"

namespace kivtest {
namespace {

using kiv::kButtonLeft;
using kiv::kButtonRight;
using Bar = std::shared_ptr<kiv::cKivBar>;

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

}  // namespace
}  // namespace kivtest
