// What the user sees of each bar (state, order position, alignment, height), compared with the
// last look: the changes a dock widget reports as signals.
#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <vector>

#include "kivdock/kivdock.h"

namespace kiv::qt::detail {

class BarWatcher {
 public:
  struct Change {
    enum Kind { State, Moved } kind;
    QString key;
    int value;  // the new state, or the new order position
  };
  struct Report {
    std::vector<Change> changes;
    bool arrangementChanged = false;
  };

  // Takes a new look at the dock's bars and tells what differs from the last one.
  Report look(kiv::KivDock& dock);

 private:
  struct Seen {
    QString key;
    std::int32_t state = 0, position = 0, align = 0, height = 0;
  };
  std::map<std::int32_t, Seen> seen_;  // by bar index
};

}  // namespace kiv::qt::detail
