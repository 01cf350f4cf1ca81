#include "qt_skips.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kivtest {

namespace {

// "Suite.Name" and why the test cannot hold on Qt. Every behaviour test holds there today.
const std::vector<std::pair<std::string, std::string>> kSkips = {};

}  // namespace

void skipOnQtWhereListed() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (!info) return;
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (const auto& skip : kSkips) {
    if (name == skip.first) GTEST_SKIP() << "Not on Qt: " << skip.second;
  }
}

}  // namespace kivtest
