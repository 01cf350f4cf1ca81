// The library's side of clsBars: the bars of one dock in creation order, their lookups and their
// visual order.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivdock/bar.h"
#include "kivdock/bars.h"
#include "kivdock/broker.h"

namespace kiv::order {
struct MoveStep;
// A rule that gives the step moving the bar at position p with alignment a.
using MoveRule = MoveStep (*)(const std::vector<std::optional<std::int32_t>>& alignAt,
                              std::int32_t p, std::int32_t a);
}  // namespace kiv::order

namespace kiv::detail {

struct BarsKey {};

class BarCollection {
 public:
  void setBroker(std::shared_ptr<clsEvents> broker) { broker_ = std::move(broker); }

  std::shared_ptr<cKivBar> Add();
  std::int32_t Count() const { return static_cast<std::int32_t>(mCol.size()); }
  std::int32_t CountVisible() const;
  std::shared_ptr<cKivBar> Bar(std::int32_t Index) const;  // throws KivError 9 for a bad index
  std::shared_ptr<cKivBar> Item(std::int32_t Index) const {
    if (Index < 1 || Index > Count()) return nullptr;
    return mCol[static_cast<std::size_t>(Index) - 1];
  }
  std::shared_ptr<cKivBar> ItemByKey(const std::string& Key) const;
  std::shared_ptr<cKivBar> ItemByOrder(std::int32_t OrderIndex) const {
    if (OrderIndex < 1 || OrderIndex >= static_cast<std::int32_t>(mOrder.size())) return nullptr;
    return Item(mOrder[static_cast<std::size_t>(OrderIndex)]);
  }
  std::shared_ptr<cKivBar> ItemByOrderVisible(std::int32_t OrderIndex);
  void Clear();

  // The visual order. A wanted order names, for each current order position p, the position
  // the bar now at p should take: the identity keeps every bar where it is.
  std::int32_t fOrderByIndex(std::int32_t Index);
  void fInsert(std::int32_t Index, std::int32_t OrderPos);
  void fMoveAfter(std::int32_t Index, std::int32_t AfterIndex);
  void fMoveUp(std::int32_t Index);
  void fMoveDown(std::int32_t Index);
  bool fSetOrder(const std::vector<std::int32_t>& wanted, bool grouped);
  bool fReapplyOrder(bool grouped);
  bool fSetOrderDefault();

 private:
  std::vector<std::int32_t> orderSnapshot() const;  // mOrder, positions 1..Count
  std::vector<std::optional<std::int32_t>> alignsInOrder();
  void moveWith(std::int32_t Index, order::MoveRule rule);
  void applyMove(std::int32_t Index, const order::MoveStep& step);

  // mOrder with its inverse kept in step; the visible-bar list is rebuilt on demand.
  std::int32_t orderAt(std::int32_t pos) const;
  void setOrderAt(std::int32_t pos, std::int32_t index);
  void resizeOrder(std::int32_t count);
  const std::vector<std::int32_t>& visibleOrder();
  void orderChanged() { visibleValid_ = false; }

  std::vector<std::shared_ptr<cKivBar>> mCol;  // element i-1 has Index i
  std::vector<std::int32_t> mOrder{0};         // mOrder[p] = Index at position p (1-based)
  std::vector<std::int32_t> positionOf_{0};    // positionOf_[Index] = first position holding it
  std::vector<std::int32_t> visible_;          // collection places of the visible bars, in order
  bool visibleValid_ = false;
  std::uint64_t visibleStamp_ = 0;
  std::shared_ptr<clsEvents> broker_;
};

// What the dock holds: the collection the host sees (*) and its library side (->).
class BarsHandle {
 public:
  void reset(std::unique_ptr<clsBars> bars = nullptr) {
    impl_ = bars ? &bars->impl() : nullptr;
    bars_ = std::move(bars);
  }
  explicit operator bool() const { return impl_ != nullptr; }
  BarCollection* operator->() const { return impl_; }
  clsBars& operator*() const { return *bars_; }

 private:
  std::unique_ptr<clsBars> bars_;
  BarCollection* impl_ = nullptr;
};

}  // namespace kiv::detail
