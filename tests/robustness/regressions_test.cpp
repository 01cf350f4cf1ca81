// Defects the robustness runs found, each kept as a named case, and the last element index.
#include <gtest/gtest.h>

#include "support/robust.h"

namespace kivrobust {
namespace {

// Every height the sharing gives a resizable "ZAHL_TOP" bar shares the height again. In a tall
// dock those sharings start each other without end: one report at once, not minutes of rounds.
TEST(Regressions, SharingAroundAZahlTopBarInATallDockEnds) {
  Host h;
  h.dock->setSize(4800, 30000);
  for (int i = 0; i < 6; ++i)
    h.addBar(i == 0 ? "ZAHL_TOP" : "k" + std::to_string(i), 300 + 700 * i, kPlain | kControl);
  h.dock->setShow(true);
  EXPECT_LT(h.heard.size(), 2000u);
  EXPECT_EQ(h.messages(), std::vector<std::string>{std::string("KivDock: ") + kStackMessage});
  EXPECT_EQ(h.check(true), kNone);
  EXPECT_EQ(h.dock->Bars().Item(1)->Height(), 300);  // no round was shared out
}

// Found by the fuzzer: sharings around "ZAHL_TOP" bars whose sums leave 32 bits start each other
// again in every round of every nested one. The stack bounded how deep they went but not how
// many there were: one resize of this sequence froze a release build for 49 s (minutes under the
// sanitizers). The call now ends with the stack report after 100,000 sharings.
TEST(Regressions, SharingsThatBranchWithoutEndStopWithinOneCall) {
  static const std::uint8_t kInput[] = {
      0x9a, 0x01, 0xad, 0x21, 0x9e, 0xb5, 0x9c, 0xf6, 0xa1, 0x5e, 0xf6, 0xf1, 0x5a, 0x1d, 0x83,
      0x9a, 0x09, 0xad, 0x21, 0x9e, 0xb5, 0x9c, 0xf6, 0xa1, 0x5e, 0xf6, 0xf1, 0x5a, 0x1d, 0x83,
      0x0b, 0xb7, 0xce, 0x09, 0xd6, 0xbb, 0xc0, 0x04, 0xe7, 0x17, 0x5c, 0x64, 0x3c, 0x7d, 0xec,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x3d, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x0b,
      0xb7, 0xce, 0x09, 0xd6, 0xbb, 0xc0, 0x04, 0xe7, 0x17, 0x5c, 0x56, 0xde, 0xbe, 0x4c, 0x05,
      0x06, 0x3f, 0x00, 0x00, 0x2c, 0x01, 0x00, 0x00, 0x84, 0x03, 0x00, 0x00, 0x84, 0x03, 0x00,
      0x00, 0x79, 0x08, 0x00, 0x00, 0x79, 0x08, 0x00, 0x00, 0x1e, 0xd7, 0x96, 0x48, 0xe8, 0x00,
      0x00, 0x60, 0x7e, 0xf0, 0x00, 0x03, 0x19, 0xbf, 0xce, 0x64, 0x3c, 0x7d, 0xec, 0xb0, 0xb5,
      0xff, 0xff, 0x41, 0x6c, 0x6c, 0x6f, 0x77, 0x52, 0x65, 0x73, 0x69, 0xff, 0xff, 0xff, 0xff,
      0xff, 0x00, 0x80, 0x4b, 0xec, 0x37, 0xbc, 0x97, 0x12, 0xdd, 0x2e, 0x6a, 0xae, 0xb9, 0x4b,
      0xae, 0x8d, 0x2f, 0x9f, 0xa2, 0x9c, 0x5a, 0x28, 0x4c, 0x9e, 0xf7, 0x45, 0x69, 0x6e, 0x20,
      0x73, 0x65, 0x68, 0x72, 0x20, 0x6c, 0x4a, 0x1c, 0x10, 0xfc, 0xab, 0x6a, 0x42, 0x43, 0xd3,
      0x36, 0x56, 0xde, 0xbe, 0x4c, 0x1e, 0xd7, 0x39, 0x96, 0x48, 0xe8, 0x56, 0xc1, 0xe8, 0xf9,
      0xa2, 0xf5, 0x8c, 0x95, 0xf0, 0xce, 0x4b, 0x39, 0x41,
  };
  Choices choices(kInput, sizeof kInput);
  EXPECT_EQ(runSequence(choices, 400, "fuzz input"), "");
}

// A control that clears the bars when it is hidden made giving it back re-enter without end,
// past any stack: the bar still held the control while the host heard of its hiding.
TEST(Regressions, AControlThatClearsTheBarsWhenHiddenLeavesThemCleared) {
  Host h;
  h.react = [&](const std::string& event) {
    if (event == "Hide") h.dock->Bars().Clear();
  };
  for (const char* key : {"a", "b"}) h.addBar(key, 1000, kPlain | kControl);
  h.dock->setShow(true);
  h.dock->Bars().Clear();
  EXPECT_EQ(h.messages(), kNone);
  EXPECT_EQ(h.check(false), kNone);  // every control is back in the form, no element is left
  EXPECT_EQ(h.addBar("c", 1000)->Index(), 1);
}

// A control hosted into a bar while that bar gave its control back was dropped with the bar
// and went down with its body window. Replacing a control whose hide hosts yet another one keeps
// that one hosted.
TEST(Regressions, AControlHostedWhileTheBarGivesItsControlBackIsGivenBackToo) {
  Host h;
  auto bar = h.addBar("a", 1000, kPlain | kControl);
  h.addBar("b", 1000, kPlain | kControl);
  h.controls[0]->onHide = [&] { bar->letControl(h.control()); };
  h.dock->setShow(true);
  h.dock->Bars().Clear();
  EXPECT_EQ(h.check(false), kNone);
  bar = h.addBar("c", 1000, kPlain | kControl);
  h.controls.back()->onHide = [&] { bar->letControl(h.control()); };
  bar->letControl(h.control());
  EXPECT_EQ(h.check(false), kNone);
}

// Services that add a keyed bar with every write kept saving going: each new bar was saved too.
TEST(Regressions, SavingEndsWhenEveryWriteAddsABar) {
  Host h;
  h.addBar("a", 1000);
  int added = 0;
  h.react = [&](const std::string& event) {
    if (event == "Services" && added < 10000)
      h.dock->Bars().Add()->setKey("n" + std::to_string(++added));
  };
  h.dock->Save();
  EXPECT_EQ(added, 1);
  EXPECT_EQ(h.services->stored("a"), "1:1:1:1000");
}

// A dock the host never sized was 0 twips wide: its bars were narrower than the smallest width
// and in scroll mode the separator lines stood left of the dock.
TEST(Regressions, ADockNeverSizedLaysOutAtItsSmallestSize) {
  for (const bool scroll : {false, true}) {
    Host h;
    h.dock->setAllowScroll(scroll);
    for (const char* key : {"a", "b", "c"}) h.addBar(key, 1000, kPlain | kControl);
    h.dock->Bars().Item(3)->setAlignBar(kiv::eAlignLeft);
    h.dock->setShow(true);
    EXPECT_EQ(h.dock->Width(), 500);
    EXPECT_EQ(h.check(true), kNone);
  }
}

// Element indexes are 16-bit: bar 32768 lives without elements, cannot reach the dock through
// its setters, is saved, and harms no other bar.
TEST(Limits, ABarBeyondTheLastElementIndexHasNoElementsAndHarmsNoOther) {
  Host h;
  for (int i = 0; i < 32768; ++i) h.dock->Bars().Add();
  auto last = h.dock->Bars().Item(32768);
  ASSERT_TRUE(last);
  ASSERT_EQ(h.messages().size(), 1u);
  EXPECT_EQ(h.messages()[0].rfind("fBarAdd: ", 0), 0u);
  EXPECT_EQ(h.dock->elements().UBound(), 32767);
  try {
    last->setHeight(900);
    ADD_FAILURE() << "a height change of bar 32768 reached the dock";
  } catch (const kiv::KivError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
  last->setKey("last");
  h.dock->Bars().Item(1)->setKey("first");
  h.dock->Bars().Item(1)->setHeight(900);
  h.dock->setShow(true);
  EXPECT_EQ(h.resave(), kNone);
  EXPECT_EQ(h.services->stored("last"), "32768:1:1:900");
  h.dock->Bars().Clear();
  EXPECT_EQ(h.dock->elements().UBound(), 0);
  EXPECT_EQ(h.dock->Bars().Add()->Index(), 1);
}

}  // namespace
}  // namespace kivrobust
