// The control's life: a new dock, ShowElement, Show and DoLoadSettings with a close request while
// the settings load, the reset to the default arrangement, and the one shared services object.
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
using Keys = std::vector<std::string>;

// Services that can act once while a setting is read.
class RecordingServices : public kiv::MemorySharedServices {
 public:
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override {
    if (whileReading) std::exchange(whileReading, nullptr)();
    return MemorySharedServices::ReadSetting(section, key, flags);
  }
  std::function<void()> whileReading;
};
}  // namespace

class DockLifecycleTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    services = recording;
    kiv::setSharedServicesFactory([this]() -> std::shared_ptr<kiv::SharedServices> {
      ++created;
      return recording;
    });
  }
  kiv::cKivBar& bar(const std::string& key) { return *dock->Bars().ItemByKey(key); }
  float top(const std::string& key) { return el().picDockBar(bar(key).Index()).Top(); }
  void close(const std::string& key) { harness().click(el().imgClose(bar(key).Index())); }
  std::shared_ptr<RecordingServices> recording = std::make_shared<RecordingServices>();
  int created = 0;
};

// The dock is not shown: only ShowElement's own layout pass stacks the bars.
TEST_F(DockLifecycleTest, NewDockIsBlankAndShowElementShowsBarsAndLaysOutWithoutShowingIt) {
  EXPECT_FALSE(dock->Show() || dock->AllowScroll());
  EXPECT_TRUE(dock->DoLoadSettings());
  for (const char* key : {"a", "b", "c", "d", "e"}) addBar(key)->setHeight(600);
  bar("b").setCanExpand(true);
  bar("b").setState(kiv::eBarCollapsed);
  bar("c").setState(kiv::eBarHidden);
  bar("d").setState(kiv::eBarHidden);
  ASSERT_NE(top("e"), 900);
  EXPECT_FALSE(dock->ShowElement(7).has_value());  // no such bar: only the layout runs
  EXPECT_EQ(top("e"), 900);
  EXPECT_FALSE(dock->ShowElement(3).has_value());
  EXPECT_EQ(top("e"), 1500);
  EXPECT_FALSE(dock->ShowElement(0).has_value());
  EXPECT_EQ(bar("d").State(), kiv::eBarExpanded);
  EXPECT_EQ(bar("b").State(), kiv::eBarCollapsed);
  EXPECT_EQ(top("e"), 2100);
  EXPECT_EQ(created, 0);  // nothing so far needed the services
}

TEST_F(DockLifecycleTest, ShowFalseStopsRelayoutAndShowTrueReloadsTheSettingsUndisturbed) {
  auto a = addBar("a");
  a->setHeight(600);
  a->setShowClose(true);
  addBar("b")->setHeight(600);
  services->Settings[{"DockBar", "a"}] = "2:1:1:600";
  services->Settings[{"DockBar", "b"}] = "1:1:1:600";
  const auto settings = services->Settings;
  dock->setDoLoadSettings(false);
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"a", "b"}));  // not loaded this once
  EXPECT_TRUE(dock->DoLoadSettings());
  dock->setShow(false);
  a->setHeight(900);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());  // nothing is hidden, nothing laid out
  EXPECT_EQ(top("b"), 600);
  recording->whileReading = [&] { close("a"); };  // while loading, closing does nothing
  dock->setShow(true);
  ASSERT_FALSE(recording->whileReading) << "no setting was read";
  EXPECT_EQ(order(), (Keys{"b", "a"}));
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_EQ(services->Settings, settings);
}

// In scroll mode the reset only recolours, shares the height and repaints; in fill mode it also
// expands every bar, gives the resizable ones 600 and restores creation order.
TEST_F(DockLifecycleTest, ResetToTheDefaultArrangement) {
  harness().resize(*dock, 4000, 1960);  // room for two bars of 600 and one of 700
  auto a = addResizable("a", 1000), b = addResizable("b", 1500), c = addBar("c");
  c->setHeight(700);
  services->Settings[{"DockBar", "a"}] = "3:1:1:1000";
  services->Settings[{"DockBar", "b"}] = "1:1:0:1500";
  services->Settings[{"DockBar", "c"}] = "2:1:1:700";
  dock->setAllowScroll(true);
  dock->setShow(true);
  ASSERT_EQ(order(), (Keys{"b", "c", "a"}));
  dock->setShow(false);
  services->Colors[140] = 0xC0FFEE;
  const auto settings = services->Settings;
  EXPECT_FALSE(dock->ShowElement(-1).has_value());
  EXPECT_TRUE(dock->Show());
  EXPECT_EQ(order(), (Keys{"b", "c", "a"}));
  EXPECT_EQ(b->State(), kiv::eBarCollapsed);
  EXPECT_EQ(a->Height(), 1000);
  EXPECT_EQ(el().picDockBar(k(a)).BackColor(), 0xC0FFEE);
  EXPECT_EQ(services->Settings, settings);  // nothing saved

  dock->setShow(false);
  dock->setAllowScroll(false);
  dock->ShowElement(-1);
  EXPECT_EQ(order(), (Keys{"a", "b", "c"}));  // the stored order is not loaded again
  EXPECT_EQ(b->State(), kiv::eBarExpanded);
  EXPECT_EQ(std::make_tuple(a->Height(), b->Height(), c->Height()), std::make_tuple(600, 600, 700));
  EXPECT_EQ(top("c"), 1200);
}

// The shared services object is created at its first use and serves every dock.
TEST_F(DockLifecycleTest, OneServicesObjectServesEveryDock) {
  addBar("a");
  services->Colors[14] = 0x102030;
  dock->setShow(true);
  EXPECT_EQ(created, 1);
  auto second = harness().createDock(3000, 3000);
  auto other = second->Bars().Add();
  second->setShow(true);
  EXPECT_EQ(other->TitleBackColorStart(), 0x102030);
  EXPECT_EQ(created, 1);
}

}  // namespace kivtest
