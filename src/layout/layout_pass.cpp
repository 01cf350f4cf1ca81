// The layout pass: stacking the bars, the scroll bar and separator lines, the usable width, and
// the entry points that end in the pass.
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "dock/dock_core.h"
#include "layout/engine.h"
#include "model/bar_state.h"
#include "model/broker_state.h"
#include "platform/failure.h"
#include "platform/whole_number.h"
#include "settings/settings.h"

namespace kiv::detail {

namespace {
// The bars and slots of one stacking, kept for the next one so that stacking, which runs on
// nearly every change, does not allocate. A stacking inside another takes space of its own.
struct StackWork {
  std::vector<std::shared_ptr<cKivBar>> atPosition;
  std::vector<layout::StackSlot> slots;
};

class StackWorkLease {
 public:
  explicit StackWorkLease(std::size_t count) {
    Spare& spare = spares();
    if (spare.count > 0) work_ = std::move(spare.works[--spare.count]);
    if (!work_) work_ = std::make_unique<StackWork>();
    work_->atPosition.assign(count, nullptr);
    work_->slots.assign(count, layout::StackSlot{});
  }
  ~StackWorkLease() {
    work_->atPosition.clear();  // the bars are let go here, as a local list would be
    Spare& spare = spares();
    if (spare.count < spare.works.size()) spare.works[spare.count++] = std::move(work_);
  }
  StackWorkLease(const StackWorkLease&) = delete;
  StackWorkLease& operator=(const StackWorkLease&) = delete;

  std::vector<std::shared_ptr<cKivBar>>& atPosition() { return work_->atPosition; }
  std::vector<layout::StackSlot>& slots() { return work_->slots; }

 private:
  struct Spare {
    std::array<std::unique_ptr<StackWork>, 4> works;
    std::size_t count = 0;
  };
  static Spare& spares() {
    thread_local Spare spare;
    return spare;
  }
  std::unique_ptr<StackWork> work_;
};
}  // namespace

void DockCore::OrderBars(bool save) {
  trapAndReport("KivDock: OrderBars", [&] {
    Elements& el = *elements_;
    if (mAllowScroll) {
      for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) bar(i)->setHeightMax(20000);
    } else {
      pSetSplitLimits();
    }
    if (mEvents) mEvents->state().restackPending = false;  // the stacking below supersedes it
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
    if (save && mShow) settings::pSaveSettings(*this);
  });
}

// Stacks the bars from the top in their order; returns the lowest bottom edge. Fill mode: one
// column. Scroll mode: the top band, then the left and right columns side by side below it.
// Packs the bars at their order positions, stacks them, and applies the tops and move flags.
std::int32_t DockCore::pResizeHeight() {
  const std::int32_t count = bars_->Count();
  StackWorkLease work(static_cast<std::size_t>(count));
  std::vector<std::shared_ptr<cKivBar>>& atPosition = work.atPosition();
  std::vector<layout::StackSlot>& slots = work.slots();
  for (std::size_t i = 0; i < slots.size(); ++i) {
    auto b = bars_->ItemByOrder(static_cast<std::int32_t>(i) + 1);
    if (!b) continue;
    slots[i].present = true;
    slots[i].height = b->Height();
    slots[i].align = b->AlignBar();
    slots[i].canMove = b->CanMove();
    atPosition[i] = std::move(b);
  }
  std::int32_t bottom = 0;
  Elements& el = *elements_;
  if (!mAllowScroll) {
    bottom = layout::stackColumn(slots);
  } else {
    std::int32_t offset = 0;
    ignoreFailure([&] { offset = el.VScroll().Visible() ? -el.VScroll().Value() : 0; });
    const layout::StackBounds bounds = layout::stackBandAndColumns(slots, offset);
    bottom = bounds.bottom;
    ignoreFailure([&] { el.Line1().setY1(static_cast<float>(bounds.band)); });
    ignoreFailure([&] { el.Line2().setY1(static_cast<float>(bounds.band)); });
    ignoreFailure([&] { el.Line1().setY2(static_cast<float>(std::int64_t{bottom} - 50)); });
    ignoreFailure([&] { el.Line2().setY2(static_cast<float>(std::int64_t{bottom} - 50)); });
  }
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const layout::StackSlot& s = slots[i];
    cKivBar* b = atPosition[i].get();
    if (!b) continue;
    if (s.placed) {
      ignoreFailure([&] {
        std::int32_t top = s.top;
        fSetBarTop(toInteger(b->Index()), top);
      });
    }
    if (s.canMoveUp) libraryBar(*b).fCanMoveUp = *s.canMoveUp;
    if (s.canMoveDown) libraryBar(*b).fCanMoveDown = *s.canMoveDown;
  }
  return bottom;
}

void DockCore::scrollChanged(VScrollBar&) {
  Scope scope(*this);
  requestRestack();
}

void DockCore::pRefreshAll() {
  ignoreFailure([&] { pLoadColors(); });
  ignoreFailure([&] {
    if (mDoLoadSettings) settings::pLoadSettings(*this);
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
