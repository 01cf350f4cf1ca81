// The control's life: a new dock, ShowElement, Show and DoLoadSettings with a close request while
// the settings load, the reset to the default arrangement, the one shared services object, and
// host handlers that change the dock from inside.
#include <cstring>

#include "support/dock_fixture.h"

namespace kivtest {

class DockLifecycleTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    kiv::setSharedServicesFactory([this]() -> std::shared_ptr<kiv::SharedServices> {
      ++created;
      return services;
    });
  }
  kiv::cKivBar& bar(const std::string& key) { return *dock->Bars().ItemByKey(key); }
  float top(const std::string& key) { return el().picDockBar(bar(key).Index()).Top(); }
  int created = 0;
};

// The dock is not shown: only ShowElement's own layout pass stacks the bars. The shared services
// object is created at its first use and serves every dock.
TEST_F(DockLifecycleTest, ShowElementLaysOutWithoutShowingAndOneServicesObjectServesEveryDock) {
  EXPECT_FALSE(dock->Show() || dock->AllowScroll());
  EXPECT_TRUE(dock->DoLoadSettings());
  for (const char* key : {"a", "b", "c", "d", "e"}) addBar(key)->setHeight(600);
  bar("b").setCanExpand(true);
  bar("b").setState(kiv::eBarCollapsed);
  bar("c").setState(kiv::eBarHidden);
  bar("d").setState(kiv::eBarHidden);
  ASSERT_NE(top("e"), 900);
  EXPECT_FALSE(dock->ShowElement(7).has_value());  // no such bar: only the layout runs
  EXPECT_EQ(top("e"), 900);
  EXPECT_FALSE(dock->ShowElement(3).has_value());
  EXPECT_EQ(top("e"), 1500);
  EXPECT_FALSE(dock->ShowElement(0).has_value());
  EXPECT_EQ(std::make_pair(bar("d").State(), bar("b").State()),
            std::make_pair(kiv::eBarExpanded, kiv::eBarCollapsed));
  EXPECT_EQ(top("e"), 2100);
  EXPECT_EQ(created, 0);  // nothing so far needed the services

  services->Colors[14] = 0x102030;
  dock->setShow(true);
  auto second = harness().createDock(3000, 3000);
  auto other = second->Bars().Add();
  second->setShow(true);
  EXPECT_EQ(std::make_pair(other->TitleBackColorStart(), created), std::make_pair(0x102030, 1));
}

TEST_F(DockLifecycleTest, ShowFalseStopsRelayoutAndShowTrueReloadsTheSettingsUndisturbed) {
  auto a = addBar("a");
  a->setHeight(600);
  a->setShowClose(true);
  addBar("b")->setHeight(600);
  services->Settings[{"DockBar", "a"}] = "2:1:1:600";
  services->Settings[{"DockBar", "b"}] = "1:1:1:600";
  const auto settings = services->Settings;
  dock->setDoLoadSettings(false);
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"a", "b"}));  // not loaded this once
  EXPECT_TRUE(dock->DoLoadSettings());
  dock->setShow(false);
  a->setHeight(900);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());  // nothing is hidden, nothing laid out
  EXPECT_EQ(top("b"), 600);
  // While the settings load, closing does nothing.
  int reads = 0;
  services->onRead = [&](const std::string&) {
    if (reads++ == 0) harness().click(el().imgClose(k(a)));
  };
  dock->setShow(true);
  ASSERT_GT(reads, 0);
  EXPECT_EQ(order(), (Keys{"b", "a"}));
  EXPECT_EQ(a->State(), kiv::eBarExpanded);  // the close was ignored
  EXPECT_EQ(services->Settings, settings);
}

// In scroll mode the reset only recolours, shares the height and repaints; in fill mode it also
// expands every bar, gives the resizable ones 600 and restores creation order.
TEST_F(DockLifecycleTest, ResetToTheDefaultArrangement) {
  harness().resize(*dock, 4000, 1960);  // room for two bars of 600 and one of 700
  auto a = addResizable("a", 1000), b = addResizable("b", 1500), c = addBar("c");
  c->setHeight(700);
  services->Settings[{"DockBar", "a"}] = "3:1:1:1000";
  services->Settings[{"DockBar", "b"}] = "1:1:0:1500";
  services->Settings[{"DockBar", "c"}] = "2:1:1:700";
  dock->setAllowScroll(true);
  dock->setShow(true);
  ASSERT_EQ(order(), (Keys{"b", "c", "a"}));
  dock->setShow(false);
  services->Colors[140] = 0xC0FFEE;
  const auto settings = services->Settings;
  EXPECT_FALSE(dock->ShowElement(-1).has_value());
  EXPECT_TRUE(dock->Show());
  EXPECT_EQ(order(), (Keys{"b", "c", "a"}));
  EXPECT_EQ(std::make_tuple(b->State(), a->Height(), body(a).BackColor()),
            std::make_tuple(kiv::eBarCollapsed, 1000, 0xC0FFEE));
  EXPECT_EQ(services->Settings, settings);  // nothing saved

  dock->setShow(false);
  dock->setAllowScroll(false);
  dock->ShowElement(-1);
  EXPECT_EQ(order(), (Keys{"a", "b", "c"}));  // the stored order is not loaded again
  EXPECT_EQ(b->State(), kiv::eBarExpanded);
  EXPECT_EQ(std::make_tuple(a->Height(), b->Height(), c->Height()), std::make_tuple(600, 600, 700));
  EXPECT_EQ(top("c"), 1200);
}

