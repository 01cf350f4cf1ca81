// The control's public members and its life: a new dock, Show and DoLoadSettings, ShowElement,
// hWndItem, Save, and what termination saves and gives back.
#include "support/dock_fixture.h"

namespace kivtest {

class DockLifecycleTest : public DockTest {
 protected:
  kiv::cKivBar& bar(const std::string& key) { return *dock->Bars().ItemByKey(key); }
  std::int16_t index(const std::string& key) { return static_cast<std::int16_t>(bar(key).Index()); }
  float top(const std::string& key) { return el().picDockBar(index(key)).Top(); }
  using Keys = std::vector<std::string>;
};

TEST_F(DockLifecycleTest, NewDockIsBlankWithItsDefaults) {
  EXPECT_FALSE(dock->Show());
  EXPECT_FALSE(dock->AllowScroll());
  EXPECT_TRUE(dock->DoLoadSettings());
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(el().UBound(), 0);
  dock->setShow(true);  // a shown dock without bars
  EXPECT_TRUE(dock->Show());
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockLifecycleTest, AllowScrollAndDoLoadSettingsOnlyStoreUntilTheNextPass) {
  addBar("a")->setHeight(600);
  services->Settings[{"DockBar", "a"}] = "1:2:1:600";
  dock->setDoLoadSettings(false);
  EXPECT_FALSE(dock->DoLoadSettings());
  dock->setShow(true);
  EXPECT_EQ(bar("a").AlignBar(), kiv::eAlignTop);  // not loaded
  EXPECT_TRUE(dock->DoLoadSettings());             // set back by the refresh
  dock->setAllowScroll(true);
  EXPECT_TRUE(dock->AllowScroll());
  EXPECT_FALSE(el().Line1().Visible());  // nothing laid out yet
  dock->ShowElement(0);
  EXPECT_TRUE(el().Line1().Visible());
}

TEST_F(DockLifecycleTest, ShowFalseStopsRelayoutAndShowTrueRefreshesWithSettingsAgain) {
  auto a = addBar("a");
  a->setHeight(600);
  auto grid = host(*a);
  addBar("b")->setHeight(600);
  dock->setShow(true);
  ASSERT_TRUE(el().picDockBar(k(a)).Visible());
  ASSERT_EQ(top("b"), 600);

  dock->setShow(false);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());  // nothing is hidden
  EXPECT_TRUE(grid->visible);
  events.log.clear();
  a->setTitleForeColor(0xFF);
  a->setHeight(900);
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(top("b"), 600);

  services->Settings[{"DockBar", "a"}] = "2:1:1:900";
  services->Settings[{"DockBar", "b"}] = "1:1:1:600";
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"b", "a"}));
  EXPECT_EQ(top("a"), 600);
}

TEST_F(DockLifecycleTest, ShowElementZeroExpandsHiddenBarsAndKeepsCollapsedOnes) {
  auto a = addBar("a");
  auto b = addResizable("b", 1200);
  addBar("c")->setHeight(600);
  a->setHeight(600);
  a->setState(kiv::eBarHidden);
  b->setState(kiv::eBarCollapsed);
  dock->setShow(true);
  ASSERT_FALSE(el().picDockBar(k(a)).Visible());
  EXPECT_FALSE(dock->ShowElement(0).has_value());
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_EQ(b->State(), kiv::eBarCollapsed);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());
  EXPECT_EQ(top("b"), 600);
  EXPECT_EQ(top("c"), 900);
}

TEST_F(DockLifecycleTest, ShowElementWithAnIndexShowsThatBarAndAlwaysLaysOut) {
  for (const char* key : {"a", "b", "c", "d", "e"}) addBar(key)->setHeight(600);
  bar("c").setState(kiv::eBarHidden);
  // While the dock is not shown nothing is stacked; an index without a bar only lays out.
  ASSERT_NE(top("b"), 600);
  EXPECT_FALSE(dock->ShowElement(7).has_value());
  EXPECT_EQ(bar("c").State(), kiv::eBarHidden);
  EXPECT_EQ(top("b"), 600);
  EXPECT_EQ(top("d"), 1200);  // a hidden bar takes no height
  EXPECT_FALSE(dock->ShowElement(3).has_value());
  EXPECT_EQ(bar("c").State(), kiv::eBarExpanded);
  EXPECT_EQ(top("d"), 1800);
  EXPECT_FALSE(dock->Show());
}

