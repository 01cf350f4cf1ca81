// The bar's own rules: its defaults, the height and state rules, the title-line rule, which
// changes repaint the bar, lay out only its title or only store, hosting a control of the host,
// and what ending the dock does to the bars and controls the host keeps.
#include <functional>
#include <tuple>
#include <vector>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// The failure a call raises, or number 0 when it raises none.
kiv::KivError failureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const kiv::KivError& e) {
    return e;
  }
  return kiv::KivError(0, "", "");
}
}  // namespace

// The dock is not shown, so the body box shows exactly the height the bar passed to the dock.
TEST_F(DockTest, HeightRuleLimitsHeightsAndStatesRememberTheExpandedOne) {
  auto bar = addBar("a");
  bar->setCanExpand(true);
  bar->setAllowResize(true);
  const float design = el().picDockBar(k(bar)).Height();
  const struct {
    char set;  // h: Height, s: State
    std::int32_t value, height;
    float box;
    bool allowResize;
  } steps[] = {
      {'h', 150, 0, design, true},
      {'s', kiv::eBarCollapsed, 300, 300, false},
      {'s', kiv::eBarExpanded, 300, 300, true},  // never sized while expanded: stays at 300
      {'h', 2400, 2400, 2400, true},
      {'h', 151, 300, 300, true},
      {'h', 2400, 2400, 2400, true},
      {'s', kiv::eBarCollapsed, 300, 300, false},
      {'h', 5000, 300, 5000, false},  // stores 300, passes the asked height on
      {'h', 300, 300, 5000, false},   // compared with the stored height before raising
      {'h', 299, 300, 300, false},
      {'s', kiv::eBarExpanded, 2400, 2400, true},
      {'s', kiv::eBarHidden, 0, 2400, false},
      {'h', 5000, 0, 2400, false},
      {'s', kiv::eBarExpanded, 2400, 2400, true},
      {'s', 7, 2400, 300, false},  // stored unchanged, its height handled as collapsed
      {'h', 3000, 2400, 3000, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE("step " + std::to_string(&step - steps + 1));
    if (step.set == 'h') bar->setHeight(step.value);
    if (step.set == 's') bar->setState(static_cast<kiv::EKivBarStates>(step.value));
    EXPECT_EQ(bar->Height(), step.height);
    EXPECT_EQ(el().picDockBar(k(bar)).Height(), step.box);
    EXPECT_EQ(bar->AllowResize(), step.allowResize);
  }
  EXPECT_EQ(bar->State(), 7);
  bar->setCanExpand(false);  // a hidden bar asked to collapse comes back expanded
  bar->setState(kiv::eBarHidden);
  bar->setState(kiv::eBarCollapsed);
  EXPECT_EQ(bar->State(), kiv::eBarExpanded);
}

// A new bar, hosted, shown and then changed step by step. A repaint raises CtlResize once and
// applies the stored body colour; a title layout shows the close button as ShowClose (which
// only stores) now says; the control's top shows the title line.
TEST_F(DockTest, ChangesRepaintTheBarLayOutItsTitleOrOnlyStore) {
  auto bar = dock->Bars().Add();
  EXPECT_EQ(std::make_tuple(bar->State(), bar->AlignBar(), bar->CanMove(), bar->Height()),
            std::make_tuple(kiv::eBarExpanded, kiv::eAlignTop, true, 0));
  EXPECT_FALSE(bar->CanExpand() || bar->AllowResize() || bar->ShowResize() || bar->Redraw());
  bar->setKey("a");
  bar->setAllowResize(true);
  auto grid = host(*bar);
  dock->setShow(true);
  EXPECT_FALSE(el().picTitel(k(bar)).Visible());  // no title box, but a 260-twip title line
  const struct {
    std::function<void(kiv::cKivBar&)> set;
    char effect;  // P repaint, T title layout only, - nothing
    std::int32_t top;
  } cases[] = {
      {[](auto& b) { b.setTitle(""); }, '-', 260},  // no change for a new bar
      {[](auto& b) { b.setTitle("a"); }, 'T', 260},
      {[](auto& b) { b.setTitleForeColor(b.TitleForeColor()); }, 'P', 260},
      {[](auto& b) { b.setTitleBackColorStart(b.TitleBackColorStart()); }, 'P', 260},
      {[](auto& b) { b.setTitleBackColorEnd(b.TitleBackColorEnd()); }, 'P', 260},
      {[](auto& b) { b.setTitleVertical(b.TitleVertical()); }, 'P', 260},
      {[](auto& b) { b.setShowResize(b.ShowResize()); }, '-', 260},
      {[](auto& b) { b.setShowResize(!b.ShowResize()); }, 'P', 260},
      {[](auto& b) { b.setAllowResize(true); }, '-', 260},  // sets ShowResize again
      {[](auto& b) { b.setTitleRight("3 Einträge"); }, 'T', 260},
      {[](auto& b) { b.setTitleRight("3 Einträge"); }, '-', 260},
      {[](auto& b) { b.setIcon(nullptr); }, 'T', 260},
      {[](auto& b) { b.setTitle("A"); }, 'T', 260},  // the comparison is case-sensitive
      {[](auto& b) { b.setTitle("A"); }, '-', 260},
      {[](auto& b) { b.setTitle(""); }, 'P', 0},  // the title line vanishes
      {[](auto& b) { b.setCanExpand(true); }, '-', 0},
      {[](auto& b) { b.setTitleVertical(false); }, 'P', 260},  // ... and CanExpand brought it back
      {[](auto& b) { b.setCanExpand(false); }, '-', 260},
      {[](auto& b) { b.setTitleVertical(false); }, 'P', 0},
      {[](auto& b) { b.setTitle("Kunden"); }, 'P', 260},
      {[](auto& b) { b.setState(kiv::eBarCollapsed); }, '-', 260},  // cannot be collapsed
  };
  std::int32_t marker = 0x100000;  // a new body colour for each case, shown only by a repaint
  for (const auto& c : cases) {
    bar->setBackColor(++marker);
    SCOPED_TRACE("case " + std::to_string(marker - 0x100000));
    bar->setShowClose(!bar->ShowClose());
    events.log.clear();
    c.set(*bar);
    const bool repainted = c.effect == 'P';
    EXPECT_EQ(events.count("CtlResize a"), repainted ? 1u : 0u);
    EXPECT_EQ(el().picDockBar(k(bar)).BackColor() == marker, repainted);
    if (!repainted && !bar->Title().empty()) {
      EXPECT_EQ(el().imgClose(k(bar)).Visible() == bar->ShowClose(), c.effect == 'T');
    }
    EXPECT_EQ(grid->top, c.top);
  }
  EXPECT_TRUE(bar->ShowResize());
  EXPECT_EQ(bar->State(), kiv::eBarExpanded);
}

TEST_F(DockTest, HostedControlsMoveIntoTheBodyBoxAndBackAndAlignedOnesAreRejected) {
  auto bar = addResizable("a", 2000);
  const kiv::Hwnd form = harness().newWindow(0);
  auto parent = [](const auto& control) { return harness().parentOf(control->hWnd()); };
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdItems");
  auto aligned = std::make_shared<TestControl>(harness().newWindow(form), "picToolbar", 1);
  auto bare = std::make_shared<BareControl>(harness().newWindow(form));
  bar->letControl(grid);
  EXPECT_EQ(dock->hWndItem(k(bar)), el().picDockBar(k(bar)).hWnd());
  EXPECT_EQ(parent(grid), dock->hWndItem(k(bar)));
  EXPECT_EQ(grid->visibleWrites, 0);  // Visible is left to the dock's placement
  EXPECT_EQ(failureOf([&] { dock->hWndItem(2); }).Number(), 340);
  dock->setShow(true);

  const kiv::KivError error = failureOf([&] { bar->setControl(aligned); });
  EXPECT_EQ(error.Number(), 9999);
  EXPECT_EQ(error.Source(), "KivDock");
  EXPECT_EQ(error.Description(), "Control-Align-Eigenschaft darf nicht gesetzt sein!");
  ASSERT_EQ(harness().messages().size(), 1u);
  EXPECT_EQ(harness().messages()[0].Text,
            "Align-Eigenschaft von Control picToolbar darf nicht gesetzt sein!");
  EXPECT_EQ(harness().messages()[0].Caption, kiv::platform()->DefaultCaption());
  EXPECT_EQ(bar->Control(), grid);

  bar->setControl(bare);  // no align member: accepted; the replaced control is hidden, given back
  EXPECT_FALSE(grid->visible);
  EXPECT_EQ(parent(grid), form);
  bar->letControl(aligned);  // let skips the check
  EXPECT_EQ(parent(aligned), dock->hWndItem(k(bar)));
  EXPECT_EQ(parent(bare), form);
  bar->letControl(nullptr);
  EXPECT_EQ(bar->Control(), nullptr);
  EXPECT_FALSE(aligned->visible);
  EXPECT_EQ(parent(aligned), form);

  bar->setRedraw(true);
  EXPECT_FALSE(bar->Redraw());
  ASSERT_EQ(harness().messages().size(), 2u);
  EXPECT_EQ(harness().messages()[1].Text, "Redraw obsolet");
  EXPECT_EQ(harness().messages()[1].Caption, kiv::platform()->DefaultCaption());
}

// Ending the dock gives every hosted control back and saves only at run time. Nothing inside
// the library keeps the dock alive, so a bar the host keeps fails with 91 where it needs it.
TEST_F(DockTest, EndingTheDockGivesControlsBackSavesOnlyAtRunTimeAndOrphansKeptBars) {
  std::shared_ptr<kiv::cKivBar> bar;
  std::shared_ptr<TestControl> grid;
  for (const bool runTime : {false, true}) {
    SCOPED_TRACE(runTime ? "run time" : "designer");
    if (!dock) dock = harness().createDock(4000, 6000);
    const kiv::Hwnd form = harness().newWindow(0);
    bar = addResizable("a", 1500);
    grid = std::make_shared<TestControl>(harness().newWindow(form));
    bar->letControl(grid);
    dock->setShow(true);
    services->Settings.clear();
    std::weak_ptr<kiv::KivDock> watch = dock;
    harness().setUserMode(runTime);
    dock.reset();
    harness().setUserMode(true);
    ASSERT_TRUE(watch.expired());
    EXPECT_EQ(stored("a").empty(), !runTime);
    EXPECT_EQ(harness().parentOf(grid->hWnd()), form);
    EXPECT_FALSE(grid->visible);
    EXPECT_EQ(bar->Control(), nullptr);
  }
  EXPECT_EQ(failureOf([&] { bar->setTitleRight("x"); }).Number(), 91);
  EXPECT_EQ(failureOf([&] { bar->setState(kiv::eBarHidden); }).Number(), 91);
  EXPECT_EQ(bar->TitleRight(), "x");  // the value is stored before the dock is asked
  // Title and hosting trap their dock calls.
  EXPECT_EQ(failureOf([&] { bar->setTitle("neu"); }).Number(), 0);
  EXPECT_EQ(failureOf([&] { bar->letControl(grid); }).Number(), 0);
  EXPECT_EQ(bar->Control(), grid);
  EXPECT_TRUE(harness().messages().empty());
}

}  // namespace kivtest
