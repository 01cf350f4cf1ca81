// Sharing the dock's height among the bars in fill mode: the whole height (pAutoSize), one
// neighbour taking up a change (pCalcHeight), and the splitter limits (pSetSplitLimits). The
// numbers come from the engine; the dock writes them one by one, as each write may reach the host.
#include "dock/dock_core.h"
#include "layout/engine.h"
#include "platform/failure.h"
#include "platform/stack_room.h"
#include "platform/whole_number.h"

namespace kiv::detail {

namespace {
std::int32_t add(std::int32_t a, std::int64_t b) { return toLong(std::int64_t{a} + b); }

// Whether a bar exists and may be resized; a missing bar counts as one that may not.
bool resizable(const std::shared_ptr<cKivBar>& b) { return b && b->AllowResize(); }

// Nested sharings run step by step up to this many in all and this deep; beyond that the dock
// writes what they leave. Each nested one holds a few kilobytes of the stack while the host's
// handlers run on top of it: 200 of them fit in the 1 MB stack of a Windows thread.
constexpr std::uint64_t kStepByStepSharings = 10000;
constexpr std::size_t kStepByStepNesting = 200;
// Sharings begun in one call to the dock, the nested ones included, before they count as endless.
constexpr std::uint64_t kSharingsPerCall = 100000;

std::int32_t checked(std::optional<std::int32_t> v) {
  if (!v) throw errors::overflow();
  return *v;
}

}  // namespace

// A resizable "ZAHL_TOP" bar starts a sharing with every height a sharing gives it, before the
// round goes on. The engine plays such nested sharings through from the bars' heights; the dock
// writes what they leave, each bar once, or reports sharings that would start each other for
// good. Sharings that end after a few nested ones run step by step, re-entering as they go, so
// the host hears every height on the way. Returns false when the steps below run.
bool DockCore::shareNestedHeights() {
  if (!mShow || stepByStepSharing_) return false;
  std::vector<layout::ShareSlot> slots;
  bool nests = false;
  for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
    const std::shared_ptr<cKivBar> b = bars_->ItemByOrder(i);
    if (!b) return false;  // the steps fail and are reported on their own
    layout::ShareSlot s;
    s.height = b->Height();
    s.resizable = b->AllowResize();
    s.sharesAgain = s.resizable && b->Key() == "ZAHL_TOP";
    nests = nests || s.sharesAgain;
    slots.push_back(s);
  }
  if (!nests) return false;
  const layout::SharingOutcome outcome = layout::shareHeight(slots, height_, computationFloor());
  switch (outcome.end) {
    case layout::SharingEnd::Unknown:
      return false;
    case layout::SharingEnd::Endless:
      showReport(RecursionLimitError().Description(), "KivDock");
      return true;
    case layout::SharingEnd::Ends:
      if (outcome.sharings > kStepByStepSharings || outcome.nesting > kStepByStepNesting) break;
      stepByStepSharing_ = true;
      return false;
  }
  const ReportingSteps step("KivDock: pAutoSize");
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const layout::ShareSlot& s = slots[i];
    if (!s.resizable) continue;
    const auto position = static_cast<std::int32_t>(i) + 1;
    step([&] {
      auto b = barAtOrder(position);
      sharedWrite_ = toInteger(b->Index());
      b->setHeight(s.height);
    });
    sharedWrite_ = 0;
    step([&] {
      if (s.heightMax) barAtOrder(position)->setHeightMax(*s.heightMax);
    });
  }
  return true;
}

