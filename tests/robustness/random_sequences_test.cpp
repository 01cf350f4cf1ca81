// Random sequences of host calls and user input, checked against the dock's invariants after
// every step. A failing seed prints itself and its operations, to be turned into a regression.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/world.h"

namespace kivrobust {
namespace {

constexpr std::size_t kStepsPerSeed = 300;

class RandomSequences : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSequences, KeepEveryInvariant) {
  SeededSource source(GetParam());
  const RunReport report = runSequence(source, kStepsPerSeed, "seed " + std::to_string(GetParam()));
  EXPECT_FALSE(report.failed) << report.text;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequences, ::testing::Range<std::uint64_t>(1, 41));

// KIVDOCK_SOAK_SEEDS=n runs n further seeds from KIVDOCK_SOAK_FIRST (default 1000).
TEST(RandomSequencesSoak, ManySeedsOnRequest) {
  const char* seeds = std::getenv("KIVDOCK_SOAK_SEEDS");
  if (!seeds) GTEST_SKIP() << "set KIVDOCK_SOAK_SEEDS to run";
  const char* first = std::getenv("KIVDOCK_SOAK_FIRST");
  const std::uint64_t from = first ? std::strtoull(first, nullptr, 10) : 1000;
  const std::uint64_t n = std::strtoull(seeds, nullptr, 10);
  int failures = 0;
  for (std::uint64_t seed = from; seed < from + n && failures < 3; ++seed) {
    SeededSource source(seed);
    const RunReport report = runSequence(source, kStepsPerSeed, "seed " + std::to_string(seed));
    if (report.failed) {
      ++failures;
      ADD_FAILURE() << report.text;
    }
  }
}

}  // namespace
}  // namespace kivrobust
