// The order rules of the bar collection that title buttons, drags and stored settings cannot
// reach: moves past hidden bars and within the bottom group, and wanted orders a host's stored
// settings never produce.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kivdock/headless_platform.h"
#include "kivdock/kivdock.h"

namespace kiv::detail {

constexpr char kAlignLetters[] = "?TLRB";

// The fixture reaches the collection's library-internal order operations as its friend.
class BarOrderAccess : public ::testing::Test {
 protected:
  using Order = std::vector<std::int32_t>;
  void SetUp() override {
    setPlatform(std::make_shared<HeadlessPlatform>());
    setSharedServicesFactory([] { return std::make_shared<MemorySharedServices>(); });
    dock = KivDock::create();
  }
  void TearDown() override {
    dock.reset();
    resetSharedServices();
  }
  // Clears the collection and adds one bar per letter (T, L, R, B, or ? for an alignment
  // outside the groups), keyed "1", "2", ...
  void bars(const std::string& aligns) {
    b().Clear();
    for (char letter : aligns) {
      auto bar = b().Add();
      bar->setKey(std::to_string(bar->Index()));
      const auto a = std::string(kAlignLetters).find(letter);
      bar->setAlignBar(static_cast<eAlignBar>(a == 0 ? 7 : a));
    }
  }
  // The bar indexes top to bottom, then each bar's alignment by index: "2134/LTLR".
  std::string state() {
    std::string order, aligns;
    for (std::int32_t p = 1; p <= b().Count(); ++p) {
      order += std::to_string(b().ItemByOrder(p)->Index());
      const auto a = b().Item(p)->AlignBar();
      aligns += a >= 1 && a <= 4 ? kAlignLetters[a] : '?';
    }
    return order + "/" + aligns;
  }
  clsBars& b() { return dock->Bars(); }
  // Each operation returns the state after it.
  std::string up(std::int32_t i) { return b().fMoveUp(i), state(); }
  std::string down(std::int32_t i) { return b().fMoveDown(i), state(); }
  std::string set(const Order& wanted, bool grouped) {
    return b().fSetOrder(wanted, grouped) ? state() : "rejected";
  }
  std::shared_ptr<KivDock> dock;
};
using OrderUnitTest = BarOrderAccess;

// Hidden bars are swapped with like any other; bottom bars never change group; a right bar
// goes no further down. (The group changes at the borders show in the title buttons.)
TEST_F(OrderUnitTest, MovesSwapHiddenBarsAndStopAtTheBottomGroup) {
  bars("TTBB");
  b().Bar(2)->setState(eBarHidden);
  EXPECT_EQ(down(1), "2134/TTBB");
  EXPECT_EQ(up(3), "2314/TTBB");
  EXPECT_EQ(down(4), "2314/TTBB");
  bars("TR");
  EXPECT_EQ(down(2), "12/TR");
}

// A wanted order names, for each order position, the position the bar there should take;
// ungrouped it must name every position once.
TEST_F(OrderUnitTest, WantedOrderNamesEveryPositionOnceOrIsSortedByGroup) {
  bars("TTT");
  for (const Order& bad : {Order{2, 2, 3}, {1, 2, 4}, {0, 1, 2}, {1, 2}}) {
    EXPECT_EQ(set(bad, false), "rejected");
  }
  EXPECT_EQ(set({3, 1, 2}, false), "231/TTT");
  EXPECT_EQ(set({1, 2, 3}, false), "231/TTT");  // the identity keeps the order

  // Grouped: visible bars sorted by group, stable in the current order, the rest sent right.
  bars("LTRTL");
  set({2, 3, 4, 5, 1}, false);
  EXPECT_EQ(set({1, 2, 3, 4, 5}, true), "24513/LTRTL");
  bars("LTLT");
  b().Bar(4)->setState(eBarHidden);
  EXPECT_EQ(set({1, 2, 3, 4}, true), "2134/LTLR");
  b().Bar(4)->setAlignBar(eAlignTop);
  b().Bar(4)->setKey("");  // without a key a left-over bar keeps its alignment
  EXPECT_EQ(set({1, 2, 3, 4}, true), "2134/LTLT");

  // Within each group the wanted positions count; an alignment outside the groups is left over.
  bars("RBTT?");
  EXPECT_EQ(set({4, 1, 5, 2, 3}, true), "43125/RBTTR");
  // Unchecked: the first entry for a position wins, bars no position names follow by index.
  bars("TTTTT");
  EXPECT_EQ(set({2, 2, 9, 1, -3}, true), "41235/TRRTR");
}

}  // namespace kiv::detail
