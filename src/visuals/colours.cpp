// The host's colours for every bar and for the dock's surface.
#include "dock/dock_core.h"
#include "platform/failure.h"

namespace kiv::detail {

std::int32_t DockCore::pGetColor(std::int32_t number) { return hostServices()->ReadColor(number); }

void DockCore::pLoadColors() {
  const std::int32_t n = bars_->Count();
  for (std::int32_t i = 1; i <= n; ++i) {
    ignoreFailure([&] { bar(i)->setBackColor(pGetColor(140)); });
    ignoreFailure([&] { bar(i)->setTitleForeColor(pGetColor(150)); });
    ignoreFailure([&] { bar(i)->setTitleBackColorStart(pGetColor(14)); });
    ignoreFailure([&] { bar(i)->setTitleBackColorEnd(pGetColor(15)); });
    ignoreFailure([&] { bar(i)->setTitleVertical(hostServices()->ReadOption(141)); });
  }
  ignoreFailure([&] { elements_->surface().setBackColor(hostServices()->ReadColor(10)); });
}

}  // namespace kiv::detail
