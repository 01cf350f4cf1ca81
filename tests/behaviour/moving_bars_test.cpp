// Moving bars: by the buttons of a bar's title, the right press and the options button, and by
// dragging a title onto another bar, the top edge of the dock or the empty area.
#include "support/dock_fixture.h"

namespace kivtest {

using kiv::eAlignLeft;
using kiv::eAlignRight;
using kiv::eAlignTop;

class TitleButtonsTest : public DockTest {
 protected:
  bool shows(kiv::Element& e) { return e.VisibleOnScreen(); }
  std::pair<bool, bool> arrows(const Bar& bar) {
    return {shows(el().imgUp(k(bar))), shows(el().imgDown(k(bar)))};
  }
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
  EXPECT_EQ(body(b).Top(), 3960.0f);
  EXPECT_EQ(arrows(b), std::make_pair(true, false)) << "the neighbour's buttons follow";
  EXPECT_EQ(stored("b"), "3:1:1:1980");

  // A collapsed bar keeps its title line; the bar below takes up the freed height.
  harness().click(el().imgCollapse(k(a)));
  EXPECT_TRUE(shows(el().imgExpand(k(a))) && !shows(el().imgCollapse(k(a))) && !control->visible);
  EXPECT_EQ(std::make_pair(body(a).Height(), body(b).Top()), std::make_pair(300.0f, 3960.0f));
  EXPECT_EQ(stored("a"), "1:1:0:300");
  harness().click(el().imgExpand(k(a)));
  EXPECT_TRUE(shows(el().imgCollapse(k(a))) && !shows(el().imgExpand(k(a))) && control->visible);

