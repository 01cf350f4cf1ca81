// Storing each keyed bar's order number, alignment, state and height in "DockBar", reading the
// stored texts back leniently, and restoring them when the dock is shown.
#include <cstring>

#include "support/dock_fixture.h"

namespace kivtest {

// What saving writes is the saved-texts invariant of the random sequences. Loaded again with only
// the keyed bars, the states come back, but the order numbers 1, 3, 4, 5 do not name every
// position once, so fill mode keeps the order.
TEST_F(DockTest, FillModeKeepsTheOrderWhenTheStoredNumbersDoNotNameEveryPosition) {
  services->Settings = {{{"DockBar", "a"}, "1:1:1:2000"},
                        {{"DockBar", "d"}, "3:1:1:800"},
                        {{"DockBar", "b"}, "4:2:0:300"},
                        {{"DockBar", "c"}, "5:3:2:0"}};
  for (const char* key : {"c", "b", "a", "d"}) addResizable(key, 1000)->setShowClose(true);
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"c", "b", "a", "d"}));
  auto bar = [&](const char* key) { return dock->Bars().ItemByKey(key); };
  EXPECT_EQ(std::make_tuple(bar("b")->AlignBar(), bar("b")->State(), bar("c")->State()),
            std::make_tuple(kiv::eAlignLeft, kiv::eBarCollapsed, kiv::eBarHidden));
}

TEST_F(DockTest, LoadingReadsNumbersLenientlyAndFollowsTheBarsFlags) {
  struct Case {
    const char *key, *flags, *text;  // c ShowClose, h HideByDefault, f not resizable, x hidden
    std::int32_t align, state, height;
  };
  // Scroll mode shares no height, and its grouped order moves a keyed bar that it does not
  // place (hidden, or not named by a readable order number) to the right column.
  const Case cases[] = {
      {"closable", "c", "1:1:2:1500", 3, 2, 0},
      {"fixedOpen", "", "2:1:2:1500", 1, 1, 1500},       // cannot be closed: comes back expanded
      {"noResize", "f", "3:2:1:2500", 2, 1, 1000},       // the stored height is not taken
      {"byDefault", "ch", "", 3, 2, 0},                  // no text: hidden by default
      {"keepsState", "", "", 1, 1, 1000},                // no text: keeps its place 5
      {"", "ch", "", 1, 1, 1000},                        // no key: never loaded
      {"exponent", "", "6.6e0:1:1:2.5E+3", 1, 1, 2500},  // order number 7
      {"fraction", "", "8.5:1:1:25000e-1", 1, 1, 2500},  // order number 8: halves go to even
      {"halves", "", "9:2.5:1:2000.5", 2, 1, 2000},      // 2.5 to 2, 2000.5 to 2000
      // Numbers outside 32 bits leave the value as it was; 2^32 + 1 must not wrap to 1.
      {"tooLarge", "", "4294967297:-2147483649:1:1500", 1, 1, 1500},
      {"", "x", "", 1, 2, 0},  // hidden without a key: left in its group
  };
  dock->setAllowScroll(true);
  for (const Case& c : cases) {
    if (*c.text) services->Settings[{"DockBar", c.key}] = c.text;
    auto added = addResizable(c.key, 1000);
    added->setShowClose(std::strchr(c.flags, 'c') != nullptr);
    added->setHideByDefault(std::strchr(c.flags, 'h') != nullptr);
    if (std::strchr(c.flags, 'f')) added->setAllowResize(false);
    if (std::strchr(c.flags, 'x')) added->setState(kiv::eBarHidden);
  }
  dock->setShow(true);
  for (std::int32_t i = 1; i <= dock->Bars().Count(); ++i) {
    const Case& c = cases[i - 1];
    auto loaded = dock->Bars().Item(i);
    EXPECT_EQ(std::make_tuple(loaded->AlignBar(), loaded->State(), loaded->Height()),
              std::make_tuple(c.align, c.state, c.height))
        << c.key;
  }
  EXPECT_TRUE(harness().messages().empty());
}

// The host's settings services may change the bars while the dock reads or writes: each pass
// keeps to the bars it counted when it began.
TEST_F(DockTest, SettingsPassesKeepTheBarsTheyCountedWhenTheHostChangesThem) {
  // Loading: the first read adds a keyed bar. The stored numbers then name too few positions
  // for fill mode, which keeps the order; scroll mode sorts the stored bars and sends it right.
  bool once = true;
  services->onRead = [&](const std::string&) {
    if (std::exchange(once, false)) addBar("late");
  };
  for (const bool scroll : {false, true}) {
    dock = harness().createDock(4000, 6000);
    dock->setAllowScroll(scroll);
    services->Settings = {{{"DockBar", "A"}, "2:1:1:1000"}, {{"DockBar", "B"}, "1:1:1:1000"}};
    addBar("A"), addBar("B");
    once = true;
    dock->setShow(true);
    EXPECT_EQ(order(), scroll ? (Keys{"B", "A", "late"}) : (Keys{"A", "B", "late"}));
  }
  EXPECT_EQ(dock->Bars().ItemByKey("late")->AlignBar(), kiv::eAlignRight);

  // Saving walks each group over the positions counted when the group begins: a right bar
  // added by the first write is written in its group; clearing the bars breaks the save off.
  services->Settings.clear();
  once = true;
  services->onWrite = [&](const std::string&) {
    if (std::exchange(once, false)) addBar("new")->setAlignBar(kiv::eAlignRight);
  };
  dock->Save();
  EXPECT_EQ(stored("new").substr(0, 4), "4:3:");
  services->onWrite = [&](const std::string&) { dock->Bars().Clear(); };
  dock->Save();
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "pSaveSettings");
}

}  // namespace kivtest
