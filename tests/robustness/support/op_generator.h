// Makes the next operation of a random sequence from a source of choices and the dock's state.
#pragma once

#include <string>

#include "support/op_source.h"
#include "support/operation.h"

namespace kivrobust {

class World;

class OpGenerator {
 public:
  explicit OpGenerator(OpSource& source) : src_(source) {}
  Op next(const World& world);

  // Values a host or a stored text may bring, from the ordinary to the hostile.
  std::int32_t length();
  std::int32_t state();
  std::int32_t alignment();
  std::string key();
  std::string title();
  std::string storedText();

 private:
  Op addBar();
  Op property(const World& world);
  Op click(const World& world);
  Op drop(const World& world);
  Op splitter(const World& world);
  Op read(const World& world);
  std::int32_t barIndex(const World& world);
  std::int32_t pick(std::initializer_list<std::int32_t> values);

  OpSource& src_;
};

}  // namespace kivrobust
