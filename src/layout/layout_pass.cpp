// The layout pass: stacking the bars, the scroll bar and separator lines, the usable width, and
// the entry points that end in the pass.
#include <algorithm>

#include "dock/dock_core.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

void DockCore::OrderBars(bool save) {
  trapAndReport("KivDock: OrderBars", [&] {
    Elements& el = *elements_;
    if (mAllowScroll) {
      for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) bar(i)->setHeightMax(20000);
    } else {
      pSetSplitLimits();
    }
    if (mEvents) mEvents->restackPending_ = false;  // the stacking below supersedes it
    const std::int32_t total = pResizeHeight();
    std::int32_t w = 0;
    VScrollBar& scroll = el.VScroll();
    if (mAllowScroll) {
      std::int32_t diff = wholeLong(static_cast<double>(total) - height_ + 50);
      if (diff > 0 && diff < 20000) {
        diff = std::max(diff, 20);
        scroll.setVisible(true);
        scroll.setHeight(static_cast<float>(height_ - 50));
        scroll.setLeft(static_cast<float>(width_) - scroll.Width() - 50);
        scroll.setMax(diff);
        scroll.setLargeChange(wholeLong(diff / 5.0));
        scroll.setSmallChange(wholeLong(diff / 20.0));
        w = wholeLong(static_cast<double>(width_) - scroll.Width() - 20);
      } else {
        scroll.setVisible(false);
        scroll.setValue(0);
        w = wholeLong(static_cast<double>(width_) - 20);
      }
      for (kiv::Line* line : {&el.Line1(), &el.Line2()}) {
        const float x = w / 2.0f - (line == &el.Line1() ? 15 : 0);
        line->setX1(x);
        line->setX2(x);
        line->setVisible(true);
      }
    } else {
      el.Line1().setVisible(false);
      el.Line2().setVisible(false);
      scroll.setVisible(false);
      w = wholeLong(static_cast<double>(width_) - 20);
    }
    if (w < 200) w = 200;
    pResizeWidth(w);
    if (save && mShow) pSaveSettings();
  });
}

// Stacks the bars from the top in their order; returns the lowest bottom edge. Fill mode: one
// column. Scroll mode: the top band, then the left and right columns side by side below it.
std::int32_t DockCore::pResizeHeight() {
  const std::int32_t count = bars_->Count();
  std::int32_t y = 0;
  auto place = [&](const std::shared_ptr<cKivBar>& b) {
    ignoreFailure([&] {
      std::int32_t top = y;
      fSetBarTop(toInteger(b->Index()), top);
    });
    ignoreFailure([&] { y = toLong(std::int64_t{y} + b->Height()); });
  };
  auto canMove = [&](std::int32_t position) {
    auto b = bars_->ItemByOrder(position);
    if (!b) throw errors::missingObject();
    return b->CanMove();
  };
  if (!mAllowScroll) {
    for (std::int32_t i = 1; i <= count; ++i) {
      auto b = bars_->ItemByOrder(i);
      if (!b) continue;
      place(b);
      ignoreFailure([&] { b->fCanMoveUp = b->CanMove() && i > 1 && canMove(i - 1); });
      ignoreFailure([&] { b->fCanMoveDown = b->CanMove() && i < count && canMove(i + 1); });
    }
    return y;
  }
  Elements& el = *elements_;
  ignoreFailure([&] { y = el.VScroll().Visible() ? -el.VScroll().Value() : 0; });
  auto forGroup = [&](std::int32_t align, auto&& flags) {
    for (std::int32_t i = 1; i <= count; ++i) {
      auto b = bars_->ItemByOrder(i);
      if (!b || b->AlignBar() != align) continue;
      place(b);
      ignoreFailure([&] { flags(*b, i); });
    }
  };
  forGroup(eAlignTop, [&](cKivBar& b, std::int32_t i) {
    if (b.CanMove() && i > 1) b.fCanMoveUp = canMove(i - 1);
    if (b.CanMove()) b.fCanMoveDown = true;
  });
  const std::int32_t yBand = y;
  ignoreFailure([&] { el.Line1().setY1(static_cast<float>(yBand)); });
  ignoreFailure([&] { el.Line2().setY1(static_cast<float>(yBand)); });
  forGroup(eAlignLeft, [&](cKivBar& b, std::int32_t) {
    b.fCanMoveUp = true;
    if (b.CanMove()) b.fCanMoveDown = true;
  });
  const std::int32_t yLeft = y;
  y = yBand;
  forGroup(eAlignRight, [&](cKivBar& b, std::int32_t i) {
    if (b.CanMove() && i > 1) b.fCanMoveUp = canMove(i - 1);
    if (i == count) {
      b.fCanMoveDown = false;
    } else if (b.CanMove()) {
      b.fCanMoveDown = canMove(i + 1);
    }
  });
  const std::int32_t bottom = std::max(yLeft, y);
  ignoreFailure([&] { el.Line1().setY2(static_cast<float>(std::int64_t{bottom} - 50)); });
  ignoreFailure([&] { el.Line2().setY2(static_cast<float>(std::int64_t{bottom} - 50)); });
  return bottom;
}

void DockCore::scrollChanged(VScrollBar&) {
  Scope scope(*this);
  requestRestack();
}

void DockCore::pRefreshAll() {
  ignoreFailure([&] { pLoadColors(); });
  ignoreFailure([&] {
    if (mDoLoadSettings) pLoadSettings();
  });
  mDoLoadSettings = true;
  ignoreFailure([&] { pAutoSize(); });
  for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
    ignoreFailure([&] { pPaint(toInteger(i)); });
  }
  ignoreFailure([&] { OrderBars(false); });
}

void DockCore::pPaintAll() {
  for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) pPaint(toInteger(i));
  OrderBars(false);
}

}  // namespace kiv::detail
