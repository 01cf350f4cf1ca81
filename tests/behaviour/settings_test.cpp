// Storing each keyed bar's order number, alignment, state and height in "DockBar", and
// restoring them when the dock is shown.
#include "support/dock_fixture.h"

namespace kivtest {

class SettingsTest : public DockTest {
 protected:
  // The bars a host sets up at every start: a and d resizable, b collapsible, c closable.
  struct Set {
    std::shared_ptr<kiv::cKivBar> a, b, c, d;
  };
  Set startupBars(kiv::KivDock& target) {
    auto make = [&](const std::string& key) {
      auto bar = target.Bars().Add();
      bar->setKey(key);
      bar->setTitle(key);
      bar->setCanExpand(true);
      bar->setShowClose(true);
      bar->setHeight(1000);
      return bar;
    };
    Set s{make("a"), make("b"), make("c"), make("d")};
    s.a->setAllowResize(true);
    s.d->setAllowResize(true);
    return s;
  }
  void store(const std::string& key, const std::string& text) {
    services->Settings[{"DockBar", key}] = text;
  }
};

TEST_F(SettingsTest, SavedTextsCountTheBarsGroupByGroup) {
  auto a = addResizable("a", 2000);
  auto b = addResizable("b", 1000);
  b->setAlignBar(kiv::eAlignLeft);
  b->setState(kiv::eBarCollapsed);
  auto anonymous = addBar("");
  anonymous->setTitle("ohne Schlüssel");
  anonymous->setHeight(500);
  auto c = addBar("c");
  c->setAlignBar(kiv::eAlignRight);
  c->setShowClose(true);
  c->setState(kiv::eBarHidden);
  auto d = addBar("d");
  d->setHeight(800);
  auto odd = addBar("odd");
  odd->setAlignBar(static_cast<kiv::eAlignBar>(7));
  harness().resize(*dock, 4000, 3660);  // everything fits: no height changes
  dock->setShow(true);
  dock->Save();

  EXPECT_EQ(stored("a"), "1:1:1:2000");
  EXPECT_EQ(stored("d"), "3:1:1:800") << "the bar without a key took number 2";
  EXPECT_EQ(stored("b"), "4:2:0:300");
  EXPECT_EQ(stored("c"), "5:3:2:0") << "a hidden bar's height reads 0";
  EXPECT_EQ(stored("odd"), "") << "alignments outside the four groups are not saved";
  EXPECT_EQ(services->Settings.count({"DockBar", ""}), 0u);
  EXPECT_EQ(services->Settings.size(), 4u);
}

TEST_F(SettingsTest, FillModeRestoresEverythingWithTheOrderSortedByGroup) {
  Set first = startupBars(*dock);
  dock->setShow(true);
  first.b->setAlignBar(kiv::eAlignLeft);
  first.b->setState(kiv::eBarCollapsed);
  first.c->setAlignBar(kiv::eAlignRight);
  first.c->setState(kiv::eBarHidden);
  dock->ShowElement(9999);
  ASSERT_EQ(order(), (std::vector<std::string>{"a", "b", "c", "d"}));
  const std::int32_t heightA = first.a->Height(), heightD = first.d->Height();
  ASSERT_NE(heightA, 1000);
  dock->Save();
  EXPECT_EQ(stored("b"), "3:2:0:300");

  // A second run of the host: the same bars as at every start.
  auto again = harness().createDock(4000, 6000);
  Set second = startupBars(*again);
  again->setShow(true);
  std::vector<std::string> keys;
  for (std::int32_t p = 1; p <= again->Bars().Count(); ++p) {
    keys.push_back(again->Bars().ItemByOrder(p)->Key());
  }
  // Numbers were counted group by group, so the top bars come first.
  EXPECT_EQ(keys, (std::vector<std::string>{"a", "d", "b", "c"}));
  EXPECT_EQ(second.b->AlignBar(), kiv::eAlignLeft);
  EXPECT_EQ(second.c->AlignBar(), kiv::eAlignRight);
  EXPECT_EQ(second.a->State(), kiv::eBarExpanded);
  EXPECT_EQ(second.b->State(), kiv::eBarCollapsed);
  EXPECT_EQ(second.c->State(), kiv::eBarHidden);
  EXPECT_EQ(second.a->Height(), heightA);
  EXPECT_EQ(second.d->Height(), heightD);
  EXPECT_FALSE(again->elements().picDockBar(k(second.c)).Visible());

  // Loading again with nothing changed in between keeps what the first load gave.
  again->Save();
  again->setShow(false);
  again->setShow(true);
  keys.clear();
  for (std::int32_t p = 1; p <= again->Bars().Count(); ++p) {
    keys.push_back(again->Bars().ItemByOrder(p)->Key());
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"a", "d", "b", "c"}));
  EXPECT_EQ(second.a->Height(), heightA);
}

