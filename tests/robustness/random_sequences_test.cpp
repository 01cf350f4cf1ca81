// Random sequences of host calls and user input, checked against the dock's invariants after
// every step. A failing seed prints its operations, to be turned into a regression. The seeds
// run are KIVDOCK_SEED_FIRST (default 1) and the KIVDOCK_SEED_COUNT (default 40) after it, in
// four parts that ctest can run side by side.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/robust.h"

namespace kivrobust {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t otherwise) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtoull(text, nullptr, 10) : otherwise;
}

class RandomSequences : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSequences, KeepEveryInvariant) {
  const std::uint64_t first = fromEnvironment("KIVDOCK_SEED_FIRST", 1);
  const std::uint64_t count = fromEnvironment("KIVDOCK_SEED_COUNT", 40);
  for (std::uint64_t n = GetParam() * count / 4; n < (GetParam() + 1) * count / 4; ++n) {
    Choices choices(first + n);
    const std::string failure = runSequence(choices, 300, "seed " + std::to_string(first + n));
    EXPECT_TRUE(failure.empty()) << failure;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequences, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace kivrobust
