#include "support/dock_fixture.h"

namespace kivtest {

TEST_F(DockTest, ShownDockStacksItsBarsFromTheTop) {
  auto first = addResizable("a", 1000);
  auto second = addResizable("b", 1000);
  dock->setShow(true);
  EXPECT_TRUE(el().picDockBar(k(first)).Visible());
  EXPECT_EQ(el().picDockBar(k(second)).Top(), el().picDockBar(k(first)).Height());
}

}  // namespace kivtest
