// Random sequences of host calls and user input, checked against the dock's invariants after
// every step. A failing seed prints its operations, to be turned into a regression.
#include <gtest/gtest.h>

#include "support/robust.h"

namespace kivrobust {
namespace {

class RandomSequences : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSequences, KeepEveryInvariant) {
  for (std::uint64_t seed = GetParam(); seed < GetParam() + 10; ++seed) {
    Choices choices(seed);
    const std::string failure = runSequence(choices, 300, "seed " + std::to_string(seed));
    EXPECT_TRUE(failure.empty()) << failure;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequences, ::testing::Values(1, 11, 21, 31));

}  // namespace
}  // namespace kivrobust
