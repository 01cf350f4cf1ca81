// The buttons of a bar's title (collapse, expand, up, down, close, options) and the right press
// on a title or on the dock's empty area, as the user clicks them.
#include <functional>

#include "support/dock_fixture.h"

namespace kivtest {
namespace {

using kiv::eAlignLeft;
using kiv::eAlignRight;
using kiv::eAlignTop;
using kiv::eBarCollapsed;
using kiv::eBarExpanded;
using kiv::eBarHidden;

// A host that answers OptShow as the test asks, and notes what was stored when Closed came.
struct ScriptedHost : EventLog {
  bool reload = false;
  bool cancel = false;
  std::function<void()> onClosed, onOptShow, onRightClick;
  void OptShow(std::string& Key, bool& bReLoad) override {
    EventLog::OptShow(Key, bReLoad);
    EXPECT_FALSE(bReLoad) << "bReLoad starts false";
    bReLoad = reload;
    if (cancel) Key.clear();
    if (onOptShow) onOptShow();
  }
  void RightClick(std::string& Key) override {
    EventLog::RightClick(Key);
    if (onRightClick) onRightClick();
  }
  void Closed(std::string& Key) override {
    EventLog::Closed(Key);
    if (onClosed) onClosed();
  }
};

class TitleButtonsTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    dock->setEventSink(&host_);
  }
  // Three resizable bars that fill the 6000-twip dock exactly (3 x 1980 + 60), each carrying a
  // control of the host.
  void addThree() {
    a = addResizable("a", 1980);
    b = addResizable("b", 1980);
    c = addResizable("c", 1980);
    for (auto& bar : {a, b, c}) controls.push_back(host(*bar));
  }
  bool shows(kiv::Element& e) { return e.VisibleOnScreen(); }
  float titleWidth(const std::shared_ptr<kiv::cKivBar>& bar) {
    return el().picTitel(k(bar)).Width();
  }
  float top(const std::shared_ptr<kiv::cKivBar>& bar) { return el().picDockBar(k(bar)).Top(); }
  std::vector<std::string>& log() { return host_.log; }

  ScriptedHost host_;
  std::shared_ptr<kiv::cKivBar> a, b, c;
  std::vector<std::shared_ptr<TestControl>> controls;
};

TEST_F(TitleButtonsTest, CollapseAndExpandSwapButtonsResizeNeighbourAndSave) {
  addThree();
  dock->setShow(true);
  ASSERT_TRUE(shows(el().imgCollapse(k(a))));
  EXPECT_FALSE(shows(el().imgExpand(k(a))));
  EXPECT_FLOAT_EQ(el().imgCollapse(k(a)).Left(), 40);
  log().clear();

  harness().click(el().imgCollapse(k(a)));
  EXPECT_EQ(a->State(), eBarCollapsed);
  EXPECT_FALSE(shows(el().imgCollapse(k(a))));
  ASSERT_TRUE(shows(el().imgExpand(k(a))));
  EXPECT_FLOAT_EQ(el().imgExpand(k(a)).Left(), 40);
  // The collapsed bar keeps its title line; the bar below takes up the freed height.
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Height(), 300);
  EXPECT_EQ(b->Height(), 3660);
  EXPECT_EQ(c->Height(), 1980);
  EXPECT_FLOAT_EQ(top(b), 300);
  EXPECT_FLOAT_EQ(top(c), 3960);
  EXPECT_FALSE(controls[0]->visible);
  EXPECT_FALSE(shows(el().picSplit(k(a))));
  EXPECT_EQ(log(),
            (std::vector<std::string>{"CtlResize a", "CtlResize a", "CtlResize b", "CtlResize a"}));
  EXPECT_EQ(stored("a"), "1:1:0:300");
  EXPECT_EQ(stored("b"), "2:1:1:3660");
  EXPECT_EQ(stored("c"), "3:1:1:1980");

  harness().click(el().imgExpand(k(a)));
  EXPECT_EQ(a->State(), eBarExpanded);
  ASSERT_TRUE(shows(el().imgCollapse(k(a))));
  EXPECT_FALSE(shows(el().imgExpand(k(a))));
  EXPECT_EQ(a->Height(), 1980);
  EXPECT_EQ(b->Height(), 1980);
  EXPECT_FLOAT_EQ(top(c), 3960);
  EXPECT_TRUE(controls[0]->visible);
  EXPECT_DOUBLE_EQ(controls[0]->height, 1980 - 260 - 75);
  EXPECT_TRUE(shows(el().picSplit(k(a))));
  EXPECT_FLOAT_EQ(el().picSplit(k(a)).Top(), 1885);
  EXPECT_EQ(stored("a"), "1:1:1:1980");
  EXPECT_EQ(stored("b"), "2:1:1:1980");
}

