// Sharing the dock's height among the bars in fill mode: the whole height (pAutoSize), one
// neighbour taking up a change (pCalcHeight), and the splitter limits (pSetSplitLimits).
#include "dock/dock_core.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

namespace {
std::int32_t add(std::int32_t a, std::int64_t b) { return toLong(std::int64_t{a} + b); }

// Whether a bar exists and may be resized; a missing bar counts as one that may not.
// Bounds of the sharings nested in a running one: beyond them the running sharing goes on alone.
// Without them a "ZAHL_TOP" bar in a tall dock nests rounds four at a time, for minutes.
constexpr int kMaxAutoSizeNesting = 16;
constexpr int kMaxNestedAutoSizes = 1000;

bool resizable(const std::shared_ptr<cKivBar>& b) { return b && b->AllowResize(); }
}  // namespace

void DockCore::pAutoSize() {
  if (mAllowScroll) return;
  if (autoSizeNesting_ > 0 &&
      (autoSizeNesting_ >= kMaxAutoSizeNesting || ++nestedAutoSizes_ > kMaxNestedAutoSizes)) {
    return;
  }
  struct Nesting {
    int& level;
    explicit Nesting(int& l) : level(++l) {}
    ~Nesting() { --level; }
  } nesting(autoSizeNesting_);
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
  step([&] { d = wholeLong((static_cast<double>(height_) - sum) / k); });
  int passes = 0;
  while (d > 10 || d < -10) {
    std::int32_t sum2 = 0;
    std::int32_t cap = 0;
    step([&] { cap = toLong(std::int64_t{k} * 500); });
    for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
      bool resize = false;
      step([&] { resize = atOrder(i)->AllowResize(); });
      if (resize) {
        step([&] {
          auto b = atOrder(i);
          b->setHeight(add(b->Height(), d) > 400 ? add(b->Height(), d) : 400);
        });
        step([&] { atOrder(i)->setHeightMax(cap); });
      }
      step([&] { sum2 = add(sum2, atOrder(i)->Height()); });
    }
    if (++passes > 3) break;
    step([&] { d = wholeLong((static_cast<double>(height_) - sum2 - 60) / k); });
  }
}

// One neighbour of a bar takes up the difference after the bar changed its height.
void DockCore::pCalcHeight(std::int16_t index, std::int16_t& neighbour) {
  if (index <= 0 || bars_->Count() <= 1) return;
  std::int32_t p = 0;
  ignoreFailure([&] { p = bars_->fOrderByIndex(index); });
  const std::int32_t n = bars_->Count();
  auto visibleAt = [&](std::int32_t position) { return bars_->ItemByOrderVisible(position); };
  std::int32_t t = 0;
  if (p < n) {
    t = (p == n - 1 && !resizable(visibleAt(p + 1))) ? p - 1 : p + 1;
  } else {
    t = p - 1;
  }
  if (!resizable(visibleAt(t))) {
    const std::int32_t visible = bars_->CountVisible();
    for (std::int32_t j = 1; j <= visible; ++j) {
      if (resizable(visibleAt(j))) t = j;
    }
  }
  const std::shared_ptr<cKivBar> nb = visibleAt(t);
  std::int32_t keep = 0;
  ignoreFailure([&] { keep = must(nb).AllowResize() ? 500 : 0; });
  ignoreFailure([&] {
    auto at = visibleAt(p);
    const std::int64_t both = std::int64_t{must(at).Height()} + must(nb).Height();
    at->setHeightMax(toLong(both - keep));
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
    const std::int32_t visible = bars_->CountVisible();
    for (std::int32_t j = 1; j <= visible; ++j) {
      if (j == t) continue;
      if (auto b = visibleAt(j)) rest = add(rest, b->Height());
    }
  });
  ignoreFailure([&] { must(nb).setHeight(wholeLong(static_cast<double>(height_) - rest)); });
  ignoreFailure([&] { pPlaceSplit(toInteger(must(nb).Index())); });
  ignoreFailure([&] { neighbour = toInteger(must(nb).Index()); });
}

// How far each visible bar may be dragged, and which bars show a splitter.
void DockCore::pSetSplitLimits() {
  const std::int32_t visible = bars_->CountVisible();
  for (std::int32_t i = 1; i <= visible - 1; ++i) {
    std::shared_ptr<cKivBar> upper, lower;
    ignoreFailure([&] {
      upper = bars_->ItemByOrderVisible(i);
      lower = bars_->ItemByOrderVisible(i + 1);
    });
    ignoreFailure([&] {
      const std::int64_t both = std::int64_t{must(upper).Height()} + must(lower).Height();
      upper->setHeightMax(toLong(both - 500));
    });
    ignoreFailure([&] {
      const bool both = must(upper).AllowResize() && must(lower).AllowResize();
      upper->setShowResize(both);
    });
  }
  ignoreFailure([&] { must(bars_->ItemByOrder(bars_->Count())).setShowResize(false); });
}

}  // namespace kiv::detail
