// The bars' colours come from the host's table (140 body, 150 captions, 14 and 15 gradient,
// option 141 its direction, 10 the dock's surface), with no value treated specially. The title
// gradient has 61 bands from left to right (the last one outside the title) or 30 lines from
// top to bottom, each colour rounded half to even from the start colour.
#include "support/dock_fixture.h"

namespace kivtest {

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
  EXPECT_EQ(el().picDockBar(k(bar)).BackColor(), -1) << "-1 is passed on like any other colour";
  EXPECT_EQ(el().surface().BackColor(), 0x00C0FFEE);
  const kiv::PictureBox& title = el().picTitel(k(bar));
  EXPECT_EQ(band(title, 0), rgb(0, 0, 0));
  EXPECT_EQ(band(title, 30), rgb(128, 0, 0));  // 127.5 goes to the even 128
  EXPECT_EQ(band(title, 59), rgb(251, 0, 0));  // 250.75; red 255 would be band 60
  EXPECT_EQ(band(title, 60), -1) << "band 60 lies outside the title box";
  EXPECT_EQ(title.Point(1, title.Height() - 1), rgb(0, 0, 0)) << "each band is full height";

  // Green is worked out on the whole colour number, so red's low byte carries into it:
  // band 1 green = (255 + 1088) >> 8 = 5, where a separate channel would give 4.
  bar->setTitleBackColorStart(rgb(255, 0, 0));
  bar->setTitleBackColorEnd(rgb(0, 255, 0));
  harness().sync(*dock);
  EXPECT_EQ(band(title, 1), rgb(251, 5, 0));
  EXPECT_EQ(band(title, 30), rgb(128, 128, 0));
  dock->ShowElement(-1);  // what the host set lasts until the colours are loaded again
  harness().sync(*dock);
  EXPECT_EQ(band(title, 30), rgb(128, 0, 0));
}

TEST_F(DockTest, VerticalGradientCoversEveryPixelRowFromTopToBottom) {
  services->Colors[14] = rgb(0, 0, 0);
  services->Colors[15] = rgb(255, 0, 0);
  services->Options[141] = true;
  auto bar = addBar("a");
  dock->setShow(true);
  harness().sync(*dock);
  const kiv::PictureBox& title = el().picTitel(k(bar));
  std::int32_t previous = -1;
  for (float y = 0; y < 270; y += 15) {  // row after row, each line across the whole width
    const std::int32_t colour = title.Point(20, y);
    EXPECT_EQ(colour, title.Point(title.Width() - 20, y)) << y;
    EXPECT_GT(colour, previous) << y;
    previous = colour;
  }
  EXPECT_EQ(title.Point(20, 265.5f), rgb(246, 0, 0));  // line 29: 246.5 goes to the even 246
}

}  // namespace kivtest