TEST_F(TitleButtonsTest, UpAndDownButtonsFollowTheOrderAndSkipFixedBars) {
  auto fixed = addResizable("fixed", 1980);
  fixed->setCanMove(false);
  b = addResizable("b", 1980);
  c = addResizable("c", 1980);
  for (auto& bar : {fixed, b, c}) {
    bar->setShowOptions(true);
    bar->setShowClose(true);
  }
  dock->setShow(true);
  const float W = titleWidth(b);
  ASSERT_FLOAT_EQ(W, 3980);
  // From the right edge: options, close, down, up, touching each other.
  EXPECT_FLOAT_EQ(el().imgOpt(k(b)).Left(), W - 260);
  EXPECT_FLOAT_EQ(el().imgClose(k(b)).Left(), W - 500);
  // Nothing moves past the fixed bar: b may only go down, c only up.
  EXPECT_FALSE(shows(el().imgUp(k(fixed))) || shows(el().imgDown(k(fixed))));
  EXPECT_FALSE(shows(el().imgUp(k(b))));
  ASSERT_TRUE(shows(el().imgDown(k(b))));
  EXPECT_FLOAT_EQ(el().imgDown(k(b)).Left(), W - 740);
  EXPECT_FALSE(shows(el().imgDown(k(c))));
  ASSERT_TRUE(shows(el().imgUp(k(c))));
  EXPECT_FLOAT_EQ(el().imgUp(k(c)).Left(), W - 740);

  harness().click(el().imgUp(k(c)));
  EXPECT_EQ(order(), (std::vector<std::string>{"fixed", "c", "b"}));
  EXPECT_FLOAT_EQ(top(c), 1980);
  EXPECT_FLOAT_EQ(top(b), 3960);
  EXPECT_FALSE(shows(el().imgUp(k(c))));
  EXPECT_TRUE(shows(el().imgDown(k(c))));
  EXPECT_TRUE(shows(el().imgUp(k(b))));
  EXPECT_FALSE(shows(el().imgDown(k(b))));
  EXPECT_FLOAT_EQ(el().imgUp(k(b)).Left(), W - 740);
  EXPECT_EQ(stored("c"), "2:1:1:1980");
  EXPECT_EQ(stored("b"), "3:1:1:1980");

  harness().click(el().imgDown(k(c)));
  EXPECT_EQ(order(), (std::vector<std::string>{"fixed", "b", "c"}));
  EXPECT_EQ(stored("b"), "2:1:1:1980");
  EXPECT_EQ(stored("c"), "3:1:1:1980");
  EXPECT_TRUE(log().empty()) << "bars without a control raise no CtlResize";
}

