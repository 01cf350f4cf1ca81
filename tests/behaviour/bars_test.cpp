// The bar's own rules and the bar collection: defaults, the height and state rules, which changes
// repaint, hosting a control of the host, ending the dock, the lookups and the element sets.
// (Clearing is checked where a host's handler clears the bars.)
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
  EXPECT_EQ(std::make_tuple(bar->State(), bar->AlignBar(), bar->CanMove(), bar->CanExpand()),
            std::make_tuple(kiv::eBarExpanded, kiv::eAlignTop, true, false));
  bar->setKey("a");
  bar->setAllowResize(true);
  auto grid = host(*bar);
  dock->setShow(true);
  const struct {
    std::function<void(kiv::cKivBar&)> set;
    char effect;  // P repaint, T title layout only, - nothing
    std::int32_t top;
  } cases[] = {
      {[](auto& b) { b.setTitle(""); }, '-', 260},  // no change for a new bar
      {[](auto& b) { b.setTitle("a"); }, 'T', 260},
      {[](auto& b) { b.setTitleForeColor(b.TitleForeColor()); }, 'P', 260},
      {[](auto& b) { b.setShowResize(!b.ShowResize()); }, 'P', 260},
      {[](auto& b) { b.setAllowResize(true); }, '-', 260},  // sets ShowResize again
      {[](auto& b) { b.setTitleRight("3 Einträge"); }, 'T', 260},
      {[](auto& b) { b.setIcon(nullptr); }, 'T', 260},
      {[](auto& b) { b.setTitle("A"); }, 'T', 260},  // the comparison is case-sensitive
      {[](auto& b) { b.setTitle(""); }, 'P', 0},     // the title line vanishes
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
    EXPECT_EQ(events.log, repainted ? Keys{"CtlResize a"} : Keys{});
    EXPECT_EQ(el().picDockBar(k(bar)).BackColor() == marker, repainted);
    if (!repainted && !bar->Title().empty()) {
      EXPECT_EQ(el().imgClose(k(bar)).Visible() == bar->ShowClose(), c.effect == 'T');
    }
    EXPECT_EQ(grid->top, c.top);
  }
  EXPECT_EQ(std::make_pair(bar->ShowResize(), bar->State()),
            std::make_pair(true, kiv::eBarExpanded));
}

TEST_F(DockTest, HostedControlsMoveIntoTheBodyBoxAndBackAndAlignedOnesAreRejected) {
  auto bar = addResizable("a", 2000);
  const kiv::Hwnd form = harness().newWindow(0);
  auto parent = [](const auto& control) { return harness().parentOf(control->hWnd()); };
  auto grid = std::make_shared<TestControl>(harness().newWindow(form), "grdItems");
  auto aligned = std::make_shared<TestControl>(harness().newWindow(form), "picToolbar", 1);
  auto bare = std::make_shared<BareControl>(harness().newWindow(form));
  // A control leaving the bar is hidden and given back while the bar still holds it.
  std::vector<bool> heldWhileHidden;
  auto watchHolding = [&](TestControl* c) {
    c->onVisible = [&heldWhileHidden, &bar, c] {
      if (!c->visible) heldWhileHidden.push_back(bar->Control().get() == c);
    };
  };
  watchHolding(grid.get());
  watchHolding(aligned.get());
  bar->letControl(grid);
  EXPECT_EQ(parent(grid), dock->hWndItem(k(bar)));
  EXPECT_EQ(dock->hWndItem(k(bar)), body(bar).hWnd());
  EXPECT_EQ(grid->visibleWrites, 0);  // Visible is left to the dock's placement
  EXPECT_EQ(failureOf([&] { dock->hWndItem(2); }).Number(), 340);
  dock->setShow(true);

  const kiv::KivError error = failureOf([&] { bar->setControl(aligned); });
  EXPECT_EQ(std::make_tuple(error.Number(), error.Source(), error.Description()),
            std::make_tuple(9999, "KivDock", "Control-Align-Eigenschaft darf nicht gesetzt sein!"));
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

  EXPECT_EQ(heldWhileHidden, (std::vector<bool>{true, true}));
  grid->onVisible = aligned->onVisible = [] {};
  // An aligned control whose Name cannot be read: the message step fails and is skipped.
  struct Nameless : TestControl {
    using TestControl::TestControl;
    std::string Name() override { throw kiv::KivError(438, "", ""); }
  };
  auto nameless = std::make_shared<Nameless>(harness().newWindow(form), "", 1);
  EXPECT_EQ(failureOf([&] { bar->setControl(nameless); }).Number(), 9999);

  bar->setRedraw(true);
  EXPECT_FALSE(bar->Redraw());
  std::vector<std::string> shown;
  for (const auto& m : harness().messages()) shown.push_back(m.Caption + ": " + m.Text);
  const std::string caption = kiv::platform()->DefaultCaption() + ": ";
  EXPECT_EQ(shown,
            (Keys{caption + "Align-Eigenschaft von Control picToolbar darf nicht gesetzt sein!",
                  caption + "Redraw obsolet"}));
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
    // The dock still answers its bars while it saves on the way out.
    std::vector<std::int32_t> failures;
    services->onWrite = [&](const std::string&) {
      failures.push_back(failureOf([&] { bar->Top(); }).Number());
    };
    harness().setUserMode(runTime);
    dock.reset();
    harness().setUserMode(true);
    services->onWrite = [](const std::string&) {};
    ASSERT_TRUE(watch.expired());
    EXPECT_EQ(failures, std::vector<std::int32_t>(runTime ? 1 : 0, 0));
    EXPECT_EQ(stored("a").empty(), !runTime);
    EXPECT_TRUE(harness().parentOf(grid->hWnd()) == form && !grid->visible && !bar->Control());
  }
  EXPECT_EQ(failureOf([&] { bar->setTitleRight("x"); }).Number(), 91);
  EXPECT_EQ(bar->TitleRight(), "x");  // the value is stored before the dock is asked
  // Title and hosting trap their dock calls.
  bar->setTitle("neu");
  bar->letControl(grid);
  EXPECT_EQ(bar->Control(), grid);
  EXPECT_TRUE(harness().messages().empty());
}