void DockCore::pAutoSize() {
  if (mAllowScroll) return;
  // Sharings that keep starting each other where the engine cannot tell their end (a sum leaves
  // 32 bits) may branch in every round of every nested one: bounded only by the stack, they would
  // run for hours. So many of them in one call count as a recursion that does not end.
  if (++sharingsThisCall_ > kSharingsPerCall) stopRunaway();
  const bool outermost = !stepByStepSharing_;
  if (shareNestedHeights()) return;
  struct EndsStepByStep {
    bool& flag;
    bool outermost;
    ~EndsStepByStep() {
      if (outermost) flag = false;
    }
  } ends{stepByStepSharing_, outermost};
  const ReportingSteps step("KivDock: pAutoSize");
  auto atOrder = [&](std::int32_t i) { return barAtOrder(i); };
  std::int32_t sum = 60;
  std::int32_t k = bars_->Count();
  for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
    step([&] {
      if (!atOrder(i)->AllowResize()) --k;
    });
    step([&] { sum = add(sum, atOrder(i)->Height()); });
  }
  if (k <= 0) return;
  std::int32_t d = 0;
  step([&] { d = layout::sharingCorrection(height_, sum, k); });
  for (int round = 1; layout::sharingGoesOn(d); ++round) {
    std::int32_t sum2 = 0;
    std::int32_t cap = 0;
    step([&] { cap = toLong(std::int64_t{k} * 500); });
    for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
      bool resize = false;
      step([&] { resize = atOrder(i)->AllowResize(); });
      if (resize) {
        step([&] {
          auto b = atOrder(i);
          b->setHeight(checked(layout::sharedHeight(b->Height(), d)));
        });
        step([&] { atOrder(i)->setHeightMax(cap); });
      }
      step([&] { sum2 = add(sum2, atOrder(i)->Height()); });
    }
    if (round >= layout::kSharingRounds) break;
    step([&] { d = layout::sharingCorrection(height_, std::int64_t{sum2} + 60, k); });
  }
}

// One neighbour of a bar takes up the difference after the bar changed its height.
void DockCore::pCalcHeight(std::int16_t index, std::int16_t& neighbour) {
  if (index <= 0 || bars_->Count() <= 1) return;
  std::int32_t p = 0;
  ignoreFailure([&] { p = bars_->fOrderByIndex(index); });
  const std::int32_t n = bars_->Count();
  auto visibleAt = [&](std::int32_t position) { return bars_->ItemByOrderVisible(position); };
  // No host code runs before the heights are summed: the visible bars stay as counted here.
  const std::int32_t visible = bars_->CountVisible();
  const std::int32_t t = layout::neighbourPosition(
      p, n, visible, [&](std::int32_t j) { return resizable(visibleAt(j)); });
  const std::shared_ptr<cKivBar> nb = visibleAt(t);
  std::int32_t keep = 0;
  ignoreFailure([&] { keep = must(nb).AllowResize() ? 500 : 0; });
  ignoreFailure([&] {
    auto at = visibleAt(p);
    const std::int32_t limit =
        checked(layout::dragLimit(must(at).Height(), must(nb).Height(), keep));
    at->setHeightMax(limit);
  });
  ignoreFailure([&] {
    auto self = bar(index);
    cKivBar& other = must(nb);
    if (p < t) {
      other.setTop(add(self->Top(), self->Height()));
    } else {
      self->setTop(add(other.Top(), other.Height()));
    }
  });
  std::int32_t rest = 60;
  ignoreFailure([&] {
    for (std::int32_t j = 1; j <= visible; ++j) {
      if (j == t) continue;
      if (auto b = visibleAt(j)) rest = add(rest, b->Height());
    }
  });
  ignoreFailure([&] { must(nb).setHeight(wholeLong(static_cast<double>(height_) - rest)); });
  ignoreFailure([&] { pPlaceSplit(toInteger(must(nb).Index())); });
  ignoreFailure([&] { neighbour = toInteger(must(nb).Index()); });
}

// How far each visible bar may be dragged, and which bars show a splitter. Each pair is read
// when it is reached: a splitter shown or hidden repaints its bar, which may reach the host.
void DockCore::pSetSplitLimits() {
  const std::int32_t visible = bars_->CountVisible();
  for (std::int32_t i = 1; i <= visible - 1; ++i) {
    std::shared_ptr<cKivBar> upper, lower;
    ignoreFailure([&] {
      upper = bars_->ItemByOrderVisible(i);
      lower = bars_->ItemByOrderVisible(i + 1);
    });
    ignoreFailure([&] {
      const std::int32_t limit =
          checked(layout::dragLimit(must(upper).Height(), must(lower).Height(), 500));
      upper->setHeightMax(limit);
    });
    ignoreFailure([&] {
      const bool both = must(upper).AllowResize() && must(lower).AllowResize();
      upper->setShowResize(both);
    });
  }
  ignoreFailure([&] { must(bars_->ItemByOrder(bars_->Count())).setShowResize(false); });
}

}  // namespace kiv::detail