  harness().click(el().imgClose(k(c)));
  EXPECT_FALSE(shows(body(c)));
  EXPECT_EQ(events.log.back(), "Closed c") << "after the layout";
  EXPECT_EQ(stored("c"), "2:1:2:0");
  harness().click(el().imgClose(k(a)));
  harness().click(el().imgClose(k(b)));  // the last visible bar stays
  EXPECT_EQ(services->Messages, (Keys{"Sie müssen mindestens ein Element sichtbar lassen!"}));
  EXPECT_TRUE(shows(body(b)));
  EXPECT_EQ(events.log.back(), "Closed a");
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

// A bottom bar keeps the buttons of the last fill-mode pass; it moves in the order but stays
// a bottom bar.
TEST_F(TitleButtonsTest, ABottomBarMovesInTheOrderOnly) {
  auto b = addResizable("b", 1000);
  addResizable("t", 1000);
  b->setAlignBar(kiv::eAlignBottom);
  dock->setShow(true);
  dock->setAllowScroll(true);
  b->setTop(3000);
  harness().click(el().imgDown(k(b)));
  EXPECT_EQ(order(), (Keys{"t", "b"}));
  EXPECT_EQ(b->AlignBar(), kiv::eAlignBottom);
}

// The host's handler runs first and may change bars; what the dock does next depends on where
// the user pressed and on the host's answer to OptShow.
TEST_F(TitleButtonsTest, RightPressAndOptionsRegroupAfterTheHostAnswered) {
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
  events.reload = events.cancel = true;
  harness().click(el().imgOpt(k(b)));
  events.reload = events.cancel = false;
  harness().click(el().imgOpt(k(nameless)));
  EXPECT_EQ(events.log, (Keys{"RightClick ", "OptShow b", "OptShow "}));
  EXPECT_FLOAT_EQ(body(a).Width(), 3980) << "no layout ran";

  // Options without reload regroup and lay out; colours are not re-read, nothing is saved.
  harness().click(el().imgOpt(k(b)));
  EXPECT_EQ(order(), (Keys{"b", "", "a"}));
  EXPECT_EQ(std::make_tuple(body(a).Left(), body(a).Top(), body(a).BackColor()),
            std::make_tuple(2035.0f, 2000.0f, 0x112233));

  // A right press on a title regroups and lays out too, once the host's handler ran.
  events.onRightClick = [&] { b->setAlignBar(eAlignRight); };
  harness().press(el().lblTitel(k(b)), kiv::kButtonRight, 10, 10);
  harness().release(el().lblTitel(k(b)), kiv::kButtonRight, 10, 10);
  EXPECT_EQ(events.log.back(), "RightClick b");
  EXPECT_EQ(order(), (Keys{"", "b", "a"}));
  EXPECT_FLOAT_EQ(body(b).Left(), 2035.0f);
  EXPECT_TRUE(services->Settings.empty());

  // Reload: the stored arrangement wins over the host's change, and colours are re-read.
  harness().click(el().imgCollapse(k(b)));
  b->setState(kiv::eBarExpanded);
  ASSERT_FLOAT_EQ(body(a).Top(), 2000) << "the host opened b again";
  events.reload = true;
  harness().click(el().imgOpt(k(b)));
  EXPECT_FLOAT_EQ(body(a).Top(), 1300) << "b is collapsed again";
  EXPECT_EQ(body(a).Point(100, 500), 0x445566);
}

// Moving bars by dragging a title onto another bar, onto the top edge of the dock, or onto the
// dock's empty area.

class DragDropTest : public DockTest {
 protected:
  // The user grabs a bar's title and lets go over an element at x, y (twips, relative to it).
  void dragTo(const Bar& bar, kiv::Element& target, float x, float y) {
    harness().press(el().lblTitel(k(bar)), kiv::kButtonLeft, 10, 10);
    harness().drop(target, x, y, static_cast<int>((target.AbsoluteLeft() + x) / 15),
                   static_cast<int>((target.AbsoluteTop() + y) / 15));
  }
  // ... over a bar's body, clear of its title's buttons, with the pointer in pixel row pointerY.
  void dragOnto(const Bar& bar, const Bar& target, int pointerY) {
    dragTo(bar, body(target), 1000, pointerY * 15.0f + 7 - top(target));
  }
  float top(const Bar& bar) { return body(bar).Top(); }
};

TEST_F(DragDropTest, DropOntoItselfOrAFixedBarChangesNothingOntoAnotherTakesItsPlace) {
  auto a = addResizable("a", 1485), b = addResizable("b", 1485), c = addResizable("c", 1485);
  auto fixed = addResizable("fixed", 1485);
  fixed->setCanMove(false);
  dock->setShow(true);

  // Onto itself (its own title at the top edge too) or onto a fixed bar: nothing at all.
  dragOnto(a, a, 60);
  dragTo(a, el().lblTitel(k(a)), 10, 10);
  dragOnto(b, fixed, 300);
  EXPECT_EQ(order(), (Keys{"a", "b", "c", "fixed"}));
  EXPECT_TRUE(services->Settings.empty() && harness().messages().empty());

  // Onto a bar below: the dragged bar ends just below it.
  dragOnto(a, c, 250);
  EXPECT_EQ(order(), (Keys{"b", "c", "a", "fixed"}));
  EXPECT_FLOAT_EQ(top(a), 2970);
  EXPECT_EQ(stored("a"), "3:1:1:1485");
}

// Near the top edge of the dock the dragged bar's top, in twips, is compared with the pointer's
// row, in pixels, as plain numbers.
TEST_F(DragDropTest, DropWithinTheTopTwentyPixelsComparesTopTwipsWithPointerPixels) {
  dock->setAllowScroll(true);
  auto t = addResizable("t", 1000), l = addResizable("l", 8000);
  auto r = addResizable("r", 600), r2 = addResizable("r2", 600);
  l->setAlignBar(eAlignLeft);
  for (auto& bar : {r, r2}) bar->setAlignBar(eAlignRight);
  dock->setShow(true);
  // Scrolled so that the columns start 10 twips (two thirds of a pixel) below the dock's top.
  harness().scrollTo(*dock, 990);
  ASSERT_FLOAT_EQ(top(r), 10);

  // Top 10 is not greater than pointer row 10: r only takes l's place, keeping its column.
  dragOnto(r, l, 10);
  EXPECT_EQ(order(), (Keys{"t", "r", "l", "r2"}));
  EXPECT_EQ(stored("r"), "3:3:1:600");
  // Top 10 is greater than pointer row 9, though 10 twips lie above pixel row 9: r becomes the
  // first bar of the top band.
  dragOnto(r, l, 9);
  EXPECT_EQ(order(), (Keys{"r", "t", "l", "r2"}));
  EXPECT_EQ(stored("r"), "1:1:1:600");

  // Dropped on itself near the top edge, a column bar whose top is below the pointer's row
  // number joins the band first.
  harness().scrollTo(*dock, 1400);
  ASSERT_FLOAT_EQ(top(r2), 200);
  dragOnto(r2, r2, 19);
  EXPECT_EQ(order(), (Keys{"r2", "r", "t", "l"}));
  EXPECT_EQ(std::make_pair(r2->AlignBar(), top(r2)), std::make_pair(eAlignTop, -1400.0f));
  // Onto a top-band bar the edge has no meaning: l takes t's place and group, ending above it.
  dragOnto(l, t, 3);
  EXPECT_EQ(order(), (Keys{"r2", "r", "l", "t"}));
  EXPECT_EQ(l->AlignBar(), eAlignTop);
}

TEST_F(DragDropTest, DropsJoinTheGroupOfTheBarOrTheSideOfTheEmptyArea) {
  dock->setAllowScroll(true);
  for (const char* key : {"r1", "r2", "r3"}) addResizable(key, 1000)->setAlignBar(eAlignRight);
  dock->setShow(true);
  // The bar dragged; where it is dropped: on the empty area at x, or onto a bar's body; then the
  // order, the bar's left and top, and its stored settings (empty: nothing was saved).
  using Drop = std::tuple<const char*, float, const char*, Keys, float, float, std::string>;
  const Drop drops[] = {
      // Right half, already the last bar: nothing to do.
      {"r3", 3000, nullptr, {"r1", "r2", "r3"}, 2035, 2000, ""},
      // Left half while the first bar is right-aligned: left column, second in the order, even
      // when the first bar is the dragged one.
      {"r3", 1999, nullptr, {"r1", "r3", "r2"}, 30, 0, "1:2:1:1000"},
      {"r1", 100, nullptr, {"r3", "r1", "r2"}, 30, 1000, "2:2:1:1000"},
      // Otherwise behind the last top or left bar, in its group.
      {"r2", 100, nullptr, {"r3", "r1", "r2"}, 30, 2000, "3:2:1:1000"},
      // The middle of the dock counts as right: right-aligned and last.
      {"r3", 2000, nullptr, {"r1", "r2", "r3"}, 2035, 0, "3:3:1:1000"},
      // A left bar dropped onto a right one takes its place and its column.
      {"r2", 0, "r3", {"r1", "r3", "r2"}, 2035, 1000, "3:3:1:1000"},
  };
  auto drag = [&](const Drop& drop) {
    const auto& [key, x, onto, keys, leftAt, topAt, saved] = drop;
    SCOPED_TRACE(saved + " " + key);
    const Bar bar = dock->Bars().ItemByKey(key);
    services->Settings.clear();
    if (onto) {
      dragOnto(bar, dock->Bars().ItemByKey(onto), 100);
    } else {
      dragTo(bar, el().surface(), x, 5000);
    }
    EXPECT_EQ(order(), keys);
    EXPECT_EQ(std::make_pair(body(bar).Left(), top(bar)), std::make_pair(leftAt, topAt));
    EXPECT_EQ(stored(key), saved);
  };
  for (const Drop& drop : drops) drag(drop);
  // The host makes r1 a top bar: r1 is the last top or left bar and stays; r3 joins its band.
  dock->Bars().ItemByKey("r1")->setAlignBar(eAlignTop);
  drag({"r1", 500, nullptr, {"r1", "r3", "r2"}, 30, 0, ""});
  drag({"r3", 500, nullptr, {"r1", "r3", "r2"}, 30, 1000, "2:1:1:1000"});
}

}  // namespace kivtest
