// Marks the time a modal message box of the backend is open. Its event loop runs inside a call
// into the dock, so the widgets wait with catching up on the elements until it closes.
#pragma once

namespace kiv::qt::detail {

int& modalDepth();

class ModalScope {
 public:
  ModalScope() { ++modalDepth(); }
  ~ModalScope() { --modalDepth(); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
};

// Whether dialogs are recorded instead of shown: on the offscreen and minimal platforms, where
// no one could answer them.
bool headlessDisplay();

}  // namespace kiv::qt::detail
