// The order of the bars as the user changes it: the title's up and down buttons (with the group
// changes of scroll mode), dropping a title onto a bar or the empty area, the options button,
// the reset to creation order and the order restored from stored settings.
#include "support/dock_fixture.h"

namespace kivtest {

class OrderTest : public DockTest {
 protected:
  // Bars "a", "b", ... of a fixed height that leave room below them.
  void addBars(int n) {
    for (int i = 0; i < n; ++i) {
      auto bar = addBar(std::string(1, static_cast<char>('a' + i)));
      bar->setHeight(600);
      bar->setShowOptions(true);
    }
  }
  kiv::cKivBar& bar(const std::string& key) { return *dock->Bars().ItemByKey(key); }
  std::int16_t index(const std::string& key) { return static_cast<std::int16_t>(bar(key).Index()); }
  void clickButton(kiv::Image& (kiv::Elements::*button)(std::int16_t), const std::string& key) {
    kiv::Image& image = (el().*button)(index(key));
    ASSERT_TRUE(image.VisibleOnScreen()) << key;
    harness().click(image);
  }
  void dragTitleOnto(const std::string& dragged, kiv::Element& target, float x, float y) {
    harness().press(el().picTitel(index(dragged)), kiv::kButtonLeft, 600, 100);
    harness().drop(target, x, y, 100, 200);
  }
  using Keys = std::vector<std::string>;
};

TEST_F(OrderTest, UpAndDownButtonsSwapNeighbours) {
  addBars(4);
  dock->setShow(true);
  EXPECT_FALSE(el().imgUp(index("a")).Visible());
  EXPECT_FALSE(el().imgDown(index("d")).Visible());
  clickButton(&kiv::Elements::imgUp, "c");
  EXPECT_EQ(order(), (Keys{"a", "c", "b", "d"}));
  EXPECT_EQ(el().picDockBar(index("c")).Top(), 600);
  clickButton(&kiv::Elements::imgDown, "a");
  EXPECT_EQ(order(), (Keys{"c", "a", "b", "d"}));
  EXPECT_EQ(el().picDockBar(index("a")).Top(), 600);
  clickButton(&kiv::Elements::imgDown, "b");
  EXPECT_EQ(order(), (Keys{"c", "a", "d", "b"}));
  EXPECT_FALSE(el().imgDown(index("b")).Visible());
  for (const auto& key : order()) EXPECT_EQ(bar(key).AlignBar(), kiv::eAlignTop);

  // The reset restores creation order.
  dock->ShowElement(-1);
  EXPECT_EQ(order(), (Keys{"a", "b", "c", "d"}));
  EXPECT_EQ(el().picDockBar(index("b")).Top(), 600);
}

TEST_F(OrderTest, InScrollModeTheButtonsMoveABarAcrossTheGroupBorders) {
  addBars(3);
  dock->setAllowScroll(true);
  dock->setShow(true);
  ASSERT_EQ(order(), (Keys{"a", "b", "c"}));
  const float fullWidth = el().picDockBar(index("a")).Width();

  clickButton(&kiv::Elements::imgDown, "c");  // last top bar: into the left column
  EXPECT_EQ(bar("c").AlignBar(), kiv::eAlignLeft);
  EXPECT_EQ(order(), (Keys{"a", "b", "c"}));
  EXPECT_LT(el().picDockBar(index("c")).Width(), fullWidth);
  clickButton(&kiv::Elements::imgDown, "c");  // last left bar: into the right column
  EXPECT_EQ(bar("c").AlignBar(), kiv::eAlignRight);
  EXPECT_GT(el().picDockBar(index("c")).Left(), el().picDockBar(index("b")).Left());
  EXPECT_FALSE(el().imgDown(index("c")).Visible());  // nothing below the right column

  clickButton(&kiv::Elements::imgUp, "c");  // first right bar: back to the left column
  EXPECT_EQ(bar("c").AlignBar(), kiv::eAlignLeft);
  clickButton(&kiv::Elements::imgUp, "c");  // first left bar: back to the top band
  EXPECT_EQ(bar("c").AlignBar(), kiv::eAlignTop);
  EXPECT_EQ(el().picDockBar(index("c")).Width(), fullWidth);
  clickButton(&kiv::Elements::imgUp, "c");
  EXPECT_EQ(order(), (Keys{"a", "c", "b"}));
}

TEST_F(OrderTest, DroppingATitleOnABarInsertsItAtThatBarsPlace) {
  addBars(4);
  dock->setShow(true);
  dragTitleOnto("d", el().picTitel(index("a")), 500, 100);
  EXPECT_EQ(order(), (Keys{"d", "a", "b", "c"}));
  EXPECT_EQ(el().picDockBar(index("d")).Top(), 0);
  dragTitleOnto("a", el().picDockBar(index("c")), 500, 400);
  EXPECT_EQ(order(), (Keys{"d", "b", "c", "a"}));
  dragTitleOnto("c", el().picTitel(index("c")), 500, 100);  // onto itself: no change
  EXPECT_EQ(order(), (Keys{"d", "b", "c", "a"}));
}

TEST_F(OrderTest, DroppingOnTheEmptyAreaMovesTheBarBehindTheLastOne) {
  addBars(3);
  dock->setShow(true);
  kiv::Surface& area = el().surface();
  dragTitleOnto("a", area, 3000, 5000);  // right half: right column, last
  EXPECT_EQ(order(), (Keys{"b", "c", "a"}));
  EXPECT_EQ(bar("a").AlignBar(), kiv::eAlignRight);
  // Left half: behind the last top or left bar; the bars between move up first, so the bar
  // lands one place further down.
  dragTitleOnto("b", area, 500, 5000);
  EXPECT_EQ(order(), (Keys{"c", "a", "b"}));
  EXPECT_EQ(bar("b").AlignBar(), kiv::eAlignTop);
}

TEST_F(OrderTest, OptionsButtonReappliesTheOrderGroupedOnlyInScrollMode) {
  addBars(5);
  bar("b").setAlignBar(kiv::eAlignLeft);
  bar("d").setAlignBar(kiv::eAlignRight);
  bar("e").setShowClose(true);
  dock->setDoLoadSettings(false);
  dock->setShow(true);
  clickButton(&kiv::Elements::imgClose, "e");
  ASSERT_EQ(bar("e").State(), kiv::eBarHidden);
  clickButton(&kiv::Elements::imgOpt, "a");  // fill mode: the order stays as it is
  EXPECT_EQ(events.count("OptShow a"), 1u);
  EXPECT_EQ(order(), (Keys{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(bar("e").AlignBar(), kiv::eAlignTop);

  dock->setAllowScroll(true);
  clickButton(&kiv::Elements::imgOpt, "a");
  EXPECT_EQ(order(), (Keys{"a", "c", "b", "d", "e"}));
  EXPECT_EQ(bar("e").AlignBar(), kiv::eAlignRight);  // a hidden bar with a key goes right
  EXPECT_EQ(bar("b").AlignBar(), kiv::eAlignLeft);
}

TEST_F(OrderTest, StoredOrderNumbersArrangeTheBarsWhenShown) {
  addBars(3);
  services->Settings[{"DockBar", "a"}] = "3:1:1:600";
  services->Settings[{"DockBar", "b"}] = "1:1:1:600";
  services->Settings[{"DockBar", "c"}] = "2:1:1:600";
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"b", "c", "a"}));
  EXPECT_EQ(el().picDockBar(index("a")).Top(), 1200);
}

TEST_F(OrderTest, StoredOrderNumbersThatRepeatKeepCreationOrder) {
  addBars(3);
  services->Settings[{"DockBar", "a"}] = "2:1:1:600";
  services->Settings[{"DockBar", "b"}] = "2:1:1:600";
  services->Settings[{"DockBar", "c"}] = "1:1:1:600";
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"a", "b", "c"}));
}

TEST_F(OrderTest, InScrollModeStoredOrderIsSortedByGroup) {
  addBars(4);
  services->Settings[{"DockBar", "a"}] = "1:3:1:600";
  services->Settings[{"DockBar", "b"}] = "2:2:1:600";
  services->Settings[{"DockBar", "c"}] = "3:1:1:600";
  services->Settings[{"DockBar", "d"}] = "4:1:1:600";
  dock->setAllowScroll(true);
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"c", "d", "b", "a"}));
  EXPECT_EQ(bar("a").AlignBar(), kiv::eAlignRight);
}

}  // namespace kivtest
