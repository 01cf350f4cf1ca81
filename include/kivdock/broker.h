// clsEvents: gives bars and the collection their dock on demand without keeping it alive.
#pragma once

#include <memory>

#include "kivdock/export.h"

namespace kiv {

class KivDock;
namespace detail {
struct BrokerState;  // the library's side of the broker, complete only inside the library
struct BrokerKey;    // only the library can name one, so only the library creates brokers
}  // namespace detail

class KIVDOCK_EXPORT clsEvents {
 public:
  // The dock, or null once it has ended. Callers use it for one call and drop it.
  std::shared_ptr<KivDock> Dock();

  explicit clsEvents(const detail::BrokerKey& key);
  ~clsEvents();
  clsEvents(const clsEvents&) = delete;
  clsEvents& operator=(const clsEvents&) = delete;

  // The library's side: the dock's handler of evGetDockBar and the notes the dock shares with
  // its bars and collection.
  detail::BrokerState& state() { return *state_; }

 private:
  std::unique_ptr<detail::BrokerState> state_;
};

}  // namespace kiv
