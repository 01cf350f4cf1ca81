// The order algorithms of the bar collection, case by case: lookups, inserting, moving after a
// bar, moving up and down with the group changes at the group borders, and setting a wanted
// order with and without grouping.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "kivdock/headless_platform.h"
#include "kivdock/kivdock.h"
#include "unit/bar_order_access.h"

namespace kivtest {

using Access = kiv::detail::BarOrderAccess;
using Order = std::vector<std::int32_t>;

class OrderUnitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = std::make_shared<kiv::HeadlessPlatform>();
    kiv::setPlatform(platform_);
    kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
    dock_ = kiv::KivDock::create();
  }
  void TearDown() override {
    dock_.reset();
    kiv::resetSharedServices();
  }
  kiv::clsBars& bars() { return dock_->Bars(); }
  // Adds bars with the given alignments, keyed "1", "2", ...
  void addBars(const std::vector<kiv::eAlignBar>& aligns) {
    for (auto a : aligns) {
      auto b = bars().Add();
      b->setKey(std::to_string(b->Index()));
      b->setAlignBar(a);
    }
  }
  void addTopBars(int n) { addBars(std::vector<kiv::eAlignBar>(n, kiv::eAlignTop)); }
  Order order() {
    Order o;
    for (std::int32_t p = 1; p <= bars().Count(); ++p) o.push_back(bars().ItemByOrder(p)->Index());
    return o;
  }
  kiv::eAlignBar align(std::int32_t index) { return bars().Bar(index)->AlignBar(); }
  std::shared_ptr<kiv::HeadlessPlatform> platform_;
  std::shared_ptr<kiv::KivDock> dock_;
};

TEST_F(OrderUnitTest, OrderByIndexFindsPositionsAndAnswersZeroForUnknownBars) {
  addTopBars(4);
  Access::fInsert(bars(), 4, 1);
  EXPECT_EQ(Access::fOrderByIndex(bars(), 4), 1);
  EXPECT_EQ(Access::fOrderByIndex(bars(), 1), 2);
  EXPECT_EQ(Access::fOrderByIndex(bars(), 3), 4);
  EXPECT_EQ(Access::fOrderByIndex(bars(), 0), 1);
  EXPECT_EQ(Access::fOrderByIndex(bars(), 5), 0);
  EXPECT_EQ(Access::fOrderByIndex(bars(), -1), 0);
  EXPECT_TRUE(platform_->Messages().empty());
}

TEST_F(OrderUnitTest, InsertShiftsTheBarsInBetween) {
  addTopBars(4);
  Access::fInsert(bars(), 4, 1);
  EXPECT_EQ(order(), (Order{4, 1, 2, 3}));
  Access::fSetOrderDefault(bars());
  Access::fInsert(bars(), 1, 3);
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
  Access::fInsert(bars(), 1, 3);
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
  Access::fInsert(bars(), 4, 4);
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
  EXPECT_TRUE(platform_->Messages().empty());
}

TEST_F(OrderUnitTest, InsertOutsideTheOrderIsReportedAndKeepsTheMovesDone) {
  addTopBars(3);
  Access::fInsert(bars(), 2, 5);
  ASSERT_EQ(platform_->Messages().size(), 1u);
  EXPECT_EQ(platform_->Messages()[0].Caption, "KivDock.fInsert");
  // The bars after bar 2 moved up before the position beyond the end failed.
  EXPECT_EQ(bars().ItemByOrder(1)->Index(), 1);
  EXPECT_EQ(bars().ItemByOrder(2)->Index(), 3);
}

TEST_F(OrderUnitTest, MoveAfterPutsTheBarBehindTheOtherOrLast) {
  addTopBars(4);
  Access::fMoveAfter(bars(), 4, 1);
  EXPECT_EQ(order(), (Order{1, 4, 2, 3}));
  Access::fSetOrderDefault(bars());
  Access::fMoveAfter(bars(), 1, 2);
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
  Access::fSetOrderDefault(bars());
  Access::fMoveAfter(bars(), 2, 4);
  EXPECT_EQ(order(), (Order{1, 3, 4, 2}));
  // Index 0 counts as position 1, so the bar lands in the second place.
  Access::fSetOrderDefault(bars());
  Access::fMoveAfter(bars(), 4, 0);
  EXPECT_EQ(order(), (Order{1, 4, 2, 3}));
}

