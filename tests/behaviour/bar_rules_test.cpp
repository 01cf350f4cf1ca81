// The bar's own rules: its defaults, the height rule with its limits and the remembered expanded
// height, the state rule, the title-line rule and which changes repaint the bar or only lay out
// its title. A repaint of a bar with a hosted control raises CtlResize once and applies the
// bar's BackColor to its body box; laying out the title does neither.
#include <functional>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
constexpr std::int32_t kMarker = 0x123456;  // a body colour no paint of the dock would choose
}  // namespace

class BarRulesTest : public DockTest {
 protected:
  // A shown dock with a resizable bar "a" that cannot be collapsed and carries a control, and a
  // second resizable bar.
  std::shared_ptr<kiv::cKivBar> shownBar() {
    auto bar = addBar("a");
    bar->setAllowResize(true);
    bar->setHeight(2000);
    addResizable("b", 2000);
    control = host(*bar);
    dock->setShow(true);
    events.log.clear();
    return bar;
  }
  std::size_t repaints() const { return events.count("CtlResize a"); }
  // Sets a body colour that only a repaint applies.
  void markBody(kiv::cKivBar& bar) { bar.setBackColor(kMarker); }
  bool bodyRepainted(const std::shared_ptr<kiv::cKivBar>& bar) {
    return el().picDockBar(k(bar)).BackColor() == kMarker;
  }
  std::shared_ptr<TestControl> control;
};

TEST_F(BarRulesTest, NewBarStartsWithItsDefaults) {
  auto bar = dock->Bars().Add();
  EXPECT_EQ(bar->State(), kiv::eBarExpanded);
  EXPECT_EQ(bar->AlignBar(), kiv::eAlignTop);
  EXPECT_TRUE(bar->CanMove());
  EXPECT_FALSE(bar->CanExpand());
  EXPECT_EQ(bar->Height(), 0);
  EXPECT_EQ(bar->HeightMax(), 0);
  EXPECT_FALSE(bar->AllowResize());
  EXPECT_FALSE(bar->ShowResize());
  EXPECT_FALSE(bar->ShowClose());
  EXPECT_FALSE(bar->ShowOptions());
  EXPECT_FALSE(bar->Redraw());
  EXPECT_FALSE(bar->HideByDefault());
  EXPECT_FALSE(bar->TitleVertical());
  EXPECT_EQ(bar->ID(), 0);
  EXPECT_EQ(bar->ItemData(), 0);
  EXPECT_EQ(bar->BackColor(), 0);
  EXPECT_EQ(bar->TitleBackColorStart(), 0);
  EXPECT_EQ(bar->TitleBackColorEnd(), 0);
  EXPECT_EQ(bar->TitleForeColor(), 0);
  EXPECT_EQ(bar->TitleForeColorOver(), 0);
  EXPECT_EQ(bar->Title(), "");
  EXPECT_EQ(bar->TitleRight(), "");
  EXPECT_EQ(bar->Key(), "");
  EXPECT_EQ(bar->Tag(), "");
  EXPECT_EQ(bar->ToolTipText(), "");
  EXPECT_EQ(bar->Icon(), nullptr);
  EXPECT_EQ(bar->TitleFont(), nullptr);
  EXPECT_EQ(bar->Control(), nullptr);

  // Without a title and without CanExpand a new bar still has its 260-twip title line: the
  // title box is not shown, but the hosted control starts below that line.
  auto grid = host(*bar);
  dock->setShow(true);
  EXPECT_FALSE(el().picTitel(k(bar)).Visible());
  EXPECT_EQ(grid->top, 260);
}

TEST_F(BarRulesTest, HeightRuleIgnoresSmallValuesAndRaisesShortOnesTo300) {
  auto bar = addBar("a");
  const float designHeight = el().picDockBar(k(bar)).Height();
  bar->setHeight(150);
  EXPECT_EQ(bar->Height(), 0);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), designHeight);
  bar->setHeight(151);
  EXPECT_EQ(bar->Height(), 300);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 300);  // the box follows also while not shown
  bar->setHeight(5000);
  EXPECT_EQ(bar->Height(), 5000);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 5000);
}

TEST_F(BarRulesTest, CollapsedBarStores300ButPassesTheAskedHeightToTheDock) {
  auto bar = addBar("a");
  bar->setCanExpand(true);
  bar->setHeight(2400);
  bar->setState(kiv::eBarCollapsed);
  ASSERT_EQ(bar->Height(), 300);
  bar->setHeight(5000);
  EXPECT_EQ(bar->Height(), 300);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 5000);
  // The stored height is compared before the value is raised: 300 itself changes nothing,
  // 299 is raised to 300 and reaches the dock.
  bar->setHeight(300);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 5000);
  bar->setHeight(299);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 300);
  // Expanding again brings back the last height set while expanded.
  bar->setState(kiv::eBarExpanded);
  EXPECT_EQ(bar->Height(), 2400);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 2400);
}

