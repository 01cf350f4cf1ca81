#include "kivdock/broker.h"

#include "model/broker_state.h"

namespace kiv {

clsEvents::clsEvents(const detail::BrokerKey&) : state_(std::make_unique<detail::BrokerState>()) {}

clsEvents::~clsEvents() = default;

std::shared_ptr<KivDock> clsEvents::Dock() {
  std::shared_ptr<KivDock> dock;
  if (state_->evGetDockBar) state_->evGetDockBar(dock);
  return dock;
}

}  // namespace kiv
