// Fuzzes operation sequences: the input bytes are the choices of the same generator that the
// random robustness runs use, and every invariant is checked after every step.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "support/op_source.h"
#include "support/world.h"

namespace {
constexpr std::size_t kMaxSteps = 400;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kivrobust::ByteSource source(data, size);
  const kivrobust::RunReport report = kivrobust::runSequence(source, kMaxSteps, "fuzz input");
  if (report.failed) {
    std::fprintf(stderr, "%s\n", report.text.c_str());
    std::abort();
  }
  return 0;
}
