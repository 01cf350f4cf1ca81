// Sharing the dock's height among the resizable bars: the steps of one round, and the whole
// sharing with the nested sharings that a "ZAHL_TOP" bar starts.
#include <algorithm>
#include <cstddef>
#include <limits>
#include <unordered_map>

#include "layout/engine.h"
#include "platform/errors.h"
#include "platform/stack_room.h"
#include "platform/whole_number.h"

namespace kiv::layout {

namespace {

bool fits(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

// Nested sharings deeper than this would exhaust the stack of the steps the dock takes, and
// more distinct ones than this are sharings that go on starting each other for good.
constexpr std::size_t kMaxNesting = 4096;
constexpr std::size_t kMaxSharings = 100000;

using Heights = std::vector<std::int32_t>;

struct HeightsHash {
  std::size_t operator()(const Heights& h) const noexcept {
    std::size_t seed = h.size();
    for (const std::int32_t v : h) {
      seed ^= static_cast<std::size_t>(static_cast<std::uint32_t>(v)) + 0x9e3779b97f4a7c15ULL +
              (seed << 6) + (seed >> 2);
    }
    return seed;
  }
};

struct Endless {};
struct Unknown {};

// One sharing depends only on the heights it starts from: what it leaves is kept, and a sharing
// that starts again from heights it is itself still working on can never end.
class Sharing {
 public:
  Sharing(const std::vector<ShareSlot>& slots, std::int32_t dockHeight, std::uintptr_t lowestStack)
      : slots_(slots), dockHeight_(dockHeight), lowestStack_(lowestStack) {}

  // The drag limit every resizable bar was given, once a round ran.
  std::optional<std::int64_t> cap() const { return cap_; }
  std::uint64_t sharings() const { return steps_; }
  std::size_t deepest() const { return deepest_; }

  Heights run(const Heights& start, std::size_t depth) {
    if (auto known = done_.find(start); known != done_.end()) {
      if (!known->second.ended) throw Endless{};
      count(known->second.sharings);
      // The steps run a known sharing again, with the sharings it starts.
      deepest_ = std::max(deepest_, depth + known->second.nesting);
      return known->second.heights;
    }
    if (depth > kMaxNesting || done_.size() >= kMaxSharings) throw Endless{};
    if (lowestStack_ != 0 && detail::stackHere() < lowestStack_) throw Endless{};  // out of stack
    done_.emplace(start, Outcome{});
    const std::uint64_t before = steps_;
    const std::size_t deepestOutside = deepest_;
    deepest_ = depth;
    count(1);
    Heights h = start;
    std::int64_t sum = 60;
    std::int32_t k = static_cast<std::int32_t>(h.size());
    for (std::size_t i = 0; i < h.size(); ++i) {
      if (!slots_[i].resizable) --k;
      sum += h[i];
      if (!fits(sum)) throw Unknown{};
    }
    if (k > 0) {
      std::int32_t d = correction(sum, k);
      for (int round = 1; sharingGoesOn(d); ++round) {
        cap_ = std::int64_t{k} * 500;
        std::int64_t sum2 = 0;
        for (std::size_t i = 0; i < h.size(); ++i) {
          if (slots_[i].resizable) write(h, i, d, depth);
          sum2 += h[i];
          if (!fits(sum2)) throw Unknown{};
        }
        if (round >= kSharingRounds) break;
        d = correction(sum2 + 60, k);
      }
    }
    Outcome& outcome = done_[start];
    outcome.ended = true;
    outcome.heights = h;
    outcome.sharings = steps_ >= kManySteps ? kManySteps : steps_ - before;
    outcome.nesting = deepest_ - depth;
    deepest_ = std::max(deepest_, deepestOutside);
    return h;
  }

 private:
  struct Outcome {
    bool ended = false;
    std::uint64_t sharings = 0;  // this one and the ones it starts, each time it starts them
    std::size_t nesting = 0;     // how deep the sharings it starts nest below it
    Heights heights;
  };

  std::int32_t correction(std::int64_t taken, std::int32_t k) const {
    try {
      return sharingCorrection(dockHeight_, taken, k);
    } catch (const KivError&) {
      throw Unknown{};
    }
  }

  // The bar's own rules: an equal height or one of 150 or less is ignored, below 300 is 300.
  void write(Heights& h, std::size_t i, std::int32_t d, std::size_t depth) {
    const auto next = sharedHeight(h[i], d);
    if (!next) throw Unknown{};
    std::int32_t v = *next;
    if (v == h[i] || v <= 150) return;
    if (v < 300) v = 300;
    h[i] = v;
    if (slots_[i].sharesAgain) h = run(h, depth + 1);
  }

  const std::vector<ShareSlot>& slots_;
  std::int32_t dockHeight_;
  std::uintptr_t lowestStack_;
  std::optional<std::int64_t> cap_;
  std::unordered_map<Heights, Outcome, HeightsHash> done_;
  std::uint64_t steps_ = 0;  // the sharings the steps run so far, up to kManySteps
  std::size_t deepest_ = 0;  // the deepest nesting the steps reach so far

  static constexpr std::uint64_t kManySteps = std::uint64_t{1} << 62;
  void count(std::uint64_t n) { steps_ = n >= kManySteps - steps_ ? kManySteps : steps_ + n; }
};

}  // namespace

std::int32_t sharingCorrection(std::int32_t dockHeight, std::int64_t taken, std::int32_t k) {
  return detail::wholeLong((static_cast<double>(dockHeight) - static_cast<double>(taken)) / k);
}

bool sharingGoesOn(std::int32_t correction) { return correction > 10 || correction < -10; }

std::optional<std::int32_t> sharedHeight(std::int32_t height, std::int32_t correction) {
  const std::int64_t next = std::int64_t{height} + correction;
  if (!fits(next)) return std::nullopt;
  return next > 400 ? static_cast<std::int32_t>(next) : 400;
}

SharingOutcome shareHeight(std::vector<ShareSlot>& slots, std::int32_t dockHeight,
                           std::uintptr_t lowestStack) {
  Heights start;
  start.reserve(slots.size());
  for (const ShareSlot& s : slots) start.push_back(s.height);
  try {
    Sharing sharing(slots, dockHeight, lowestStack);
    const Heights end = sharing.run(start, 0);
    if (sharing.cap() && !fits(*sharing.cap()))
      return {SharingEnd::Unknown, sharing.sharings(), sharing.deepest()};
    for (std::size_t i = 0; i < slots.size(); ++i) {
      slots[i].height = end[i];
      if (sharing.cap() && slots[i].resizable) {
        slots[i].heightMax = static_cast<std::int32_t>(*sharing.cap());
      }
    }
    return {SharingEnd::Ends, sharing.sharings(), sharing.deepest()};
  } catch (const Endless&) {
    return {SharingEnd::Endless, 0};
  } catch (const Unknown&) {
    return {SharingEnd::Unknown, 0};
  }
}

std::optional<std::int32_t> dragLimit(std::int32_t upper, std::int32_t lower, std::int32_t keep) {
  const std::int64_t limit = std::int64_t{upper} + lower - keep;
  if (!fits(limit)) return std::nullopt;
  return static_cast<std::int32_t>(limit);
}

}  // namespace kiv::layout
