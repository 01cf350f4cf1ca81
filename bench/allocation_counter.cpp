// Replaces the global operator new and delete: every block carries its size in a header, so that
// the bytes in use can be counted.
#include "allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace kivbench {
namespace {

std::atomic<std::int64_t> inUse{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* allocate(std::size_t size) noexcept {
  void* block = std::malloc(size + kHeader);
  if (!block) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  inUse.fetch_add(static_cast<std::int64_t>(size), std::memory_order_relaxed);
  return static_cast<char*>(block) + kHeader;
}

void release(void* p) noexcept {
  if (!p) return;
  void* block = static_cast<char*>(p) - kHeader;
  inUse.fetch_sub(static_cast<std::int64_t>(*static_cast<std::size_t*>(block)),
                  std::memory_order_relaxed);
  std::free(block);
}

void* allocateOrThrow(std::size_t size) {
  void* p = allocate(size);
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace

std::int64_t heapBytesInUse() { return inUse.load(std::memory_order_relaxed); }

}  // namespace kivbench

void* operator new(std::size_t size) { return kivbench::allocateOrThrow(size); }
void* operator new[](std::size_t size) { return kivbench::allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return kivbench::allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return kivbench::allocate(size);
}
void operator delete(void* p) noexcept { kivbench::release(p); }
void operator delete[](void* p) noexcept { kivbench::release(p); }
void operator delete(void* p, std::size_t) noexcept { kivbench::release(p); }
void operator delete[](void* p, std::size_t) noexcept { kivbench::release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { kivbench::release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { kivbench::release(p); }
