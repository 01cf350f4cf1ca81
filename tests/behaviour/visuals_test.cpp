// What a bar shows: its title line, captions, pointers, tooltips and colours.
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
  b->setShowOptions(false);  // the buttons left of it move up to the edge
  relayout();
  EXPECT_EQ(rightSide(), (Places{0, 260, 500, 740, 780}));
  EXPECT_EQ(el().lblTitelRight(k(a)).Width(), 0.0f) << "a caption never set is as wide as its text";
  EXPECT_TRUE(caption.ForeColor() == 0xC0 && right.ForeColor() == 0xC0);
  // A movable bar offers dragging over its title box and caption only.
  EXPECT_EQ(std::make_tuple(title.MousePointer(), caption.MousePointer()),
            std::make_tuple(kiv::kPointerSizeAll, kiv::kPointerSizeAll));
  EXPECT_NE(right.MousePointer(), kiv::kPointerSizeAll);
  EXPECT_EQ(title.ToolTipText(), "Element kann durch 'drag and drop' verschoben werden");

  b->setShowClose(false);
  for (const auto& bar : {a, b, c}) bar->setCanMove(false);
  relayout();
  EXPECT_EQ(rightSide(), (Places{0, 0, 0, 0, 60}));
  EXPECT_EQ(std::make_tuple(title.MousePointer(), caption.MousePointer()),
            std::make_tuple(kiv::kPointerDefault, kiv::kPointerDefault));
  EXPECT_EQ(title.ToolTipText(), "");
}

TEST_F(DockTest, TitleLeftSidePlacesTheExpandButtonIconAndCaption) {
  auto icon = std::make_shared<kiv::Picture>(  // 16 x 16 pixels: 240 twips
      kiv::Picture{16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00u), 0, 0});
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
  relayout();
  EXPECT_EQ(leftSide(withIcon), (Places{-1, 40, 340, 640}));
  EXPECT_EQ(leftSide(plain), (Places{-1, -1, 40, 340}));
}

// The bars' colours come from the host's table (140 body, 150 captions, 14 and 15 gradient,
// option 141 its direction, 10 the dock's surface), with no value treated specially. The title
// gradient has 61 bands from left to right (the last one outside the title) or 30 lines from
// top to bottom, each colour rounded half to even from the start colour.
namespace {
constexpr std::int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
// The colour at the centre of horizontal band i of a title.
std::int32_t band(const kiv::PictureBox& title, int i) {
  return title.Point(title.ScaleWidth() / 60 * (static_cast<float>(i) + 0.5f), title.Height() / 2);
}
}  // namespace

TEST_F(DockTest, BarsTakeTheHostColoursAndTheTitleRunsFromTheStartColourToBand59) {
  services->Colors = {{140, -1}, {14, rgb(0, 0, 0)}, {15, rgb(255, 0, 0)}, {10, 0x00C0FFEE}};
  auto bar = addBar("a");
  bar->setTitleBackColorStart(rgb(9, 9, 9));  // replaced by the host's colours when shown
  dock->setShow(true);
  harness().sync(*dock);
  EXPECT_EQ(std::make_pair(body(bar).BackColor(), el().surface().BackColor()),
            std::make_pair(-1, 0x00C0FFEE));  // -1 is passed on like any other colour
  const kiv::PictureBox& title = el().picTitel(k(bar));
  EXPECT_EQ(band(title, 0), rgb(0, 0, 0));
  EXPECT_EQ(band(title, 30), rgb(128, 0, 0));  // 127.5 goes to the even 128
  EXPECT_EQ(band(title, 59), rgb(251, 0, 0));  // 250.75; red 255 would be band 60
  EXPECT_EQ(band(title, 60), -1) << "band 60 lies outside the title box";

  // Green is worked out on the whole colour number, so red's low byte carries into it:
  // band 1 green = (255 + 1088) >> 8 = 5, where a separate channel would give 4.
  bar->setTitleBackColorStart(rgb(255, 0, 0));
  bar->setTitleBackColorEnd(rgb(0, 255, 0));
  harness().sync(*dock);
  EXPECT_EQ(band(title, 1), rgb(251, 5, 0));
  EXPECT_EQ(band(title, 30), rgb(128, 128, 0));
  // What the host set lasts until the colours are loaded again; option 141 now asks for 30
  // lines from top to bottom, each across the whole width.
  services->Options[141] = true;
  dock->ShowElement(-1);
  harness().sync(*dock);
  EXPECT_EQ(title.Point(20, 135), title.Point(title.Width() - 20, 135));
  EXPECT_LT(title.Point(20, 0), title.Point(20, 135));
  EXPECT_EQ(title.Point(title.Width() - 20, 265.5f), rgb(246, 0, 0));  // 246.5 to the even 246
}

}  // namespace kivtest
