// The layout pass in fill mode: one full-width column stacked from the top, no scroll bar or
// separator lines, up and down buttons from the neighbours, and CtlResize on every pass.
#include <tuple>

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
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(std::make_tuple(a->Top(), c->Top(), bare->Top()), std::make_tuple(0, 1000, 1300));
  // Usable width 2980: every bar spans 30..3010, 10 twips past the dock's right edge.
  for (const auto& bar : {a, hidden, c, bare}) {
    EXPECT_EQ(std::make_pair(el().picDockBar(k(bar)).Left(), bar->Width()),
              std::make_pair(30.0f, 2980));
  }
  EXPECT_FALSE(el().VScroll().Visible() || el().Line1().Visible() || el().Line2().Visible());

  // Every pass tells the host of each bar that is not hidden and carries a control; the control
  // keeps a smallest size of 500 x 200.
  events.log.clear();
  harness().resize(*dock, 100, 50);
  EXPECT_EQ(events.log, (std::vector<std::string>{"CtlResize a", "CtlResize c"}));
  EXPECT_EQ(std::make_tuple(dock->Width(), dock->Height(), a->Width()),
            std::make_tuple(500, 200, 480));
}

TEST_F(DockTest, ABarsGeometryIsItsBodyBoxAlsoBeforeTheDockIsShown) {
  auto a = addBar("a");
  host(*a);
  a->setleft(45);
  a->setWidth(2000);
  EXPECT_EQ(std::make_pair(el().picDockBar(k(a)).Left(), el().picTitel(k(a)).Width()),
            std::make_pair(45.0f, 2000.0f))
      << "the title follows a new width at once";
  EXPECT_TRUE(events.log.empty()) << "nothing is painted before the dock is shown";
}

TEST_F(DockTest, AHiddenBarStillCountsAsANeighbourForTheUpAndDownButtons) {
  auto a = addBar("a"), hidden = addBar("h"), c = addBar("c");
  hidden->setState(kiv::eBarHidden);
  dock->setShow(true);
  EXPECT_TRUE(el().imgDown(k(a)).Visible() && el().imgUp(k(c)).Visible());
  hidden->setCanMove(false);
  dock->ShowElement(9999);  // a layout pass: no bar has this index
  EXPECT_FALSE(el().imgDown(k(a)).Visible() || el().imgUp(k(c)).Visible());
}

}  // namespace kivtest
