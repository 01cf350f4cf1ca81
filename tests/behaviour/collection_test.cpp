// The bar collection and each bar's element set: adding, the lookups by index, key and order
// position, and clearing, which gives the hosted controls back and unloads the element sets.
#include <utility>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// Every per-bar element array, picDockBar to lineSplit, has an element at index i.
template <class Check>
void forEachBarArray(Check check) {
  for (auto a = int(kiv::ElementArray::picDockBar); a <= int(kiv::ElementArray::lineSplit); ++a) {
    check(static_cast<kiv::ElementArray>(a));
  }
}
}  // namespace

TEST_F(DockTest, AddPutsEachBarLastAndLookupsFindTheFirstMatchOrNone) {
  kiv::clsBars& bars = dock->Bars();
  for (std::int32_t i = 1; i <= 9; ++i) EXPECT_EQ(bars.Add()->Index(), i);
  dock->setShow(true);
  auto tenth = addBar("Kunden");  // adding paints nothing, even on a shown dock
  auto eleventh = addBar("Kunden");
  EXPECT_EQ(tenth->Index(), 10);
  EXPECT_EQ(el().UBound(), 11);
  EXPECT_FALSE(el().picDockBar(k(tenth)).Visible());
  EXPECT_EQ(bars.ItemByOrder(11), eleventh);
  EXPECT_EQ(bars(11), eleventh);
  EXPECT_EQ(bars.Bar(11), eleventh);
  EXPECT_EQ(bars.ItemByKey("Kunden"), tenth);
  for (auto none : {bars.Item(0), bars.Item(12), bars(-1), bars.ItemByOrder(0),
                    bars.ItemByOrder(12), bars.ItemByKey("kunden"), bars.ItemByKey("Kunde")}) {
    EXPECT_EQ(none, nullptr);
  }
  EXPECT_THROW(bars.Bar(0), kiv::KivError);

  // The visible lookups skip hidden bars, count collapsed ones and follow every change.
  for (std::int32_t i : {1, 3, 4, 6, 7, 8, 9}) bars.Item(i)->setState(kiv::eBarHidden);
  tenth->setCanExpand(true);
  tenth->setState(kiv::eBarCollapsed);
  EXPECT_EQ(bars.CountVisible(), 4);
  EXPECT_EQ(bars.ItemByOrderVisible(1), bars.Item(2));
  EXPECT_EQ(bars.ItemByOrderVisible(3), tenth);
  EXPECT_EQ(bars.ItemByOrderVisible(5), nullptr);
  EXPECT_EQ(bars.ItemByOrderVisible(0), nullptr);
  bars.Item(3)->setState(kiv::eBarExpanded);
  EXPECT_EQ(bars.ItemByOrderVisible(2), bars.Item(3));
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, NewElementSetLiesInItsContainersHiddenUntilPainted) {
  auto bar = addBar("a");
  const std::int16_t i = k(bar);
  kiv::PictureBox& body = el().picDockBar(i);
  kiv::PictureBox& title = el().picTitel(i);
  kiv::PictureBox& split = el().picSplit(i);
  EXPECT_EQ(body.Container(), &el().surface());
  EXPECT_EQ(title.Container(), &body);
  EXPECT_FALSE(body.Visible() || el().imgIcon(i).Visible());
  EXPECT_TRUE(title.Visible() && split.Visible() && el().lineSplit(i).Visible() &&
              el().lblTitel(i).Visible() && el().lblTitelRight(i).Visible());
  EXPECT_EQ(split.MousePointer(), kiv::kPointerSizeNS);
  EXPECT_EQ(el().imgIcon(i).MousePointer(), kiv::kPointerDefault);
  EXPECT_EQ(split.ToolTipText(), "Hier ziehen, um die Größe des Elements zu verändern");

  // The six buttons: hidden, in the title box, with the hand of imgHand.
  ASSERT_NE(el().imgHand().Picture(), nullptr);
  const std::pair<kiv::Image*, const char*> buttons[] = {
      {&el().imgClose(i), "Element ausblenden"},
      {&el().imgCollapse(i), "Element zuklappen"},
      {&el().imgExpand(i), nullptr},
      {&el().imgOpt(i), "Einstellungen ändern"},
      {&el().imgUp(i), "Element nach oben verschieben"},
      {&el().imgDown(i), "Element nach unten verschieben"}};
  for (const auto& [button, tip] : buttons) {
    EXPECT_EQ(button->Container(), &title);
    EXPECT_FALSE(button->Visible());
    EXPECT_EQ(button->MouseIcon(), el().imgHand().Picture());
    if (!tip) continue;  // the expand button's tooltip is free
    EXPECT_EQ(button->ToolTipText(), tip);
  }

  bar->setShowClose(true);
  dock->setShow(true);
  EXPECT_TRUE(body.Visible());
  forEachBarArray([&](auto array) { EXPECT_FALSE(el().find(array, 0)->VisibleOnScreen()); });
}

TEST_F(DockTest, ClearGivesControlsBackUnloadsTheElementSetsAndStartsAgainAtOne) {
  dock->Bars().Clear();  // without bars: nothing to do, nothing shown
  const kiv::Hwnd form1 = harness().newWindow(0), form2 = harness().newWindow(0);
  auto a = addResizable("a", 1500), b = addResizable("b", 1500);
  auto gridA = std::make_shared<TestControl>(harness().newWindow(form1));
  auto gridB = std::make_shared<TestControl>(harness().newWindow(form2));
  a->letControl(gridA);
  b->letControl(gridB);
  dock->setShow(true);
  dock->Bars().Clear();
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(harness().parentOf(gridA->hWnd()), form1);
  EXPECT_EQ(harness().parentOf(gridB->hWnd()), form2);
  EXPECT_FALSE(gridA->visible || gridB->visible);
  EXPECT_EQ(el().UBound(), 0);
  forEachBarArray([&](auto array) {
    EXPECT_EQ(el().find(array, 2), nullptr);
    EXPECT_NE(el().find(array, 0), nullptr);
  });
  EXPECT_THROW(el().picDockBar(1), kiv::KivError);

  auto again = addBar("c");
  EXPECT_EQ(again->Index(), 1);
  EXPECT_EQ(dock->Bars().ItemByOrder(1), again);
  EXPECT_EQ(dock->Bars().ItemByOrder(2), nullptr);
  EXPECT_TRUE(harness().messages().empty());
}

}  // namespace kivtest
