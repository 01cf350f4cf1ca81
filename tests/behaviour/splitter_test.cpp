// Resizing a bar by dragging the splitter strip at its bottom.
#include "support/dock_fixture.h"

namespace kivtest {
namespace {

using kiv::kButtonLeft;
using kiv::kButtonRight;
using Keys = std::vector<std::string>;

class SplitterTest : public DockTest {
 protected:
  kiv::PictureBox& split(const std::shared_ptr<kiv::cKivBar>& bar) { return el().picSplit(k(bar)); }
  float top(const std::shared_ptr<kiv::cKivBar>& bar) { return el().picDockBar(k(bar)).Top(); }
  // One mouse move over the strip, with the pointer dy twips below its top edge.
  void drag(const std::shared_ptr<kiv::cKivBar>& bar, float dy,
            std::int16_t buttons = kButtonLeft) {
    harness().move(split(bar), buttons, 300, dy);
  }
};

TEST_F(SplitterTest, SeveralMovesResizeTheBarAndItsNeighbourLiveAndTheReleaseSaves) {
  auto a = addResizable("a", 1980);
  auto b = addResizable("b", 1980);
  auto c = addResizable("c", 1980);
  auto ca = host(*a);
  auto cb = host(*b);
  dock->setShow(true);
  ASSERT_TRUE(split(a).VisibleOnScreen());
  ASSERT_FLOAT_EQ(split(a).Top(), 1885);
  EXPECT_FALSE(split(c).VisibleOnScreen()) << "the last bar has no splitter";
  events.log.clear();

  harness().press(split(a), kButtonLeft, 300, 40);
  EXPECT_TRUE(events.log.empty());

  // The strip's bottom passes the body's bottom edge: the bar grows to it, the bar below gives
  // up the same height, and the hosts of both hear of it.
  drag(a, 50);
  EXPECT_EQ(a->Height(), 2010);
  EXPECT_EQ(b->Height(), 1950);
  EXPECT_FLOAT_EQ(split(a).Top(), 1915);
  EXPECT_FLOAT_EQ(top(b), 2010);
  EXPECT_FLOAT_EQ(top(c), 3960);
  EXPECT_EQ(events.log, (Keys{"CtlResize a", "CtlResize b", "CtlResize b", "CtlResize a"}));
  EXPECT_DOUBLE_EQ(ca->height, 2010 - 260 - 75);
  EXPECT_DOUBLE_EQ(cb->height, 1950 - 260 - 75);
  EXPECT_EQ(cb->top, 260);

  // Not yet past the bottom edge: only the strip moves.
  events.log.clear();
  drag(a, 10);
  EXPECT_FLOAT_EQ(split(a).Top(), 1925);
  EXPECT_EQ(a->Height(), 2010);
  EXPECT_TRUE(events.log.empty());

  drag(a, 20);
  EXPECT_EQ(a->Height(), 2020);
  EXPECT_EQ(b->Height(), 1940);
  EXPECT_FLOAT_EQ(split(a).Top(), 1925);

  // Upward moves shrink the bar at once; the bar below grows.
  drag(a, -100);
  EXPECT_EQ(a->Height(), 1900);
  EXPECT_EQ(b->Height(), 2060);
  EXPECT_FLOAT_EQ(split(a).Top(), 1805);
  EXPECT_FLOAT_EQ(top(b), 1900);

  // No offset, or any other button state than the left button alone: nothing happens.
  events.log.clear();
  drag(a, 0);
  drag(a, 400, kButtonLeft | kButtonRight);
  drag(a, -400, kButtonRight);
  EXPECT_FLOAT_EQ(split(a).Top(), 1805);
  EXPECT_EQ(a->Height(), 1900);
  EXPECT_TRUE(events.log.empty());
  EXPECT_TRUE(services->Settings.empty()) << "nothing is saved while dragging";

  harness().release(split(a), kButtonLeft, 300, 10);
  EXPECT_EQ(a->Height(), 1880);
  EXPECT_EQ(b->Height(), 2080);
  EXPECT_EQ(c->Height(), 1980);
  EXPECT_FLOAT_EQ(top(b), 1880);
  EXPECT_FLOAT_EQ(top(c), 3960);
  EXPECT_EQ(events.log, (Keys{"CtlResize a", "CtlResize b"}));
  EXPECT_EQ(stored("a"), "1:1:1:1880");
  EXPECT_EQ(stored("b"), "2:1:1:2080");
  EXPECT_EQ(stored("c"), "3:1:1:1980");
  EXPECT_EQ(a->HeightMax(), 1880 + 2080 - 500);
  EXPECT_TRUE(harness().messages().empty());
}

// A click on the strip commits its position, 20 twips above the body's bottom edge; so does the
// release of a drag with the right button, whose moves are ignored.
TEST_F(SplitterTest, PressAndReleaseWithoutMovingShortensTheBarBy20) {
  auto a = addResizable("a", 1980);
  auto b = addResizable("b", 3960);
  dock->setShow(true);

  harness().press(split(a), kButtonLeft, 300, 30);
  harness().release(split(a), kButtonLeft, 300, 30);
  EXPECT_EQ(a->Height(), 1960);
  EXPECT_EQ(b->Height(), 3980);
  EXPECT_EQ(stored("a"), "1:1:1:1960");
  EXPECT_EQ(stored("b"), "2:1:1:3980");

  harness().press(split(a), kButtonRight, 300, 30);
  drag(a, 600, kButtonRight);
  EXPECT_EQ(a->Height(), 1960);
  harness().release(split(a), kButtonRight, 300, 630);
  EXPECT_EQ(a->Height(), 1940);
  EXPECT_EQ(b->Height(), 4000);
  EXPECT_EQ(stored("a"), "1:1:1:1940");
}

// Once the bar has reached its limit the strip moves alone, up to the body's bottom edge, and the
// release takes the height from where the strip was left.
TEST_F(SplitterTest, AtItsLimitOnlyTheStripMovesAndTheReleaseCommitsItsPosition) {
  auto a = addResizable("a", 1980);
  auto b = addResizable("b", 3960);
  dock->setShow(true);
  ASSERT_EQ(a->HeightMax(), 1980 + 3960 - 500);

  harness().press(split(a), kButtonLeft, 300, 30);
  drag(a, 3500);
  EXPECT_EQ(a->Height(), 5460);
  EXPECT_EQ(b->Height(), 480);
  drag(a, 50);
  EXPECT_EQ(a->Height(), 5490);
  EXPECT_EQ(b->Height(), 450);
  EXPECT_EQ(a->HeightMax(), 5490 + 480 - 500);
  EXPECT_FLOAT_EQ(split(a).Top(), 5395);

  drag(a, 50);
  EXPECT_EQ(a->Height(), 5490) << "at its limit the bar no longer grows";
  EXPECT_FLOAT_EQ(split(a).Top(), 5445);
  drag(a, 50);
  EXPECT_FLOAT_EQ(split(a).Top(), 5495);
  drag(a, 10);
  EXPECT_FLOAT_EQ(split(a).Top(), 5495) << "the strip stops below the body's bottom edge";
  EXPECT_TRUE(services->Settings.empty());

  harness().release(split(a), kButtonLeft, 300, 10);
  EXPECT_EQ(a->Height(), 5570);
  EXPECT_EQ(b->Height(), 370);
  EXPECT_FLOAT_EQ(top(b), 5570);
  EXPECT_EQ(stored("a"), "1:1:1:5570");
  EXPECT_EQ(stored("b"), "2:1:1:370");
  EXPECT_EQ(a->HeightMax(), 5570 + 370 - 500);
}

// In scroll mode the dragged bar alone changes; the bars below follow. Near the title the strip
// snaps to 300 only when it already lies between 280 and 300.
TEST_F(SplitterTest, ScrollModeResizesOnlyTheDraggedBarAndStopsNearTheTitle) {
  dock->setAllowScroll(true);
  auto a = addResizable("a", 390);
  auto b = addResizable("b", 400);
  auto c = addResizable("c", 2000);
  auto l = addResizable("l", 1000);
  l->setAlignBar(kiv::eAlignLeft);
  host(*c);
  dock->setShow(true);
  ASSERT_FLOAT_EQ(split(a).Top(), 295);
  ASSERT_FLOAT_EQ(split(b).Top(), 305);
  events.log.clear();

  drag(c, 150);
  EXPECT_EQ(c->Height(), 2130);
  EXPECT_EQ(b->Height(), 400);
  EXPECT_FLOAT_EQ(top(l), 390 + 400 + 2130);
  EXPECT_EQ(events.log, (Keys{"CtlResize c", "CtlResize c"}));
  EXPECT_EQ(c->HeightMax(), 20000);

  drag(a, -5);  // from 295: snaps to 300
  EXPECT_EQ(a->Height(), 375);
  EXPECT_FLOAT_EQ(split(a).Top(), 280);
  EXPECT_FLOAT_EQ(top(b), 375);
  drag(a, -5);  // at 280: stays
  EXPECT_EQ(a->Height(), 375);
  EXPECT_FLOAT_EQ(split(a).Top(), 280);

  drag(b, -15);  // from 305: the full offset, to 290
  EXPECT_EQ(b->Height(), 365);
  EXPECT_FLOAT_EQ(split(b).Top(), 270);

  // A single large move takes the strip far above 300; the bar stops at its own minimum.
  drag(c, -1900);
  EXPECT_EQ(c->Height(), 300);
  EXPECT_FLOAT_EQ(split(c).Top(), 205);
  EXPECT_FLOAT_EQ(top(l), 375 + 365 + 300);
  EXPECT_TRUE(services->Settings.empty());

  harness().release(split(a), kButtonLeft, 300, 0);
  EXPECT_EQ(a->Height(), 355);
  EXPECT_EQ(stored("a"), "1:1:1:355");
  EXPECT_EQ(stored("c"), "3:1:1:300");
  EXPECT_EQ(stored("l"), "4:2:1:1000");
}

}  // namespace
}  // namespace kivtest
