// clsBars: the bars of one dock in creation order, their lookups and their visual order.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivdock/bar.h"
#include "kivdock/export.h"

namespace kiv {

class clsEvents;
namespace detail {
class DockCore;
}  // namespace detail
namespace order {
struct MoveStep;
}  // namespace order

class KIVDOCK_EXPORT clsBars {
 public:
  std::shared_ptr<cKivBar> Add();
  std::int32_t Count() const { return static_cast<std::int32_t>(mCol.size()); }
  std::int32_t CountVisible();
  std::shared_ptr<cKivBar> Bar(std::int32_t Index);   // throws KivError 9 for a bad index
  std::shared_ptr<cKivBar> Item(std::int32_t Index);  // nullptr when there is none
  std::shared_ptr<cKivBar> operator()(std::int32_t Index) { return Item(Index); }
  std::shared_ptr<cKivBar> ItemByKey(const std::string& Key);
  std::shared_ptr<cKivBar> ItemByOrder(std::int32_t OrderIndex);
  std::shared_ptr<cKivBar> ItemByOrderVisible(std::int32_t OrderIndex);
  void Clear();

 private:
  friend class detail::DockCore;
  clsBars() = default;

  void fSetEvents(std::shared_ptr<clsEvents> broker) { broker_ = std::move(broker); }

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
  std::vector<std::int32_t> orderSnapshot() const;  // mOrder, positions 1..Count
  std::vector<std::optional<std::int32_t>> alignsInOrder();
  void applyMove(std::int32_t Index, const order::MoveStep& step);

  // mOrder with its inverse kept in step; the visible-bar list is rebuilt on demand.
  std::int32_t orderAt(std::int32_t pos) const;
  void setOrderAt(std::int32_t pos, std::int32_t index);
  void resizeOrder(std::int32_t count);
  const std::vector<std::int32_t>& visibleOrder();
  void orderChanged() { visibleValid_ = false; }
  void settlePendingRestack();

  std::vector<std::shared_ptr<cKivBar>> mCol;  // element i-1 has Index i
  std::vector<std::int32_t> mOrder{0};         // mOrder[p] = Index at position p (1-based)
  std::vector<std::int32_t> positionOf_{0};    // positionOf_[Index] = first position holding it
  std::vector<std::int32_t> visible_;          // collection places of the visible bars, in order
  bool visibleValid_ = false;
  std::uint64_t visibleStamp_ = 0;
  std::shared_ptr<clsEvents> broker_;
};

}  // namespace kiv
