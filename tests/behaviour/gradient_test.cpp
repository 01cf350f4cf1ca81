// The title gradient: 61 bands from left to right (the last one outside the title) or 30
// lines from top to bottom, each colour rounded half to even from the start colour.
#include "support/dock_fixture.h"

namespace kivtest {

namespace {
constexpr std::int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
}  // namespace

class GradientTest : public DockTest {
 protected:
  // The colour at the centre of horizontal band i of a bar's title.
  std::int32_t band(const std::shared_ptr<kiv::cKivBar>& bar, int i) {
    const kiv::PictureBox& title = el().picTitel(k(bar));
    const float s = title.ScaleWidth() / 60;
    return title.Point(s * (static_cast<float>(i) + 0.5f), title.Height() / 2);
  }
};

TEST_F(GradientTest, HorizontalBandsRunFromStartToBand59) {
  services->Colors[14] = rgb(0, 0, 0);
  services->Colors[15] = rgb(255, 0, 0);
  auto bar = addBar("a");
  dock->setShow(true);
  harness().sync(*dock);

  EXPECT_EQ(band(bar, 0), rgb(0, 0, 0));
  EXPECT_EQ(band(bar, 1), rgb(4, 0, 0));     // 4.25
  EXPECT_EQ(band(bar, 30), rgb(128, 0, 0));  // 127.5 goes to the even 128
  EXPECT_EQ(band(bar, 59), rgb(251, 0, 0));  // 250.75; red 255 would be band 60, off the box
  EXPECT_EQ(band(bar, 60), -1) << "band 60 lies outside the title box";
  const kiv::PictureBox& title = el().picTitel(k(bar));
  EXPECT_EQ(title.Point(1, title.Height() - 1), rgb(0, 0, 0)) << "each band is full height";
}

TEST_F(GradientTest, ChannelsAreTakenFromTheWholeColourNumber) {
  // Green is worked out on the whole number, so red's low byte carries into it:
  // band 1 green = (255 + 1088) >> 8 = 5, where a separate channel would give 4.
  services->Colors[14] = rgb(255, 0, 0);
  services->Colors[15] = rgb(0, 255, 0);
  auto bar = addBar("a");
  dock->setShow(true);
  EXPECT_EQ(band(bar, 0), rgb(255, 0, 0));
  EXPECT_EQ(band(bar, 1), rgb(251, 5, 0));
  EXPECT_EQ(band(bar, 30), rgb(128, 128, 0));
}

TEST_F(GradientTest, VerticalGradientDrawsThirtyLinesFromTopToBottom) {
  services->Colors[14] = rgb(0, 0, 0);
  services->Colors[15] = rgb(255, 0, 0);
  services->Options[141] = true;
  auto bar = addBar("a");
  dock->setShow(true);
  harness().sync(*dock);
  const kiv::PictureBox& title = el().picTitel(k(bar));
  ASSERT_EQ(title.Height(), 270.0f);

  std::int32_t previous = -1;
  for (float y = 0; y < 270; y += 15) {  // every pixel row is covered, darkest on top
    const std::int32_t left = title.Point(20, y), right = title.Point(title.Width() - 20, y);
    EXPECT_EQ(left, right) << y;
    EXPECT_EQ(left & 0xFFFF00, 0) << y;
    EXPECT_GT(left, previous) << y;
    previous = left;
  }
  EXPECT_LE(title.Point(20, 0), rgb(9, 0, 0));
  EXPECT_EQ(title.Point(20, 265.5f), rgb(246, 0, 0));  // line 29: 246.5 goes to the even 246
}

TEST_F(GradientTest, EqualColoursGiveAPlainTitleThatFollowsTheHostColours) {
  services->Colors[14] = services->Colors[15] = rgb(10, 20, 30);
  auto bar = addBar("a");
  dock->setShow(true);
  harness().sync(*dock);
  for (int i : {0, 17, 42, 59}) EXPECT_EQ(band(bar, i), rgb(10, 20, 30)) << i;

  // A new title colour repaints at once.
  bar->setTitleBackColorStart(rgb(200, 0, 0));
  bar->setTitleBackColorEnd(rgb(200, 0, 0));
  EXPECT_EQ(band(bar, 42), rgb(200, 0, 0));
}

}  // namespace kivtest
