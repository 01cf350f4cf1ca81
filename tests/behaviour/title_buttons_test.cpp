// The buttons of a bar's title (collapse, expand, up, down, close, options) and the right press
// on a title or on the dock's empty area, as the user clicks them.
#include <functional>
#include <tuple>

#include "support/dock_fixture.h"

namespace kivtest {
namespace {

using kiv::eAlignRight;
using Keys = std::vector<std::string>;
using Bar = std::shared_ptr<kiv::cKivBar>;

// A host that answers OptShow as the test asks and may change the dock from its handlers.
struct ScriptedHost : EventLog {
  bool reload = false, cancel = false;
  std::function<void()> onRightClick = [] {};
  void OptShow(std::string& Key, bool& bReLoad) override {
    EventLog::OptShow(Key, bReLoad);
    EXPECT_FALSE(bReLoad) << "bReLoad starts false";
    bReLoad = reload;
    if (cancel) Key.clear();
  }
  void RightClick(std::string& Key) override {
    EventLog::RightClick(Key);
    onRightClick();
  }
};

class TitleButtonsTest : public DockTest {
 protected:
  bool shows(kiv::Element& e) { return e.VisibleOnScreen(); }
  std::pair<bool, bool> arrows(const Bar& bar) {
    return {shows(el().imgUp(k(bar))), shows(el().imgDown(k(bar)))};
  }
  kiv::PictureBox& body(const Bar& bar) { return el().picDockBar(k(bar)); }
  ScriptedHost host_;
};

TEST_F(TitleButtonsTest, FillModeButtonsMoveCollapseExpandAndCloseBars) {
  auto a = addResizable("a", 1980), b = addResizable("b", 1980), c = addResizable("c", 1980);
  auto control = host(*a);
  a->setCanMove(false);
  for (auto& bar : {a, b, c}) bar->setShowClose(true);
  dock->setShow(true);
  EXPECT_EQ(arrows(b), std::make_pair(false, true)) << "nothing moves past the fixed bar a";
  harness().click(el().imgUp(k(c)));
  EXPECT_EQ(order(), (Keys{"a", "c", "b"}));
  EXPECT_EQ(std::make_pair(body(c).Top(), body(b).Top()), std::make_pair(1980.0f, 3960.0f));
  EXPECT_EQ(arrows(b), std::make_pair(true, false)) << "the neighbour's buttons follow";
  EXPECT_EQ(stored("b"), "3:1:1:1980");

  // A collapsed bar keeps its title line; the bar below takes up the freed height.
  harness().click(el().imgCollapse(k(a)));
  EXPECT_TRUE(shows(el().imgExpand(k(a))) && !shows(el().imgCollapse(k(a))));
  EXPECT_EQ(std::make_pair(body(a).Height(), body(b).Top()), std::make_pair(300.0f, 3960.0f));
  EXPECT_FALSE(control->visible);
  EXPECT_EQ(stored("a"), "1:1:0:300");
  harness().click(el().imgExpand(k(a)));
  EXPECT_TRUE(shows(el().imgCollapse(k(a))) && !shows(el().imgExpand(k(a))));
  EXPECT_EQ(std::make_pair(control->visible, control->height),
            std::make_pair(true, 1980 - 260 - 75.0));

  harness().click(el().imgClose(k(c)));
  EXPECT_FALSE(shows(body(c)));
  EXPECT_EQ(events.log.back(), "Closed c") << "after the layout";
  EXPECT_EQ(stored("c"), "2:1:2:0");
  harness().click(el().imgClose(k(a)));
  harness().click(el().imgClose(k(b)));  // the last visible bar stays
  EXPECT_EQ(services->Messages, (Keys{"Sie müssen mindestens ein Element sichtbar lassen!"}));
  EXPECT_TRUE(shows(body(b)));
  EXPECT_EQ(events.count("Closed b"), 0u);
}

// In scroll mode the buttons walk a bar from the top band through the left column into the
// right column, and back, changing its group at each border.
TEST_F(TitleButtonsTest, ScrollModeButtonsMoveABarFromTheTopBandToTheRightColumnAndBack) {
  dock->setAllowScroll(true);
  addResizable("t1", 1000);
  auto t2 = addResizable("t2", 1000);
  addResizable("l1", 1000)->setAlignBar(kiv::eAlignLeft);
  addResizable("r1", 1000)->setAlignBar(eAlignRight);
  dock->setShow(true);
  // The button pressed, then the order, t2's width (3980 in the band, 1945 in the left column,
  // 1960 in the right one) and top, its stored settings and whether it may still go down.
  const std::tuple<bool, Keys, float, float, std::string, bool> steps[] = {
      {true, {"t1", "t2", "l1", "r1"}, 1945, 1000, "2:2:1:1000", true},
      {true, {"t1", "l1", "t2", "r1"}, 1945, 2000, "3:2:1:1000", true},
      {true, {"t1", "l1", "t2", "r1"}, 1960, 1000, "3:3:1:1000", true},
      {true, {"t1", "l1", "r1", "t2"}, 1960, 2000, "4:3:1:1000", false},
      {false, {"t1", "l1", "t2", "r1"}, 1960, 1000, "3:3:1:1000", true},
      {false, {"t1", "l1", "t2", "r1"}, 1945, 2000, "3:2:1:1000", true},
      {false, {"t1", "t2", "l1", "r1"}, 1945, 1000, "2:2:1:1000", true},
      {false, {"t1", "t2", "l1", "r1"}, 3980, 1000, "2:1:1:1000", true},
  };
  for (const auto& [down, keys, width, top, saved, canGoDown] : steps) {
    SCOPED_TRACE(saved + (down ? " down" : " up"));
    harness().click(down ? el().imgDown(k(t2)) : el().imgUp(k(t2)));
    EXPECT_EQ(order(), keys);
    EXPECT_EQ(std::make_pair(body(t2).Width(), body(t2).Top()), std::make_pair(width, top));
    EXPECT_EQ(stored("t2"), saved);
    EXPECT_EQ(arrows(t2), std::make_pair(true, canGoDown));
  }
}

// The host's handler runs first and may change bars; what the dock does next depends on where
// the user pressed and on the host's answer to OptShow.
TEST_F(TitleButtonsTest, RightPressAndOptionsRegroupAfterTheHostAnswered) {
  dock->setEventSink(&host_);
  dock->setAllowScroll(true);
  auto a = addResizable("a", 1000), b = addResizable("b", 1000);
  auto nameless = addResizable("", 1000);
  for (auto& bar : {b, nameless}) bar->setShowOptions(true);
  services->Colors[140] = 0x112233;
  dock->setShow(true);
  a->setAlignBar(eAlignRight);  // the host changes a bar and its colours, but lays nothing out
  services->Colors[140] = 0x445566;

  // On the empty area, cancelled by the host, or for a bar without a key: only the event.
  harness().press(el().surface(), kiv::kButtonRight, 2000, 5000);
  host_.reload = host_.cancel = true;
  harness().click(el().imgOpt(k(b)));
  host_.reload = host_.cancel = false;
  harness().click(el().imgOpt(k(nameless)));
  EXPECT_EQ(host_.log, (Keys{"RightClick ", "OptShow b", "OptShow "}));
  EXPECT_EQ(order(), (Keys{"a", "b", ""}));
  EXPECT_FLOAT_EQ(body(a).Width(), 3980) << "no layout ran";

  // Options without reload regroup and lay out; colours are not re-read, nothing is saved.
  harness().click(el().imgOpt(k(b)));
  EXPECT_EQ(order(), (Keys{"b", "", "a"}));
  EXPECT_EQ(std::make_pair(body(a).Left(), body(a).Top()), std::make_pair(2035.0f, 2000.0f));
  EXPECT_EQ(body(a).BackColor(), 0x112233);

  // A right press on a title regroups and lays out too, once the host's handler ran.
  host_.onRightClick = [&] { b->setAlignBar(eAlignRight); };
  harness().press(el().lblTitel(k(b)), kiv::kButtonRight, 10, 10);
  harness().release(el().lblTitel(k(b)), kiv::kButtonRight, 10, 10);
  EXPECT_EQ(host_.log.back(), "RightClick b");
  EXPECT_EQ(order(), (Keys{"", "b", "a"}));
  EXPECT_EQ(std::make_pair(body(b).Left(), body(a).Top()), std::make_pair(2035.0f, 2000.0f));
  EXPECT_TRUE(services->Settings.empty());

  // Reload: the stored arrangement wins over the host's change, and colours are re-read.
  harness().click(el().imgCollapse(k(b)));
  b->setState(kiv::eBarExpanded);
  ASSERT_FLOAT_EQ(body(a).Top(), 2000) << "the host opened b again";
  host_.reload = true;
  harness().click(el().imgOpt(k(b)));
  EXPECT_FLOAT_EQ(body(a).Top(), 1300) << "b is collapsed again";
  EXPECT_EQ(body(a).Point(100, 500), 0x445566);
}

}  // namespace
}  // namespace kivtest
