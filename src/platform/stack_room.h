// Where the current thread's stack stands: recursions that a host can start are bounded by the
// room left on it rather than by a count, so they stop the same way on any thread.
#pragma once

#include <cstdint>

namespace kiv::detail {

// The current frame's address: the real stack, also where a sanitizer keeps locals elsewhere.
std::uintptr_t stackHere() noexcept;
// The lowest address the dock's nested calls may reach when its outermost call starts at `here`:
// a quarter of the thread's stack, at least 256 KB, stays free for the host, the platform and the
// dock's own computations. Without a known stack, 1 MB below the outermost call.
std::uintptr_t nestingFloor(std::uintptr_t here) noexcept;
// The lowest address a computation of the dock may recurse to: half of the room left below the
// nested calls, or 512 KB below here without a known stack.
std::uintptr_t computationFloor() noexcept;

}  // namespace kiv::detail
