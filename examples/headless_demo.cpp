// A small host without a screen: it fills a dock with bars, shows it, lets the user collapse one
// bar and prints what the user would see.
#include <cstdio>
#include <string>

#include "kivdock/kivdock.h"

namespace {

void printDock(kiv::KivDock& dock) {
  kiv::Elements& el = dock.elements();
  std::printf("Dock %d x %d twips, %s mode\n", dock.Width(), dock.Height(),
              dock.AllowScroll() ? "scroll" : "fill");
  for (std::int32_t p = 1; p <= dock.Bars().Count(); ++p) {
    auto bar = dock.Bars().ItemByOrder(p);
    const std::int16_t k = static_cast<std::int16_t>(bar->Index());
    kiv::PictureBox& body = el.picDockBar(k);
    if (!body.Visible()) {
      std::printf("  %-10s (closed)\n", bar->Title().c_str());
      continue;
    }
    std::string buttons;
    auto add = [&](kiv::Image& img, const char* name) {
      if (img.Visible()) buttons += std::string(" ") + name;
    };
    add(el.imgCollapse(k), "[-]");
    add(el.imgExpand(k), "[+]");
    add(el.imgUp(k), "[up]");
    add(el.imgDown(k), "[down]");
    add(el.imgClose(k), "[x]");
    add(el.imgOpt(k), "[opt]");
    std::printf("  %-10s top %5.0f height %5.0f width %5.0f  %s |%s\n", bar->Title().c_str(),
                body.Top(), body.Height(), body.Width(), bar->TitleRight().c_str(),
                buttons.c_str());
  }
}

}  // namespace

int main() {
  auto services = std::make_shared<kiv::MemorySharedServices>();
  services->Colors = {{10, 0xF0F0F0}, {14, 0xC08040}, {15, 0xF0D0A0}, {140, 0xFFFFFF}, {150, 0}};
  kiv::setSharedServicesFactory([services] { return services; });

  auto dock = kiv::KivDock::create();
  dock->setSize(6000, 7200);
  const char* titles[][2] = {
      {"Aufträge", "128"}, {"Kunden", ""}, {"Notizen", ""}, {"Verlauf", "3"}};
  for (auto& t : titles) {
    auto bar = dock->Bars().Add();
    bar->setKey(t[0]);
    bar->setTitle(t[0]);
    bar->setTitleRight(t[1]);
    bar->setCanExpand(true);
    bar->setAllowResize(true);
    bar->setShowClose(true);
    bar->setHeight(1800);
  }
  dock->setShow(true);
  printDock(*dock);

  std::printf("\nThe user collapses \"Kunden\":\n");
  dock->elements().imgCollapse(2).Click();
  printDock(*dock);
  std::printf("\nStored settings:\n");
  for (auto& [key, value] : services->Settings) {
    std::printf("  [%s] %s = %s\n", key.first.c_str(), key.second.c_str(), value.c_str());
  }
  return 0;
}
