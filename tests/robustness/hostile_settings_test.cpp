// Corrupt and hostile stored settings: every text ends in a state the rules allow, in both
// layout modes, and the next save writes well-formed texts again. A table pins how numbers are
// read; generated scenarios cover the families of hostile texts and keys.
#include <gtest/gtest.h>

#include <climits>

#include "support/hostile_settings.h"

namespace kivrobust {
namespace {

struct HostileText {
  const char* name;
  std::string text;  // stored for bar "b"; "a" holds 1:1:1:1000 and "c" 3:1:1:1400
  std::int32_t alignFill, alignScroll, state, heightScroll;
  bool overflowInFill = false;  // sharing a height this large overflows, and says so
};

const std::string kTiny = "0." + std::string(400, '0') + "1";

// Expected: the alignment in fill and in scroll mode (scroll mode makes a bar that its group order
// leaves out right-aligned), the state, and the height in scroll mode (fill mode shares it again).
// Bar "b" starts top-aligned, expanded, 1200 high, closable.
const HostileText kTexts[] = {
    {"empty", "", 1, 1, 1, 1200},
    {"three fields", "2:1:1", 1, 1, 1, 1200},
    {"extra fields", "2:2:1:900:x:y", 2, 2, 1, 900},
    {"blanks", " 2 : 3 : 0 : 900 ", 3, 3, 0, 300},
    {"blanks inside numbers", "2:1:1:  9 0 0", 1, 1, 1, 900},
    {"signs", "+2:+3:+1:+900", 3, 3, 1, 900},
    {"double sign", "2:1:1:+-900", 1, 1, 1, 1200},
    {"exponent", "2:1:1:1e3", 1, 1, 1, 1000},
    {"fraction exponent", "2:1:1:.5e4", 1, 1, 1, 5000},
    {"exponent without digits", "2:1:1:900e", 1, 1, 1, 900},
    {"trailing point", "2:1:1:900.", 1, 1, 1, 900},
    {"trailing garbage", "2:1:1:9e2x", 1, 1, 1, 900},
    {"decimals round half to even", "2:1.5:1.5:900.5", 2, 3, 2, 0},
    {"half rounds down to even", "2:2.5:0.5:900", 2, 2, 0, 300},
    {"decimal comma", "2:1:1:1,5", 1, 1, 1, 1200},
    {"hex is no number", "2:1:1:0x384", 1, 1, 1, 1200},
    {"largest height", "2:1:1:2147483647", 1, 1, 1, INT_MAX, true},
    {"smallest state", "2:1:-2147483648:900", 1, 1, INT_MIN, 1200},
    {"unknown state", "2:1:7:900", 1, 1, 7, 1200},
    {"hidden", "2:1:2:900", 1, 3, 2, 0},
    {"unknown alignment", "2:9:1:900", 9, 3, 1, 900},
    {"alignment zero", "2:0:1:900", 0, 3, 1, 900},
    {"repeated order number", "1:1:1:1200", 1, 3, 1, 1200},
    {"order number beyond the bars", "5:1:1:1200", 1, 3, 1, 1200},
    // Once read as infinite: a number far below 1 without an exponent is 0, which names no place.
    {"tiny order number", kTiny + ":1:1:900", 1, 3, 1, 900},
    {"tiny number with exponent", "2:1:1:" + kTiny + "e+10", 1, 1, 1, 1200},
};

TEST(HostileSettings, EveryTextLoadsIntoAnAllowedStateAndSavesWellFormedTexts) {
  for (const HostileText& row : kTexts) {
    for (const bool scroll : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (scroll ? " in scroll mode" : " in fill mode"));
      Host h;
      h.dock->setSize(4800, 6000);
      h.dock->setAllowScroll(scroll);
      const std::string stored[] = {"1:1:1:1000", row.text, "3:1:1:1400"};
      for (int i = 0; i < 3; ++i) {
        const std::string key(1, static_cast<char>('a' + i));
        h.services->store(key, stored[i]);
        h.addBar(key, 1000 + 200 * i, kPlain | kShowClose);
      }
      h.dock->setShow(true);
      auto b = h.dock->Bars().ItemByKey("b");
      EXPECT_EQ(b->AlignBar(), scroll ? row.alignScroll : row.alignFill);
      EXPECT_EQ(b->State(), row.state);
      EXPECT_EQ(b->Height(), scroll ? row.heightScroll : b->Height());
      for (const auto& m : h.messages())
        if (scroll || !row.overflowInFill || m.rfind("KivDock: pAutoSize: ", 0) != 0)
          ADD_FAILURE() << m;
      EXPECT_EQ(h.resave(), kNone);
    }
  }
}

TEST(HostileSettings, GeneratedScenariosLoadIntoAllowedStatesInBothModes) {
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    Choices choices(seed);
    const HostileScenario scenario = hostileScenario(choices);
    for (const bool scroll : {false, true}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + (scroll ? " in scroll mode" : " in fill mode"));
      EXPECT_EQ(loadHostile(scenario, scroll), kNone);
    }
  }
}

}  // namespace
}  // namespace kivrobust