// In scroll mode the buttons walk a bar from the top band through the left column into the
// right column, and back, changing its group at each border.
TEST_F(TitleButtonsTest, ScrollModeButtonsMoveABarFromTheTopBandToTheRightColumnAndBack) {
  dock->setAllowScroll(true);
  auto t1 = addResizable("t1", 1000);
  auto t2 = addResizable("t2", 1000);
  auto l1 = addResizable("l1", 1000);
  l1->setAlignBar(eAlignLeft);
  auto r1 = addResizable("r1", 1000);
  r1->setAlignBar(eAlignRight);
  dock->setShow(true);
  auto& body = el().picDockBar(k(t2));
  auto arrows = [&] {
    return std::make_pair(shows(el().imgUp(k(t2))), shows(el().imgDown(k(t2))));
  };
  EXPECT_EQ(arrows(), std::make_pair(true, true));
  EXPECT_FALSE(shows(el().imgUp(k(t1))));

  struct Step {
    bool down;
    std::vector<std::string> order;
    kiv::eAlignBar align;
    float left, width, top;
    std::string stored;
    std::pair<bool, bool> arrows;
  };
  const std::vector<Step> steps = {
      // Last of the top band: joins the left column at its head.
      {true, {"t1", "t2", "l1", "r1"}, eAlignLeft, 30, 1945, 1000, "2:2:1:1000", {true, true}},
      {true, {"t1", "l1", "t2", "r1"}, eAlignLeft, 30, 1945, 2000, "3:2:1:1000", {true, true}},
      // Last of the left column: joins the right column where it stands in the order.
      {true, {"t1", "l1", "t2", "r1"}, eAlignRight, 2035, 1960, 1000, "3:3:1:1000", {true, true}},
      {true, {"t1", "l1", "r1", "t2"}, eAlignRight, 2035, 1960, 2000, "4:3:1:1000", {true, false}},
      {false, {"t1", "l1", "t2", "r1"}, eAlignRight, 2035, 1960, 1000, "3:3:1:1000", {true, true}},
      // First of the right column: back to the left column, then up through it.
      {false, {"t1", "l1", "t2", "r1"}, eAlignLeft, 30, 1945, 2000, "3:2:1:1000", {true, true}},
      {false, {"t1", "t2", "l1", "r1"}, eAlignLeft, 30, 1945, 1000, "2:2:1:1000", {true, true}},
      {false, {"t1", "t2", "l1", "r1"}, eAlignTop, 30, 3980, 1000, "2:1:1:1000", {true, true}},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i + 1));
    const Step& s = steps[i];
    kiv::Image& button = s.down ? el().imgDown(k(t2)) : el().imgUp(k(t2));
    ASSERT_TRUE(shows(button));
    harness().click(button);
    EXPECT_EQ(order(), s.order);
    EXPECT_EQ(t2->AlignBar(), s.align);
    EXPECT_FLOAT_EQ(body.Left(), s.left);
    EXPECT_FLOAT_EQ(body.Width(), s.width);
    EXPECT_FLOAT_EQ(body.Top(), s.top);
    EXPECT_EQ(stored("t2"), s.stored);
    EXPECT_EQ(arrows(), s.arrows);
    // The right-hand buttons are measured from the title's own right edge.
    const float W = titleWidth(t2);
    EXPECT_FLOAT_EQ(W, s.width - (s.align == eAlignLeft ? 30 : 0));
    if (s.arrows.second) {
      EXPECT_FLOAT_EQ(el().imgDown(k(t2)).Left(), W - 260);
    }
    if (s.arrows.first) {
      EXPECT_FLOAT_EQ(el().imgUp(k(t2)).Left(), W - (s.arrows.second ? 500 : 260));
    }
  }
  EXPECT_FLOAT_EQ(el().picDockBar(k(l1)).Top(), 2000);
  EXPECT_FLOAT_EQ(el().picDockBar(k(r1)).Top(), 2000);
}

