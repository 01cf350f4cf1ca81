// Reading stored texts leniently: blanks skipped, the longest leading number with sign, point
// and exponent, 0 for text without a number, rounded half to even, and a value that does not
// fit 32 bits leaves the bar's value as it was.
#include "support/dock_fixture.h"

namespace kivtest {

TEST_F(DockTest, StoredNumbersAreReadLeniently) {
  struct Case {
    const char* text;
    std::int32_t align, state, height;
  };
  // One resizable, collapsible, closable bar of height 1000 at the top, in scroll mode (which
  // shares no height). A state of hidden, or an alignment outside 1 to 4, puts the bar last in
  // the grouped order as a right bar.
  const Case cases[] = {
      {"1:2:1:2000", 2, 1, 2000},
      {"  1 : 3 :1: 25 00 ", 3, 1, 2500},
      {"1:2.5:1:2000.5", 2, 1, 2000},
      {"1:3.5:1:2001.5", 4, 1, 2002},
      {"1:+2:1.4:-1.5e3", 2, 1, 1000},
      {"1:2:1:2e3", 2, 1, 2000},
      {"1:2:1:2.5E+3", 2, 1, 2500},
      {"1:2:1:25000e-1", 2, 1, 2500},
      {"1:2:1:1800e", 2, 1, 1800},
      {"1:2:1:1200px", 2, 1, 1200},
      {"1:2:1:.5e4", 2, 1, 5000},
      {"1:2:1:abc", 2, 1, 1000},
      {"1:2:1:99999999999", 2, 1, 1000},
      {"1:2:1:1e400", 2, 1, 1000},
      {"1:2147483648:1:1500", 1, 1, 1500},
      {"1:-2147483649:1:1500", 1, 1, 1500},
      {"1:2:1", 1, 1, 1000},
      {"1:2:0:1500:x:y", 2, 0, 300},
      {"1:2:.5:1500", 2, 0, 300},
      {"1:2:1.5:1500", 3, 2, 0},
      {"", 1, 1, 1000},
      {":::", 3, 0, 300},
  };
  dock.reset();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    services->Settings[{"DockBar", "k"}] = c.text;
    auto d = harness().createDock(4000, 6000);
    d->setAllowScroll(true);
    auto bar = d->Bars().Add();
    bar->setKey("k");
    bar->setTitle("k");
    bar->setCanExpand(true);
    bar->setAllowResize(true);
    bar->setShowClose(true);
    bar->setHeight(1000);
    d->setShow(true);
    EXPECT_EQ(bar->AlignBar(), c.align);
    EXPECT_EQ(bar->State(), c.state);
    EXPECT_EQ(bar->Height(), c.height);
  }
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(DockTest, StoredOrderNumbersAreRoundedAndOutOfRangeOnesKeepThePosition) {
  struct Case {
    const char *a, *b, *c;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {"2.5", "3.4", "1e0", {"c", "a", "b"}},
      // 2^32 + 2 does not fit: a keeps its number 1 (wrapping would give a second 2).
      {"4294967298", "3", "2", {"a", "c", "b"}},
      {"1", "1", "3", {"a", "b", "c"}},  // a number twice: the order stays
      {"0", "2", "3", {"a", "b", "c"}},  // out of range: the order stays
      {"x", "y", "z", {"a", "b", "c"}},  // no numbers: all 0
      {"3", "1", "", {"a", "b", "c"}},   // c has no text and keeps 3: 3 twice
  };
  dock.reset();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " " + c.b + " " + c.c);
    auto d = harness().createDock(4000, 6000);
    for (const char* key : {"a", "b", "c"}) {
      auto bar = d->Bars().Add();
      bar->setKey(key);
      bar->setTitle(key);
      bar->setHeight(1000);
    }
    services->Settings.clear();
    services->Settings[{"DockBar", "a"}] = std::string(c.a) + ":1:1:0";
    services->Settings[{"DockBar", "b"}] = std::string(c.b) + ":1:1:0";
    if (*c.c) services->Settings[{"DockBar", "c"}] = std::string(c.c) + ":1:1:0";
    d->setShow(true);
    std::vector<std::string> keys;
    for (std::int32_t p = 1; p <= d->Bars().Count(); ++p) {
      keys.push_back(d->Bars().ItemByOrder(p)->Key());
    }
    EXPECT_EQ(keys, c.order);
    EXPECT_EQ(d->Bars().ItemByOrder(1)->Top(), 0);
    EXPECT_EQ(d->Bars().ItemByOrder(3)->Top(), 2000);
  }
}

}  // namespace kivtest
