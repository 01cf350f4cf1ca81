// The bar collection: adding, counting, the lookups by index, key and order position, clearing,
// and the limit of the bars' 16-bit element numbers.
#include <utility>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
std::int32_t badIndexNumber(kiv::clsBars& bars, std::int32_t index) {
  try {
    bars.Bar(index);
  } catch (const kiv::KivError& e) {
    return e.Number();
  }
  return 0;
}
}  // namespace

TEST_F(DockTest, AddNumbersBarsInCreationOrderAndPutsEachLast) {
  kiv::clsBars& bars = dock->Bars();
  auto first = bars.Add();
  auto second = bars.Add();
  auto third = bars.Add();
  EXPECT_EQ(first->Index(), 1);
  EXPECT_EQ(second->Index(), 2);
  EXPECT_EQ(third->Index(), 3);
  EXPECT_EQ(bars.Count(), 3);
  EXPECT_EQ(bars.ItemByOrder(1), first);
  EXPECT_EQ(bars.ItemByOrder(2), second);
  EXPECT_EQ(bars.ItemByOrder(3), third);
  // Adding lays out and paints nothing, even on a shown dock.
  dock->setShow(true);
  auto late = bars.Add();
  EXPECT_FALSE(el().picDockBar(k(late)).Visible());
  EXPECT_EQ(bars.ItemByOrder(4), late);
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, LookupsByIndexReturnNoneOrFailOnlyWhereTheHostCanTell) {
  kiv::clsBars& bars = dock->Bars();
  auto a = addBar("a");
  auto b = addBar("b");
  EXPECT_EQ(bars.Item(1), a);
  EXPECT_EQ(bars(2), b);
  EXPECT_EQ(bars.Bar(2), b);
  EXPECT_EQ(bars.Item(0), nullptr);
  EXPECT_EQ(bars.Item(3), nullptr);
  EXPECT_EQ(bars(-1), nullptr);
  EXPECT_EQ(bars.ItemByOrder(0), nullptr);
  EXPECT_EQ(bars.ItemByOrder(3), nullptr);
  EXPECT_EQ(badIndexNumber(bars, 0), 9);
  EXPECT_EQ(badIndexNumber(bars, 3), 9);
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, ItemByKeyFindsTheFirstBarWithExactlyThatKey) {
  auto first = addBar("Kunden");
  auto second = addBar("Kunden");
  addBar("Artikel");
  kiv::clsBars& bars = dock->Bars();
  EXPECT_EQ(bars.ItemByKey("Kunden"), first);
  EXPECT_NE(bars.ItemByKey("Kunden"), second);
  EXPECT_EQ(bars.ItemByKey("kunden"), nullptr);
  EXPECT_EQ(bars.ItemByKey("Kunde"), nullptr);
  EXPECT_EQ(bars.ItemByKey("Kunden "), nullptr);
  EXPECT_EQ(bars.ItemByKey(""), nullptr);
}

TEST_F(DockTest, VisibleLookupsSkipHiddenBarsButCountCollapsedOnes) {
  auto b1 = addBar("1");
  auto b2 = addBar("2");
  auto b3 = addBar("3");
  auto b4 = addBar("4");
  b1->setState(kiv::eBarHidden);
  b3->setState(kiv::eBarHidden);
  kiv::clsBars& bars = dock->Bars();
  EXPECT_EQ(bars.CountVisible(), 2);
  EXPECT_EQ(bars.ItemByOrderVisible(1), b2);
  EXPECT_EQ(bars.ItemByOrderVisible(2), b4);
  EXPECT_EQ(bars.ItemByOrderVisible(3), nullptr);
  EXPECT_EQ(bars.ItemByOrderVisible(0), nullptr);
  EXPECT_EQ(bars.ItemByOrderVisible(-1), nullptr);

  // The visible lookups follow state changes made after an earlier lookup.
  b4->setCanExpand(true);
  b4->setState(kiv::eBarCollapsed);
  b2->setState(kiv::eBarHidden);
  b3->setState(kiv::eBarExpanded);
  EXPECT_EQ(bars.CountVisible(), 2);
  EXPECT_EQ(bars.ItemByOrderVisible(1), b3);
  EXPECT_EQ(bars.ItemByOrderVisible(2), b4);
  EXPECT_EQ(bars.ItemByOrderVisible(3), nullptr);
}