TEST_F(TitleButtonsTest, CloseHidesABarButNeverTheLastVisibleOne) {
  addThree();
  for (auto& bar : {a, b, c}) bar->setShowClose(true);
  dock->setShow(true);
  harness().click(el().imgCollapse(k(b)));
  services->Settings.clear();
  log().clear();
  std::string storedAtClosed = "unset";
  host_.onClosed = [&] { storedAtClosed = stored("c"); };

  // The collapsed bar still counts as visible, so the expanded c may go.
  harness().click(el().imgClose(k(c)));
  EXPECT_EQ(c->State(), eBarHidden);
  EXPECT_FALSE(shows(el().picDockBar(k(c))));
  ASSERT_FALSE(log().empty());
  EXPECT_EQ(log().back(), "Closed c") << "Closed comes after the layout";
  EXPECT_EQ(host_.count("Closed c"), 1u);
  EXPECT_EQ(storedAtClosed, "") << "the settings are saved after Closed";
  EXPECT_EQ(stored("c"), "3:1:2:0");
  // a is the only resizable bar left and takes all the height the collapsed b leaves.
  EXPECT_EQ(a->Height(), 6000 - 60 - 300);

  harness().click(el().imgClose(k(a)));
  EXPECT_EQ(a->State(), eBarHidden);
  ASSERT_TRUE(shows(el().imgClose(k(b))));
  services->Settings.clear();
  log().clear();
  harness().click(el().imgClose(k(b)));
  EXPECT_EQ(services->Messages,
            (std::vector<std::string>{"Sie müssen mindestens ein Element sichtbar lassen!"}));
  EXPECT_EQ(b->State(), eBarCollapsed);
  EXPECT_TRUE(shows(el().picDockBar(k(b))));
  EXPECT_TRUE(log().empty());
  EXPECT_TRUE(services->Settings.empty());
  EXPECT_TRUE(harness().messages().empty()) << "the refusal goes through the host's services";
}

TEST_F(TitleButtonsTest, OptionsWithoutReloadRegroupsAndLaysOutWithoutSaving) {
  dock->setAllowScroll(true);
  a = addResizable("a", 1000);
  b = addResizable("b", 1000);
  c = addResizable("c", 1000);
  b->setShowOptions(true);
  services->Colors[140] = 0x112233;
  dock->setShow(true);
  // The host changes a bar and the colour table behind the dock's back.
  a->setAlignBar(eAlignRight);
  services->Colors[140] = 0x445566;
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Width(), 3980);

  ASSERT_TRUE(shows(el().imgOpt(k(b))));
  harness().click(el().imgOpt(k(b)));
  EXPECT_EQ(log(), (std::vector<std::string>{"OptShow b"}));
  EXPECT_EQ(order(), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Left(), 2035);
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Top(), 2000);
  EXPECT_FLOAT_EQ(el().picDockBar(k(b)).Top(), 0);
  EXPECT_EQ(el().picDockBar(k(a)).BackColor(), 0x112233) << "colours are not re-read";
  EXPECT_TRUE(services->Settings.empty());
}

TEST_F(TitleButtonsTest, OptionsWithReloadRestoresStoredArrangementAndColours) {
  addThree();
  a->setShowOptions(true);
  services->Colors[140] = 0x112233;
  dock->setShow(true);
  harness().click(el().imgCollapse(k(b)));
  ASSERT_EQ(stored("b"), "2:1:0:300");
  ASSERT_EQ(stored("c"), "3:1:1:3660");
  // The host opens b again itself; nothing is saved for that.
  b->setState(eBarExpanded);
  ASSERT_EQ(c->Height(), 1980);
  services->Colors[140] = 0x445566;
  host_.reload = true;

  harness().click(el().imgOpt(k(a)));
  EXPECT_EQ(host_.count("OptShow a"), 1u);
  EXPECT_EQ(b->State(), eBarCollapsed);
  EXPECT_FLOAT_EQ(el().picDockBar(k(b)).Height(), 300);
  EXPECT_TRUE(shows(el().imgExpand(k(b))));
  EXPECT_EQ(c->Height(), 3660);
  EXPECT_FLOAT_EQ(top(c), 2280);
  EXPECT_EQ(el().picDockBar(k(a)).BackColor(), 0x445566);
  EXPECT_EQ(el().picDockBar(k(a)).Point(100, 1000), 0x445566);
  EXPECT_EQ(stored("b"), "2:1:0:300");
}