TEST_F(OrderUnitTest, TopBarsSwapUpwardsAndLeaveTheirGroupDownwards) {
  addTopBars(4);
  Access::fMoveUp(bars(), 3);
  EXPECT_EQ(order(), (Order{1, 3, 2, 4}));
  Access::fMoveUp(bars(), 1);
  EXPECT_EQ(order(), (Order{1, 3, 2, 4}));
  EXPECT_EQ(align(1), kiv::eAlignTop);

  Access::fMoveDown(bars(), 4);
  EXPECT_EQ(order(), (Order{1, 3, 2, 4}));
  EXPECT_EQ(align(4), kiv::eAlignLeft);
  Access::fMoveDown(bars(), 4);
  EXPECT_EQ(align(4), kiv::eAlignRight);
  Access::fMoveDown(bars(), 4);
  EXPECT_EQ(align(4), kiv::eAlignRight);
  EXPECT_EQ(order(), (Order{1, 3, 2, 4}));

  Access::fMoveDown(bars(), 1);  // the next bar is a top bar: a plain swap
  EXPECT_EQ(order(), (Order{3, 1, 2, 4}));
  EXPECT_EQ(align(1), kiv::eAlignTop);
}

TEST_F(OrderUnitTest, GroupBordersChangeTheAlignmentInsteadOfThePlace) {
  addBars({kiv::eAlignTop, kiv::eAlignTop, kiv::eAlignLeft});
  Access::fMoveUp(bars(), 3);
  EXPECT_EQ(align(3), kiv::eAlignTop);
  EXPECT_EQ(order(), (Order{1, 2, 3}));

  bars().Bar(3)->setAlignBar(kiv::eAlignLeft);
  Access::fMoveDown(bars(), 2);
  EXPECT_EQ(align(2), kiv::eAlignLeft);
  EXPECT_EQ(order(), (Order{1, 2, 3}));

  // Left bars that are not first of their group swap with whatever is above them.
  Access::fMoveUp(bars(), 3);
  EXPECT_EQ(order(), (Order{1, 3, 2}));
  EXPECT_EQ(align(3), kiv::eAlignLeft);

  // The first right bar joins the left group; a left bar goes down to the right group.
  bars().Bar(1)->setAlignBar(kiv::eAlignRight);
  Access::fMoveUp(bars(), 1);
  EXPECT_EQ(align(1), kiv::eAlignLeft);
  EXPECT_EQ(order(), (Order{1, 3, 2}));
  Access::fMoveDown(bars(), 2);
  EXPECT_EQ(align(2), kiv::eAlignRight);
}

TEST_F(OrderUnitTest, MovesIgnoreHiddenBarsAndBottomBarsNeverChangeGroup) {
  addBars({kiv::eAlignTop, kiv::eAlignTop, kiv::eAlignBottom, kiv::eAlignBottom});
  bars().Bar(2)->setState(kiv::eBarHidden);
  Access::fMoveDown(bars(), 1);  // the hidden neighbour is a top bar: swap with it
  EXPECT_EQ(order(), (Order{2, 1, 3, 4}));
  Access::fMoveUp(bars(), 3);  // across the group border without a change of group
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
  EXPECT_EQ(align(3), kiv::eAlignBottom);
  Access::fMoveDown(bars(), 4);
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
  EXPECT_EQ(align(4), kiv::eAlignBottom);
  Access::fMoveUp(bars(), 2);
  EXPECT_EQ(order(), (Order{2, 3, 1, 4}));
}

// A wanted order names, for each order position, the position the bar there should take.
TEST_F(OrderUnitTest, UngroupedOrderMustNameEveryPositionOnce) {
  addTopBars(3);
  EXPECT_FALSE(Access::fSetOrder(bars(), {2, 2, 3}, false));
  EXPECT_EQ(order(), (Order{1, 2, 3}));
  EXPECT_FALSE(Access::fSetOrder(bars(), {1, 2, 4}, false));
  EXPECT_FALSE(Access::fSetOrder(bars(), {0, 1, 2}, false));
  EXPECT_FALSE(Access::fSetOrder(bars(), {1, 2}, false));
  EXPECT_EQ(order(), (Order{1, 2, 3}));

  EXPECT_TRUE(Access::fSetOrder(bars(), {3, 1, 2}, false));
  EXPECT_EQ(order(), (Order{2, 3, 1}));
  EXPECT_TRUE(Access::fSetOrder(bars(), {1, 2, 3}, false));
  EXPECT_EQ(order(), (Order{2, 3, 1}));
  EXPECT_TRUE(Access::fReapplyOrder(bars(), false));
  EXPECT_EQ(order(), (Order{2, 3, 1}));
  EXPECT_TRUE(platform_->Messages().empty());
}

