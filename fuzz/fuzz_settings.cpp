// Fuzzes the stored settings texts: arbitrary texts for several bars are loaded in fill and in
// scroll mode; the dock must end in an allowed state and save well-formed texts, also when the
// same texts are loaded again onto the loaded arrangement.
//
// Input: one byte with the number of bars (low three bits, plus one), one byte per bar (bits 0-3:
// CanExpand, AllowResize, ShowClose, HideByDefault; bits 4-6: key k0..k3 or none; bits 6-7: the
// alignment less one), then the stored texts for the keys k0 to k3, separated by newlines.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "support/robust.h"

namespace {

void run(const std::uint8_t* bars, std::size_t count, const std::vector<std::string>& texts,
         bool scroll) {
  using namespace kivrobust;
  Host h;
  h.dock->setSize(4800, 6000);
  h.dock->setAllowScroll(scroll);
  for (std::size_t i = 0; i < count; ++i) {
    const int key = (bars[i] >> 4) % 5;
    const int flags = kTitle | ((bars[i] & 7) << 1) | (bars[i] & 8 ? kHideByDefault : 0);
    h.addBar(key == 4 ? "" : "k" + std::to_string(key), 1000, flags)
        ->setAlignBar(static_cast<kiv::eAlignBar>(1 + (bars[i] >> 6)));
  }
  for (const char* when : {"loaded", "loaded again onto the loaded arrangement"}) {
    for (std::size_t i = 0; i < texts.size(); ++i)
      h.services->store("k" + std::to_string(i), texts[i]);
    h.dock->setShow(true);
    const auto findings = h.resave();
    if (findings.empty()) continue;
    std::fprintf(stderr, "%s in %s mode\n", when, scroll ? "scroll" : "fill");
    for (const auto& f : findings) std::fprintf(stderr, "  %s\n", f.c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t count = size < 1 ? 0 : 1 + (data[0] & 7);
  if (size < 1 + count) return 0;
  std::istringstream rest(std::string(data + 1 + count, data + size));
  std::vector<std::string> texts;
  for (std::string text; texts.size() < 4 && std::getline(rest, text);) texts.push_back(text);
  run(data + 1, count, texts, false);
  run(data + 1, count, texts, true);
  return 0;
}
