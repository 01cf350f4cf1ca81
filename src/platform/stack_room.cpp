#include "platform/stack_room.h"

#if defined(__linux__)
#include <pthread.h>
#endif

#include <algorithm>
#include <cstddef>

namespace kiv::detail {

namespace {

struct StackBounds {
  std::uintptr_t bottom = 0;
  std::uintptr_t limit = 0;
};

// Asked once per thread: finding the main thread's stack reads the process's memory map.
const StackBounds& bounds() noexcept {
  thread_local const StackBounds known = [] {
    StackBounds b;
#if defined(__linux__)
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) == 0) {
      void* low = nullptr;
      std::size_t size = 0;
      if (pthread_attr_getstack(&attr, &low, &size) == 0 && low && size > 0) {
        constexpr std::uintptr_t kMinReserve = 256 * 1024;
        b.bottom = reinterpret_cast<std::uintptr_t>(low);
        b.limit = b.bottom + std::max<std::uintptr_t>(kMinReserve, size / 4);
      }
      pthread_attr_destroy(&attr);
    }
#endif
    return b;
  }();
  return known;
}

}  // namespace

std::uintptr_t stackHere() noexcept {
#if defined(__GNUC__) || defined(__clang__)
  return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
#else
  volatile char here = 0;
  return reinterpret_cast<std::uintptr_t>(&here);
#endif
}

std::uintptr_t nestingFloor(std::uintptr_t here) noexcept {
  if (const std::uintptr_t limit = bounds().limit) {
    return here > limit ? limit : here;  // already deep in the stack: no room for nesting
  }
  constexpr std::uintptr_t kFallbackUse = 1024 * 1024;
  return here > kFallbackUse ? here - kFallbackUse : 0;
}

std::uintptr_t computationFloor() noexcept {
  const StackBounds& b = bounds();
  if (b.bottom != 0 && b.limit > b.bottom) return b.bottom + (b.limit - b.bottom) / 2;
  constexpr std::uintptr_t kFallbackUse = 512 * 1024;
  const std::uintptr_t here = stackHere();
  return here > kFallbackUse ? here - kFallbackUse : 0;
}

}  // namespace kiv::detail
