#include "dock/dock_core.h"
#include "model/broker_state.h"
#include "platform/elements_state.h"

#include <algorithm>
#include <cstdint>

#include "kivdock/shared_services.h"
#include "platform/errors.h"
#include "platform/failure.h"
#include "platform/stack_room.h"

namespace kiv::detail {

DockCore& coreOf(KivDock& dock) { return dock.core(); }

LayoutingHost& layoutingHostOf(KivDock& dock) { return dock.core(); }

// Initialisation: the broker first, then the collection, which gets the broker.
DockCore::DockCore(KivDock& owner) : owner_(owner) {
  mDoLoadSettings = true;
  elements_ = std::make_unique<Elements>(ElementsKey{}, this);
  // A dock the host never sizes starts at the smallest width the resize event keeps.
  width_ = std::max(static_cast<std::int32_t>(elements_->surface().Width()), 500);
  ignoreFailure([&] {
    mEvents = std::make_shared<clsEvents>(BrokerKey{});
    mEvents->state().evGetDockBar = [this](std::shared_ptr<KivDock>& dock) {
      dock = owner_.weak_from_this().lock();
      if (!dock && savingOnExit_)
        dock = std::shared_ptr<KivDock>(std::shared_ptr<KivDock>(), &owner_);
    };
  });
  ignoreFailure([&] { bars_.reset(std::make_unique<clsBars>(BarsKey{})); });
  ignoreFailure([&] { bars_->setBroker(mEvents); });
  elements_->surface().setWidth(static_cast<float>(width_));
  elements_->surface().setHeight(static_cast<float>(height_));
}

DockCore::~DockCore() {
  if (mEvents) mEvents->state().evGetDockBar = nullptr;
}

DockCore::Scope::Scope(DockCore& core)
    : core_(core),
      keepAlive_(core.owner_.weak_from_this().lock()),
      beforeReport_([](void* c) { static_cast<DockCore*>(c)->settlePendingRestack(); }, &core) {
  if (core_.runaway_) throw RecursionLimitError();
  const std::uintptr_t here = stackHere();
  if (core_.depth_ == 0) {
    core_.stackFloor_ = nestingFloor(here);
    core_.sharingsThisCall_ = 0;
  }
  if (core_.depth_ > 0 && here < core_.stackFloor_) core_.stopRunaway();
  ++core_.depth_;
}

// Every call into the dock fails from here until the outermost one returns, each step on the way
// out as a failing step; the user hears of it once.
void DockCore::stopRunaway() {
  runaway_ = true;
  const RecursionLimitError error;
  showReport(error.Description(), "KivDock");
  throw error;
}

DockCore::Scope::~Scope() {
  if (--core_.depth_ == 0) {
    core_.runaway_ = false;
    core_.settlePendingRestack();
  }
}

void DockCore::runCall(void (*work)(void* context), void* context) {
  Scope scope(*this);
  work(context);
}

void DockCore::requestRestack() {
  if (mEvents) mEvents->state().restackPending = true;
}

void DockCore::settlePendingRestack() {
  if (!mEvents || !mEvents->state().restackPending || settling_) return;
  mEvents->state().restackPending = false;
  settling_ = true;
  ignoreFailure([&] { pResizeHeight(); });
  settling_ = false;
}

std::shared_ptr<SharedServices> DockCore::hostServices() {
  settlePendingRestack();
  return sharedServices();
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
