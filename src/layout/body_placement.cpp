// Inside a bar's body box: the splitter strip at the bottom and the hosted control below the
// title line, after which the host hears CtlResize.
#include "dock/dock_core.h"
#include "model/bar_state.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

void DockCore::pPlaceSplit(std::int16_t index) {
  Elements& el = *elements_;
  bool shown = false;
  std::int32_t gap = 0;
  ignoreFailure([&] {
    auto b = bar(index);
    shown = b->ShowResize() && b->State() == eBarExpanded;
    gap = b->AlignBar() == eAlignLeft ? 50 : 0;
  });
  if (!shown) {
    ignoreFailure([&] { el.picSplit(index).setVisible(false); });
    return;
  }
  ignoreFailure([&] { el.picSplit(index).setVisible(true); });
  ignoreFailure([&] {
    PictureBox& split = el.picSplit(index);
    split.setTop(el.picDockBar(index).Height() - split.Height() - 20);
  });
  ignoreFailure([&] { el.picSplit(index).setBackColor(bar(index)->BackColor()); });
  ignoreFailure([&] { el.picSplit(index).ZOrder(); });
  ignoreFailure([&] {
    el.picSplit(index).setWidth(static_cast<float>(std::int64_t{fGetBarWidth(index)} - gap));
  });
  ignoreFailure([&] { el.lineSplit(index).setX2(static_cast<float>(fGetBarWidth(index))); });
}

void DockCore::pPlaceControl(std::int16_t index) {
  Elements& el = *elements_;
  std::int32_t splitH = 0, right = 0, titleH = 0;
  ignoreFailure([&] {
    const PictureBox& split = el.picSplit(index);
    splitH = split.Visible() ? wholeLong(split.Height()) : 0;
  });
  ignoreFailure([&] { right = bar(index)->AlignBar() == eAlignLeft ? 30 : 0; });
  std::shared_ptr<cKivBar> b;
  ignoreFailure([&] { b = bar(index); });
  const std::shared_ptr<HostedControl> control = b ? b->Control() : nullptr;
  if (!control) return;
  settlePendingRestack();  // the host's control sees the bars where they are
  titleH = b->state().fTitleHeight_;
  ignoreFailure([&] {
    control->Move(0, toLong(std::int64_t{b->state().fTopBar_} + titleH),
                  static_cast<double>(el.picDockBar(index).Width()) - right);
  });
  if (b->State() == eBarExpanded) {
    ignoreFailure([&] { control->setVisible(true); });
    ignoreFailure([&] {
      control->setHeight(static_cast<double>(el.picDockBar(index).Height()) - titleH - splitH);
    });
  } else {
    ignoreFailure([&] { control->setVisible(false); });
  }
  ignoreFailure([&] { raiseCtlResize(b->state().Key_); });
}

}  // namespace kiv::detail
