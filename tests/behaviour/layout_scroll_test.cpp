// The layout pass in scroll mode: the top band and the two columns, the separator lines, the
// scroll bar's range and value, scrolling, and the up and down buttons of each group.
#include <tuple>

#include "support/dock_fixture.h"

namespace kivtest {

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
    const kiv::PictureBox& body = el().picDockBar(k(b));
    return {body.Left(), body.Width(), body.Top()};
  }
  void relayout() { dock->ShowElement(9999); }  // a layout pass: no bar has this index
};

TEST_F(ScrollLayoutTest, BandAndColumnsTakeTheirPlacesWithRoundedWidths) {
  harness().resize(*dock, 1021, 6000);  // usable width 1001, no scroll bar
  auto top = bar("top", 1000), left = bar("left", 1500, kiv::eAlignLeft);
  auto right = bar("right", 1200, kiv::eAlignRight), bottom = bar("bottom", 700, kiv::eAlignBottom);
  bottom->setTop(4321);
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(box(top), std::make_tuple(30.0f, 1001.0f, 0.0f));
  EXPECT_EQ(box(left), std::make_tuple(30.0f, 456.0f, 1000.0f));    // 455.5 to even
  EXPECT_EQ(box(right), std::make_tuple(546.0f, 470.0f, 1000.0f));  // 545.5 and 470.5 to even
  EXPECT_EQ(box(bottom), std::make_tuple(30.0f, 1001.0f, 4321.0f)) << "bottom bars are not stacked";
  const kiv::Line &line1 = el().Line1(), &line2 = el().Line2();
  EXPECT_TRUE(line1.Visible() && line2.Visible() && !el().VScroll().Visible());
  EXPECT_EQ(std::make_tuple(line1.X1(), line1.X2(), line2.X1(), line2.X2()),
            std::make_tuple(485.5f, 485.5f, 500.5f, 500.5f));
  // From the band's bottom to 50 above the longer column's bottom.
  EXPECT_EQ(std::make_pair(line1.Y1(), line2.Y2()), std::make_pair(1000.0f, 2450.0f));

  // An alignment outside the four groups keeps its place and width.
  auto odd = bar("odd", 500, static_cast<kiv::eAlignBar>(9));
  odd->setleft(77);
  odd->setWidth(1234);
  odd->setTop(99);
  relayout();
  EXPECT_EQ(box(odd), std::make_tuple(77.0f, 1234.0f, 99.0f));
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
  EXPECT_EQ(std::make_pair(left->Height(), left->HeightMax()), std::make_pair(4000, 20000))
      << "scroll mode shares nothing";

  harness().scrollTo(*dock, 400);
  EXPECT_EQ(std::make_tuple(top->Top(), left->Top(), right->Top()),
            std::make_tuple(-400, 2600, 2600));
  EXPECT_EQ(std::make_pair(el().Line1().Y1(), el().Line1().Y2()), std::make_pair(2600.0f, 6550.0f));
  EXPECT_EQ(scroll.Max(), 1050) << "scrolling alone leaves the range";
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

}  // namespace kivtest
