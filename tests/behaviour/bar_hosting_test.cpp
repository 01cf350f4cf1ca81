// A bar hosting a control of the host, the rejection of aligned controls, the obsolete Redraw,
// and a bar the host keeps after its dock has ended.
#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// The failure a call raises, or number 0 when it raises none.
template <class Call>
kiv::KivError failureOf(Call&& call) {
  try {
    call();
  } catch (const kiv::KivError& e) {
    return e;
  }
  return kiv::KivError(0, "", "");
}
}  // namespace

TEST_F(DockTest, HostedControlMovesIntoTheBodyBoxAndComesBackWhenRemoved) {
  auto bar = addResizable("a", 2000);
  const kiv::Hwnd form = harness().newWindow(0);
  auto first = std::make_shared<TestControl>(harness().newWindow(form), "grdFirst");
  auto second = std::make_shared<TestControl>(harness().newWindow(form), "grdSecond");
  bar->letControl(first);
  EXPECT_EQ(bar->Control(), first);
  EXPECT_EQ(harness().parentOf(first->hWnd()), dock->hWndItem(k(bar)));
  EXPECT_EQ(dock->hWndItem(k(bar)), el().picDockBar(k(bar)).hWnd());
  EXPECT_EQ(first->visibleWrites, 0);  // hosting leaves Visible to the dock's placement

  // A control that replaces another hides the other and gives it back to its former parent.
  bar->letControl(second);
  EXPECT_EQ(bar->Control(), second);
  EXPECT_FALSE(first->visible);
  EXPECT_EQ(harness().parentOf(first->hWnd()), form);
  EXPECT_EQ(harness().parentOf(second->hWnd()), dock->hWndItem(k(bar)));

  dock->setShow(true);
  EXPECT_TRUE(second->visible);
  bar->letControl(nullptr);
  EXPECT_EQ(bar->Control(), nullptr);
  EXPECT_FALSE(second->visible);
  EXPECT_EQ(harness().parentOf(second->hWnd()), form);
  // Removing when nothing is hosted still repaints the bar: the stored body colour shows.
  bar->setBackColor(0x123456);
  bar->letControl(nullptr);
  EXPECT_EQ(el().picDockBar(k(bar)).BackColor(), 0x123456);
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, AlignedControlIsRejectedWithItsNameAndError9999) {
  auto bar = addResizable("a", 2000);
  const kiv::Hwnd form = harness().newWindow(0);
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdItems");
  auto aligned = std::make_shared<TestControl>(harness().newWindow(form), "picToolbar", 1);
  bar->setControl(grid);  // align 0: accepted
  ASSERT_EQ(bar->Control(), grid);

  std::vector<ShownMessage> shownBeforeFailure;
  const kiv::KivError error = failureOf([&] {
    try {
      bar->setControl(aligned);
    } catch (...) {
      shownBeforeFailure = harness().messages();
      throw;
    }
  });
  EXPECT_EQ(error.Number(), 9999);
  EXPECT_EQ(error.Source(), "KivDock");
  EXPECT_EQ(error.Description(), "Control-Align-Eigenschaft darf nicht gesetzt sein!");
  ASSERT_EQ(shownBeforeFailure.size(), 1u);
  EXPECT_EQ(shownBeforeFailure[0].Text,
            "Align-Eigenschaft von Control picToolbar darf nicht gesetzt sein!");
  EXPECT_EQ(shownBeforeFailure[0].Caption, kiv::platform()->DefaultCaption());
  EXPECT_EQ(bar->Control(), grid);
  EXPECT_EQ(harness().parentOf(aligned->hWnd()), form);
  EXPECT_TRUE(grid->visible);

  // Let skips the check.
  bar->letControl(aligned);
  EXPECT_EQ(bar->Control(), aligned);
  EXPECT_EQ(harness().parentOf(aligned->hWnd()), dock->hWndItem(k(bar)));
  EXPECT_EQ(harness().messages().size(), 1u);
}

