// The layout pass in scroll mode: the top band and the two columns, the separator lines, the
// scroll bar's range and value, scrolling, and the up and down buttons of each group.
#include "support/dock_fixture.h"

namespace kivtest {

class ScrollLayoutTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    dock->setAllowScroll(true);
  }
  std::shared_ptr<kiv::cKivBar> fixedBar(const std::string& key, std::int32_t height,
                                         kiv::eAlignBar align = kiv::eAlignTop) {
    auto bar = addBar(key);
    bar->setHeight(height);
    bar->setAlignBar(align);
    return bar;
  }
  // A layout pass and nothing else: ShowElement for an index without a bar.
  void relayout() { dock->ShowElement(9999); }
};

TEST_F(ScrollLayoutTest, BandAndColumnsTakeTheirPlacesWithRoundedWidths) {
  harness().resize(*dock, 1021, 6000);  // usable width 1001, no scroll bar
  auto top = fixedBar("top", 1000);
  auto left = fixedBar("left", 1500, kiv::eAlignLeft);
  auto right = fixedBar("right", 1200, kiv::eAlignRight);
  auto bottom = fixedBar("bottom", 700, kiv::eAlignBottom);
  bottom->setTop(4321);
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(top->Top(), 0);
  EXPECT_EQ(left->Top(), 1000);
  EXPECT_EQ(right->Top(), 1000);
  EXPECT_EQ(bottom->Top(), 4321) << "bottom bars are not stacked";

  auto box = [&](const std::shared_ptr<kiv::cKivBar>& bar) {
    const kiv::PictureBox& b = el().picDockBar(k(bar));
    return std::make_pair(b.Left(), b.Width());
  };
  EXPECT_EQ(box(top), std::make_pair(30.0f, 1001.0f));
  EXPECT_EQ(box(left), std::make_pair(30.0f, 456.0f));    // 455.5 to even
  EXPECT_EQ(box(right), std::make_pair(546.0f, 470.0f));  // 545.5 and 470.5 to even
  EXPECT_EQ(box(bottom), std::make_pair(30.0f, 1001.0f));

  EXPECT_TRUE(el().Line1().Visible());
  EXPECT_TRUE(el().Line2().Visible());
  EXPECT_EQ(el().Line1().X1(), 485.5f);
  EXPECT_EQ(el().Line1().X2(), 485.5f);
  EXPECT_EQ(el().Line2().X1(), 500.5f);
  EXPECT_EQ(el().Line2().X2(), 500.5f);
  EXPECT_EQ(el().Line1().Y1(), 1000.0f);
  EXPECT_EQ(el().Line2().Y2(), 2450.0f);  // 50 above the longer column's bottom
  EXPECT_FALSE(el().VScroll().Visible());

  // An alignment outside the four groups keeps its place and width.
  auto odd = fixedBar("odd", 500, static_cast<kiv::eAlignBar>(9));
  odd->setleft(77);
  odd->setWidth(1234);
  odd->setTop(99);
  relayout();
  EXPECT_EQ(box(odd), std::make_pair(77.0f, 1234.0f));
  EXPECT_EQ(odd->Top(), 99);
}

TEST_F(ScrollLayoutTest, ScrollBarRangeFollowsTheOverflow) {
  harness().resize(*dock, 3000, 6000);
  auto bar = fixedBar("a", 5950);  // content exactly 50 shorter than the dock: diff 0
  dock->setShow(true);
  const kiv::VScrollBar& scroll = el().VScroll();
  EXPECT_FALSE(scroll.Visible());
  EXPECT_EQ(bar->Width(), 2980);

  struct Case {
    std::int32_t height, max, large, small;
  };
  for (const Case& c : {Case{5951, 20, 4, 1}, Case{5969, 20, 4, 1}, Case{6000, 50, 10, 2},
                        Case{6020, 70, 14, 4}, Case{25949, 19999, 4000, 1000}}) {
    bar->setHeight(c.height);
    relayout();
    harness().sync(*dock);
    SCOPED_TRACE(c.height);
    ASSERT_TRUE(scroll.Visible());
    EXPECT_EQ(scroll.Max(), c.max);
    EXPECT_EQ(scroll.LargeChange(), c.large);
    EXPECT_EQ(scroll.SmallChange(), c.small);
    EXPECT_EQ(scroll.Height(), 5950.0f);
    EXPECT_EQ(scroll.Left(), 2695.0f);
    // Usable width 2725: the bar reaches 2755 and overlaps the scroll bar by 60 twips.
    EXPECT_EQ(bar->Width(), 2725);
    EXPECT_EQ(el().Line2().X1(), 1362.5f);
  }

  // 20000 or more counts as fitting: hidden, value back to 0, bars back at the top.
  bar->setHeight(6950);
  relayout();
  harness().scrollTo(*dock, 500);
  EXPECT_EQ(bar->Top(), -500);
  bar->setHeight(26450);  // 20000 over, measured from the scrolled bottom edge
  relayout();
  EXPECT_FALSE(scroll.Visible());
  EXPECT_EQ(scroll.Value(), 0);
  EXPECT_EQ(bar->Top(), 0);
  EXPECT_EQ(bar->Width(), 2980);
}

