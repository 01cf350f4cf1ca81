// Where the choices of an operation sequence come from: a seeded generator for the test runs,
// or the bytes of a fuzzer's input.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kivrobust {

class OpSource {
 public:
  virtual ~OpSource() = default;
  // A number from 0 to bound - 1 (bound >= 1).
  virtual std::uint32_t below(std::uint32_t bound) = 0;
  // No more choices: the sequence ends.
  virtual bool exhausted() const = 0;

  bool chance(std::uint32_t percent) { return below(100) < percent; }
  // A number from lo to hi; hi may not be below lo, and the span must fit 32 bits.
  std::int32_t between(std::int64_t lo, std::int64_t hi) {
    return static_cast<std::int32_t>(lo + below(static_cast<std::uint32_t>(hi - lo + 1)));
  }
};

// splitmix64: the same sequence for a seed on every platform and standard library.
class SeededSource : public OpSource {
 public:
  explicit SeededSource(std::uint64_t seed) : state_(seed) {}
  std::uint32_t below(std::uint32_t bound) override {
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z % bound);
  }
  bool exhausted() const override { return false; }

 private:
  std::uint64_t state_;
};

// Each choice takes as many bytes as its bound needs; past the end every choice is 0.
class ByteSource : public OpSource {
 public:
  ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint32_t below(std::uint32_t bound) override {
    std::uint32_t v = 0;
    for (std::uint64_t span = 1; span < bound; span <<= 8) {
      v = (v << 8) | (pos_ < size_ ? data_[pos_] : 0);
      ++pos_;
    }
    return v % bound;
  }
  bool exhausted() const override { return pos_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace kivrobust