TEST_F(BarRulesTest, BarNeverSizedWhileExpandedStaysAt300) {
  auto bar = addBar("a");
  bar->setCanExpand(true);
  bar->setState(kiv::eBarCollapsed);
  EXPECT_EQ(bar->Height(), 300);
  bar->setState(kiv::eBarExpanded);
  EXPECT_EQ(bar->State(), kiv::eBarExpanded);
  EXPECT_EQ(bar->Height(), 300);
}

TEST_F(BarRulesTest, HiddenBarReadsHeightZeroAndIgnoresNewHeights) {
  auto bar = addBar("a");
  bar->setHeight(2400);
  bar->setState(kiv::eBarHidden);
  EXPECT_EQ(bar->Height(), 0);
  bar->setHeight(5000);
  EXPECT_EQ(bar->Height(), 0);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 2400);
  bar->setState(kiv::eBarExpanded);
  EXPECT_EQ(bar->Height(), 2400);
}

TEST_F(BarRulesTest, BarThatCannotExpandIsNeverCollapsed) {
  auto bar = shownBar();
  const std::int32_t height = bar->Height();
  bar->setState(kiv::eBarCollapsed);
  EXPECT_EQ(bar->State(), kiv::eBarExpanded);
  EXPECT_EQ(bar->Height(), height);
  EXPECT_EQ(repaints(), 0u);  // the dock heard nothing
  bar->setState(kiv::eBarHidden);
  bar->setState(kiv::eBarCollapsed);  // asked to collapse, a hidden bar comes back expanded
  EXPECT_EQ(bar->State(), kiv::eBarExpanded);
  EXPECT_GT(bar->Height(), 300);
}

// The height change reaches the dock first, with the new state already stored; the state change
// follows.
TEST_F(BarRulesTest, CollapsingTellsTheDockOfTheHeightBeforeTheState) {
  auto bar = shownBar();
  bar->setCanExpand(true);
  struct Snapshot {
    kiv::EKivBarStates state;
    std::int32_t height;
    bool controlVisible;
  };
  struct Recorder : EventLog {
    std::function<void()> onResize;
    void CtlResize(std::string& Key) override {
      EventLog::CtlResize(Key);
      onResize();
    }
  } recorder;
  std::vector<Snapshot> seen;
  recorder.onResize = [&] { seen.push_back({bar->State(), bar->Height(), control->visible}); };
  dock->setEventSink(&recorder);
  bar->setState(kiv::eBarCollapsed);
  dock->setEventSink(&events);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0].state, kiv::eBarCollapsed);
  EXPECT_EQ(seen[0].height, 300);
  EXPECT_FALSE(seen[0].controlVisible);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 300);
}

TEST_F(BarRulesTest, ValuesOutsideTheEnumerationsAreStoredUnchanged) {
  auto bar = addBar("a");
  bar->setHeight(2400);
  bar->setState(static_cast<kiv::EKivBarStates>(7));
  EXPECT_EQ(bar->State(), 7);
  EXPECT_EQ(bar->Height(), 2400);                    // no height is stored for it
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 300);  // but the dock heard the collapsed height
  EXPECT_FALSE(bar->AllowResize());
  EXPECT_EQ(dock->Bars().CountVisible(), 1);
  bar->setState(static_cast<kiv::EKivBarStates>(-1));
  EXPECT_EQ(bar->State(), -1);
  bar->setHeight(3000);
  EXPECT_EQ(bar->Height(), 2400);
  EXPECT_EQ(el().picDockBar(k(bar)).Height(), 3000);
  bar->setAlignBar(static_cast<kiv::eAlignBar>(9));
  EXPECT_EQ(bar->AlignBar(), 9);
}

TEST_F(BarRulesTest, AllowResizeReadsFalseUnlessExpandedAndSetsShowResizeWithoutRepaint) {
  auto bar = shownBar();
  bar->setCanExpand(true);
  markBody(*bar);
  bar->setAllowResize(false);
  EXPECT_FALSE(bar->ShowResize());
  bar->setAllowResize(true);
  EXPECT_TRUE(bar->ShowResize());
  EXPECT_TRUE(bar->AllowResize());
  EXPECT_FALSE(bodyRepainted(bar));
  EXPECT_EQ(repaints(), 0u);
  bar->setState(kiv::eBarCollapsed);
  EXPECT_FALSE(bar->AllowResize());
  bar->setState(kiv::eBarHidden);
  EXPECT_FALSE(bar->AllowResize());
  bar->setState(kiv::eBarExpanded);
  EXPECT_TRUE(bar->AllowResize());
}

