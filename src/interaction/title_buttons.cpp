// The title buttons and the right press on a title.
#include "dock/dock_core.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

void DockCore::collapseClicked(std::int16_t index) {
  ignoreFailure([&] { bar(index)->setState(eBarCollapsed); });
  ignoreFailure([&] { pBarResized(index); });
  ignoreFailure([&] { pArrangeTitle(index); });
}

void DockCore::expandClicked(std::int16_t index) {
  ignoreFailure([&] { bar(index)->setState(eBarExpanded); });
  ignoreFailure([&] { pBarResized(index); });
  ignoreFailure([&] { pArrangeTitle(index); });
}

void DockCore::upClicked(std::int16_t index) {
  ignoreFailure([&] { bars_->fMoveUp(index); });
  ignoreFailure([&] { OrderBars(true); });
  ignoreFailure([&] { pArrangeTitle(index); });
  // The neighbours' up and down buttons follow the flags the layout has just set.
  std::int32_t p = 0;
  ignoreFailure([&] { p = bars_->fOrderByIndex(index); });
  ignoreFailure([&] {
    if (auto below = bars_->ItemByOrder(p + 1)) pArrangeTitle(below->Index());
  });
  ignoreFailure([&] {
    if (auto above = bars_->ItemByOrder(p - 1)) pArrangeTitle(above->Index());
  });
}

void DockCore::downClicked(std::int16_t index) {
  ignoreFailure([&] { bars_->fMoveDown(index); });
  ignoreFailure([&] { OrderBars(true); });
  ignoreFailure([&] { pArrangeTitle(index); });
  std::int32_t p = 0;
  ignoreFailure([&] { p = bars_->fOrderByIndex(index); });
  ignoreFailure([&] {
    if (auto above = bars_->ItemByOrder(p - 1)) pArrangeTitle(above->Index());
  });
}

// The options button: the host may ask for a reload of colours and settings, or cancel by
// emptying the key.
void DockCore::optionsClicked(std::int16_t index) {
  std::string key;
  bool reload = false;
  ignoreFailure([&] { key = bar(index)->Key(); });
  ignoreFailure([&] { raiseOptShow(key, reload); });
  if (key.empty()) return;
  if (reload) {
    ignoreFailure([&] { pLoadColors(); });
    ignoreFailure([&] { pLoadSettings(); });
  } else {
    ignoreFailure([&] {
      if (!bars_->fReapplyOrder(mAllowScroll)) pAutoSize();
    });
  }
  ignoreFailure([&] { OrderBars(false); });
}

void DockCore::pTitleRightClick(std::int16_t index) {
  std::string key;
  ignoreFailure([&] { key = bar(index)->Key(); });
  ignoreFailure([&] { raiseRightClick(key); });
  ignoreFailure([&] {
    if (!bars_->fReapplyOrder(mAllowScroll)) pAutoSize();
  });
  ignoreFailure([&] { OrderBars(false); });
}

}  // namespace kiv::detail
