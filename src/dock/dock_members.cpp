// The control's members and lifecycle: showing, the reset and show-again of bars, the hide rule,
// resizing, saving and termination.
#include <algorithm>

#include "dock/dock_core.h"
#include "kivdock/platform.h"
#include "kivdock/shared_services.h"
#include "model/broker_state.h"
#include "platform/failure.h"
#include "settings/settings.h"

namespace kiv::detail {

void DockCore::setAllowScroll(bool v) {
  settlePendingRestack();
  mAllowScroll = v;
}

void DockCore::setShow(bool v) {
  settlePendingRestack();
  mShow = v;
  if (v) pRefreshAll();
}

void DockCore::ShowElement(std::int32_t Index) {
  if (Index == 0) {
    for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
      ignoreFailure([&] {
        auto b = bars_->Item(i);
        if (b && b->State() == eBarHidden) b->setState(eBarExpanded);
      });
    }
    ignoreFailure([&] { OrderBars(false); });
  } else if (Index == -1) {
    if (!mAllowScroll) {
      for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
        ignoreFailure([&] { bar(i)->setState(eBarExpanded); });
        ignoreFailure([&] {
          auto b = bar(i);
          if (b->AllowResize()) b->setHeight(600);
        });
      }
      ignoreFailure([&] { bars_->fSetOrderDefault(); });
    }
    ignoreFailure([&] { pLoadColors(); });
    ignoreFailure([&] { pAutoSize(); });
    settlePendingRestack();
    mShow = true;
    ignoreFailure([&] { pPaintAll(); });
  } else {
    ignoreFailure([&] { bar(Index)->setState(eBarExpanded); });
    ignoreFailure([&] { OrderBars(false); });
  }
}

Hwnd DockCore::hWndItem(std::int16_t Index) { return elements_->picDockBar(Index).hWnd(); }

void DockCore::Save() { settings::pSaveSettings(*this); }

void DockCore::setSize(std::int32_t width, std::int32_t height) {
  width_ = width;
  height_ = height;
  onResize();
}

// The control's resize event: it keeps a smallest size, then shares the height and lays out.
void DockCore::onResize() {
  ignoreFailure([&] {
    if (width_ < 500) width_ = 500;
  });
  ignoreFailure([&] {
    if (height_ < 200) height_ = 200;
  });
  ignoreFailure([&] { elements_->surface().setWidth(static_cast<float>(width_)); });
  ignoreFailure([&] { elements_->surface().setHeight(static_cast<float>(height_)); });
  if (!mShow) return;
  ignoreFailure([&] { pAutoSize(); });
  ignoreFailure([&] { OrderBars(false); });
}

// The close button's rule: a bar is hidden only while another bar stays visible.
void DockCore::pHideBar(std::int16_t index) {
  if (mLoading) return;
  bool another = false;
  for (std::int32_t i = 1, n = bars_->Count(); i <= n && !another; ++i) {
    if (i == index) continue;
    ignoreFailure([&] { another = bar(i)->State() != eBarHidden; });
  }
  if (!another) {
    ignoreFailure([&] {
      hostServices()->ShowMessage("Sie müssen mindestens ein Element sichtbar lassen!", 0, "", -1,
                                  0);
    });
    return;
  }
  ignoreFailure([&] { bar(index)->setState(eBarHidden); });
  ignoreFailure([&] { pAutoSize(); });
  ignoreFailure([&] { pPaintAll(); });
  ignoreFailure([&] { raiseClosed(bar(index)->Key()); });
  ignoreFailure([&] { settings::pSaveSettings(*this); });
}

// Termination: save at run time, detach the broker, give every hosted control back.
void DockCore::terminate() {
  // The save still answers the bars through the broker; the dock is already going, so the
  // broker hands out a reference that does not own it.
  savingOnExit_ = true;
  ignoreFailure([&] {
    if (platform()->UserMode()) settings::pSaveSettings(*this);
  });
  savingOnExit_ = false;
  ignoreFailure([&] {
    if (mEvents) mEvents->state().evGetDockBar = nullptr;
    mEvents.reset();
  });
  ignoreFailure([&] { bars_->setBroker(nullptr); });
  ignoreFailure([&] { bars_->Clear(); });
  ignoreFailure([&] { bars_.reset(); });
}

void DockCore::addEventListener(KivDockEvents* listener) {
  if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
    listeners_.push_back(listener);
  }
}

void DockCore::removeEventListener(KivDockEvents* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

// The sink first, then every listener, all with the same argument variables. A listener removed
// by an earlier handler is not called any more; one added meanwhile waits for the next event.
template <typename Call>
void DockCore::raise(Call call) {
  settlePendingRestack();
  if (sink_) call(*sink_);
  const std::vector<KivDockEvents*> now = listeners_;
  for (KivDockEvents* listener : now) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) {
      call(*listener);
    }
  }
}

void DockCore::raiseClosed(const std::string& key) {
  std::string arg = key;
  raise([&](KivDockEvents& to) { to.Closed(arg); });
}

void DockCore::raiseCtlResize(const std::string& key) {
  std::string arg = key;
  raise([&](KivDockEvents& to) { to.CtlResize(arg); });
}

void DockCore::raiseRightClick(std::string& key) {
  raise([&](KivDockEvents& to) { to.RightClick(key); });
}

void DockCore::raiseOptShow(std::string& key, bool& reload) {
  raise([&](KivDockEvents& to) { to.OptShow(key, reload); });
}

}  // namespace kiv::detail