TEST_F(BarRulesTest, ShowResizeRepaintsOnlyWhenItChanges) {
  auto bar = shownBar();
  const bool now = bar->ShowResize();
  markBody(*bar);
  bar->setShowResize(now);
  EXPECT_EQ(repaints(), 0u);
  EXPECT_FALSE(bodyRepainted(bar));
  bar->setShowResize(!now);
  EXPECT_EQ(bar->ShowResize(), !now);
  EXPECT_EQ(repaints(), 1u);
  EXPECT_TRUE(bodyRepainted(bar));
}

TEST_F(BarRulesTest, TitleLineAppearsAndVanishesWithTheTitle) {
  auto bar = shownBar();  // CanExpand false, title "a"
  ASSERT_EQ(control->top, 260);
  markBody(*bar);
  bar->setTitle("");
  EXPECT_EQ(repaints(), 1u);
  EXPECT_TRUE(bodyRepainted(bar));
  EXPECT_EQ(control->top, 0);
  EXPECT_FALSE(el().picTitel(k(bar)).Visible());

  bar->setTitle("Kunden");
  EXPECT_EQ(repaints(), 2u);
  EXPECT_EQ(control->top, 260);
  EXPECT_TRUE(el().picTitel(k(bar)).Visible());
  EXPECT_EQ(el().lblTitel(k(bar)).Caption(), "Kunden");

  // Another non-empty title only lays out the title line.
  bar->setShowClose(true);  // stored; the next title layout shows the button
  bar->setTitle("kunden");  // case matters
  EXPECT_EQ(repaints(), 2u);
  EXPECT_EQ(el().lblTitel(k(bar)).Caption(), "kunden");
  EXPECT_TRUE(el().imgClose(k(bar)).Visible());

  // The same text does nothing at all.
  bar->setShowOptions(true);
  bar->setTitle("kunden");
  EXPECT_EQ(repaints(), 2u);
  EXPECT_FALSE(el().imgOpt(k(bar)).Visible());
}

TEST_F(BarRulesTest, EmptyTitleOnANewBarKeepsItsTitleLine) {
  auto bar = dock->Bars().Add();
  bar->setTitle("");
  auto grid = host(*bar);
  dock->setShow(true);
  EXPECT_EQ(grid->top, 260);
}

TEST_F(BarRulesTest, CanExpandSetsTheTitleLineWithoutTellingTheDock) {
  auto bar = shownBar();
  bar->setTitle("");
  ASSERT_EQ(control->top, 0);
  const auto before = repaints();
  bar->setCanExpand(true);
  EXPECT_EQ(repaints(), before);
  EXPECT_EQ(control->top, 0);
  bar->setTitleForeColor(bar->TitleForeColor());  // any repaint shows the new title line
  EXPECT_EQ(control->top, 260);
  bar->setCanExpand(false);
  bar->setTitleForeColor(bar->TitleForeColor());
  EXPECT_EQ(control->top, 0);
  bar->setTitle("x");
  bar->setCanExpand(false);  // a title keeps the line
  bar->setTitleForeColor(bar->TitleForeColor());
  EXPECT_EQ(control->top, 260);
}

TEST_F(BarRulesTest, TitleColoursRepaintEvenWhenUnchanged) {
  auto bar = shownBar();
  bar->setTitleForeColor(bar->TitleForeColor());
  EXPECT_EQ(repaints(), 1u);
  bar->setTitleBackColorStart(bar->TitleBackColorStart());
  EXPECT_EQ(repaints(), 2u);
  bar->setTitleBackColorEnd(bar->TitleBackColorEnd());
  EXPECT_EQ(repaints(), 3u);
  bar->setTitleVertical(bar->TitleVertical());
  EXPECT_EQ(repaints(), 4u);
  bar->setTitleForeColor(0x0000FF);
  EXPECT_EQ(repaints(), 5u);
  EXPECT_EQ(el().lblTitel(k(bar)).ForeColor(), 0x0000FF);
  // The body colour is only stored; it shows with the next paint.
  markBody(*bar);
  EXPECT_FALSE(bodyRepainted(bar));
  bar->setTitleVertical(true);
  EXPECT_TRUE(bodyRepainted(bar));
}

TEST_F(BarRulesTest, TitleRightAndIconOnlyLayOutTheTitle) {
  auto bar = shownBar();
  bar->setTitleRight("3 Einträge");
  EXPECT_EQ(el().lblTitelRight(k(bar)).Caption(), "3 Einträge");
  bar->setShowClose(true);
  bar->setTitleRight("3 Einträge");  // unchanged: no layout
  EXPECT_FALSE(el().imgClose(k(bar)).Visible());
  auto icon = std::make_shared<kiv::Picture>();
  icon->WidthPx = icon->HeightPx = 16;
  icon->Argb.assign(256, 0xFF00FF00u);
  bar->setIcon(icon);
  EXPECT_EQ(bar->Icon(), icon);
  EXPECT_EQ(el().imgIcon(k(bar)).Picture(), icon);
  EXPECT_TRUE(el().imgClose(k(bar)).Visible());
  EXPECT_EQ(repaints(), 0u);
}

}  // namespace kivtest
