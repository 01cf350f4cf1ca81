// Hosts that call back into the dock from inside its events, their hosted controls and their
// services: changing heights, states, order, mode and visibility, clearing the bars or releasing
// the dock while it works. Nothing crashes, nothing is lost, a recursion that does not end is
// reported once and stopped, and the dock is whole again after the next layout pass.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/robust.h"

namespace kivrobust {
namespace {

enum Action {
  Height,
  State,
  Order,
  AllowScroll,
  ShowOff,
  ShowOn,
  Clear,
  Release,
  Add,
  Reset,
  Rehost
};
const char* const kActions[] = {"Height", "State",   "Order", "AllowScroll", "ShowOff", "ShowOn",
                                "Clear",  "Release", "Add",   "Reset",       "Rehost"};

// The host's reaction to one event: the first three times, or every time.
void react(Host& h, Action action, int round) {
  kiv::clsBars& bars = h.dock->Bars();
  auto some = bars.Item(1 + round % std::max(bars.Count(), 1));
  switch (action) {
    case Height:
      if (auto b = bars.Item(1)) b->setHeight(round % 2 ? 2000 : 1000);
      break;
    case State:
      if (some) some->setState(static_cast<kiv::EKivBarStates>(round % 3));
      break;
    case Order:
      if (some) {
        const auto k = static_cast<std::int16_t>(some->Index());
        (round % 2 ? h.dock->elements().imgUp(k) : h.dock->elements().imgDown(k)).Click();
      }
      break;
    case AllowScroll:
      h.dock->setAllowScroll(!h.dock->AllowScroll());
      break;
    case ShowOff:
    case ShowOn:
      h.dock->setShow(action == ShowOn);
      break;
    case Clear:
      bars.Clear();
      break;
    case Release:
      h.dock.reset();
      break;
    case Add:
      bars.Add()->setKey("n" + std::to_string(round));
      break;
    case Reset:
      h.dock->ShowElement(-1);
      break;
    case Rehost:
      if (auto b = bars.Item(1)) b->letControl(h.control());
      break;
  }
}

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
  for (int action = Height; action <= Rehost; ++action) {
    for (const bool endless : {false, true}) {
      SCOPED_TRACE(std::string(kActions[action]) + (endless ? " every time" : " three times"));
      Host h;
      h.dock->setSize(4800, 6000);
      for (const char* key : {"a", "b", "c", "d"})
        h.addBar(key, 1200, kPlain | kShowClose | kShowOptions | kControl);
      h.dock->setShow(true);
      h.platform->ClearMessages();
      std::weak_ptr<kiv::KivDock> weak = h.dock;
      int round = 0;
      h.react = [&](const std::string& heard) {
        if (heard == event && h.dock && (endless || round < 3))
          react(h, static_cast<Action>(action), ++round);
      };
      trigger(h, event);
      h.react = nullptr;
      EXPECT_GT(round, 0) << "the host never heard the event";

      // Only the recursion report counts: pAutoSize reports the bars a host cleared meanwhile.
      const auto messages = h.messages();
      const auto reports =
          std::count(messages.begin(), messages.end(), std::string("KivDock: ") + kStackMessage);
      EXPECT_LE(reports, event == "Services" ? 2 : 1);  // once per call of the host
      // A host that answers every new height of a bar with another one never lets the dock finish.
      const bool runaway = endless && action == Height && (event == "CtlResize" || event == "Move");
      EXPECT_GE(reports, runaway ? 1 : 0);

      if (action == Release) {
        EXPECT_TRUE(weak.expired()) << "the dock outlived its host's last reference";
        for (const auto& f : h.check(false)) ADD_FAILURE() << f;  // every control back in the form
        continue;
      }
      ASSERT_TRUE(h.dock);
      std::vector<std::string> findings = h.check(false);
      h.dock->setShow(true);  // the next layout pass puts everything in place again
      h.dock->setSize(4800, 6000);
      for (auto& f : h.check(true)) findings.push_back(f);
      h.dock->Save();
      for (auto& f : h.checkSaved()) findings.push_back(f);
      for (const auto& f : findings) ADD_FAILURE() << f;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Events, Torture,
                         ::testing::Values("CtlResize", "Closed", "OptShow", "RightClick", "Move",
                                           "Hide", "Services"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace kivrobust
