// Inside a bar's body box: the splitter strip 20 twips above the bottom edge and the hosted
// control below the title line; the host hears CtlResize after every placement.
#include <tuple>

#include "support/dock_fixture.h"

namespace kivtest {

TEST_F(DockTest, ABarPlacesItsSplitterAndControlInsideItsBodyBox) {
  services->Colors[140] = 0x00336699;
  harness().resize(*dock, 4000, 3060);  // heights 2000 + 1000 fit: nothing is shared
  auto upper = addResizable("upper", 2000), lower = addResizable("lower", 1000);
  auto grid = host(*upper), other = host(*lower, "lstOther");
  dock->setShow(true);
  harness().sync(*dock);

  // From the 260-twip title line down to 75 above the bottom edge, where the splitter starts.
  EXPECT_EQ(std::make_tuple(grid->left, grid->top, grid->width, grid->height),
            std::make_tuple(0, 260, 3980.0, 1665.0));
  const kiv::PictureBox& split = el().picSplit(k(upper));
  EXPECT_TRUE(grid->visible && split.Visible());
  EXPECT_EQ(std::make_pair(split.Top(), split.Width()), std::make_pair(1905.0f, 3980.0f));
  EXPECT_EQ(split.BackColor(), 0x00336699);
  // Without a splitter the control reaches the bottom edge; an extra offset pushes it past.
  EXPECT_FALSE(el().picSplit(k(lower)).Visible());
  EXPECT_EQ(other->height, 740.0);
  lower->setfTopBar(100);
  dock->ShowElement(9999);
  EXPECT_EQ(std::make_pair(other->top, other->height), std::make_pair(360, 740.0));

  // A collapsed bar's control is hidden but still moved; its height is left alone.
  const int moves = grid->moves;
  upper->setState(kiv::eBarCollapsed);
  EXPECT_FALSE(grid->visible || split.Visible());
  EXPECT_GT(grid->moves, moves);
  EXPECT_EQ(grid->height, 1665.0);
}

TEST_F(DockTest, ALeftColumnBarHasANarrowerTitleSplitterAndControl) {
  dock->setAllowScroll(true);
  auto left = addResizable("left", 2000);
  left->setAlignBar(kiv::eAlignLeft);
  left->setShowClose(true);
  auto grid = host(*left);
  dock->setShow(true);
  harness().sync(*dock);
  ASSERT_EQ(left->Width(), 1945);  // 3980 / 2 - 45
  // Splitter 50 and control 30 narrower; the line still runs the full width. The title is 30
  // narrower, and its buttons are placed from that edge.
  EXPECT_EQ(
      std::make_tuple(el().picSplit(k(left)).Width(), el().lineSplit(k(left)).X2(), grid->width,
                      el().picTitel(k(left)).Width(), el().imgClose(k(left)).Left()),
      std::make_tuple(1895.0f, 1945.0f, 1915.0, 1915.0f, 1915.0f - 260));
}

}  // namespace kivtest
