// Every bar's own set of elements: created with the bar as copies of the design templates, each
// in its container, hidden until the dock paints the bar, and unloaded all together by Clear.
#include <functional>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
using kiv::ElementArray;
constexpr ElementArray kBarArrays[] = {
    ElementArray::picDockBar,    ElementArray::picTitel, ElementArray::lblTitel,
    ElementArray::lblTitelRight, ElementArray::imgClose, ElementArray::imgCollapse,
    ElementArray::imgExpand,     ElementArray::imgIcon,  ElementArray::imgOpt,
    ElementArray::imgUp,         ElementArray::imgDown,  ElementArray::picSplit,
    ElementArray::lineSplit};
}  // namespace

class ElementSetsTest : public DockTest {
 protected:
  // The six title buttons of element set i.
  std::vector<kiv::Image*> buttons(std::int16_t i) {
    return {&el().imgClose(i), &el().imgCollapse(i), &el().imgExpand(i),
            &el().imgOpt(i),   &el().imgUp(i),       &el().imgDown(i)};
  }
  static bool missing(const std::function<void()>& lookup) {
    try {
      lookup();
    } catch (const kiv::KivError& e) {
      return e.Number() == 340;
    }
    return false;
  }
};

TEST_F(ElementSetsTest, EachBarGetsTheElementSetOfItsIndex) {
  EXPECT_EQ(el().UBound(), 0);
  for (int i = 1; i <= 10; ++i) {
    auto bar = dock->Bars().Add();
    EXPECT_EQ(bar->Index(), i);
    EXPECT_EQ(el().UBound(), i);
    EXPECT_EQ(el().picDockBar(k(bar)).Index(), i);
  }
  EXPECT_TRUE(missing([&] { el().picDockBar(11); }));
  EXPECT_NE(el().picDockBar(10).hWnd(), el().picDockBar(9).hWnd());
}

TEST_F(ElementSetsTest, NewSetLiesInItsContainersHiddenUntilPainted) {
  auto bar = dock->Bars().Add();
  const std::int16_t i = k(bar);
  kiv::PictureBox& body = el().picDockBar(i);
  kiv::PictureBox& title = el().picTitel(i);
  kiv::PictureBox& split = el().picSplit(i);
  EXPECT_EQ(body.Container(), &el().surface());
  EXPECT_EQ(title.Container(), &body);
  EXPECT_EQ(split.Container(), &body);
  EXPECT_EQ(el().lineSplit(i).Container(), &split);
  EXPECT_EQ(el().lblTitel(i).Container(), &title);
  EXPECT_EQ(el().lblTitelRight(i).Container(), &title);
  EXPECT_EQ(el().imgIcon(i).Container(), &title);
  for (kiv::Image* b : buttons(i)) EXPECT_EQ(b->Container(), &title);

  EXPECT_FALSE(body.Visible());
  EXPECT_TRUE(title.Visible());
  EXPECT_TRUE(el().lblTitel(i).Visible());
  EXPECT_TRUE(el().lblTitelRight(i).Visible());
  EXPECT_TRUE(split.Visible());
  EXPECT_TRUE(el().lineSplit(i).Visible());
  EXPECT_FALSE(el().imgIcon(i).Visible());
  for (kiv::Image* b : buttons(i)) EXPECT_FALSE(b->Visible());
  EXPECT_FALSE(title.VisibleOnScreen());

  // Pointers: the hand of imgHand over the buttons, the default over the icon, north-south over
  // the splitter.
  for (kiv::Image* b : buttons(i)) {
    EXPECT_EQ(b->MousePointer(), kiv::kPointerCustom);
    EXPECT_EQ(b->MouseIcon(), el().imgHand().Picture());
  }
  ASSERT_NE(el().imgHand().Picture(), nullptr);
  EXPECT_FALSE(el().imgHand().Visible());
  EXPECT_EQ(el().imgIcon(i).MousePointer(), kiv::kPointerDefault);
  EXPECT_EQ(split.MousePointer(), kiv::kPointerSizeNS);

  dock->setShow(true);
  EXPECT_TRUE(body.Visible());
}

TEST_F(ElementSetsTest, NewSetCopiesTheDesignOfTheTemplates) {
  const std::int16_t i = k(dock->Bars().Add());
  EXPECT_EQ(el().picTitel(i).Height(), 270);
  EXPECT_EQ(el().picTitel(i).Width(), 3990);
  EXPECT_EQ(el().picDockBar(i).Width(), 4185);
  EXPECT_EQ(el().picDockBar(i).Height(), 2655);
  EXPECT_EQ(el().picDockBar(i).BackColor(), 0xE0E0E0);
  EXPECT_EQ(el().picSplit(i).Height(), 75);
  EXPECT_EQ(el().lineSplit(i).Y1(), 30);
  EXPECT_EQ(el().lineSplit(i).Y2(), 30);
  EXPECT_EQ(el().lineSplit(i).BorderColor(), 0xC8C8C8);
  EXPECT_EQ(el().picSplit(i).ToolTipText(), "Hier ziehen, um die Größe des Elements zu verändern");
  EXPECT_EQ(el().imgCollapse(i).ToolTipText(), "Element zuklappen");
  EXPECT_EQ(el().imgClose(i).ToolTipText(), "Element ausblenden");
  EXPECT_EQ(el().imgDown(i).ToolTipText(), "Element nach unten verschieben");
  EXPECT_EQ(el().imgUp(i).ToolTipText(), "Element nach oben verschieben");
  EXPECT_EQ(el().imgOpt(i).ToolTipText(), "Einstellungen ändern");
  for (kiv::Image* b : buttons(i)) {
    EXPECT_EQ(b->Width(), 240);
    EXPECT_EQ(b->Height(), 240);
    EXPECT_EQ(b->Top(), 15);
    EXPECT_NE(b->Picture(), nullptr);
  }
  EXPECT_EQ(el().imgIcon(i).Picture(), nullptr);
  EXPECT_EQ(el().lblTitel(i).Top(), 15);
  EXPECT_EQ(el().lblTitelRight(i).Top(), 15);
}

TEST_F(ElementSetsTest, ClearUnloadsEverySetAndKeepsTheTemplates) {
  for (int n = 0; n < 3; ++n) addBar("bar");
  dock->setShow(true);
  dock->Bars().Clear();
  EXPECT_EQ(el().UBound(), 0);
  for (std::int16_t i = 1; i <= 3; ++i) {
    for (auto array : kBarArrays) {
      EXPECT_EQ(el().find(array, i), nullptr) << static_cast<int>(array) << " " << i;
      EXPECT_NE(el().find(array, 0), nullptr);
    }
  }
  EXPECT_TRUE(missing([&] { el().picDockBar(1); }));
  EXPECT_TRUE(missing([&] { el().lineSplit(3); }));
  EXPECT_TRUE(harness().messages().empty());

  auto again = dock->Bars().Add();
  EXPECT_EQ(k(again), 1);
  EXPECT_FALSE(el().picDockBar(1).Visible());
  EXPECT_EQ(el().picTitel(1).Container(), &el().picDockBar(1));
}

TEST_F(ElementSetsTest, TemplatesAreNeverShown) {
  auto a = addResizable("a", 1500);
  a->setShowClose(true);
  a->setShowOptions(true);
  addResizable("b", 1500);
  dock->setShow(true);
  ASSERT_TRUE(el().imgClose(k(a)).VisibleOnScreen());
  for (auto array : kBarArrays) EXPECT_FALSE(el().find(array, 0)->VisibleOnScreen());
  EXPECT_FALSE(el().imgHand().Visible());
}

}  // namespace kivtest
