#include "support/hostile_settings.h"

namespace kivrobust {

namespace {

const char* const kWords[] = {"NaN",  "nan",   "Infinity", "-inf",        "eins",
                              "zwei", "0x384", "1e400",    "1e-400",      ".e",
                              "+-",   "1,5",   "true",     "\xe2\x88\x9e"};

std::string digits(Choices& c, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('0' + c.below(10));
  return text;
}

std::string bytes(Choices& c, std::size_t count, unsigned lowest) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += static_cast<char>(lowest + c.below(256 - lowest));
  return text;
}

// One field of a stored text, of a random family.
std::string field(Choices& c) {
  switch (c.below(10)) {
    case 0:  // huge
      return c.chance(50) ? digits(c, 10 + c.below(400)) : "2147483648";
    case 1:  // negative
      return "-" + (c.chance(50) ? std::to_string(c.below(5000)) : digits(c, 1 + c.below(12)));
    case 2:  // words and NaN-like
      return kWords[c.below(sizeof kWords / sizeof *kWords)];
    case 3:  // NULs
      return std::string(1 + c.below(3), '\0') + std::to_string(c.below(4000));
    case 4:  // invalid UTF-8
      return bytes(c, 1 + c.below(6), 0x80);
    case 5:  // fractions, exponents and blanks
      return " " + std::to_string(c.below(3000)) + "." + digits(c, 1 + c.below(3)) +
             (c.chance(50) ? "e" + std::to_string(c.between(-3, 3)) : "") + " ";
    default:  // plausible
      return std::to_string(c.between(-1, 4000));
  }
}

}  // namespace

std::string hostileText(Choices& c) {
  switch (c.below(12)) {
    case 0:  // random bytes, now and then up to 64 KB
      return bytes(c, c.chance(10) ? c.below(1 << 16) : c.below(40), 0);
    case 1:
      return std::string(c.below(2000), ':');
    case 2:
      return "";
    default: {
      std::string text = field(c);
      for (std::uint32_t n = c.chance(80) ? 3 : c.below(8); n > 0; --n) text += ":" + field(c);
      return text;
    }
  }
}

std::string hostileKey(Choices& c) {
  switch (c.below(8)) {
    case 0:  // long, up to 1 MB
      return std::string(c.chance(10) ? 1 << 20 : c.below(5000), 'k');
    case 1:
      return std::string("k\0", 2) + std::to_string(c.below(3));
    case 2:
      return bytes(c, 1 + c.below(3), 0x80);
    default:
      return "k" + std::to_string(c.below(6));  // shared by bars and by texts
  }
}

HostileScenario hostileScenario(Choices& c) {
  HostileScenario s;
  for (std::uint32_t n = 1 + c.below(8); n > 0; --n) {
    s.bars.push_back({c.chance(10) ? "" : hostileKey(c),
                      kTitle | (static_cast<int>(c.below(64)) &
                                (kCanExpand | kAllowResize | kShowClose | kHideByDefault)),
                      c.between(1, 4), c.between(300, 3000)});
  }
  for (const auto& bar : s.bars) {
    if (c.chance(85)) s.stored.emplace_back(bar.key, hostileText(c));
  }
  for (std::uint32_t n = c.below(4); n > 0; --n)  // keys of bars that do not exist, duplicates
    s.stored.emplace_back(hostileKey(c), hostileText(c));
  s.hostileTexts = s.stored.size();
  if (c.chance(5)) {  // thousands of entries
    for (int i = 0; i < 3000; ++i) s.stored.emplace_back("many" + std::to_string(i), "1:1:1:900");
  }
  return s;
}

std::vector<std::string> loadHostile(const HostileScenario& scenario, bool scroll) {
  Host h;
  h.dock->setSize(4800, 6000);
  h.dock->setAllowScroll(scroll);
  for (const auto& bar : scenario.bars)
    h.addBar(bar.key, bar.height, bar.flags)->setAlignBar(static_cast<kiv::eAlignBar>(bar.align));
  std::vector<std::string> found;
  for (int round = 0; round < 2 && found.empty(); ++round) {
    for (const auto& [key, text] : scenario.stored) h.services->store(key, text);
    const std::size_t before = h.platform->Messages().size();
    h.dock->setShow(true);
    // A height beyond what the dock can share out fails the layout and says so.
    bool layoutFailed = false;
    for (const auto& m : h.messages(before)) {
      const bool layout = m.rfind("KivDock: pAutoSize: ", 0) == 0 ||
                          m.rfind("KivDock: OrderBars: ", 0) == 0 ||
                          m.rfind("KivDock.pResizeWidth: ", 0) == 0;
      if (!layout) found.push_back("[message] " + m);
      layoutFailed = layoutFailed || layout;
    }
    for (auto& f : layoutFailed ? h.check(false) : h.resave()) found.push_back(std::move(f));
  }
  return found;
}

}  // namespace kivrobust
