// Where the current thread's stack stands: recursions that a host can start are bounded by the
// room left on it rather than by a count, so they stop the same way on any thread.
#pragma once

#include <cstdint>

namespace kiv::detail {

// The current frame's address: the real stack, also where a sanitizer keeps locals elsewhere.
std::uintptr_t stackHere() noexcept;
// The lowest address of this thread's stack, 0 when it is not known.
std::uintptr_t threadStackBottom() noexcept;
// The lowest address nested calls of the dock may reach: a quarter of the thread's stack, at
// least 256 KB, stays free for the host, the platform and the dock's own computations. 0 when the
// stack is not known.
std::uintptr_t threadStackLimit() noexcept;

}  // namespace kiv::detail
