// The title line: the buttons on the right touching each other from a 20-twip margin, the
// expand button, icon and caption from the left, captions, colours, pointers and tooltip.
#include "support/dock_fixture.h"

namespace kivtest {

namespace {
std::shared_ptr<kiv::Picture> icon16() {
  auto p = std::make_shared<kiv::Picture>();
  p->WidthPx = p->HeightPx = 16;
  p->Argb.assign(16 * 16, 0xFF00FF00u);
  return p;
}
}  // namespace

TEST_F(DockTest, RightButtonsLineUpFromTheRightEdgeWithTheCaptionBeforeThem) {
  auto a = addBar("a"), b = addBar("b"), c = addBar("c");
  b->setShowOptions(true);
  b->setShowClose(true);
  b->setTitleRight("Summe 12");
  dock->setShow(true);  // b can move up and down
  harness().sync(*dock);

  const float W = el().picTitel(k(b)).Width();
  ASSERT_EQ(W, 3980.0f);
  EXPECT_EQ(el().imgOpt(k(b)).Left(), W - 260);
  EXPECT_EQ(el().imgClose(k(b)).Left(), W - 500);
  EXPECT_EQ(el().imgDown(k(b)).Left(), W - 740);
  EXPECT_EQ(el().imgUp(k(b)).Left(), W - 980);
  for (kiv::Image* img :
       {&el().imgOpt(k(b)), &el().imgClose(k(b)), &el().imgDown(k(b)), &el().imgUp(k(b))}) {
    EXPECT_TRUE(img->Visible());
  }
  const kiv::Label& right = el().lblTitelRight(k(b));
  EXPECT_EQ(right.Caption(), "Summe 12");
  EXPECT_EQ(right.Left() + right.Width(), W - 1020);

  b->setShowOptions(false);
  b->setShowClose(false);
  dock->ShowElement(9999);
  EXPECT_FALSE(el().imgOpt(k(b)).Visible());
  EXPECT_FALSE(el().imgClose(k(b)).Visible());
  EXPECT_EQ(el().imgDown(k(b)).Left(), W - 260);
  EXPECT_EQ(el().imgUp(k(b)).Left(), W - 500);
  EXPECT_EQ(right.Left() + right.Width(), W - 540);

  // Without any button the caption ends 60 twips from the edge.
  a->setCanMove(false);
  b->setCanMove(false);
  c->setCanMove(false);
  c->setTitleRight("rechts");
  dock->ShowElement(9999);
  const kiv::Label& cRight = el().lblTitelRight(k(c));
  EXPECT_FALSE(el().imgUp(k(c)).Visible());
  EXPECT_EQ(cRight.Left() + cRight.Width(), W - 60);
}

TEST_F(DockTest, LeftPartPlacesTheExpandButtonIconAndCaption) {
  auto plain = addBar("plain");
  auto expandable = addResizable("exp", 1500);
  auto withIcon = addResizable("icon", 1500);
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(el().lblTitel(k(plain)).Left(), 50.0f);
  EXPECT_FALSE(el().imgIcon(k(plain)).Visible());
  EXPECT_FALSE(el().imgExpand(k(plain)).Visible());
  EXPECT_FALSE(el().imgCollapse(k(plain)).Visible());

  EXPECT_TRUE(el().imgCollapse(k(expandable)).Visible()) << "an expanded bar offers collapse";
  EXPECT_FALSE(el().imgExpand(k(expandable)).Visible());
  EXPECT_EQ(el().imgCollapse(k(expandable)).Left(), 40.0f);
  EXPECT_EQ(el().lblTitel(k(expandable)).Left(), 340.0f);
  expandable->setState(kiv::eBarCollapsed);
  dock->ShowElement(9999);
  EXPECT_TRUE(el().imgExpand(k(expandable)).Visible());
  EXPECT_FALSE(el().imgCollapse(k(expandable)).Visible());
  EXPECT_EQ(el().imgExpand(k(expandable)).Left(), 40.0f);

  // The icon's place uses the icon element's width from before the picture goes in: 225 the
  // first time, the picture's 240 from then on.
  withIcon->setIcon(icon16());
  EXPECT_TRUE(el().imgIcon(k(withIcon)).Visible());
  EXPECT_EQ(el().imgIcon(k(withIcon)).Left(), 340.0f);
  EXPECT_EQ(el().lblTitel(k(withIcon)).Left(), 625.0f);
  dock->ShowElement(9999);
  EXPECT_EQ(el().imgIcon(k(withIcon)).Left(), 340.0f);
  EXPECT_EQ(el().lblTitel(k(withIcon)).Left(), 640.0f);

  // Not expandable, with an icon: the icon starts at 40.
  plain->setIcon(icon16());
  dock->ShowElement(9999);
  EXPECT_EQ(el().imgIcon(k(plain)).Left(), 40.0f);
  EXPECT_EQ(el().lblTitel(k(plain)).Left(), 340.0f);
  EXPECT_FALSE(el().imgExpand(k(plain)).Visible());
}

TEST_F(DockTest, ALeftColumnTitleIs30NarrowerAndMeasuresFromItsOwnEdge) {
  dock->setAllowScroll(true);
  auto left = addBar("left");
  left->setAlignBar(kiv::eAlignLeft);
  left->setShowClose(true);
  left->setCanMove(false);
  dock->setShow(true);
  harness().sync(*dock);
  const float body = el().picDockBar(k(left)).Width();
  const float W = el().picTitel(k(left)).Width();
  EXPECT_EQ(W, body - 30);
  EXPECT_EQ(el().imgClose(k(left)).Left(), W - 260);
}

TEST_F(DockTest, TitleShowsCaptionsInTheHostColourWithPointersOnlyWhenMovable) {
  services->Colors[150] = 0x000000C0;
  auto movable = addBar("Artikel");
  auto fixed = addBar("Kunden");
  fixed->setCanMove(false);
  fixed->setTitleRight("3 offen");
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(el().lblTitel(k(movable)).Caption(), "Artikel");
  EXPECT_EQ(el().lblTitel(k(movable)).ForeColor(), 0x000000C0);
  EXPECT_EQ(el().lblTitelRight(k(fixed)).ForeColor(), 0x000000C0);

  const kiv::PictureBox& title = el().picTitel(k(movable));
  EXPECT_EQ(title.MousePointer(), kiv::kPointerSizeAll);
  EXPECT_EQ(title.ToolTipText(), "Element kann durch 'drag and drop' verschoben werden");
  EXPECT_EQ(el().lblTitel(k(movable)).MousePointer(), kiv::kPointerSizeAll);

  EXPECT_EQ(el().picTitel(k(fixed)).MousePointer(), kiv::kPointerDefault);
  EXPECT_EQ(el().picTitel(k(fixed)).ToolTipText(), "");
  EXPECT_EQ(el().lblTitel(k(fixed)).MousePointer(), kiv::kPointerDefault);
  EXPECT_NE(el().lblTitelRight(k(fixed)).MousePointer(), kiv::kPointerSizeAll);
}

TEST_F(DockTest, ABarWithoutTitleThatCannotExpandHasNoTitleLine) {
  auto anonymous = dock->Bars().Add();
  anonymous->setKey("anon");
  anonymous->setHeight(1000);
  auto named = addBar("named");
  dock->setShow(true);
  harness().sync(*dock);
  EXPECT_TRUE(el().picDockBar(k(anonymous)).Visible());
  EXPECT_FALSE(el().picTitel(k(anonymous)).Visible());
  EXPECT_TRUE(el().picTitel(k(named)).Visible());

  anonymous->setTitle("Jetzt mit Titel");
  EXPECT_TRUE(el().picTitel(k(anonymous)).Visible());
  EXPECT_EQ(el().lblTitel(k(anonymous)).Caption(), "Jetzt mit Titel");
}

}  // namespace kivtest