TEST_F(SettingsTest, ScrollModeRoundTripKeepsTheGroupedOrder) {
  dock->setAllowScroll(true);
  Set first = startupBars(*dock);
  first.a->setHeight(1700);
  first.b->setAlignBar(kiv::eAlignLeft);
  first.b->setState(kiv::eBarCollapsed);
  first.c->setAlignBar(kiv::eAlignLeft);
  first.c->setState(kiv::eBarHidden);
  first.d->setAlignBar(kiv::eAlignRight);
  first.d->setHeight(2100);
  dock->setShow(true);
  // The grouped order puts hidden bars last and moves keyed ones to the right column.
  ASSERT_EQ(order(), (std::vector<std::string>{"a", "b", "d", "c"}));
  EXPECT_EQ(first.c->AlignBar(), kiv::eAlignRight);
  dock->Save();
  EXPECT_EQ(stored("a"), "1:1:1:1700");
  EXPECT_EQ(stored("b"), "2:2:0:300");
  EXPECT_EQ(stored("d"), "3:3:1:2100");
  EXPECT_EQ(stored("c"), "4:3:2:0");

  auto again = harness().createDock(4000, 6000);
  again->setAllowScroll(true);
  Set second = startupBars(*again);
  again->setShow(true);
  std::vector<std::string> keys;
  for (std::int32_t p = 1; p <= again->Bars().Count(); ++p) {
    keys.push_back(again->Bars().ItemByOrder(p)->Key());
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"a", "b", "d", "c"}));
  EXPECT_EQ(second.a->Height(), 1700);
  EXPECT_EQ(second.d->Height(), 2100);
  EXPECT_EQ(second.d->AlignBar(), kiv::eAlignRight);
  EXPECT_EQ(second.b->State(), kiv::eBarCollapsed);
  EXPECT_EQ(second.c->State(), kiv::eBarHidden);
  EXPECT_EQ(again->elements().picDockBar(k(second.d)).Left(),
            dock->elements().picDockBar(k(first.d)).Left());
}

TEST_F(SettingsTest, LoadingFollowsTheBarsFlags) {
  store("closable", "1:1:2:1500");
  store("fixedOpen", "2:1:2:1500");  // cannot be closed: comes back expanded
  store("noResize", "3:2:1:2500");   // order, alignment and state, but not the height
  store("short", "4:2:0");           // three fields: nothing changes
  store("long", "5:1:0:900:x:y");    // fields past the fourth are ignored
  dock->setAllowScroll(true);
  auto closable = addResizable("closable", 1000);
  closable->setShowClose(true);
  auto fixedOpen = addResizable("fixedOpen", 1000);
  auto noResize = addBar("noResize");
  noResize->setHeight(1000);
  auto shortText = addResizable("short", 1000);
  auto longText = addResizable("long", 1000);
  auto byDefault = addResizable("byDefault", 1000);
  byDefault->setShowClose(true);
  byDefault->setHideByDefault(true);
  auto keepsState = addResizable("keepsState", 1000);
  auto anonymous = addResizable("", 1000);
  anonymous->setTitle("ohne Schlüssel");
  anonymous->setHideByDefault(true);
  dock->setShow(true);

  EXPECT_EQ(closable->State(), kiv::eBarHidden);
  EXPECT_EQ(fixedOpen->State(), kiv::eBarExpanded);
  EXPECT_EQ(fixedOpen->Height(), 1500) << "expanded again before its height is read";
  EXPECT_EQ(noResize->AlignBar(), kiv::eAlignLeft);
  EXPECT_EQ(noResize->Height(), 1000);
  EXPECT_EQ(shortText->AlignBar(), kiv::eAlignTop);
  EXPECT_EQ(shortText->State(), kiv::eBarExpanded);
  EXPECT_EQ(longText->State(), kiv::eBarCollapsed);
  EXPECT_EQ(longText->Height(), 300);
  EXPECT_EQ(byDefault->State(), kiv::eBarHidden) << "no stored text and hidden by default";
  EXPECT_EQ(keepsState->State(), kiv::eBarExpanded);
  EXPECT_EQ(anonymous->State(), kiv::eBarExpanded) << "a bar without a key is never loaded";
  EXPECT_TRUE(harness().messages().empty());
}

TEST_F(SettingsTest, DoLoadSettingsFalseSkipsExactlyOneLoad) {
  store("a", "1:1:0:300");
  auto a = addResizable("a", 1000);
  dock->setDoLoadSettings(false);
  dock->setShow(true);
  EXPECT_EQ(a->State(), kiv::eBarExpanded) << "shown as the host configured it";
  EXPECT_TRUE(dock->DoLoadSettings());

  dock->setShow(false);
  dock->setShow(true);
  EXPECT_EQ(a->State(), kiv::eBarCollapsed);
}

}  // namespace kivtest
