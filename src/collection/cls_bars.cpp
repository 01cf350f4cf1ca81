// The collection the host sees: each member is the library side's.
#include "collection/bar_collection.h"
#include "kivdock/bars.h"

namespace kiv {

clsBars::clsBars(const detail::BarsKey&) : impl_(std::make_unique<detail::BarCollection>()) {}
clsBars::~clsBars() = default;

std::shared_ptr<cKivBar> clsBars::Add() { return impl_->Add(); }
std::int32_t clsBars::Count() const { return impl_->Count(); }
std::int32_t clsBars::CountVisible() { return impl_->CountVisible(); }
std::shared_ptr<cKivBar> clsBars::Bar(std::int32_t Index) { return impl_->Bar(Index); }
std::shared_ptr<cKivBar> clsBars::Item(std::int32_t Index) { return impl_->Item(Index); }
std::shared_ptr<cKivBar> clsBars::ItemByKey(const std::string& Key) {
  return impl_->ItemByKey(Key);
}
std::shared_ptr<cKivBar> clsBars::ItemByOrder(std::int32_t OrderIndex) {
  return impl_->ItemByOrder(OrderIndex);
}
std::shared_ptr<cKivBar> clsBars::ItemByOrderVisible(std::int32_t OrderIndex) {
  return impl_->ItemByOrderVisible(OrderIndex);
}
void clsBars::Clear() { impl_->Clear(); }

}  // namespace kiv
