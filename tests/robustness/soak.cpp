// Long runs of the robustness families, for scripts/soak:
//   kivdock_soak FAMILY SECONDS [FIRST_SEED]
//   sequences  seeded random sequences of host calls and user input
//   failing    random sequences whose services fail at a random call
//   hostile    generated hostile stored settings, in fill and in scroll mode
// Prints one line with the runs, the operations (or texts) and the findings; each finding in full
// on stderr. Exits non-zero when something was found.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/hostile_settings.h"

int main(int argc, char** argv) {
  using namespace kivrobust;
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s sequences|failing|hostile SECONDS [FIRST_SEED]\n", argv[0]);
    return 2;
  }
  const std::string family = argv[1];
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoll(argv[2]));
  const std::uint64_t first = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
  std::uint64_t runs = 0, work = 0, findings = 0, failures = 0;
  for (std::uint64_t seed = first; std::chrono::steady_clock::now() < end; ++seed, ++runs) {
    Choices choices(seed);
    std::string found;
    if (family == "hostile") {
      const HostileScenario scenario = hostileScenario(choices);
      for (const bool scroll : {false, true}) {
        for (const auto& f : loadHostile(scenario, scroll))
          found += "seed " + std::to_string(seed) + (scroll ? " scroll: " : " fill: ") + f + "\n";
        work += scenario.hostileTexts;
      }
    } else {
      std::size_t failAt = 0;
      SequenceStats stats;
      if (family == "failing") failAt = 1 + Choices(~seed).below(400);
      found = runSequence(choices, 300, family + " seed " + std::to_string(seed), failAt, &stats);
      work += stats.steps;
      failures += stats.failed;
    }
    if (!found.empty()) {
      ++findings;
      std::fputs(found.c_str(), stderr);
    }
  }
  const std::string failed =
      family == "failing" ? " (" + std::to_string(failures) + " with a failed service call)" : "";
  std::printf("%-10s %llu runs%s, %llu %s, %llu findings\n", family.c_str(),
              static_cast<unsigned long long>(runs), failed.c_str(),
              static_cast<unsigned long long>(work),
              family == "hostile" ? "hostile texts" : "operations",
              static_cast<unsigned long long>(findings));
  return findings ? 1 : 0;
}
