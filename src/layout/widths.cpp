// Widths of the bars in both modes, and the small operations behind a bar's Top, left, Width
// and its repaint and title layout requests.
#include "dock/dock_core.h"
#include "layout/engine.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

void DockCore::pResizeWidth(std::int32_t w) {
  trapAndReport("KivDock.pResizeWidth", [&] {
    const std::int32_t count = bars_->Count();
    for (std::int32_t i = 1; i <= count; ++i) {
      auto b = barAtOrder(i);
      const std::optional<layout::Span> span = layout::barSpan(mAllowScroll, b->AlignBar(), w);
      if (!span) continue;  // any other alignment keeps its place
      std::int32_t left = span->left, width = span->width;
      const std::int16_t index = toInteger(b->Index());
      fSetBarLeft(index, left);
      fSetBarWidth(index, width);
    }
  });
}

void DockCore::fSetBarTop(std::int16_t index, std::int32_t& top) {
  elements_->picDockBar(index).setTop(static_cast<float>(top));
}

void DockCore::fSetBarLeft(std::int16_t index, std::int32_t& left) {
  elements_->picDockBar(index).setLeft(static_cast<float>(left));
}

void DockCore::fSetBarWidth(std::int16_t index, std::int32_t& width) {
  elements_->picDockBar(index).setWidth(static_cast<float>(width));
  pArrangeTitle(index);
  pPaint(index);
}

std::int32_t DockCore::fGetBarTop(std::int16_t index) {
  settlePendingRestack();
  return wholeLong(elements_->picDockBar(index).Top());
}

std::int32_t DockCore::fGetBarWidth(std::int16_t index) {
  return wholeLong(elements_->picDockBar(index).Width());
}

void DockCore::fRefreshBar(std::int16_t index) {
  ignoreFailure([&] {
    if (mShow) pPaint(index);
  });
}

void DockCore::fArrangeTitle(std::int16_t index) {
  ignoreFailure([&] {
    if (mShow) pArrangeTitle(index);
  });
}

}  // namespace kiv::detail
