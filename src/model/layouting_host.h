// What bars and their collection need from the dock: the operations they call with a bar's index,
// adding and unloading a bar's elements, and one call at a time inside the dock's scope.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "kivdock/types.h"

namespace kiv {
class KivDock;
class cKivBar;
class clsBars;
}  // namespace kiv

namespace kiv::detail {

class LayoutingHost {
 public:
  virtual ~LayoutingHost() = default;

  // The collection.
  virtual clsBars& Bars() = 0;
  virtual std::shared_ptr<cKivBar> fBarAdd() = 0;
  virtual void fClear() = 0;

  // A bar, by its index.
  virtual void fRefreshBar(std::int16_t index) = 0;
  virtual void fArrangeTitle(std::int16_t index) = 0;
  virtual void fBarStateChanged(std::int16_t index, EKivBarStates& oldState) = 0;
  virtual void fBarHeightChanged(std::int16_t index, std::int32_t height) = 0;
  virtual void fSetBarTop(std::int16_t index, std::int32_t& top) = 0;
  virtual void fSetBarLeft(std::int16_t index, std::int32_t& left) = 0;
  virtual void fSetBarWidth(std::int16_t index, std::int32_t& width) = 0;
  virtual std::int32_t fGetBarTop(std::int16_t index) = 0;
  virtual std::int32_t fGetBarWidth(std::int16_t index) = 0;
  virtual Hwnd hWndItem(std::int16_t index) = 0;

  // A restack that waits is done before the inputs of the bars' stacking change.
  virtual void settlePendingRestack() = 0;

  // Runs work as one call from outside: the dock stays alive while it runs, nested calls are
  // counted and a recursion that would exhaust the stack is stopped before the work begins.
  virtual void runCall(void (*work)(void* context), void* context) = 0;

  template <class Work>
  auto call(Work&& work) {
    using Result = decltype(work());
    if constexpr (std::is_void_v<Result>) {
      runCall([](void* c) { (*static_cast<std::remove_reference_t<Work>*>(c))(); }, &work);
    } else {
      std::optional<Result> result;
      auto run = [&] { result.emplace(work()); };
      runCall([](void* c) { (*static_cast<decltype(run)*>(c))(); }, &run);
      return std::move(*result);
    }
  }

 protected:
  LayoutingHost() = default;
  LayoutingHost(const LayoutingHost&) = default;
  LayoutingHost& operator=(const LayoutingHost&) = default;
};

// The layouting host of a dock.
LayoutingHost& layoutingHostOf(KivDock& dock);

}  // namespace kiv::detail