// The bar collection and each bar's element set: adding and the lookups by index, key and order
// position.
TEST_F(DockTest, AddPutsEachBarLastAndLookupsFindTheFirstMatchOrNone) {
  kiv::clsBars& bars = dock->Bars();
  for (std::int32_t i = 1; i <= 9; ++i) EXPECT_EQ(bars.Add()->Index(), i);
  dock->setShow(true);
  auto tenth = addBar("Kunden");  // adding paints nothing, even on a shown dock
  auto eleventh = addBar("Kunden");
  EXPECT_TRUE(tenth->Index() == 10 && el().UBound() == 11);
  EXPECT_FALSE(body(tenth).Visible());
  EXPECT_TRUE(bars.ItemByOrder(11) == eleventh && bars(11) == eleventh && bars.Bar(11) == eleventh);
  EXPECT_EQ(bars.ItemByKey("Kunden"), tenth);
  for (auto none : {bars.Item(0), bars.Item(12), bars(-1), bars.ItemByOrder(0),
                    bars.ItemByOrder(12), bars.ItemByKey("kunden"), bars.ItemByKey("Kunde")}) {
    EXPECT_EQ(none, nullptr);
  }
  EXPECT_THROW(bars.Bar(0), kiv::KivError);

  // The visible lookups skip hidden bars, count collapsed ones and follow every change.
  for (std::int32_t i : {1, 3, 4, 6, 7, 8, 9}) bars.Item(i)->setState(kiv::eBarHidden);
  tenth->setCanExpand(true);
  tenth->setState(kiv::eBarCollapsed);
  EXPECT_EQ(bars.CountVisible(), 4);
  EXPECT_EQ(bars.ItemByOrderVisible(3), tenth);
  EXPECT_EQ(bars.ItemByOrderVisible(5), nullptr);
  bars.Item(3)->setState(kiv::eBarExpanded);
  EXPECT_EQ(bars.ItemByOrderVisible(2), bars.Item(3));
  EXPECT_TRUE(harness().messages().empty());
}

// Index is the host's to write; the lookups walk the order and nothing it writes crashes.
TEST_F(DockTest, AnIndexTheHostWritesLeavesTheLookupsWhole) {
  kiv::clsBars& bars = dock->Bars();
  auto a = addBar("a"), b = addBar("b");
  a->setIndex(7);
  EXPECT_TRUE(bars.ItemByOrderVisible(1) == a && bars.ItemByOrderVisible(2) == b);
  a->setIndex(2000000000);
  dock->setAllowScroll(true);
  dock->setShow(true);
  EXPECT_EQ(order(), (Keys{"a", "b"}));
  EXPECT_EQ(bars.ItemByOrderVisible(2), b);
}

TEST_F(DockTest, NewElementSetLiesInItsContainersHiddenUntilPainted) {
  auto bar = addBar("a");
  const std::int16_t i = k(bar);
  kiv::PictureBox &title = el().picTitel(i), &split = el().picSplit(i);
  EXPECT_TRUE(body(bar).Container() == &el().surface() && title.Container() == &body(bar));
  EXPECT_FALSE(body(bar).Visible() || el().imgIcon(i).Visible());
  EXPECT_EQ(split.MousePointer(), kiv::kPointerSizeNS);
  EXPECT_EQ(split.ToolTipText(), "Hier ziehen, um die Größe des Elements zu verändern");

  // The six buttons: hidden, in the title box, with the hand of imgHand.
  ASSERT_NE(el().imgHand().Picture(), nullptr);
  const std::pair<kiv::Image*, const char*> buttons[] = {
      {&el().imgClose(i), "Element ausblenden"},
      {&el().imgCollapse(i), "Element zuklappen"},
      {&el().imgExpand(i), nullptr},  // its tooltip is free
      {&el().imgOpt(i), "Einstellungen ändern"},
      {&el().imgUp(i), "Element nach oben verschieben"},
      {&el().imgDown(i), "Element nach unten verschieben"}};
  for (const auto& [button, tip] : buttons) {
    EXPECT_TRUE(button->Container() == &title && !button->Visible());
    EXPECT_EQ(button->MouseIcon(), el().imgHand().Picture());
    if (tip) {
      EXPECT_EQ(button->ToolTipText(), tip);
    }
  }
}

}  // namespace kivtest
