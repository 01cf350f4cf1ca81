#include "dock/dock_core.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv::detail {

namespace {
// Nested calls into one dock beyond this depth are a recursion that does not end.
constexpr int kMaxDepth = 64;
}  // namespace

DockCore& coreOf(KivDock& dock) { return *dock.core_; }

// Initialisation: the broker first, then the collection, which gets the broker.
DockCore::DockCore(KivDock& owner) : owner_(owner) {
  mDoLoadSettings = true;
  elements_.reset(new Elements(this));
  // A dock the host never sizes starts at the smallest width the resize event keeps.
  width_ = std::max(static_cast<std::int32_t>(elements_->surface().Width()), 500);
  ignoreFailure([&] {
    mEvents.reset(new clsEvents());
    mEvents->evGetDockBar_ = [this](std::shared_ptr<KivDock>& dock) {
      dock = owner_.weak_from_this().lock();
    };
  });
  ignoreFailure([&] { bars_.reset(new clsBars()); });
  ignoreFailure([&] { bars_->fSetEvents(mEvents); });
  elements_->surface().setWidth(static_cast<float>(width_));
  elements_->surface().setHeight(static_cast<float>(height_));
}

DockCore::~DockCore() {
  if (mEvents) mEvents->evGetDockBar_ = nullptr;
}

DockCore::Scope::Scope(DockCore& core)
    : core_(core), keepAlive_(core.owner_.weak_from_this().lock()) {
  if (core_.runaway_) throw RecursionLimitError();
  if (++core_.depth_ > kMaxDepth) {
    --core_.depth_;
    core_.runaway_ = true;
    const RecursionLimitError error;
    showReport(error.Description(), "KivDock");
    throw error;
  }
}

DockCore::Scope::~Scope() {
  if (--core_.depth_ == 0) {
    core_.runaway_ = false;
    core_.nestedAutoSizes_ = 0;
    core_.settlePendingRestack();
  }
}

void DockCore::requestRestack() {
  if (mEvents) mEvents->restackPending_ = true;
}

void DockCore::settlePendingRestack() {
  if (!mEvents || !mEvents->restackPending_ || settling_) return;
  mEvents->restackPending_ = false;
  settling_ = true;
  ignoreFailure([&] { pResizeHeight(); });
  settling_ = false;
}

std::shared_ptr<cKivBar> DockCore::bar(std::int32_t index) {
  auto b = bars_ ? bars_->Item(index) : nullptr;
  if (!b) throw errors::missingObject();
  return b;
}

std::shared_ptr<cKivBar> DockCore::barAtOrder(std::int32_t position) {
  auto b = bars_ ? bars_->ItemByOrder(position) : nullptr;
  if (!b) throw errors::missingObject();
  return b;
}

}  // namespace kiv::detail