TEST_F(ScrollLayoutTest, ScrollingMovesEveryStackedBarAndTheRangeCountsFromTheScrolledEdge) {
  auto top = fixedBar("top", 3000);
  auto left = fixedBar("left", 4000, kiv::eAlignLeft);
  auto right = fixedBar("right", 1000, kiv::eAlignRight);
  dock->setShow(true);  // content 7000 in a dock of 6000: diff 1050
  const kiv::VScrollBar& scroll = el().VScroll();
  ASSERT_TRUE(scroll.Visible());
  ASSERT_EQ(scroll.Max(), 1050);

  harness().scrollTo(*dock, 400);
  EXPECT_EQ(top->Top(), -400);
  EXPECT_EQ(left->Top(), 2600);
  EXPECT_EQ(right->Top(), 2600);
  EXPECT_EQ(el().Line1().Y1(), 2600.0f);
  EXPECT_EQ(el().Line1().Y2(), 6550.0f);
  EXPECT_EQ(scroll.Max(), 1050) << "scrolling alone leaves the range";

  // The next pass measures the bottom edge with the bars scrolled: 6600 - 6000 + 50.
  relayout();
  EXPECT_EQ(scroll.Max(), 650);
  EXPECT_EQ(scroll.Value(), 400);
  EXPECT_EQ(top->Top(), -400);

  // A state change restacks the bars but leaves the range to the next pass.
  top->setCanExpand(true);
  top->setState(kiv::eBarCollapsed);
  EXPECT_EQ(left->Top(), -100);
  EXPECT_EQ(scroll.Max(), 650);
  EXPECT_TRUE(scroll.Visible());
}

TEST_F(ScrollLayoutTest, LeftColumnAloneStartsAtTheTopWithLinesBesideIt) {
  auto first = fixedBar("l1", 1000, kiv::eAlignLeft);
  auto second = fixedBar("l2", 1500, kiv::eAlignLeft);
  dock->setShow(true);
  EXPECT_EQ(first->Top(), 0);
  EXPECT_EQ(second->Top(), 1000);
  EXPECT_EQ(el().Line1().Y1(), 0.0f);
  EXPECT_EQ(el().Line1().Y2(), 2450.0f);
  EXPECT_EQ(el().Line2().Y2(), 2450.0f);
}

TEST_F(ScrollLayoutTest, EachGroupOffersItsOwnUpAndDownButtons) {
  auto t1 = fixedBar("t1", 600);
  auto t2 = fixedBar("t2", 600);
  auto l1 = fixedBar("l1", 600, kiv::eAlignLeft);
  auto r1 = fixedBar("r1", 600, kiv::eAlignRight);
  auto r2 = fixedBar("r2", 600, kiv::eAlignRight);
  dock->setShow(true);
  harness().sync(*dock);

  auto buttons = [&](const std::shared_ptr<kiv::cKivBar>& bar) {
    return std::make_pair(el().imgUp(k(bar)).Visible(), el().imgDown(k(bar)).Visible());
  };
  EXPECT_EQ(buttons(t1), std::make_pair(false, true));  // a top bar may move down to the left
  EXPECT_EQ(buttons(t2), std::make_pair(true, true));
  EXPECT_EQ(buttons(l1), std::make_pair(true, true));  // a left bar may always move up
  EXPECT_EQ(buttons(r1), std::make_pair(true, true));
  EXPECT_EQ(buttons(r2), std::make_pair(true, false));  // the last bar cannot move down
}

}  // namespace kivtest
