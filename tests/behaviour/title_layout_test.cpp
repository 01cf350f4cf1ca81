// The title line: the buttons on the right touching each other from a 20-twip margin, the
// expand button, icon and caption from the left, captions, colours, pointers and tooltip.
#include <tuple>

#include "support/dock_fixture.h"

namespace kivtest {

using Places = std::vector<float>;

TEST_F(DockTest, TitleRightSideCaptionsAndPointersFollowTheBarsFlags) {
  services->Colors[150] = 0x000000C0;
  auto a = addBar("a"), b = addBar("Artikel"), c = addBar("c");
  b->setShowOptions(true);
  b->setShowClose(true);
  b->setTitleRight("Summe 12");
  dock->setShow(true);  // b can move up and down
  harness().sync(*dock);
  const kiv::PictureBox& title = el().picTitel(k(b));
  const kiv::Label &caption = el().lblTitel(k(b)), &right = el().lblTitelRight(k(b));
  // How far options, close, down and up start from the title's right edge (0 when hidden),
  // and where the right-hand caption ends.
  auto rightSide = [&] {
    Places fromEdge;
    for (kiv::Element* button :
         {&el().imgOpt(k(b)), &el().imgClose(k(b)), &el().imgDown(k(b)), &el().imgUp(k(b))}) {
      fromEdge.push_back(button->Visible() ? title.Width() - button->Left() : 0);
    }
    fromEdge.push_back(title.Width() - right.Left() - right.Width());
    return fromEdge;
  };
  EXPECT_EQ(rightSide(), (Places{260, 500, 740, 980, 1020}));
  EXPECT_EQ(std::make_pair(caption.ForeColor(), right.ForeColor()),
            std::make_pair(0x000000C0, 0x000000C0));
  // A movable bar offers dragging over its title box and caption only.
  EXPECT_EQ(std::make_tuple(title.MousePointer(), caption.MousePointer()),
            std::make_tuple(kiv::kPointerSizeAll, kiv::kPointerSizeAll));
  EXPECT_NE(right.MousePointer(), kiv::kPointerSizeAll);
  EXPECT_EQ(title.ToolTipText(), "Element kann durch 'drag and drop' verschoben werden");

  b->setShowOptions(false);
  b->setShowClose(false);
  for (const auto& bar : {a, b, c}) bar->setCanMove(false);
  dock->ShowElement(9999);  // a layout pass: no bar has this index
  EXPECT_EQ(rightSide(), (Places{0, 0, 0, 0, 60}));
  EXPECT_EQ(std::make_tuple(title.MousePointer(), caption.MousePointer()),
            std::make_tuple(kiv::kPointerDefault, kiv::kPointerDefault));
  EXPECT_EQ(title.ToolTipText(), "");
}

TEST_F(DockTest, TitleLeftSidePlacesTheExpandButtonIconAndCaption) {
  auto icon = std::make_shared<kiv::Picture>();  // 16 x 16 pixels: 240 twips
  icon->WidthPx = icon->HeightPx = 16;
  icon->Argb.assign(16 * 16, 0xFF00FF00u);
  auto plain = addBar("p"), expandable = addResizable("e", 1500),
       withIcon = addResizable("i", 1500);
  dock->setShow(true);
  // Where the expand button, the collapse button, the icon (-1 when hidden) and the caption start.
  auto leftSide = [&](const std::shared_ptr<kiv::cKivBar>& bar) {
    harness().sync(*dock);
    Places x;
    for (kiv::Element* e :
         {&el().imgExpand(k(bar)), &el().imgCollapse(k(bar)), &el().imgIcon(k(bar))}) {
      x.push_back(e->Visible() ? e->Left() : -1);
    }
    x.push_back(el().lblTitel(k(bar)).Left());
    return x;
  };
  EXPECT_EQ(leftSide(plain), (Places{-1, -1, -1, 50}));
  EXPECT_EQ(leftSide(expandable), (Places{-1, 40, -1, 340}));
  // The icon's place uses the icon element's width from before the picture goes in: 225 the
  // first time, the picture's 240 from then on.
  withIcon->setIcon(icon);
  EXPECT_EQ(leftSide(withIcon), (Places{-1, 40, 340, 625}));
  plain->setIcon(icon);
  dock->ShowElement(9999);
  EXPECT_EQ(leftSide(withIcon), (Places{-1, 40, 340, 640}));
  EXPECT_EQ(leftSide(plain), (Places{-1, -1, 40, 340}));
}

}  // namespace kivtest
