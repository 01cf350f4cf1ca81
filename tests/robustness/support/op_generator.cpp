#include "support/op_generator.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "support/world.h"

namespace kivrobust {

namespace {
struct Weighted {
  OpKind kind;
  std::uint32_t weight;
};

const char* const kKeys[] = {"",    "a", "b", "c", "d", "e", "ZAHL_TOP", "Schl\xc3\xbcssel",
                             "x:y", "a", "b"};
const char* const kTitles[] = {"",
                               "Titel",
                               "Kunden",
                               "\xe2\x82\xac \xc3\xa4\xc3\xb6\xc3\xbc",
                               "\xff\xfe kaputt",
                               "Ein sehr langer Titel, der unter die Knoepfe laeuft"};
const char* const kHostileTexts[] = {"",
                                     ":",
                                     ":::",
                                     "1:1:1",
                                     "1:1:1:900:x",
                                     " 2 : 1 : 0 : 900",
                                     "1e3:1:1:1e3",
                                     "2147483648:1:1:900",
                                     "1:1:2147483648:900",
                                     "-1:-1:-1:-1",
                                     "1.5:2.5:0.5:900.5",
                                     "abc",
                                     "1::1:900",
                                     "\xff\xfe:\x80:\x01:\x7f",
                                     "0x10:1:1:900",
                                     "1:5:9:20000"};
}  // namespace

std::int32_t OpGenerator::pick(std::initializer_list<std::int32_t> values) {
  return *(values.begin() + src_.below(static_cast<std::uint32_t>(values.size())));
}

std::int32_t OpGenerator::length() {
  if (src_.chance(65)) return src_.between(300, 6000);
  return pick({INT_MIN, -1, 0, 1, 150, 151, 299, 300, 301, 400, 500, 600, 2655, 20000, 32767, 32768,
               (1 << 24) + 1, INT_MAX - 1, INT_MAX});
}

std::int32_t OpGenerator::state() {
  if (src_.chance(80)) return pick({0, 1, 2});
  return pick({-1, 3, 7, INT_MIN, INT_MAX});
}

std::int32_t OpGenerator::alignment() {
  if (src_.chance(80)) return src_.between(1, 4);
  return pick({0, 5, -1, INT_MIN, INT_MAX});
}

std::string OpGenerator::key() {
  if (src_.chance(3)) return std::string(300, 'k');
  return kKeys[src_.below(static_cast<std::uint32_t>(std::size(kKeys)))];
}

std::string OpGenerator::title() {
  return kTitles[src_.below(static_cast<std::uint32_t>(std::size(kTitles)))];
}

std::string OpGenerator::storedText() {
  if (src_.chance(55)) {
    return std::to_string(src_.between(-1, 12)) + ":" + std::to_string(alignment()) + ":" +
           std::to_string(state()) + ":" + std::to_string(length());
  }
  if (src_.chance(60)) {
    return kHostileTexts[src_.below(static_cast<std::uint32_t>(std::size(kHostileTexts)))];
  }
  static const char kAlphabet[] = "0123456789::::--+..eE \t\xff\x80";
  std::string text;
  for (std::int32_t n = src_.between(0, 40); n > 0; --n) {
    text += kAlphabet[src_.below(sizeof(kAlphabet) - 1)];
  }
  return text;
}

std::int32_t OpGenerator::barIndex(const World& world) {
  const std::int32_t count = world.dock().Bars().Count();
  if (src_.chance(92)) return src_.between(1, std::max(count, 1));
  return pick({0, -1, count + 1, 32768, INT_MIN});
}

Op OpGenerator::addBar() {
  Op op;
  op.kind = OpKind::AddBar;
  op.text = key();
  op.value = static_cast<std::int32_t>(src_.below(256));
  op.value2 = length();
  return op;
}

Op OpGenerator::property(const World& world) {
  Op op;
  op.kind = OpKind::SetProperty;
  op.bar = barIndex(world);
  auto p = static_cast<Property>(src_.below(static_cast<std::uint32_t>(Property::kCount)));
  if (src_.chance(40)) {
    p = static_cast<Property>(
        pick({static_cast<int>(Property::Height), static_cast<int>(Property::State),
              static_cast<int>(Property::AlignBar), static_cast<int>(Property::AllowResize),
              static_cast<int>(Property::CanExpand)}));
  }
  op.what = static_cast<std::int32_t>(p);
  switch (p) {
    case Property::State:
      op.value = state();
      break;
    case Property::AlignBar:
      op.value = alignment();
      break;
    case Property::Title:
    case Property::TitleRight:
    case Property::Tag:
    case Property::ToolTipText:
      op.text = title();
      break;
    case Property::Key:
      op.text = key();
      break;
    case Property::fTitleHeight:
      // Up to the largest title line whose collapsed height (20 more) still is a 32-bit number:
      // beyond it collapsing fails with an overflow before the dock hears of the new state.
      op.value =
          src_.chance(60) ? pick({0, 20, 260}) : pick({-300, 151, 5000, 1 << 24, INT_MAX - 20});
      break;
    case Property::ID:
    case Property::ItemData:
    case Property::TitleForeColorOver:
    case Property::fTitleTextHeight:
    case Property::Height:
    case Property::HeightMax:
    case Property::fTopBar:
    case Property::Top:
    case Property::Left:
    case Property::Width:
      op.value = length();
      break;
    case Property::TitleBackColorStart:
    case Property::TitleBackColorEnd:
    case Property::TitleForeColor:
    case Property::BackColor:
      op.value = src_.chance(50)
                     ? src_.between(0, 0xFFFFFF)
                     : pick({0, -1, 0xFFFFFF, INT_MIN, static_cast<std::int32_t>(0x80000005u)});
      break;
    default:
      op.value = static_cast<std::int32_t>(src_.below(4));
      break;
  }
  return op;
}

Op OpGenerator::click(const World& world) {
  Op op;
  op.kind = OpKind::Click;
  op.bar = barIndex(world);
  op.what = static_cast<std::int32_t>(src_.below(static_cast<std::uint32_t>(Button::kCount)));
  op.value = static_cast<std::int32_t>(src_.below(4));
  op.anyElement = src_.chance(8);
  return op;
}

Op OpGenerator::drop(const World& world) {
  Op op;
  if (src_.chance(30)) {
    op.kind = OpKind::DropOnSurface;
    op.value = src_.between(0, std::min(world.dock().Width(), 1000000) + 100);
    op.value2 = src_.between(0, std::min(world.dock().Height(), 1000000));
    return op;
  }
  op.kind = OpKind::DropOnBar;
  op.bar = barIndex(world);
  op.what = src_.chance(70)
                ? pick({0, 1, 2})
                : static_cast<std::int32_t>(src_.below(static_cast<std::uint32_t>(Target::kCount)));
  op.value = src_.between(0, 400);
  op.value2 = src_.chance(35) ? src_.between(0, 19) : src_.between(20, 600);
  op.anyElement = src_.chance(5);
  return op;
}

Op OpGenerator::splitter(const World& world) {
  Op op;
  op.bar = world.splitterBar();
  if (src_.chance(25)) {
    op.kind = OpKind::SplitRelease;
    op.value = pick({1, 1, 2});
    return op;
  }
  op.kind = OpKind::SplitMove;
  op.value = pick({1, 1, 1, 1, 2, 3, 0});
  op.value2 = src_.chance(85) ? src_.between(-600, 600)
                              : pick({-1000000000, -100000, -1, 0, 1, 100000, 2000000000});
  return op;
}

Op OpGenerator::read(const World& world) {
  Op op;
  op.kind = OpKind::Read;
  op.what = static_cast<std::int32_t>(src_.below(static_cast<std::uint32_t>(Lookup::kCount)));
  op.value = src_.chance(80) ? src_.between(-1, world.dock().Bars().Count() + 1)
                             : pick({INT_MIN, 32767, 32768, 65537, INT_MAX});
  op.text = key();
  return op;
}

Op OpGenerator::next(const World& world) {
  if (world.splitterBar() != 0) return splitter(world);
  kiv::KivDock& dock = world.dock();
  const std::int32_t count = dock.Bars().Count();
  const Weighted weights[] = {{OpKind::AddBar, count < 3    ? 30u
                                               : count < 10 ? 6u
                                                            : 1u},
                              {OpKind::SetProperty, 24},
                              {OpKind::SetShow, 3},
                              {OpKind::Resize, 3},
                              {OpKind::SetAllowScroll, 3},
                              {OpKind::SetDoLoadSettings, 1},
                              {OpKind::ShowElement, 3},
                              {OpKind::Save, 3},
                              {OpKind::Clear, 1},
                              {OpKind::Click, 18},
                              {OpKind::PressTitle, 6},
                              {OpKind::PressSurface, 1},
                              {OpKind::SplitPress, 6},
                              {OpKind::DropOnBar, 9},
                              {OpKind::Scroll, 3},
                              {OpKind::StoreText, 2},
                              {OpKind::Read, 2}};
  std::uint32_t total = 0;
  for (const auto& w : weights) total += w.weight;
  std::uint32_t r = src_.below(total);
  OpKind kind = OpKind::Save;
  for (const auto& w : weights) {
    if (r < w.weight) {
      kind = w.kind;
      break;
    }
    r -= w.weight;
  }
  Op op;
  op.kind = kind;
  switch (kind) {
    case OpKind::AddBar:
      return addBar();
    case OpKind::SetProperty:
      return property(world);
    case OpKind::Click:
      return click(world);
    case OpKind::DropOnBar:
      return drop(world);
    case OpKind::Read:
      return read(world);
    case OpKind::SetShow:
      op.value = src_.chance(80);
      break;
    case OpKind::SetAllowScroll:
    case OpKind::SetDoLoadSettings:
      op.value = static_cast<std::int32_t>(src_.below(2));
      break;
    case OpKind::Resize:
      if (src_.chance(75)) {
        op.value = src_.between(500, 12000);
        op.value2 = src_.between(200, 12000);
      } else {
        op.value = pick({INT_MIN, -1, 0, 220, 499, 500, 1000, 30000, INT_MAX});
        op.value2 = pick({INT_MIN, -1, 0, 199, 200, 1000, 30000, INT_MAX});
      }
      break;
    case OpKind::ShowElement:
      op.value = src_.chance(60)   ? pick({0, -1})
                 : src_.chance(80) ? src_.between(1, count + 1)
                                   : pick({INT_MIN, -2, 32768, INT_MAX});
      break;
    case OpKind::PressTitle:
      op.bar = barIndex(world);
      op.what = static_cast<std::int32_t>(src_.below(2));
      op.value = pick({1, 1, 2, 2, 4});
      op.anyElement = src_.chance(8);
      break;
    case OpKind::PressSurface:
      op.value = pick({2, 2, 1});
      break;
    case OpKind::SplitPress:
      op.bar = barIndex(world);
      op.anyElement = src_.chance(5);
      break;
    case OpKind::Scroll: {
      const kiv::VScrollBar& scroll = dock.elements().VScroll();
      op.anyElement = !scroll.Visible();
      if (op.anyElement && !src_.chance(15)) op.kind = OpKind::Save;
      op.value =
          src_.between(std::min(scroll.Min(), scroll.Max()), std::max(scroll.Min(), scroll.Max()));
      break;
    }
    case OpKind::StoreText:
      op.text = key();
      op.text2 = storedText();
      break;
    default:
      break;
  }
  return op;
}

}  // namespace kivrobust
