// Painting a bar as a whole, and its title gradient.
#include "dock/dock_core.h"
#include "platform/failure.h"
#include "platform/whole_number.h"
#include "visuals/visuals.h"

namespace kiv::detail {

void DockCore::pPaint(std::int16_t index) {
  trapAndReport("DockBar.pPaint", [&] {
    if (!mShow) return;
    Elements& el = *elements_;
    if (bar(index)->State() == eBarHidden) {
      el.picDockBar(index).setVisible(false);
      return;
    }
    el.picDockBar(index).setVisible(true);
    el.picDockBar(index).setBackColor(bar(index)->BackColor());
    pArrangeTitle(index);
    pPlaceSplit(index);
    pPlaceControl(index);
  });
}

void DockCore::pPaintTitle(std::int32_t index) {
  std::int32_t start = 0, end = 0;
  bool vertical = false;
  // Without a bar all three reads fail and the gradient is black.
  std::shared_ptr<cKivBar> b;
  ignoreFailure([&] { b = bar(index); });
  if (b) {
    start = b->TitleBackColorStart();
    end = b->TitleBackColorEnd();
    vertical = b->TitleVertical();
  }
  ignoreFailure([&] { DrawGradient(elements_->picTitel(toInteger(index)), start, end, vertical); });
}

}  // namespace kiv::detail