// A control without the members the dock looks for is accepted; the steps that need them are
// skipped without a report.
TEST_F(DockTest, ControlLackingMembersIsHostedAndGivenBackQuietly) {
  auto bar = addResizable("a", 2000);
  addResizable("b", 2000);
  const kiv::Hwnd form = harness().newWindow(0);
  auto bare = std::make_shared<BareControl>(harness().newWindow(form));
  EXPECT_NO_THROW(bar->setControl(bare));  // no align member: accepted
  EXPECT_EQ(bar->Control(), bare);
  EXPECT_EQ(harness().parentOf(bare->hWnd()), dock->hWndItem(k(bar)));

  dock->setShow(true);
  EXPECT_GE(events.count("CtlResize a"), 1u);  // placement tried, the host still hears of it
  bar->setCanExpand(true);
  bar->setState(kiv::eBarCollapsed);
  bar->setState(kiv::eBarExpanded);
  auto replacement = std::make_shared<TestControl>(harness().newWindow(form), "grdItems");
  bar->letControl(replacement);
  EXPECT_EQ(harness().parentOf(bare->hWnd()), form);
  bar->letControl(bare);
  dock->Bars().Clear();
  EXPECT_EQ(harness().parentOf(bare->hWnd()), form);
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, RedrawOnlyTellsTheUserItIsObsolete) {
  auto bar = addBar("a");
  EXPECT_NO_THROW(bar->setRedraw(true));
  EXPECT_FALSE(bar->Redraw());
  bar->setRedraw(false);
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 2u);
  for (const auto& m : shown) {
    EXPECT_EQ(m.Text, "Redraw obsolet");
    EXPECT_EQ(m.Caption, kiv::platform()->DefaultCaption());
  }
}

// Nothing inside the library keeps the dock alive: the host's last reference ends it although
// the bar and the collection still hold the broker. A kept bar stores what only stores, and its
// setters that need the dock fail with the missing-object error.
TEST_F(DockTest, BarKeptAfterItsDockEndedFailsWithError91WhereItNeedsTheDock) {
  auto bar = addResizable("a", 2000);
  addResizable("b", 2000);
  auto grid = host(*bar);
  dock->setShow(true);
  std::weak_ptr<kiv::KivDock> watch = dock;
  dock->setEventSink(nullptr);
  dock.reset();
  ASSERT_TRUE(watch.expired());
  EXPECT_EQ(bar->Control(), nullptr);  // given back at termination
  EXPECT_FALSE(grid->visible);

  EXPECT_EQ(failureOf([&] { bar->setTitleRight("x"); }).Number(), 91);
  EXPECT_EQ(bar->TitleRight(), "x");
  EXPECT_EQ(failureOf([&] { bar->setHeight(4000); }).Number(), 91);
  EXPECT_EQ(bar->Height(), 4000);  // stored before the dock is asked
  EXPECT_EQ(failureOf([&] { bar->Top(); }).Number(), 91);
  EXPECT_EQ(failureOf([&] { bar->setWidth(100); }).Number(), 91);
  EXPECT_EQ(failureOf([&] { bar->setleft(100); }).Number(), 91);
  EXPECT_EQ(failureOf([&] { bar->setTitleForeColor(1); }).Number(), 91);
  EXPECT_EQ(failureOf([&] { bar->setIcon(nullptr); }).Number(), 91);
  EXPECT_EQ(failureOf([&] { bar->setState(kiv::eBarHidden); }).Number(), 91);
  EXPECT_EQ(bar->State(), kiv::eBarHidden);

  // Title and hosting trap their dock calls; the plain values only store.
  EXPECT_NO_THROW(bar->setTitle("neu"));
  EXPECT_EQ(bar->Title(), "neu");
  EXPECT_NO_THROW(bar->letControl(grid));
  EXPECT_EQ(bar->Control(), grid);
  EXPECT_NO_THROW(bar->setKey("k"));
  EXPECT_NO_THROW(bar->setAlignBar(kiv::eAlignLeft));
  EXPECT_NO_THROW(bar->setCanExpand(false));
  EXPECT_NO_THROW(bar->setRedraw(true));
  EXPECT_EQ(bar->Key(), "k");
}

}  // namespace kivtest
