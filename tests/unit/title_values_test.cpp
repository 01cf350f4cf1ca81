// The title line and the gradient on plain values, one row per case.
#include <gtest/gtest.h>

#include "visuals/visuals.h"

namespace kiv::visuals {
namespace {

TEST(TitleValues, ButtonsIconAndCaptionsGoWhereTheBarsFlagsSay) {
  const struct {
    bool canExpand, hasIcon, options, close, down, up;
    float iconWidth;
    float caption;
    std::int32_t taken;  // from the right edge: the buttons and the margin
  } rows[] = {
      {false, false, false, false, false, false, 225, 50, 20},
      {true, false, true, false, false, false, 225, 340, 260},
      {true, true, true, true, true, true, 225, 625, 980},  // icon element still 225 wide
      {true, true, false, false, false, true, 240, 640, 260},
      {false, true, false, true, true, false, 240, 340, 500},
  };
  for (const auto& row : rows) {
    TitleBar bar;
    bar.canExpand = row.canExpand;
    bar.hasIcon = row.hasIcon;
    bar.showOptions = row.options;
    bar.showClose = row.close;
    bar.canMoveDown = row.down;
    bar.canMoveUp = row.up;
    const TitleStart start = titleStart(bar, 240, row.iconWidth);
    const TitleEnd end = titleEnd(bar, 3000, {});
    EXPECT_EQ(std::make_pair(start.captionLeft, end.taken), std::make_pair(row.caption, row.taken));
    EXPECT_EQ(start.buttonLeft.has_value(), row.canExpand);
    EXPECT_EQ(end.up.value_or(-1.0f), row.up ? 3000.0f - row.taken : -1.0f);
  }
  EXPECT_EQ(rightCaptionLeft(3000, 500, 980), 1480.0f);
}

TEST(TitleValues, GradientBandsRunFromTheStartColourWithHalvesToTheEvenNumber) {
  const Gradient across(0x000000, 0x0000FF, false, 3000, 3000, 270);
  ASSERT_EQ(across.count(), 61u);
  EXPECT_EQ(across.band(0).colour, 0);
  EXPECT_EQ(across.band(30).colour, 128);  // 127.5
  EXPECT_EQ(across.band(59).colour, 251);  // 250.75
  EXPECT_EQ(across.band(60).x1, 3000.0f);  // outside the title
  const Gradient down(0x102030, 0x102030, true, 3000, 3000, 270);
  ASSERT_EQ(down.count(), 30u);
  EXPECT_EQ(std::make_pair(down.band(29).y1, down.band(29).colour),
            std::make_pair(261.0f, 0x102030));
}

}  // namespace
}  // namespace kiv::visuals
