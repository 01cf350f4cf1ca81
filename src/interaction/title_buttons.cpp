// The title buttons and the right press on a title.
#include "dock/dock_core.h"
#include "interaction/interaction.h"
#include "platform/failure.h"
#include "platform/whole_number.h"
#include "settings/settings.h"

namespace kiv::detail::interaction {

void collapseClicked(DockCore& dock, std::int16_t index) {
  ignoreFailure([&] { dock.bar(index)->setState(eBarCollapsed); });
  ignoreFailure([&] { dock.pBarResized(index); });
  ignoreFailure([&] { dock.pArrangeTitle(index); });
}

void expandClicked(DockCore& dock, std::int16_t index) {
  ignoreFailure([&] { dock.bar(index)->setState(eBarExpanded); });
  ignoreFailure([&] { dock.pBarResized(index); });
  ignoreFailure([&] { dock.pArrangeTitle(index); });
}

void upClicked(DockCore& dock, std::int16_t index) {
  ignoreFailure([&] { dock.bars_->fMoveUp(index); });
  ignoreFailure([&] { dock.OrderBars(true); });
  ignoreFailure([&] { dock.pArrangeTitle(index); });
  // The neighbours' up and down buttons follow the flags the layout has just set.
  std::int32_t p = 0;
  ignoreFailure([&] { p = dock.bars_->fOrderByIndex(index); });
  ignoreFailure([&] {
    if (auto below = dock.bars_->ItemByOrder(p + 1)) dock.pArrangeTitle(below->Index());
  });
  ignoreFailure([&] {
    if (auto above = dock.bars_->ItemByOrder(p - 1)) dock.pArrangeTitle(above->Index());
  });
}

void downClicked(DockCore& dock, std::int16_t index) {
  ignoreFailure([&] { dock.bars_->fMoveDown(index); });
  ignoreFailure([&] { dock.OrderBars(true); });
  ignoreFailure([&] { dock.pArrangeTitle(index); });
  std::int32_t p = 0;
  ignoreFailure([&] { p = dock.bars_->fOrderByIndex(index); });
  ignoreFailure([&] {
    if (auto above = dock.bars_->ItemByOrder(p - 1)) dock.pArrangeTitle(above->Index());
  });
}

// The options button: the host may ask for a reload of colours and settings, or cancel by
// emptying the key.
void optionsClicked(DockCore& dock, std::int16_t index) {
  std::string key;
  bool reload = false;
  ignoreFailure([&] { key = dock.bar(index)->Key(); });
  ignoreFailure([&] { dock.raiseOptShow(key, reload); });
  if (key.empty()) return;
  if (reload) {
    ignoreFailure([&] { dock.pLoadColors(); });
    ignoreFailure([&] { settings::pLoadSettings(dock); });
  } else {
    ignoreFailure([&] {
      if (!dock.bars_->fReapplyOrder(dock.mAllowScroll)) dock.pAutoSize();
    });
  }
  ignoreFailure([&] { dock.OrderBars(false); });
}

void pTitleRightClick(DockCore& dock, std::int16_t index) {
  std::string key;
  ignoreFailure([&] { key = dock.bar(index)->Key(); });
  ignoreFailure([&] { dock.raiseRightClick(key); });
  ignoreFailure([&] {
    if (!dock.bars_->fReapplyOrder(dock.mAllowScroll)) dock.pAutoSize();
  });
  ignoreFailure([&] { dock.OrderBars(false); });
}

}  // namespace kiv::detail::interaction
