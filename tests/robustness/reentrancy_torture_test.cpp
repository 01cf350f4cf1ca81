// Hosts that call back into the dock from inside its events and from their hosted controls:
// changing heights, states, order, mode and visibility, clearing the bars or releasing the dock
// while it works. Nothing crashes, nothing is lost, a recursion that does not end is reported
// once and stopped, and the dock is whole again after the next layout pass.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "support/invariants.h"
#include "support/probe_control.h"
#include "support/recording_services.h"

namespace kivrobust {
namespace {

enum class Event { CtlResize, Closed, OptShow, RightClick, ControlMove, ControlHide, Services };
enum class Action {
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
  Host
};

const char* const kEventNames[] = {"CtlResize", "Closed", "OptShow", "RightClick",
                                   "Move",      "Hide",   "Services"};
const char* const kActionNames[] = {"Height",  "State",  "Order", "AllowScroll",
                                    "ShowOff", "ShowOn", "Clear", "Release",
                                    "Add",     "Reset",  "Host"};
constexpr const char* kStackMessage = "Nicht genügend Stapelspeicher";

struct TortureCase {
  Event event;
  Action action;
  bool endless;  // the handler acts every time, not only the first three
};

class Torture : public ::testing::TestWithParam<TortureCase> {
 protected:
  struct Host : kiv::KivDockEvents {
    Torture* test = nullptr;
    void CtlResize(std::string&) override { test->react(Event::CtlResize); }
    void Closed(std::string&) override { test->react(Event::Closed); }
    void OptShow(std::string&, bool&) override { test->react(Event::OptShow); }
    void RightClick(std::string&) override { test->react(Event::RightClick); }
  };

  std::shared_ptr<ProbeControl> newControl() {
    auto control = std::make_shared<ProbeControl>(ProbeControl::Kind::Full,
                                                  platform->CreateWindow(form), form);
    control->onMove = [this] { react(Event::ControlMove); };
    control->onHide = [this] { react(Event::ControlHide); };
    controls.push_back(control);
    return control;
  }

  void SetUp() override {
    platform = std::make_shared<kiv::HeadlessPlatform>();
    kiv::setPlatform(platform);
    services = std::make_shared<RecordingServices>();
    auto s = services;
    kiv::setSharedServicesFactory([s] { return s; });
    form = platform->CreateWindow();
    dock = kiv::KivDock::create();
    weak = dock;
    dock->setSize(4800, 6000);
    for (const char* key : {"a", "b", "c", "d"}) {
      auto bar = dock->Bars().Add();
      bar->setKey(key);
      bar->setTitle(key);
      bar->setCanExpand(true);
      bar->setAllowResize(true);
      bar->setShowClose(true);
      bar->setShowOptions(true);
      bar->setHeight(1200);
      bar->letControl(newControl());
    }
    dock->setShow(true);
    services->onCall = [this] { react(Event::Services); };
    host.test = this;
    dock->setEventSink(&host);
    platform->ClearMessages();
    armed = true;
  }
  void TearDown() override {
    armed = false;
    services->onCall = nullptr;
    if (dock) dock->setEventSink(nullptr);
    dock.reset();
    kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
  }

  // The host's reaction; errors the dock raises go back into the dock, as from a careless host.
  void react(Event event) {
    const TortureCase& c = GetParam();
    if (!armed || event != c.event || !dock) return;
    if (!c.endless && ++reactions > 3) return;
    ++round;
    kiv::clsBars& bars = dock->Bars();
    auto some = [&] { return bars.Item(1 + round % std::max(bars.Count(), 1)); };
    switch (c.action) {
      case Action::Height:
        if (auto b = bars.Item(1)) b->setHeight(round % 2 ? 2000 : 1000);
        break;
      case Action::State:
        if (auto b = some()) b->setState(static_cast<kiv::EKivBarStates>(round % 3));
        break;
      case Action::Order:
        if (auto b = some()) {
          auto& el = dock->elements();
          const auto k = static_cast<std::int16_t>(b->Index());
          (round % 2 ? el.imgUp(k) : el.imgDown(k)).Click();
        }
        break;
      case Action::AllowScroll:
        dock->setAllowScroll(!dock->AllowScroll());
        break;
      case Action::ShowOff:
        dock->setShow(false);
        break;
      case Action::ShowOn:
        dock->setShow(true);
        break;
      case Action::Clear:
        bars.Clear();
        break;
      case Action::Release:
        dock.reset();
        break;
      case Action::Add:
        bars.Add()->setKey("n" + std::to_string(round));
        break;
      case Action::Reset:
        dock->ShowElement(-1);
        break;
      case Action::Host:
        if (auto b = bars.Item(1)) b->letControl(newControl());
        break;
    }
  }

