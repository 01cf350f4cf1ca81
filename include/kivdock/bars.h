// clsBars: the bars of one dock in creation order, their lookups and their visual order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/bar.h"
#include "kivdock/export.h"

namespace kiv {

namespace detail {
class BarCollection;  // the library's side, complete only inside the library
struct BarsKey;       // only the library can name one, so only the library creates collections
}  // namespace detail

class KIVDOCK_EXPORT clsBars {
 public:
  explicit clsBars(const detail::BarsKey& key);
  ~clsBars();
  clsBars(const clsBars&) = delete;
  clsBars& operator=(const clsBars&) = delete;

  std::shared_ptr<cKivBar> Add();
  std::int32_t Count() const;
  std::int32_t CountVisible();
  std::shared_ptr<cKivBar> Bar(std::int32_t Index);   // throws KivError 9 for a bad index
  std::shared_ptr<cKivBar> Item(std::int32_t Index);  // nullptr when there is none
  std::shared_ptr<cKivBar> operator()(std::int32_t Index) { return Item(Index); }
  std::shared_ptr<cKivBar> ItemByKey(const std::string& Key);
  std::shared_ptr<cKivBar> ItemByOrder(std::int32_t OrderIndex);
  std::shared_ptr<cKivBar> ItemByOrderVisible(std::int32_t OrderIndex);
  void Clear();

  // The library's side of the collection.
  detail::BarCollection& impl() { return *impl_; }

 private:
  std::unique_ptr<detail::BarCollection> impl_;
};

}  // namespace kiv
