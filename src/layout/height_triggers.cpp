// What a change of one bar's state or height, or a splitter drag, sets off in the layout.
#include "dock/dock_core.h"
#include "platform/errors.h"
#include "platform/failure.h"
#include "platform/whole_number.h"
#include "settings/settings.h"

namespace kiv::detail {

void DockCore::pSplitMove(std::int16_t index) {
  trapAndReport("KivDock: OrderBars", [&] {
    if (!mAllowScroll) {
      std::int16_t neighbour = 0;
      pCalcHeight(index, neighbour);
      const std::int32_t p = bars_->fOrderByIndex(index);
      pPlaceControl(toInteger(neighbour >= p ? neighbour : p));
      pPlaceControl(index);
    } else {
      for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) bar(i)->setHeightMax(20000);
      requestRestack();
      pPlaceControl(index);
    }
  });
}

void DockCore::pBarResized(std::int16_t index) {
  if (!mShow) return;
  if (!mAllowScroll) {
    std::int16_t neighbour = 0;
    ignoreFailure([&] { pCalcHeight(index, neighbour); });
    ignoreFailure([&] { pSetSplitLimits(); });
  }
  requestRestack();
  ignoreFailure([&] { settings::pSaveSettings(*this); });
}

void DockCore::fBarStateChanged(std::int16_t index, EKivBarStates& oldState) {
  if (!mShow) return;
  ignoreFailure([&] { pPaint(index); });
  if (!mAllowScroll) {
    EKivBarStates now = eBarHidden;
    ignoreFailure([&] { now = bar(index)->State(); });
    std::int16_t neighbour = 0;
    if (oldState == eBarHidden && now != eBarHidden) {
      ignoreFailure([&] { pCalcHeight(index, neighbour); });
      ignoreFailure([&] { pAutoSize(); });
      ignoreFailure([&] { OrderBars(false); });
    } else if (now != eBarHidden) {
      ignoreFailure([&] { pCalcHeight(index, neighbour); });
      ignoreFailure([&] { pSetSplitLimits(); });
    } else {
      ignoreFailure([&] { pAutoSize(); });
      ignoreFailure([&] { OrderBars(false); });
    }
  }
  requestRestack();
}

void DockCore::fBarHeightChanged(std::int16_t index, std::int32_t height) {
  const bool shared = sharedWrite_ == index;  // its nested sharings are in the height already
  sharedWrite_ = 0;
  bool same = false;
  ignoreFailure(
      [&] { same = elements_->picDockBar(index).Height() == static_cast<float>(height); });
  if (same) return;
  ignoreFailure([&] { elements_->picDockBar(index).setHeight(static_cast<float>(height)); });
  if (!mShow) return;
  ignoreFailure([&] {
    if (!shared && bar(index)->Key() == "ZAHL_TOP") pAutoSize();
  });
  requestRestack();
  ignoreFailure([&] { pPlaceControl(index); });
  ignoreFailure([&] { pPlaceSplit(index); });
}

}  // namespace kiv::detail
