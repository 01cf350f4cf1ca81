#include "bar_watcher.h"

#include "conversions.h"

namespace kiv::qt::detail {

BarWatcher::Report BarWatcher::look(kiv::KivDock& dock) {
  Report report;
  std::map<std::int32_t, Seen> now;
  clsBars& bars = dock.Bars();
  const std::int32_t count = bars.Count();
  for (std::int32_t position = 1; position <= count; ++position) {
    const auto bar = bars.ItemByOrder(position);
    if (!bar) continue;
    now[bar->Index()] =
        Seen{toQString(bar->Key()), bar->State(), position, bar->AlignBar(), bar->Height()};
  }
  for (const auto& [index, bar] : now) {
    auto before = seen_.find(index);
    if (before == seen_.end() || before->second.key != bar.key) {
      report.arrangementChanged = true;
      continue;
    }
    const Seen& old = before->second;
    if (old.state != bar.state) report.changes.push_back({Change::State, bar.key, bar.state});
    if (old.position != bar.position) {
      report.changes.push_back({Change::Moved, bar.key, bar.position});
    }
    if (old.state != bar.state || old.position != bar.position || old.align != bar.align ||
        old.height != bar.height) {
      report.arrangementChanged = true;
    }
  }
  if (now.size() != seen_.size()) report.arrangementChanged = true;
  seen_ = std::move(now);
  return report;
}

}  // namespace kiv::qt::detail
