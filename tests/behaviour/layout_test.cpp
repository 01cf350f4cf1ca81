// The layout pass in fill mode and in scroll mode, and what lies inside a body box.
#include "support/dock_fixture.h"

namespace kivtest {

TEST_F(DockTest, FillModeStacksOneFullWidthColumnAndTellsEveryShownHost) {
  harness().resize(*dock, 3000, 6000);
  auto a = addBar("a"), hidden = addBar("h"), c = addBar("c"), bare = addBar("bare");
  for (const auto& bar : {a, hidden, c, bare}) bar->setHeight(1000);  // fixed: nothing is shared
  c->setCanExpand(true);
  c->setState(kiv::eBarCollapsed);
  hidden->setState(kiv::eBarHidden);
  for (const auto& bar : {a, hidden, c}) host(*bar);
  a->setleft(45);
  a->setWidth(2000);  // before the dock is shown the title follows at once, nothing is painted
  EXPECT_EQ(std::make_pair(body(a).Left(), el().picTitel(k(a)).Width()),
            std::make_pair(45.0f, 2000.0f));
  EXPECT_TRUE(events.log.empty());
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(std::make_tuple(a->Top(), c->Top(), bare->Top()), std::make_tuple(0, 1000, 1300));
  // Usable width 2980: every bar spans 30..3010, 10 twips past the dock's right edge.
  for (const auto& bar : {a, hidden, c, bare}) {
    EXPECT_EQ(std::make_pair(body(bar).Left(), bar->Width()), std::make_pair(30.0f, 2980));
  }
  EXPECT_FALSE(el().VScroll().Visible() || el().Line1().Visible() || el().Line2().Visible());
  // The hidden bar still counts as a neighbour for the up and down buttons.
  EXPECT_TRUE(el().imgDown(k(a)).Visible() && el().imgUp(k(c)).Visible());
  hidden->setCanMove(false);
  relayout();
  EXPECT_FALSE(el().imgDown(k(a)).Visible() || el().imgUp(k(c)).Visible());

  // Every pass tells the host of each bar that is not hidden and carries a control; the control
  // keeps a smallest size of 500 x 200.
  events.log.clear();
  harness().resize(*dock, 100, 50);
  EXPECT_EQ(events.log, (Keys{"CtlResize a", "CtlResize c"}));
  EXPECT_EQ(std::make_tuple(dock->Width(), dock->Height(), a->Width()),
            std::make_tuple(500, 200, 480));
}

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
  EXPECT_EQ(std::make_tuple(split.Top(), split.Width(), split.BackColor()),
            std::make_tuple(1905.0f, 3980.0f, 0x00336699));
  // Without a splitter the control reaches the bottom edge; an extra offset pushes it past.
  EXPECT_FALSE(el().picSplit(k(lower)).Visible());
  lower->setfTopBar(100);
  relayout();
  EXPECT_EQ(std::make_pair(other->top, other->height), std::make_pair(360, 740.0));

  // A collapsed bar's control is hidden but still moved; its height is left alone.
  grid->top = -1;
  upper->setState(kiv::eBarCollapsed);
  EXPECT_FALSE(grid->visible || split.Visible());
  EXPECT_EQ(std::make_pair(grid->top, grid->height), std::make_pair(260, 1665.0));
}

// The layout pass in scroll mode: the top band and the two columns, the separator lines, the
// scroll bar's range and value, scrolling, and the up and down buttons of each group.
class ScrollLayoutTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    dock->setAllowScroll(true);
  }
  std::shared_ptr<kiv::cKivBar> bar(const std::string& key, std::int32_t height,
                                    kiv::eAlignBar align = kiv::eAlignTop) {
    auto b = addBar(key);
    b->setHeight(height);
    b->setAlignBar(align);
    return b;
  }
  // Left, width and top of a bar's body box.
  std::tuple<float, float, float> box(const std::shared_ptr<kiv::cKivBar>& b) {
    return {body(b).Left(), body(b).Width(), body(b).Top()};
  }
};

TEST_F(ScrollLayoutTest, BandAndColumnsTakeTheirPlacesWithRoundedWidths) {
  harness().resize(*dock, 1021, 6000);  // usable width 1001, no scroll bar
  auto top = bar("top", 1000), left = bar("left", 1500, kiv::eAlignLeft);
  auto right = bar("right", 1200, kiv::eAlignRight), bottom = bar("bottom", 700, kiv::eAlignBottom);
  bottom->setTop(4321);
  left->setAllowResize(true);
  left->setShowClose(true);
  auto grid = host(*left);
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(box(top), std::make_tuple(30.0f, 1001.0f, 0.0f));
  EXPECT_EQ(box(left), std::make_tuple(30.0f, 456.0f, 1000.0f));    // 455.5 to even
  EXPECT_EQ(box(right), std::make_tuple(546.0f, 470.0f, 1000.0f));  // 545.5 and 470.5 to even
  EXPECT_EQ(box(bottom), std::make_tuple(30.0f, 1001.0f, 4321.0f)) << "bottom bars are not stacked";
  // In the left column the splitter is 50 narrower, the control and the title 30, and the
  // title's buttons are placed from that edge; the line still runs the full width.
  EXPECT_EQ(
      std::make_tuple(el().picSplit(k(left)).Width(), el().lineSplit(k(left)).X2(), grid->width,
                      el().picTitel(k(left)).Width(), el().imgClose(k(left)).Left()),
      std::make_tuple(406.0f, 456.0f, 426.0, 426.0f, 426.0f - 260));
  const kiv::Line &line1 = el().Line1(), &line2 = el().Line2();
  EXPECT_TRUE(line1.Visible() && line2.Visible() && !el().VScroll().Visible());
  EXPECT_EQ(std::make_tuple(line1.X1(), line1.X2(), line2.X1(), line2.X2()),
            std::make_tuple(485.5f, 485.5f, 500.5f, 500.5f));
  // From the band's bottom to 50 above the longer column's bottom.
  EXPECT_EQ(std::make_pair(line1.Y1(), line2.Y2()), std::make_pair(1000.0f, 2450.0f));
}