TEST_F(OrderUnitTest, GroupedOrderSortsVisibleBarsByGroupAndMovesTheRestToTheRight) {
  addBars({kiv::eAlignLeft, kiv::eAlignTop, kiv::eAlignLeft, kiv::eAlignTop});
  bars().Bar(4)->setState(kiv::eBarHidden);
  EXPECT_TRUE(Access::fSetOrder(bars(), {1, 2, 3, 4}, true));
  EXPECT_EQ(order(), (Order{2, 1, 3, 4}));
  EXPECT_EQ(align(4), kiv::eAlignRight);
  EXPECT_EQ(align(1), kiv::eAlignLeft);
  EXPECT_EQ(align(2), kiv::eAlignTop);

  // Without a key the left-over bar keeps its alignment.
  Access::fSetOrderDefault(bars());
  bars().Bar(4)->setAlignBar(kiv::eAlignTop);
  bars().Bar(4)->setKey("");
  EXPECT_TRUE(Access::fSetOrder(bars(), {1, 2, 3, 4}, true));
  EXPECT_EQ(order(), (Order{2, 1, 3, 4}));
  EXPECT_EQ(align(4), kiv::eAlignTop);
}

TEST_F(OrderUnitTest, GroupedOrderTakesWantedPositionsWithinEachGroup) {
  addBars({kiv::eAlignRight, kiv::eAlignBottom, kiv::eAlignTop, kiv::eAlignTop,
           static_cast<kiv::eAlignBar>(7)});
  // Bar 1 to the 4th place, bar 2 to the 1st, bar 3 to the 5th, bar 4 to the 2nd, bar 5 3rd.
  EXPECT_TRUE(Access::fSetOrder(bars(), {4, 1, 5, 2, 3}, true));
  EXPECT_EQ(order(), (Order{4, 3, 1, 2, 5}));
  EXPECT_EQ(align(5), kiv::eAlignRight);  // an alignment outside the groups is left over
  EXPECT_EQ(align(2), kiv::eAlignBottom);

  // Duplicates and values out of range are not checked: the first entry for a position wins,
  // and bars that no position names follow by index.
  Access::fSetOrderDefault(bars());
  for (std::int32_t i = 1; i <= 5; ++i) bars().Bar(i)->setAlignBar(kiv::eAlignTop);
  EXPECT_TRUE(Access::fSetOrder(bars(), {2, 2, 9, 1, -3}, true));
  EXPECT_EQ(order(), (Order{4, 1, 2, 3, 5}));
  EXPECT_EQ(align(2), kiv::eAlignRight);
  EXPECT_EQ(align(3), kiv::eAlignRight);
  EXPECT_EQ(align(5), kiv::eAlignRight);
  EXPECT_EQ(align(1), kiv::eAlignTop);
}

TEST_F(OrderUnitTest, ReapplyingSortsTheCurrentOrderByGroupWithoutOtherMoves) {
  addBars({kiv::eAlignLeft, kiv::eAlignTop, kiv::eAlignRight, kiv::eAlignTop, kiv::eAlignLeft});
  Access::fInsert(bars(), 5, 1);  // (5, 1, 2, 3, 4)
  EXPECT_TRUE(Access::fReapplyOrder(bars(), true));
  EXPECT_EQ(order(), (Order{2, 4, 5, 1, 3}));
  EXPECT_TRUE(Access::fReapplyOrder(bars(), true));
  EXPECT_EQ(order(), (Order{2, 4, 5, 1, 3}));
}

TEST_F(OrderUnitTest, DefaultOrderIsCreationOrder) {
  addTopBars(5);
  Access::fInsert(bars(), 5, 1);
  Access::fMoveUp(bars(), 3);
  Access::fMoveAfter(bars(), 1, 4);
  ASSERT_NE(order(), (Order{1, 2, 3, 4, 5}));
  EXPECT_TRUE(Access::fSetOrderDefault(bars()));
  EXPECT_EQ(order(), (Order{1, 2, 3, 4, 5}));
}

TEST_F(OrderUnitTest, ClearKeepsNoOrderForTheNextBars) {
  addTopBars(3);
  Access::fInsert(bars(), 3, 1);
  bars().Clear();
  EXPECT_EQ(bars().ItemByOrder(1), nullptr);
  EXPECT_EQ(Access::fOrderByIndex(bars(), 1), 0);
  addTopBars(2);
  EXPECT_EQ(order(), (Order{1, 2}));
  EXPECT_EQ(Access::fOrderByIndex(bars(), 2), 2);
}

}  // namespace kivtest