// Host handlers run synchronously and may change the dock from inside; the pass lays out what
// they wrote. (A handler that never stops is reported once: Torture, CtlResize and Height.)
TEST_F(DockTest, ACtlResizeHandlerMayChangeAnotherBar) {
  auto a = addBar("a"), b = addBar("b"), c = addBar("c");
  for (const auto& bar : {a, b, c}) bar->setHeight(1000);
  host(*a);
  events.onCtlResize = [&] { b->setHeight(a->Width() / 2); };
  dock->setShow(true);
  EXPECT_EQ(std::make_pair(b->Height(), c->Top()), std::make_pair(1990, 2990));
}

// A chain that ends completes however long it is: each bar's handler grows the next bar.
TEST_F(DockTest, AFiniteChainOfHandlersRunsToItsEnd) {
  constexpr int kBars = 100;
  dock->setAllowScroll(true);
  std::vector<Bar> bars;
  for (int i = 0; i < kBars; ++i) {
    bars.push_back(addBar(std::to_string(i)));
    bars.back()->setHeight(1000);
    host(*bars.back());
  }
  dock->setShow(true);
  events.onCtlResize = [&] {
    const int i = std::stoi(events.log.back().substr(std::strlen("CtlResize ")));
    if (i + 1 < kBars) bars[i + 1]->setHeight(bars[i + 1]->Height() + 15);
  };
  bars[0]->setHeight(2000);
  for (int i = 1; i < kBars; ++i) EXPECT_EQ(bars[i]->Height(), 1015) << i;
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, HandlersMayClearTheBarsOrReleaseTheDock) {
  dock->Bars().Clear();  // without bars: nothing to do
  const kiv::Hwnd form = harness().newWindow(0), form2 = harness().newWindow(0);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdA");
  auto list = std::make_shared<TestControl>(harness().newWindow(form2));
  addResizable("a", 1000)->letControl(grid);
  addResizable("b", 1000)->letControl(list);
  events.onCtlResize = [&] { dock->Bars().Clear(); };
  dock->setShow(true);  // the first placement of a's control clears everything
  // Each control goes back to its own form, hidden; the element sets are unloaded.
  EXPECT_TRUE(dock->Bars().Count() == 0 && el().UBound() == 0);
  EXPECT_EQ(std::make_pair(harness().parentOf(grid->hWnd()), harness().parentOf(list->hWnd())),
            std::make_pair(form, form2));
  EXPECT_FALSE(grid->visible || list->visible);
  EXPECT_THROW(el().picDockBar(1), kiv::KivError);
  EXPECT_NE(el().find(kiv::ElementArray::lineSplit, 0), nullptr) << "the template set stays";

  // The dock goes on with new bars, counted from 1 again; a Closed handler may let go of it
  // while the click runs.
  events.onCtlResize = [] {};
  auto c = addResizable("c", 1000), d = addResizable("d", 1000);
  EXPECT_EQ(c->Index(), 1);
  c->setShowClose(true);
  d->letControl(grid);
  harness().resize(*dock, 4000, 3060);  // lays the new bars out
  events.onClosed = [&] { dock.reset(); };
  harness().click(el().imgClose(k(c)));
  EXPECT_EQ(dock, nullptr);
  EXPECT_EQ(stored("c"), "1:1:2:0") << "saved on the way out";
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form);
  EXPECT_TRUE(harness().messages().empty());
}

// Listeners hear every event after the sink, with the arguments the sink left; one removed by an
// earlier handler hears nothing more.
TEST_F(DockTest, ListenersHearEventsAfterTheSinkWithItsArguments) {
  auto a = addResizable("a", 1000);
  addResizable("b", 1000);
  a->setShowOptions(true);
  dock->setShow(true);
  EventLog first, second;
  events.cancel = true;
  dock->addEventListener(&first);
  dock->addEventListener(&first);
  dock->addEventListener(&second);
  first.onRightClick = [&] { dock->removeEventListener(&second); };
  harness().click(el().imgOpt(k(a)));
  harness().press(el().lblTitel(k(a)), kiv::kButtonRight, 10, 10);
  EXPECT_EQ(first.log, (Keys{"OptShow ", "RightClick a"}));
  EXPECT_EQ(second.log, (Keys{"OptShow "}));
  dock->removeEventListener(&first);
}

}  // namespace kivtest
