// Host handlers run synchronously and may change the dock from inside: the dock stays whole,
// and a handler that keeps raising itself ends in one report instead of a crash.
#include <functional>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// A listener whose reactions the test chooses; it also records like EventLog.
struct ReactingLog : EventLog {
  std::function<void(const std::string&)> onCtlResize, onClosed;
  void CtlResize(std::string& Key) override {
    EventLog::CtlResize(Key);
    if (onCtlResize) onCtlResize(Key);
  }
  void Closed(std::string& Key) override {
    EventLog::Closed(Key);
    if (onClosed) onClosed(Key);
  }
};
}  // namespace

class ReentrancyTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    dock->setEventSink(&reacting);
  }
  void TearDown() override {
    reacting.onCtlResize = nullptr;
    reacting.onClosed = nullptr;
    DockTest::TearDown();
  }
  // Every visible bar starts where the visible bar above it ends.
  void expectStacked() {
    std::int32_t y = 0;
    for (std::int32_t p = 1; p <= dock->Bars().Count(); ++p) {
      auto bar = dock->Bars().ItemByOrder(p);
      if (bar->State() == kiv::eBarHidden) continue;
      EXPECT_EQ(bar->Top(), y) << bar->Key();
      y += bar->Height();
    }
  }
  ReactingLog reacting;
};

TEST_F(ReentrancyTest, ACtlResizeHandlerMayResizeAnotherBar) {
  auto a = addBar("a"), b = addBar("b"), c = addBar("c");
  for (const auto& bar : {a, b, c}) bar->setHeight(1000);
  host(*a);
  reacting.onCtlResize = [&](const std::string& key) {
    if (key == "a") b->setHeight(a->Width() / 2);
  };
  dock->setShow(true);
  EXPECT_EQ(b->Height(), 1990);
  expectStacked();

  harness().resize(*dock, 3000, 6000);
  EXPECT_EQ(b->Height(), 1490);
  EXPECT_EQ(c->Top(), 2490);
  expectStacked();
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(ReentrancyTest, AClosedHandlerMayShowTheBarAgain) {
  auto a = addResizable("a", 1000), b = addResizable("b", 1000);
  a->setShowClose(true);
  host(*a);
  reacting.onClosed = [&](const std::string& key) {
    dock->ShowElement(dock->Bars().ItemByKey(key)->Index());
  };
  dock->setShow(true);
  harness().click(el().imgClose(k(a)));

  EXPECT_EQ(reacting.count("Closed a"), 1u);
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());
  EXPECT_EQ(stored("a").substr(0, 6), "1:1:1:") << "saved after the handler: visible";
  EXPECT_NEAR(a->Height() + b->Height(), 5940, 20);
  expectStacked();
}

TEST_F(ReentrancyTest, HandlersMayClearTheBars) {
  const kiv::Hwnd form = harness().newWindow(0);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdA");
  a->letControl(grid);
  b->setShowClose(true);
  bool cleared = false;
  reacting.onCtlResize = [&](const std::string&) {
    if (cleared) return;
    cleared = true;
    dock->Bars().Clear();
  };
  dock->setShow(true);  // the first placement of a's control clears everything

  EXPECT_TRUE(cleared);
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(el().UBound(), 0);
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form) << "the control went back to its form";
  EXPECT_FALSE(grid->visible);

  // The dock goes on working with new bars.
  harness().clearMessages();
  auto c = addResizable("c", 1000), d = addResizable("d", 1000);
  d->setShowClose(true);
  harness().resize(*dock, 4000, 3060);
  EXPECT_EQ(c->Height() + d->Height(), 3000);
  expectStacked();

  // The same from the handler of Closed, while the close button's click is running.
  reacting.onCtlResize = nullptr;
  reacting.onClosed = [&](const std::string&) { dock->Bars().Clear(); };
  harness().click(el().imgClose(k(d)));
  EXPECT_EQ(reacting.count("Closed d"), 1u);
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(el().UBound(), 0);
  harness().resize(*dock, 4000, 5000);
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(ReentrancyTest, AHandlerMayReleaseTheDock) {
  const kiv::Hwnd form = harness().newWindow(0);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000);
  a->setShowClose(true);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdB");
  b->letControl(grid);
  dock->setShow(true);
  reacting.onClosed = [&](const std::string&) { dock.reset(); };
  harness().click(el().imgClose(k(a)));

  EXPECT_EQ(dock, nullptr);
  EXPECT_EQ(stored("a"), "1:1:2:0") << "saved on the way out";
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form);
  EXPECT_THROW(b->setHeight(2000), kiv::KivError) << "the bar's dock has ended";
}

TEST_F(ReentrancyTest, AHandlerThatKeepsRaisingItselfEndsInOneReport) {
  auto a = addBar("a"), b = addBar("b");
  a->setHeight(1000);
  b->setHeight(1000);
  host(*a);
  dock->setShow(true);
  harness().clearMessages();

  int calls = 0;
  reacting.onCtlResize = [&](const std::string& key) {
    ++calls;
    if (key == "a") a->setHeight(a->Height() + 20);  // which raises CtlResize for a again
  };
  harness().resize(*dock, 3000, 6000);

  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "KivDock");
  EXPECT_EQ(shown[0].Text, "Nicht genügend Stapelspeicher");
  EXPECT_GT(calls, 10);

  // Once the handler behaves, the dock lays out as before and reports nothing more.
  reacting.onCtlResize = nullptr;
  harness().clearMessages();
  harness().resize(*dock, 4000, 6000);
  EXPECT_TRUE(harness().messages().empty());
  EXPECT_EQ(a->Width(), 3980);
  expectStacked();
}

}  // namespace kivtest
