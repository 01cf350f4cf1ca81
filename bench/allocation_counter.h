// The bytes the program holds on the heap, counted by the benchmark program's own global
// operator new and delete.
#pragma once

#include <cstdint>

namespace kivbench {

std::int64_t heapBytesInUse();

}  // namespace kivbench