TEST_F(ScrollLayoutTest, ScrollBarRangeFollowsTheOverflowBelow20000) {
  harness().resize(*dock, 3000, 6000);
  auto a = bar("a", 5950);  // content exactly 50 shorter than the dock: diff 0
  dock->setShow(true);
  const kiv::VScrollBar& scroll = el().VScroll();
  EXPECT_FALSE(scroll.Visible());
  struct Case {
    std::int32_t height, max, large, small;
  };
  for (const Case& c : {Case{5951, 20, 4, 1}, Case{6000, 50, 10, 2}, Case{6020, 70, 14, 4},
                        Case{25949, 19999, 4000, 1000}}) {
    a->setHeight(c.height);
    relayout();
    EXPECT_TRUE(scroll.Visible()) << c.height;
    EXPECT_EQ(std::make_tuple(scroll.Max(), scroll.LargeChange(), scroll.SmallChange()),
              std::make_tuple(c.max, c.large, c.small));
  }
  harness().sync(*dock);
  EXPECT_EQ(std::make_pair(scroll.Left(), scroll.Height()), std::make_pair(2695.0f, 5950.0f));
  // Usable width 2725: the bar reaches 2755 and overlaps the scroll bar by 60 twips.
  EXPECT_EQ(a->Width(), 2725);
  EXPECT_EQ(el().Line2().X1(), 1362.5f);
}

TEST_F(ScrollLayoutTest, ScrollingMovesTheStackedBarsAndTheNextPassMeasuresFromThere) {
  auto top = bar("top", 3000), right = bar("right", 1000, kiv::eAlignRight);
  auto left = addResizable("left", 4000);
  left->setAlignBar(kiv::eAlignLeft);
  dock->setShow(true);  // content 7000 in a dock of 6000: diff 1050
  const kiv::VScrollBar& scroll = el().VScroll();
  ASSERT_EQ(scroll.Max(), 1050);
  EXPECT_EQ(left->Height(), 4000) << "scroll mode shares nothing";

  harness().scrollTo(*dock, 400);
  EXPECT_EQ(std::make_tuple(top->Top(), left->Top(), right->Top()),
            std::make_tuple(-400, 2600, 2600));
  EXPECT_EQ(std::make_pair(el().Line1().Y1(), el().Line1().Y2()), std::make_pair(2600.0f, 6550.0f));
  relayout();  // the bottom edge measured with the bars scrolled: 6600 - 6000 + 50
  EXPECT_EQ(std::make_pair(scroll.Max(), scroll.Value()), std::make_pair(650, 400));

  // A state change restacks the bars but leaves the range to the next pass.
  top->setCanExpand(true);
  top->setState(kiv::eBarCollapsed);
  EXPECT_EQ(left->Top(), -100);
  EXPECT_EQ(scroll.Max(), 650);

  // A diff of 20000 or more counts as fitting: hidden, value back to 0, the bars at the top.
  left->setHeight(26050);  // bottom edge 25950: diff 20000
  relayout();
  EXPECT_FALSE(scroll.Visible());
  EXPECT_EQ(std::make_tuple(scroll.Value(), top->Top(), top->Width()), std::make_tuple(0, 0, 3980));
}

// The layout pass sets the range and leaves the value alone, even above the range; the offset
// applies only while the scroll bar is visible when the bars are stacked.
TEST_F(ScrollLayoutTest, TheScrollValueOutlivesTheRangeAndAppliesOnlyWhileVisible) {
  harness().resize(*dock, 3000, 3000);
  auto a = bar("a", 5000);
  dock->setShow(true);
  const kiv::VScrollBar& scroll = el().VScroll();
  harness().scrollTo(*dock, 1500);
  dock->ShowElement(0);
  EXPECT_EQ(std::make_tuple(scroll.Max(), scroll.Value(), a->Top()),
            std::make_tuple(550, 1500, -1500));
  harness().scrollTo(*dock, 500);
  dock->setAllowScroll(false);
  dock->ShowElement(0);
  dock->setAllowScroll(true);
  dock->ShowElement(0);
  EXPECT_EQ(std::make_tuple(scroll.Visible(), scroll.Value(), a->Top()),
            std::make_tuple(true, 500, 0));
}

// A handler that clears the bars while the widths are laid out: the pass meets the missing bar.
TEST_F(DockTest, ClearingTheBarsInsideTheWidthPassIsReported) {
  for (const char* key : {"a", "b", "c"}) host(*addResizable(key, 1000));
  dock->setShow(true);
  events.onCtlResize = [&] { dock->Bars().Clear(); };
  dock->ShowElement(99);
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "KivDock.pResizeWidth");
}

}  // namespace kivtest
