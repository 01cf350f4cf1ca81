// Where the elements of a title line go, from the bar's values and the elements' widths.
#include "platform/whole_number.h"
#include "visuals/visuals.h"

namespace kiv::visuals {

namespace {
const char* const kDragTip = "Element kann durch 'drag and drop' verschoben werden";
}

float titleOffset(std::int32_t align) { return align == eAlignLeft ? 30.0f : 0.0f; }

bool hasTitleLine(const TitleBar& bar) { return bar.canExpand || !bar.titleEmpty; }

TitleStart titleStart(const TitleBar& bar, float buttonWidth, float iconWidth) {
  TitleStart start;
  if (!bar.hasIcon && !bar.canExpand) {
    start.icon = TitleStart::Icon::HideEmpty;
    start.captionLeft = 50;
    return start;
  }
  std::int32_t x = 40;
  if (bar.canExpand) {
    x = detail::wholeLong(buttonWidth + 100.0);
    start.buttonLeft = 40;
    start.plusButton = bar.state == eBarCollapsed;
  }
  if (bar.hasIcon) {
    start.icon = TitleStart::Icon::Place;
    start.iconLeft = static_cast<float>(x);
    x = detail::wholeLong(static_cast<double>(iconWidth) + x + 60);
  }
  start.captionLeft = static_cast<float>(x);
  return start;
}

TitleEnd titleEnd(const TitleBar& bar, float width, const ButtonWidths& widths) {
  TitleEnd end;
  auto place = [&](float buttonWidth) {
    end.taken = detail::wholeLong(buttonWidth + static_cast<double>(end.taken));
    return width - end.taken;
  };
  if (bar.showOptions) end.options = place(widths.options);
  if (bar.showClose) end.close = place(widths.close);
  if (bar.canMoveDown) end.down = place(widths.down);
  if (bar.canMoveUp) end.up = place(widths.up);
  return end;
}

float rightCaptionLeft(float width, float captionWidth, std::int32_t taken) {
  return detail::toSingle(static_cast<double>(width) - captionWidth - taken - 40);
}

TitlePointer titlePointer(bool canMove) {
  if (!canMove) return {};
  return {kPointerSizeAll, kDragTip};
}

}  // namespace kiv::visuals
