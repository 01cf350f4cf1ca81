// Reaches the collection's order operations from unit tests.
#pragma once

#include <cstdint>
#include <vector>

#include "kivdock/bars.h"

namespace kiv::detail {

struct BarOrderAccess {
  static std::int32_t fOrderByIndex(clsBars& bars, std::int32_t index) {
    return bars.fOrderByIndex(index);
  }
  static void fInsert(clsBars& bars, std::int32_t index, std::int32_t orderPos) {
    bars.fInsert(index, orderPos);
  }
  static void fMoveAfter(clsBars& bars, std::int32_t index, std::int32_t afterIndex) {
    bars.fMoveAfter(index, afterIndex);
  }
  static void fMoveUp(clsBars& bars, std::int32_t index) { bars.fMoveUp(index); }
  static void fMoveDown(clsBars& bars, std::int32_t index) { bars.fMoveDown(index); }
  static bool fSetOrder(clsBars& bars, const std::vector<std::int32_t>& wanted, bool grouped) {
    return bars.fSetOrder(wanted, grouped);
  }
  static bool fReapplyOrder(clsBars& bars, bool grouped) { return bars.fReapplyOrder(grouped); }
  static bool fSetOrderDefault(clsBars& bars) { return bars.fSetOrderDefault(); }
};

}  // namespace kiv::detail
