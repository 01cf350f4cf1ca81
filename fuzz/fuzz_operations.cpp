// Fuzzes operation sequences: the input bytes are the choices of the random robustness runs, and
// every invariant is checked after every step.
#include <cstdio>
#include <cstdlib>

#include "support/robust.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kivrobust::Choices choices(data, size);
  const std::string failure = kivrobust::runSequence(choices, 400, "fuzz input");
  if (failure.empty()) return 0;
  std::fputs(failure.c_str(), stderr);
  std::abort();
}
