// Generated hostile stored settings: texts of many families (huge, negative, words, NaN-like,
// NULs, invalid UTF-8, random bytes), keys up to 1 MB, thousands of entries, duplicated keys and
// keys of bars that do not exist, for bars of random setup.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/robust.h"

namespace kivrobust {

struct HostileScenario {
  struct Bar {
    std::string key;
    int flags;
    std::int32_t align, height;
  };
  std::vector<Bar> bars;
  std::vector<std::pair<std::string, std::string>> stored;  // key and text, in the order stored
  std::size_t hostileTexts = 0;  // of the stored texts, those made hostile (not the filler)
};

std::string hostileText(Choices& c);
std::string hostileKey(Choices& c);
HostileScenario hostileScenario(Choices& c);

// Loads the scenario's texts in fill or scroll mode on the headless host, twice (the second time
// onto the loaded arrangement): the findings of the invariants and of saving what was loaded.
std::vector<std::string> loadHostile(const HostileScenario& scenario, bool scroll);

}  // namespace kivrobust
