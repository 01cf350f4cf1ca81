// Bar visuals: the title line and the title gradient as functions from the bar's values to the
// values of its elements. The dock reads the bar and the elements, calls these and writes the
// results (visuals/title_layout.cpp, visuals/painting.cpp); nothing here touches an element.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "kivdock/picture_box.h"
#include "kivdock/types.h"

namespace kiv::visuals {

// What the title line shows of a bar.
struct TitleBar {
  std::int32_t align = eAlignTop;
  bool canExpand = false, canMove = false, hasIcon = false, titleEmpty = true;
  EKivBarStates state = eBarExpanded;
  bool showOptions = false, showClose = false, canMoveDown = false, canMoveUp = false;
};

// The title box is narrower than the body by this much.
float titleOffset(std::int32_t align);
// A bar that cannot expand and has no title has no title line: its title box is hidden.
bool hasTitleLine(const TitleBar& bar);

// The left part: the expand or collapse button, the icon, the caption.
struct TitleStart {
  std::optional<float> buttonLeft;  // shown at this left: the plus button when collapsed
  bool plusButton = false;
  enum class Icon { HideEmpty, Empty, Place } icon = Icon::Empty;
  float iconLeft = 0;
  float captionLeft = 0;
};
// buttonWidth and iconWidth are the widths of the expand button and the icon element before a
// new picture goes in.
TitleStart titleStart(const TitleBar& bar, float buttonWidth, float iconWidth);

// The right part: from the right edge leftwards, touching each other, the options, close, down
// and up buttons (empty: hidden), and the space they take with the margin.
struct TitleEnd {
  std::optional<float> options, close, down, up;
  std::int32_t taken = 20;
};
struct ButtonWidths {
  float options = 240, close = 240, down = 240, up = 240;
};
TitleEnd titleEnd(const TitleBar& bar, float width, const ButtonWidths& widths);
// The left of the right-hand caption: 40 twips left of the buttons.
float rightCaptionLeft(float width, float captionWidth, std::int32_t taken);

// The title's pointer and tooltip: a bar that can move offers to be dragged.
struct TitlePointer {
  std::int32_t pointer = kPointerDefault;
  const char* toolTip = "";
};
TitlePointer titlePointer(bool canMove);

// A two-colour gradient in bands, from the start colour at the left (or top) edge: 61 filled
// vertical bands, or 30 lines when vertical. Each band's colour is worked out on the whole
// colour number, so lower channels take part when it is rounded.
struct Band {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::int32_t colour = 0;
  bool filled = false;
};
class Gradient {
 public:
  Gradient(std::int32_t startColour, std::int32_t endColour, bool vertical, std::int32_t width,
           float scaleWidth, float scaleHeight);
  std::size_t count() const { return vertical_ ? 30 : 61; }
  Band band(std::size_t i) const;

 private:
  std::int32_t c1_;
  bool vertical_;
  float width_, s_, dR_, dG_, dB_;
};

}  // namespace kiv::visuals

namespace kiv::detail {

// Paints a gradient onto a picture box as one paint; a box that still shows it is left as it is.
void DrawGradient(PictureBox& box, std::int32_t startColour, std::int32_t endColour, bool vertical);

}  // namespace kiv::detail