TEST_F(DockLifecycleTest, ResetInFillModeExpandsSizesAndRestoresCreationOrder) {
  harness().resize(*dock, 4000, 2460);  // room for four bars of 600
  auto a = addResizable("a", 1000);
  auto b = addResizable("b", 1500);
  auto c = addResizable("c", 800);
  c->setShowClose(true);
  addBar("d")->setHeight(600);
  services->Settings[{"DockBar", "a"}] = "4:1:1:1000";
  services->Settings[{"DockBar", "b"}] = "3:1:0:1500";
  services->Settings[{"DockBar", "c"}] = "2:1:2:800";
  services->Settings[{"DockBar", "d"}] = "1:1:1:600";
  dock->setShow(true);
  ASSERT_EQ(order(), (Keys{"d", "c", "b", "a"}));
  ASSERT_EQ(b->State(), kiv::eBarCollapsed);
  ASSERT_EQ(c->State(), kiv::eBarHidden);
  dock->setShow(false);

  EXPECT_FALSE(dock->ShowElement(-1).has_value());
  EXPECT_TRUE(dock->Show());
  EXPECT_EQ(order(), (Keys{"a", "b", "c", "d"}));  // the stored order is not loaded again
  for (const auto& bar : {a, b, c}) {
    EXPECT_EQ(bar->State(), kiv::eBarExpanded);
    EXPECT_EQ(bar->Height(), 600);
  }
  EXPECT_EQ(top("b"), 600);
  EXPECT_EQ(top("c"), 1200);
  EXPECT_EQ(top("d"), 1800);
  EXPECT_TRUE(el().picDockBar(k(c)).Visible());
}

TEST_F(DockLifecycleTest, ResetInScrollModeOnlyRecoloursAndRepaints) {
  auto a = addResizable("a", 1000);
  auto b = addResizable("b", 1500);
  auto c = addBar("c");
  c->setHeight(700);
  services->Settings[{"DockBar", "a"}] = "3:1:1:1000";
  services->Settings[{"DockBar", "b"}] = "1:1:0:1500";
  services->Settings[{"DockBar", "c"}] = "2:1:1:700";
  dock->setAllowScroll(true);
  dock->setShow(true);
  ASSERT_EQ(order(), (Keys{"b", "c", "a"}));
  dock->setShow(false);
  services->Colors[140] = 0xC0FFEE;
  services->Settings.clear();

  dock->ShowElement(-1);
  EXPECT_TRUE(dock->Show());
  EXPECT_EQ(order(), (Keys{"b", "c", "a"}));
  EXPECT_EQ(b->State(), kiv::eBarCollapsed);
  EXPECT_EQ(a->Height(), 1000);
  EXPECT_EQ(c->Height(), 700);
  EXPECT_EQ(a->BackColor(), 0xC0FFEE);
  EXPECT_EQ(el().picDockBar(k(a)).BackColor(), 0xC0FFEE);
  EXPECT_TRUE(services->Settings.empty());  // nothing saved
}

TEST_F(DockLifecycleTest, HWndItemIsTheBodyBoxWindow) {
  auto a = addBar("a");
  auto b = addBar("b");
  EXPECT_EQ(dock->hWndItem(k(a)), el().picDockBar(k(a)).hWnd());
  EXPECT_NE(dock->hWndItem(k(a)), dock->hWndItem(k(b)));
  EXPECT_NE(dock->hWndItem(k(a)), 0u);
  try {
    dock->hWndItem(3);
    ADD_FAILURE() << "no element set 3";
  } catch (const kiv::KivError& e) {
    EXPECT_EQ(e.Number(), 340);
  }
}

TEST_F(DockLifecycleTest, SaveWritesEveryKeyedBar) {
  addBar("a")->setHeight(600);
  dock->Bars().Add()->setHeight(600);  // no key: not written
  addResizable("c", 900);
  dock->Save();
  EXPECT_FALSE(stored("a").empty());
  EXPECT_FALSE(stored("c").empty());
  EXPECT_EQ(services->Settings.size(), 2u);
}

TEST_F(DockLifecycleTest, TerminationAtRunTimeSavesAndGivesHostedControlsBack) {
  const kiv::Hwnd form = harness().newWindow(0);
  auto a = addResizable("a", 1500);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdItems");
  a->letControl(grid);
  dock->setShow(true);
  services->Settings.clear();
  dock->setEventSink(nullptr);
  dock.reset();
  EXPECT_FALSE(stored("a").empty());
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form);
  EXPECT_FALSE(grid->visible);
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockLifecycleTest, TerminationInADesignerSavesNothingButGivesControlsBack) {
  const kiv::Hwnd form = harness().newWindow(0);
  auto a = addResizable("a", 1500);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdItems");
  a->letControl(grid);
  dock->setShow(true);
  services->Settings.clear();
  harness().setUserMode(false);
  dock->setEventSink(nullptr);
  dock.reset();
  harness().setUserMode(true);
  EXPECT_TRUE(services->Settings.empty());
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form);
  EXPECT_FALSE(grid->visible);
  EXPECT_EQ(a->Control(), nullptr);
}

}  // namespace kivtest
