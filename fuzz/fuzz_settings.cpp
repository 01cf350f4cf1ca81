// Fuzzes the stored settings texts: arbitrary texts for several bars are loaded in fill and in
// scroll mode; the dock must end in an allowed state and save well-formed texts.
//
// Input: one byte with the number of bars (low three bits, plus one), one byte per bar with its
// flags, then the stored texts for the keys "k0" to "k3", separated by newlines.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"
#include "support/invariants.h"
#include "support/recording_services.h"

namespace {

struct BarSetup {
  std::string key;
  bool showClose, allowResize, canExpand, hideByDefault;
  std::int32_t align;
};

[[noreturn]] void fail(const std::string& where, const std::vector<std::string>& findings) {
  std::fprintf(stderr, "%s\n", where.c_str());
  for (const auto& f : findings) std::fprintf(stderr, "  %s\n", f.c_str());
  std::abort();
}

void check(kiv::KivDock& dock, const kivrobust::RecordingServices& services, const char* where) {
  kivrobust::InvariantInput in;
  in.dock = &dock;
  in.services = &services;
  in.stackSettled = in.widthsSettled = true;
  auto findings = kivrobust::checkInvariants(in);
  if (!findings.empty()) fail(where, findings);
}

void run(const std::vector<BarSetup>& setups, const std::vector<std::string>& texts, bool scroll) {
  auto platform = std::make_shared<kiv::HeadlessPlatform>();
  kiv::setPlatform(platform);
  auto services = std::make_shared<kivrobust::RecordingServices>();
  kiv::setSharedServicesFactory([services] { return services; });
  auto store = [&] {
    for (std::size_t i = 0; i < texts.size(); ++i)
      services->store("k" + std::to_string(i), texts[i]);
  };
  store();
  auto dock = kiv::KivDock::create();
  dock->setSize(4800, 6000);
  dock->setAllowScroll(scroll);
  for (const BarSetup& s : setups) {
    auto bar = dock->Bars().Add();
    bar->setKey(s.key);
    bar->setTitle(s.key);
    bar->setShowClose(s.showClose);
    bar->setAllowResize(s.allowResize);
    bar->setCanExpand(s.canExpand);
    bar->setHideByDefault(s.hideByDefault);
    bar->setAlignBar(static_cast<kiv::eAlignBar>(s.align));
    bar->setHeight(1000);
  }
  dock->setShow(true);
  check(*dock, *services, scroll ? "loaded in scroll mode" : "loaded in fill mode");
  dock->Save();
  check(*dock, *services, "saved");
  auto saved = kivrobust::checkSavedSettings(*dock, *services);
  if (!saved.empty()) fail("saved", saved);
  store();
  dock->setShow(true);  // the same texts once more, onto the loaded arrangement
  check(*dock, *services, "loaded again");
  dock->Save();
  check(*dock, *services, "saved again");
  dock.reset();
  kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t bars = 1 + (data[0] & 7);
  if (size < 1 + bars) return 0;
  std::vector<BarSetup> setups;
  for (std::size_t i = 0; i < bars; ++i) {
    const std::uint8_t f = data[1 + i];
    const int key = (f >> 4) % 5;  // four keys, shared by several bars, or none
    setups.push_back({key == 4 ? std::string() : "k" + std::to_string(key), (f & 1) != 0,
                      (f & 2) != 0, (f & 4) != 0, (f & 8) != 0, 1 + (f >> 6)});
  }
  std::vector<std::string> texts(1);
  for (std::size_t i = 1 + bars; i < size && texts.size() <= 4; ++i) {
    if (data[i] == '\n') {
      texts.emplace_back();
    } else {
      texts.back() += static_cast<char>(data[i]);
    }
  }
  if (texts.size() > 4) texts.resize(4);
  run(setups, texts, false);
  run(setups, texts, true);
  return 0;
}
