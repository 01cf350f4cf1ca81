// Defects the robustness runs found, each kept as a named case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/invariants.h"
#include "support/probe_control.h"
#include "support/recording_services.h"

namespace kivrobust {
namespace {

struct CountingHost : kiv::KivDockEvents {
  int resizes = 0;
  void CtlResize(std::string&) override { ++resizes; }
};

class Regressions : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = std::make_shared<kiv::HeadlessPlatform>();
    kiv::setPlatform(platform);
    services = std::make_shared<RecordingServices>();
    auto s = services;
    kiv::setSharedServicesFactory([s] { return s; });
    form = platform->CreateWindow();
    dock = kiv::KivDock::create();
    dock->setEventSink(&host);
  }
  void TearDown() override {
    services->onCall = nullptr;
    if (dock) dock->setEventSink(nullptr);
    dock.reset();
    kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
  }

  std::shared_ptr<kiv::cKivBar> addBar(const std::string& key, std::int32_t height) {
    auto bar = dock->Bars().Add();
    bar->setKey(key);
    bar->setTitle(key);
    bar->setCanExpand(true);
    bar->setAllowResize(true);
    bar->setHeight(height);
    return bar;
  }
  std::shared_ptr<ProbeControl> control() {
    auto c = std::make_shared<ProbeControl>(ProbeControl::Kind::Full, platform->CreateWindow(form),
                                            form);
    controls.push_back(c);
    return c;
  }
  void expectWhole(bool settled = true) {
    InvariantInput in;
    in.dock = dock.get();
    in.services = services.get();
    in.platform = platform.get();
    in.controls = &controls;
    in.stackSettled = in.widthsSettled = settled;
    for (const auto& f : checkInvariants(in)) ADD_FAILURE() << f;
  }
  std::vector<std::string> shown() const {
    std::vector<std::string> list;
    for (const auto& m : platform->Messages()) list.push_back(m.Caption + ": " + m.Text);
    return list;
  }

  std::shared_ptr<kiv::HeadlessPlatform> platform;
  std::shared_ptr<RecordingServices> services;
  std::shared_ptr<kiv::KivDock> dock;
  std::vector<std::shared_ptr<ProbeControl>> controls;
  kiv::Hwnd form = 0;
  CountingHost host;
};

// Every height the sharing gave the "ZAHL_TOP" bar shared the height again, four rounds at a
// time, so six resizable bars in a tall dock took minutes to show.
TEST_F(Regressions, SharingAroundAZahlTopBarInATallDockEnds) {
  dock->setSize(4800, 30000);
  for (int i = 0; i < 6; ++i) {
    addBar(i == 0 ? "ZAHL_TOP" : "k" + std::to_string(i), 300 + 700 * i)->letControl(control());
  }
  dock->setShow(true);
  EXPECT_LT(host.resizes, 20000);
  EXPECT_TRUE(shown().empty()) << shown().front();
  expectWhole();
  std::int64_t sum = 60;
  for (std::int32_t i = 1; i <= 6; ++i) sum += dock->Bars().Item(i)->Height();
  EXPECT_NEAR(static_cast<double>(sum), 30000.0, 600.0);  // the height is still shared out
}

// Fill mode hides the scroll bar but keeps its value; back in scroll mode the bar reappeared
// with that value while the bars stayed stacked as if unscrolled.
TEST_F(Regressions, AScrollBarThatReappearsWithItsOldValueCarriesTheBars) {
  dock->setSize(4800, 3000);
  dock->setAllowScroll(true);
  for (const char* key : {"a", "b", "c"}) addBar(key, 2000)->setAllowResize(false);
  dock->setShow(true);
  kiv::VScrollBar& scroll = dock->elements().VScroll();
  ASSERT_TRUE(scroll.Visible());
  scroll.setValue(900);
  dock->setAllowScroll(false);
  dock->setSize(4800, 3001);
  dock->setAllowScroll(true);
  dock->setSize(4800, 3000);
  ASSERT_TRUE(scroll.Visible());
  EXPECT_EQ(dock->Bars().Item(1)->Top(), -scroll.Value());
  expectWhole();
}

// A stored number far below 1 without an exponent was read as infinite, not as 0.
TEST_F(Regressions, AStoredNumberFarBelowOneReadsAsZero) {
  dock->setAllowScroll(true);
  services->store("a", "1:1:1:1000");
  services->store("b", "0." + std::string(400, '0') + "1:1:1:1000");
  addBar("a", 1000)->setShowClose(true);
  addBar("b", 1000)->setShowClose(true);
  dock->setShow(true);
  // Order number 0 names no position, so the grouped order leaves "b" out and makes it a right bar.
  EXPECT_EQ(dock->Bars().ItemByKey("b")->AlignBar(), kiv::eAlignRight);
}

// A control that clears the bars when it is hidden made giving it back re-enter without end,
// past any stack: the bar still held the control while the host heard of its hiding.
TEST_F(Regressions, AControlThatClearsTheBarsWhenHiddenLeavesThemCleared) {
  for (const char* key : {"a", "b"}) {
    auto c = control();
    c->onHide = [this] { dock->Bars().Clear(); };
    addBar(key, 1000)->letControl(c);
  }
  dock->setShow(true);
  dock->Bars().Clear();
  EXPECT_TRUE(shown().empty()) << shown().front();
  EXPECT_EQ(dock->Bars().Count(), 0);
  expectWhole(false);  // every control is back with its former parent, no element is left
  addBar("c", 1000);
  EXPECT_EQ(dock->Bars().Item(1)->Index(), 1);
  expectWhole(false);
}

// A host that let go of the dock from a control's hide during Clear destroyed the collection
// while Clear still ran in it.
TEST_F(Regressions, LettingGoOfTheDockWhileItClearsIsSafe) {
  std::weak_ptr<kiv::KivDock> weak = dock;
  auto c = control();
  c->onHide = [this] { dock.reset(); };
  addBar("a", 1000)->letControl(c);
  addBar("b", 1000)->letControl(control());
  dock->Bars().Clear();
  EXPECT_TRUE(weak.expired());
  for (const auto& each : controls) EXPECT_EQ(platform->GetParent(each->window()), form);
}

// A control hosted into a bar while that bar gave its control back was dropped with the bar
// and went down with its body window.
TEST_F(Regressions, AControlHostedWhileTheBarGivesItsControlBackIsGivenBackToo) {
  auto first = addBar("a", 1000);
  auto c = control();
  c->onHide = [&] { first->letControl(control()); };
  first->letControl(c);
  addBar("b", 1000)->letControl(control());
  dock->setShow(true);
  dock->Bars().Clear();
  for (const auto& each : controls) EXPECT_EQ(platform->GetParent(each->window()), form);

  // Replacing a control whose hide hosts yet another one keeps that one hosted; nothing is lost.
  auto bar = addBar("c", 1000);
  auto noisy = control();
  noisy->onHide = [&] { bar->letControl(control()); };
  bar->letControl(noisy);
  bar->letControl(control());
  expectWhole(false);
}

// Services that add a keyed bar with every write kept saving going: each new bar was saved too.
TEST_F(Regressions, SavingEndsWhenEveryWriteAddsABar) {
  addBar("a", 1000);
  int added = 0;
  services->onCall = [&] {
    if (added < 10000) dock->Bars().Add()->setKey("n" + std::to_string(++added));
  };
  dock->Save();
  services->onCall = nullptr;
  EXPECT_EQ(added, 1);
  EXPECT_EQ(services->stored("a"), "1:1:1:1000");
}

}  // namespace
}  // namespace kivrobust
