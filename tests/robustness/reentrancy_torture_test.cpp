// Hosts that call back into the dock from inside its events, their hosted controls and their
// services: changing heights, states, order, mode and visibility, clearing the bars or releasing
// the dock while it works. Nothing crashes, nothing is lost, a recursion that does not end is
// reported once and stopped, and the dock is whole again after the next layout pass.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/robust.h"

namespace kivrobust {
namespace {

// The host's reactions to an event, given how often it reacted.
struct Reaction {
  const char* name;
  void (*act)(Host& h, int round);
};
const Reaction kReactions[] = {
    {"Height",
     [](Host& h, int round) {
       if (auto b = h.dock->Bars().Item(1)) b->setHeight(round % 2 ? 2000 : 1000);
     }},
    {"State",
     [](Host& h, int round) {
       if (auto b = h.dock->Bars().Item(1 + round % std::max(h.dock->Bars().Count(), 1)))
         b->setState(static_cast<kiv::EKivBarStates>(round % 3));
     }},
    {"Order",
     [](Host& h, int round) {
       if (auto b = h.dock->Bars().Item(1 + round % std::max(h.dock->Bars().Count(), 1))) {
         const auto k = static_cast<std::int16_t>(b->Index());
         (round % 2 ? h.dock->elements().imgUp(k) : h.dock->elements().imgDown(k)).Click();
       }
     }},
    {"AllowScroll", [](Host& h, int) { h.dock->setAllowScroll(!h.dock->AllowScroll()); }},
    {"ShowOff", [](Host& h, int) { h.dock->setShow(false); }},
    {"ShowOn", [](Host& h, int) { h.dock->setShow(true); }},
    {"Clear", [](Host& h, int) { h.dock->Bars().Clear(); }},
    // Letting go of the dock from a control's hide once destroyed the collection inside Clear.
    {"Release", [](Host& h, int) { h.dock.reset(); }},
    {"Add", [](Host& h, int round) { h.dock->Bars().Add()->setKey("n" + std::to_string(round)); }},
    {"Reset", [](Host& h, int) { h.dock->ShowElement(-1); }},
    {"Rehost",
     [](Host& h, int) {
       if (auto b = h.dock->Bars().Item(1)) b->letControl(h.control());
     }},
};

// Brings the host to hear the event: a resize, a click, a right click, clearing, showing.
void trigger(Host& h, const std::string& event) {
  auto& el = h.dock->elements();
  const auto k = static_cast<std::int16_t>(h.dock->Bars().ItemByKey("b")->Index());
  if (event == "CtlResize" || event == "Move") h.dock->setSize(5200, 6400);
  if (event == "Closed") el.imgClose(k).Click();
  if (event == "OptShow") el.imgOpt(k).Click();
  if (event == "RightClick") el.picTitel(k).MouseDown(kiv::kButtonRight, 0, 60, 60);
  if (event == "Hide") h.dock->Bars().Clear();
  if (event == "Services") {
    h.dock->setShow(true);
    if (h.dock) h.dock->Save();
  }
}

class Torture : public ::testing::TestWithParam<const char*> {};

TEST_P(Torture, EveryReactionLeavesTheDockWhole) {
  const std::string event = GetParam();
  for (const Reaction& reaction : kReactions) {
    for (const bool endless : {false, true}) {
      SCOPED_TRACE(std::string(reaction.name) + (endless ? " every time" : " three times"));
      Host h;
      h.dock->setSize(4800, 6000);
      for (const char* key : {"a", "b", "c", "d"})
        h.addBar(key, 1200, kPlain | kShowClose | kShowOptions | kControl);
      h.dock->setShow(true);
      h.platform->ClearMessages();
      std::weak_ptr<kiv::KivDock> weak = h.dock;
      int round = 0;
      h.react = [&](const std::string& heard) {
        if (heard == event && h.dock && (endless || round < 3)) reaction.act(h, ++round);
      };
      trigger(h, event);
      h.react = nullptr;
      EXPECT_GT(round, 0) << "the host never heard the event";

      // Only the recursion report counts: pAutoSize reports the bars a host cleared meanwhile.
      // It comes once per call of the host, and surely for a host that answers every new height
      // of a bar with another one, as that never lets the dock finish.
      const auto messages = h.messages();
      const auto reports =
          std::count(messages.begin(), messages.end(), std::string("KivDock: ") + kStackMessage);
      EXPECT_LE(reports, event == "Services" ? 2 : 1);
      const bool runaway = endless && std::string(reaction.name) == "Height" &&
                           (event == "CtlResize" || event == "Move");
      EXPECT_GE(reports, runaway ? 1 : 0);
      if (!h.dock) {
        EXPECT_TRUE(weak.expired()) << "the dock outlived its host's last reference";
        EXPECT_EQ(h.check(false), kNone);  // every control back in the form
        continue;
      }
      EXPECT_EQ(h.check(false), kNone);
      h.dock->setShow(true);  // the next layout pass puts everything in place again
      h.dock->setSize(4800, 6000);
      EXPECT_EQ(h.resave(), kNone);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Events, Torture,
                         ::testing::Values("CtlResize", "Closed", "OptShow", "RightClick", "Move",
                                           "Hide", "Services"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace kivrobust