TEST_F(TitleButtonsTest, OptionsCancelledByTheHostOrWithoutKeyChangeNothing) {
  dock->setAllowScroll(true);
  a = addResizable("a", 1000);
  b = addResizable("b", 1000);
  auto nameless = addResizable("", 1000);
  nameless->setTitle("nameless");
  b->setShowOptions(true);
  nameless->setShowOptions(true);
  services->Settings[{"DockBar", "a"}] = "1:3:1:1000";
  services->Colors[140] = 0x112233;
  dock->setShow(true);
  ASSERT_EQ(order(), (std::vector<std::string>{"b", "", "a"}));
  // The host makes a a top bar again and changes its colour table, but does not lay out.
  a->setAlignBar(eAlignTop);
  services->Colors[140] = 0x445566;

  host_.reload = true;
  host_.cancel = true;
  harness().click(el().imgOpt(k(b)));
  host_.cancel = false;
  host_.reload = false;
  harness().click(el().imgOpt(k(nameless)));
  EXPECT_EQ(log(), (std::vector<std::string>{"OptShow b", "OptShow "}));
  EXPECT_EQ(order(), (std::vector<std::string>{"b", "", "a"}));
  EXPECT_EQ(a->AlignBar(), eAlignTop);
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Left(), 2035) << "no layout ran";
  EXPECT_EQ(el().picDockBar(k(a)).BackColor(), 0x112233);
}

TEST_F(TitleButtonsTest, RightPressOnTitleRegroupsButOnEmptyAreaOnlyReports) {
  dock->setAllowScroll(true);
  a = addResizable("a", 1000);
  b = addResizable("b", 1000);
  c = addResizable("c", 1000);
  dock->setShow(true);
  a->setAlignBar(eAlignRight);
  log().clear();

  harness().press(el().surface(), kiv::kButtonRight, 2000, 5000);
  EXPECT_EQ(log(), (std::vector<std::string>{"RightClick "}));
  EXPECT_EQ(order(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Left(), 30);

  harness().press(el().lblTitel(k(b)), kiv::kButtonRight, 10, 10);
  EXPECT_EQ(log(), (std::vector<std::string>{"RightClick ", "RightClick b"}));
  EXPECT_EQ(order(), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Left(), 2035);
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Top(), 2000);
  harness().release(el().lblTitel(k(b)), kiv::kButtonRight, 10, 10);

  // In fill mode the order stays as it is; the press on the title box itself reports too.
  dock->setAllowScroll(false);
  harness().press(el().picTitel(k(c)), kiv::kButtonRight, 500, 10);
  EXPECT_EQ(log().back(), "RightClick c");
  EXPECT_EQ(order(), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Left(), 30);
  EXPECT_FLOAT_EQ(el().picDockBar(k(a)).Top(), 2000);
  EXPECT_TRUE(services->Settings.empty());
}

// The host's handlers run before the dock goes on, and may change the dock meanwhile.
TEST_F(TitleButtonsTest, HandlersMayHideOrRemoveBarsBeforeTheDockGoesOn) {
  addThree();
  a->setShowOptions(true);
  dock->setShow(true);

  host_.onRightClick = [&] { c->setState(eBarHidden); };
  harness().press(el().lblTitel(k(a)), kiv::kButtonRight, 10, 10);
  EXPECT_FALSE(shows(el().picDockBar(k(c))));
  EXPECT_EQ(a->Height(), 2970);
  EXPECT_EQ(b->Height(), 2970);
  EXPECT_FLOAT_EQ(top(b), 2970);

  host_.onOptShow = [&] { dock->Bars().Clear(); };
  harness().click(el().imgOpt(k(a)));
  EXPECT_EQ(dock->Bars().Count(), 0);
  EXPECT_EQ(el().UBound(), 0);
  EXPECT_TRUE(harness().messages().empty());
  for (auto& control : controls) EXPECT_FALSE(control->visible);
}

}  // namespace
}  // namespace kivtest
