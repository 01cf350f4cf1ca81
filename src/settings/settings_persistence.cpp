// Storing each keyed bar's order number, alignment, state and height in the dock's settings section
// ("DockBar" unless the host chose another), and restoring them.
#include <string>
#include <vector>

#include "dock/dock_core.h"
#include "kivdock/shared_services.h"
#include "platform/failure.h"
#include "settings/lenient_number.h"
#include "settings/settings.h"

namespace kiv::detail::settings {

namespace {
std::vector<std::string_view> splitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t colon = text.find(':', start);
    fields.push_back(text.substr(start, colon == std::string_view::npos ? colon : colon - start));
    if (colon == std::string_view::npos) return fields;
    start = colon + 1;
  }
}
}  // namespace

// Order numbers count the bars group by group (top, left, right, bottom), in order within a
// group; bars without a key take a number too but are not written.
void pSaveSettings(DockCore& dock) {
  trapAndReport("pSaveSettings", [&] {
    std::int32_t counter = 0;
    for (std::int32_t align = eAlignTop; align <= eAlignBottom; ++align) {
      // Each group walks the positions there are when it begins; a bar the host drops meanwhile
      // fails the save, one it adds waits for the next group.
      const std::int32_t count = dock.bars_->Count();
      for (std::int32_t p = 1; p <= count; ++p) {
        auto b = dock.barAtOrder(p);
        if (b->AlignBar() != align) continue;
        ++counter;
        const std::string key = b->Key();
        if (key.empty()) continue;
        const std::string value = std::to_string(counter) + ":" + std::to_string(b->AlignBar()) +
                                  ":" + std::to_string(b->State()) + ":" +
                                  std::to_string(b->Height());
        dock.hostServices()->WriteSetting(dock.settingsSection_, key, value, 0);
      }
    }
  });
}

void pLoadSettings(DockCore& dock) {
  dock.settlePendingRestack();
  struct LoadingFlag {
    bool& flag;
    ~LoadingFlag() { flag = false; }
  } loading{dock.mLoading};
  dock.mLoading = true;
  const std::int32_t count = dock.bars_->Count();
  std::vector<std::int32_t> numbers(static_cast<std::size_t>(count));
  for (std::int32_t i = 1; i <= count; ++i) numbers[static_cast<std::size_t>(i) - 1] = i;
  dock.mShow = false;  // bar changes below cause no layout and no saving
  for (std::int32_t i = 1; i <= count; ++i) {
    std::shared_ptr<cKivBar> b;
    std::string key, text;
    ignoreFailure([&] {
      b = dock.barAtOrder(i);
      key = b->Key();
    });
    if (!b || key.empty()) continue;
    ignoreFailure([&] { text = dock.hostServices()->ReadSetting(dock.settingsSection_, key, 0); });
    if (text.empty()) {
      ignoreFailure([&] {
        if (b->HideByDefault()) b->setState(eBarHidden);
      });
      continue;
    }
    const std::vector<std::string_view> fields = splitFields(text);
    if (fields.size() < 4) continue;
    if (auto order = lenientWholeNumber(fields[0]))
      numbers[static_cast<std::size_t>(i) - 1] = *order;
    ignoreFailure([&] {
      if (auto align = lenientWholeNumber(fields[1]))
        b->setAlignBar(static_cast<eAlignBar>(*align));
    });
    ignoreFailure([&] {
      if (auto state = lenientWholeNumber(fields[2]))
        b->setState(static_cast<EKivBarStates>(*state));
    });
    ignoreFailure([&] {
      if (b->State() == eBarHidden && !b->ShowClose()) b->setState(eBarExpanded);
    });
    ignoreFailure([&] {
      if (!b->AllowResize()) return;
      if (auto height = lenientWholeNumber(fields[3])) b->setHeight(*height);
    });
  }
  dock.mShow = true;
  ignoreFailure([&] {
    if (!dock.bars_->fSetOrder(numbers, dock.mAllowScroll)) dock.pAutoSize();
  });
}

}  // namespace kiv::detail::settings
