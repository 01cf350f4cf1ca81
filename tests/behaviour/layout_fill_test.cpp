// The layout pass in fill mode: one full-width column stacked from the top, no scroll bar, no
// separator lines, the up and down buttons from the neighbours, and CtlResize on every pass.
#include "support/dock_fixture.h"

namespace kivtest {

// Bars of fixed height: not resizable, so the sharing of the height leaves them alone.
class FillLayoutTest : public DockTest {
 protected:
  std::shared_ptr<kiv::cKivBar> fixedBar(const std::string& key, std::int32_t height) {
    auto bar = addBar(key);
    bar->setHeight(height);
    return bar;
  }
};

TEST_F(FillLayoutTest, FillModeStacksOneFullWidthColumnAndSkipsHiddenBars) {
  harness().resize(*dock, 3000, 6000);
  auto a = fixedBar("a", 1000);
  auto hidden = fixedBar("h", 800);
  auto c = fixedBar("c", 1200);
  hidden->setState(kiv::eBarHidden);
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(c->Top(), 1000);
  EXPECT_FALSE(el().picDockBar(k(hidden)).Visible());
  for (const auto& bar : {a, hidden, c}) {
    // Usable width 2980: every bar spans 30..3010, 10 twips past the dock's right edge.
    EXPECT_EQ(el().picDockBar(k(bar)).Left(), 30.0f) << bar->Key();
    EXPECT_EQ(bar->Width(), 2980) << bar->Key();
  }
  EXPECT_FALSE(el().VScroll().Visible());
  EXPECT_FALSE(el().Line1().Visible());
  EXPECT_FALSE(el().Line2().Visible());

  // A change of height restacks the bars below.
  a->setHeight(1500);
  EXPECT_EQ(c->Top(), 1500);
}

TEST_F(FillLayoutTest, ABarsGeometryIsItsBodyBoxAlsoBeforeTheDockIsShown) {
  auto a = fixedBar("a", 1000);
  host(*a);
  a->setTop(120);
  a->setleft(45);
  a->setWidth(2000);
  const kiv::PictureBox& box = el().picDockBar(k(a));
  EXPECT_EQ(box.Top(), 120.0f);
  EXPECT_EQ(box.Left(), 45.0f);
  EXPECT_EQ(a->Width(), 2000);
  EXPECT_EQ(a->Top(), 120);
  EXPECT_EQ(el().picTitel(k(a)).Width(), 2000.0f) << "the title follows a new width at once";
  EXPECT_TRUE(events.log.empty()) << "nothing is painted before the dock is shown";

  dock->setShow(true);
  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(box.Left(), 30.0f);
  EXPECT_EQ(a->Width(), 3980);
}

TEST_F(FillLayoutTest, TheControlKeepsASmallestSizeAndTheUsableWidthFollowsIt) {
  auto a = fixedBar("a", 1000);
  dock->setShow(true);
  harness().resize(*dock, 100, 50);
  harness().sync(*dock);
  EXPECT_EQ(dock->Width(), 500);
  EXPECT_EQ(dock->Height(), 200);
  EXPECT_EQ(a->Width(), 480);
  EXPECT_EQ(el().picDockBar(k(a)).Left(), 30.0f);
}

TEST_F(FillLayoutTest, SwitchingToFillModeHidesScrollBarAndLinesAtTheNextPass) {
  dock->setAllowScroll(true);
  auto tall = fixedBar("tall", 9000);
  dock->setShow(true);
  ASSERT_TRUE(el().VScroll().Visible());
  ASSERT_TRUE(el().Line1().Visible());

  dock->setAllowScroll(false);
  EXPECT_TRUE(el().VScroll().Visible()) << "switching only stores the mode";
  dock->ShowElement(9999);  // a layout pass: no bar has this index
  EXPECT_FALSE(el().VScroll().Visible());
  EXPECT_FALSE(el().Line1().Visible());
  EXPECT_FALSE(el().Line2().Visible());
  EXPECT_EQ(tall->Width(), 3980);
}

TEST_F(FillLayoutTest, UpAndDownButtonsFollowTheNeighboursInTheWholeOrder) {
  auto a = fixedBar("a", 1000);
  auto b = fixedBar("b", 1000);
  auto c = fixedBar("c", 1000);
  auto d = fixedBar("d", 1000);
  d->setCanMove(false);
  dock->setShow(true);
  harness().sync(*dock);

  auto buttons = [&](const std::shared_ptr<kiv::cKivBar>& bar) {
    return std::make_pair(el().imgUp(k(bar)).Visible(), el().imgDown(k(bar)).Visible());
  };
  EXPECT_EQ(buttons(a), std::make_pair(false, true));
  EXPECT_EQ(buttons(b), std::make_pair(true, true));
  EXPECT_EQ(buttons(c), std::make_pair(true, false)) << "the bar below cannot move";
  EXPECT_EQ(buttons(d), std::make_pair(false, false));

  // A hidden bar between two movable bars still counts as their neighbour.
  b->setState(kiv::eBarHidden);
  dock->ShowElement(9999);
  EXPECT_EQ(buttons(a), std::make_pair(false, true));
  EXPECT_EQ(buttons(c), std::make_pair(true, false));
  b->setCanMove(false);
  dock->ShowElement(9999);
  EXPECT_EQ(buttons(a), std::make_pair(false, false));
  EXPECT_EQ(buttons(c), std::make_pair(false, false));
}

TEST_F(FillLayoutTest, EveryLayoutPassRaisesCtlResizeForEachShownBarWithAControl) {
  auto a = fixedBar("a", 1000);
  auto bare = fixedBar("bare", 1000);
  auto collapsed = fixedBar("col", 1000);
  auto hidden = fixedBar("hid", 1000);
  collapsed->setCanExpand(true);
  collapsed->setState(kiv::eBarCollapsed);
  hidden->setState(kiv::eBarHidden);
  host(*a);
  host(*collapsed);
  host(*hidden);
  dock->setShow(true);

  events.log.clear();
  harness().resize(*dock, 3500, 6000);
  EXPECT_EQ(events.log, (std::vector<std::string>{"CtlResize a", "CtlResize col"}));
}

}  // namespace kivtest