TEST_F(DockTest, ClearGivesHostedControlsBackAndStartsNumberingAgain) {
  const kiv::Hwnd form1 = harness().newWindow(0);
  const kiv::Hwnd form2 = harness().newWindow(0);
  auto a = addResizable("a", 1500);
  auto b = addResizable("b", 1500);
  auto gridA = std::make_shared<TestControl>(harness().newWindow(form1), "grdA");
  auto gridB = std::make_shared<TestControl>(harness().newWindow(form2), "grdB");
  a->letControl(gridA);
  b->letControl(gridB);
  dock->setShow(true);
  ASSERT_EQ(harness().parentOf(gridA->hWnd()), dock->hWndItem(k(a)));
  ASSERT_TRUE(gridA->visible);

  dock->Bars().Clear();
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(dock->Bars().CountVisible(), 0);
  EXPECT_EQ(dock->Bars().Item(1), nullptr);
  EXPECT_EQ(dock->Bars().ItemByOrder(1), nullptr);
  EXPECT_EQ(harness().parentOf(gridA->hWnd()), form1);
  EXPECT_EQ(harness().parentOf(gridB->hWnd()), form2);
  EXPECT_FALSE(gridA->visible);
  EXPECT_FALSE(gridB->visible);
  EXPECT_EQ(a->Control(), nullptr);
  EXPECT_EQ(b->Control(), nullptr);
  EXPECT_EQ(el().UBound(), 0);

  auto again = addBar("c");
  EXPECT_EQ(again->Index(), 1);
  EXPECT_EQ(dock->Bars().Count(), 1);
  EXPECT_EQ(dock->Bars().ItemByOrder(1), again);
  EXPECT_EQ(dock->Bars().ItemByOrder(2), nullptr);
  EXPECT_NO_THROW(el().picDockBar(1));
  EXPECT_TRUE(harness().messages().empty());
}

// A host whose control clears the collection again while it is being hidden.
TEST_F(DockTest, ClearSurvivesAHostedControlThatClearsAgain) {
  struct ClearingControl : TestControl {
    using TestControl::TestControl;
    kiv::clsBars* bars = nullptr;
    void setVisible(bool v) override {
      TestControl::setVisible(v);
      if (!v && bars) std::exchange(bars, nullptr)->Clear();
    }
  };
  const kiv::Hwnd form = harness().newWindow(0);
  auto a = addBar("a");
  auto b = addBar("b");
  auto first = std::make_shared<ClearingControl>(harness().newWindow(form));
  auto second = std::make_shared<TestControl>(harness().newWindow(form));
  a->letControl(first);
  b->letControl(second);
  first->bars = &dock->Bars();
  a.reset();
  b.reset();
  dock->Bars().Clear();
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(harness().parentOf(first->hWnd()), form);
  EXPECT_EQ(harness().parentOf(second->hWnd()), form);
  EXPECT_EQ(el().UBound(), 0);
}

TEST_F(DockTest, ClearWithoutBarsShowsNothing) {
  dock->Bars().Clear();
  dock->Bars().Clear();
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_TRUE(harness().messages().empty());
  EXPECT_EQ(addBar("a")->Index(), 1);
}

// Element numbers are 16-bit: the 32768th bar gets no elements. The failure is reported once
// by the dock's bar creation, the collection still takes the bar, and the dock goes on working.
TEST_F(DockTest, TheBarBeyondTheSixteenBitLimitIsReportedAndTheDockStaysUsable) {
  kiv::clsBars& bars = dock->Bars();
  for (int i = 1; i <= 32767; ++i) bars.Add();
  ASSERT_EQ(bars.Count(), 32767);
  EXPECT_EQ(el().UBound(), 32767);
  EXPECT_TRUE(harness().messages().empty());

  auto beyond = bars.Add();
  ASSERT_NE(beyond, nullptr);
  EXPECT_EQ(beyond->Index(), 32768);
  EXPECT_EQ(bars.Count(), 32768);
  EXPECT_EQ(bars.ItemByOrder(32768), beyond);
  EXPECT_EQ(el().UBound(), 32767);
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "fBarAdd");
  EXPECT_FALSE(shown[0].Text.empty());

  // Setters that only store still work; the bar's own title rule skips the failing dock call.
  beyond->setKey("last");
  beyond->setTitle("last");
  EXPECT_EQ(bars.ItemByKey("last"), beyond);

  bars.Clear();
  harness().clearMessages();
  auto fresh = addResizable("fresh", 1000);
  EXPECT_EQ(fresh->Index(), 1);
  dock->setShow(true);
  EXPECT_TRUE(el().picDockBar(1).Visible());
  EXPECT_EQ(el().UBound(), 1);
  EXPECT_TRUE(harness().messages().empty());
}

}  // namespace kivtest
