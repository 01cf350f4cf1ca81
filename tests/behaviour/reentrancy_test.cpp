// Host handlers run synchronously and may change the dock from inside: the dock stays whole,
// and a handler that keeps raising itself ends in one report instead of a crash.
#include <functional>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// A host whose reactions the test chooses.
struct ReactingHost : kiv::KivDockEvents {
  std::function<void()> onCtlResize = [] {}, onClosed = [] {};
  void CtlResize(std::string&) override { onCtlResize(); }
  void Closed(std::string&) override { onClosed(); }
};
}  // namespace

TEST_F(DockTest, ACtlResizeHandlerMayChangeTheDockButNotWithoutEnd) {
  ReactingHost reacting;
  dock->setEventSink(&reacting);
  auto a = addBar("a"), b = addBar("b"), c = addBar("c");
  for (const auto& bar : {a, b, c}) bar->setHeight(1000);
  host(*a);
  reacting.onCtlResize = [&] { b->setHeight(a->Width() / 2); };
  dock->setShow(true);
  EXPECT_EQ(std::make_pair(b->Height(), c->Top()), std::make_pair(1990, 2990));

  // Each new height of a raises CtlResize for a again: stopped once, with one report.
  reacting.onCtlResize = [&] { a->setHeight(a->Height() + 20); };
  harness().resize(*dock, 3000, 6000);
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption + ": " + shown[0].Text, "KivDock: Nicht genügend Stapelspeicher");
}

TEST_F(DockTest, HandlersMayClearTheBarsOrReleaseTheDock) {
  ReactingHost reacting;
  dock->setEventSink(&reacting);
  const kiv::Hwnd form = harness().newWindow(0);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdA");
  addResizable("a", 1000)->letControl(grid);
  addResizable("b", 1000);
  reacting.onCtlResize = [&] { dock->Bars().Clear(); };
  dock->setShow(true);  // the first placement of a's control clears everything
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(el().UBound(), 0);
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form) << "the control went back to its form";

  // The dock goes on with new bars; a Closed handler may let go of it while the click runs.
  reacting.onCtlResize = [] {};
  auto c = addResizable("c", 1000), d = addResizable("d", 1000);
  c->setShowClose(true);
  d->letControl(grid);
  harness().resize(*dock, 4000, 3060);  // lays the new bars out
  reacting.onClosed = [&] { dock.reset(); };
  harness().click(el().imgClose(k(c)));
  EXPECT_EQ(dock, nullptr);
  EXPECT_EQ(stored("c"), "1:1:2:0") << "saved on the way out";
  EXPECT_EQ(harness().parentOf(grid->hWnd()), form);
  EXPECT_TRUE(harness().messages().empty());
}

}  // namespace kivtest
