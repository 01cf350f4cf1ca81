// Inside a bar's body box: the splitter strip 20 twips above the bottom edge and the hosted
// control below the title line; the host hears CtlResize after every placement.
#include "support/dock_fixture.h"

namespace kivtest {

TEST_F(DockTest, AnExpandedBarCarriesItsControlDownToTheSplitter) {
  services->Colors[140] = 0x00336699;
  harness().resize(*dock, 4000, 3060);  // heights 2000 + 1000 fit: nothing is shared
  auto upper = addResizable("upper", 2000);
  auto lower = addResizable("lower", 1000);
  auto upperGrid = host(*upper);
  auto lowerGrid = host(*lower, "lstOther");
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(upperGrid->left, 0);
  EXPECT_EQ(upperGrid->top, 260);
  EXPECT_EQ(upperGrid->width, 3980.0);
  EXPECT_TRUE(upperGrid->visible);
  EXPECT_EQ(upperGrid->height, 1665.0);  // 2000 - title 260 - splitter 75

  const kiv::PictureBox& split = el().picSplit(k(upper));
  EXPECT_TRUE(split.Visible());
  EXPECT_EQ(split.Top(), 1905.0f);
  EXPECT_EQ(split.Width(), 3980.0f);
  EXPECT_EQ(split.BackColor(), 0x00336699);
  EXPECT_EQ(el().lineSplit(k(upper)).X2(), 3980.0f);

  // Without a splitter the control reaches the body box's bottom edge.
  EXPECT_FALSE(el().picSplit(k(lower)).Visible());
  EXPECT_EQ(lowerGrid->top, 260);
  EXPECT_EQ(lowerGrid->height, 740.0);

  // An extra offset above the control pushes it down, past the bottom edge.
  lower->setfTopBar(100);
  dock->ShowElement(9999);
  EXPECT_EQ(lowerGrid->top, 360);
  EXPECT_EQ(lowerGrid->height, 740.0);
}

TEST_F(DockTest, ACollapsedBarHidesItsControlButStillMovesItAndTellsTheHost) {
  harness().resize(*dock, 4000, 3060);
  auto upper = addResizable("upper", 2000);
  auto lower = addResizable("lower", 1000);
  auto grid = host(*upper);
  dock->setShow(true);
  const int movesBefore = grid->moves;
  events.log.clear();

  upper->setState(kiv::eBarCollapsed);
  EXPECT_FALSE(grid->visible);
  EXPECT_GT(grid->moves, movesBefore);
  EXPECT_EQ(grid->height, 1665.0) << "the height of a hidden control is left alone";
  EXPECT_FALSE(el().picSplit(k(upper)).Visible());
  EXPECT_GE(events.count("CtlResize upper"), 1u);
  EXPECT_EQ(events.count("CtlResize lower"), 0u) << "lower hosts no control";

  upper->setState(kiv::eBarExpanded);
  EXPECT_TRUE(grid->visible);
  EXPECT_EQ(grid->height, 1665.0);
}

TEST_F(DockTest, ALeftColumnBarHasANarrowerSplitterAndControl) {
  dock->setAllowScroll(true);
  auto left = addResizable("left", 2000);
  left->setAlignBar(kiv::eAlignLeft);
  auto grid = host(*left);
  dock->setShow(true);
  harness().sync(*dock);

  ASSERT_EQ(left->Width(), 1945);  // 3980 / 2 - 45
  EXPECT_TRUE(el().picSplit(k(left)).Visible());
  EXPECT_EQ(el().picSplit(k(left)).Width(), 1895.0f);
  EXPECT_EQ(el().lineSplit(k(left)).X2(), 1945.0f);
  EXPECT_EQ(grid->width, 1915.0);
  EXPECT_EQ(el().picTitel(k(left)).Width(), 1915.0f);
}

TEST_F(DockTest, CtlResizeComesOnlyFromBarsThatCarryAControl) {
  harness().resize(*dock, 4000, 3060);
  auto empty = addResizable("empty", 2000);
  auto bare = addResizable("bare", 1000);
  bare->letControl(std::make_shared<BareControl>(harness().newWindow(0)));
  dock->setShow(true);
  EXPECT_TRUE(el().picSplit(k(empty)).Visible()) << "the splitter does not need a control";
  EXPECT_EQ(events.count("CtlResize empty"), 0u);
  // A control without Move, Visible and Height is still announced.
  EXPECT_GE(events.count("CtlResize bare"), 1u);
  EXPECT_TRUE(harness().messages().empty());
}

}  // namespace kivtest