  void trigger() {
    auto& el = dock->elements();
    auto b = dock->Bars().ItemByKey("b");
    const auto k = static_cast<std::int16_t>(b->Index());
    switch (GetParam().event) {
      case Event::CtlResize:
      case Event::ControlMove:
        dock->setSize(5200, 6400);
        break;
      case Event::Closed:
        el.imgClose(k).Click();
        break;
      case Event::OptShow:
        el.imgOpt(k).Click();
        break;
      case Event::RightClick:
        el.picTitel(k).MouseDown(kiv::kButtonRight, 0, 60, 60);
        break;
      case Event::ControlHide:
        dock->Bars().Clear();
        break;
      case Event::Services:
        dock->setShow(true);
        if (dock) dock->Save();
        break;
    }
  }

  std::vector<std::string> findings(bool settled) {
    InvariantInput in;
    in.dock = dock.get();
    in.services = services.get();
    in.platform = platform.get();
    in.controls = &controls;
    in.stackSettled = in.widthsSettled = settled;
    return checkInvariants(in);
  }

  std::shared_ptr<kiv::HeadlessPlatform> platform;
  std::shared_ptr<RecordingServices> services;
  std::shared_ptr<kiv::KivDock> dock;  // the host's only reference
  std::weak_ptr<kiv::KivDock> weak;
  std::vector<std::shared_ptr<ProbeControl>> controls;
  kiv::Hwnd form = 0;
  Host host;
  bool armed = false;
  int reactions = 0, round = 0;
};

TEST_P(Torture, TheDockSurvivesAndComesBackWhole) {
  const TortureCase& c = GetParam();
  trigger();
  armed = false;
  EXPECT_GT(round, 0) << "the host never heard the event";

  int stackReports = 0;
  for (const auto& m : platform->Messages()) {
    if (m.Text == kStackMessage) {
      ++stackReports;
      EXPECT_EQ(m.Caption, "KivDock");
    }
  }
  EXPECT_LE(stackReports, c.event == Event::Services ? 2 : 1);  // once per call of the host
  // A host that answers every new height of a bar with another one never lets the dock finish.
  if (c.endless && c.action == Action::Height &&
      (c.event == Event::CtlResize || c.event == Event::ControlMove)) {
    EXPECT_EQ(stackReports, 1);
  }
  EXPECT_TRUE(services->malformedWrites.empty());

  if (c.action == Action::Release) {
    EXPECT_TRUE(weak.expired()) << "the dock outlived its host's last reference";
    for (const auto& control : controls) EXPECT_EQ(platform->GetParent(control->window()), form);
    return;
  }
  ASSERT_TRUE(dock);
  for (const auto& f : findings(false)) ADD_FAILURE() << f;
  // The next layout pass puts everything in place again.
  dock->setShow(true);
  dock->setSize(4800, 6000);
  for (const auto& f : findings(true)) ADD_FAILURE() << f;
  dock->Save();
  for (const auto& f : checkSavedSettings(*dock, *services)) ADD_FAILURE() << f;
}

std::vector<TortureCase> allCases() {
  std::vector<TortureCase> cases;
  for (int e = 0; e <= static_cast<int>(Event::Services); ++e) {
    for (int a = 0; a <= static_cast<int>(Action::Host); ++a) {
      for (const bool endless : {false, true}) {
        cases.push_back({static_cast<Event>(e), static_cast<Action>(a), endless});
      }
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Hosts, Torture, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<TortureCase>& info) {
                           return std::string(kEventNames[static_cast<int>(info.param.event)]) +
                                  "_" + kActionNames[static_cast<int>(info.param.action)] +
                                  (info.param.endless ? "_Endless" : "_Thrice");
                         });

}  // namespace
}  // namespace kivrobust
