#include <regex>

#include "support/robust.h"

namespace kivrobust {

std::int32_t RecordingServices::WriteSetting(const std::string& section, const std::string& key,
                                             const std::string& value, std::int32_t flags) {
  record("WriteSetting " + key + "=" + value);
  static const std::regex wellFormed("(0|-?[1-9][0-9]{0,9})(:(0|-?[1-9][0-9]{0,9})){3}");
  bool ok = section == "DockBar" && std::regex_match(value, wellFormed);
  for (std::size_t at = 0; ok && at != std::string::npos; at = value.find(':', at + 1)) {
    const long long v = std::stoll(value.substr(at == 0 ? 0 : at + 1));
    ok = v >= INT32_MIN && v <= INT32_MAX;
  }
  if (!ok) malformedWrites.push_back(section + "/" + key + "=" + value);
  return MemorySharedServices::WriteSetting(section, key, value, flags);
}

Host::Host()
    : platform(std::make_shared<kiv::HeadlessPlatform>()),
      services(std::make_shared<RecordingServices>()) {
  kiv::setPlatform(platform);
  kiv::setSharedServicesFactory([s = services] { return s; });
  services->onCall = [this] { hear("Services", ""); };
  form = platform->CreateWindow();
  dock = kiv::KivDock::create();
  dock->setEventSink(this);
}

Host::~Host() {
  react = nullptr;
  release();
  kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
}

std::shared_ptr<kiv::cKivBar> Host::addBar(const std::string& key, std::int32_t height, int flags) {
  auto bar = dock->Bars().Add();
  bar->setKey(key);
  if (flags & kTitle) bar->setTitle(key.empty() ? "Titel" : key);
  bar->setCanExpand(flags & kCanExpand);
  bar->setAllowResize(flags & kAllowResize);
  bar->setShowClose(flags & kShowClose);
  bar->setShowOptions(flags & kShowOptions);
  bar->setHideByDefault(flags & kHideByDefault);
  bar->setCanMove(!(flags & kFixed));
  bar->setHeight(height);
  if (flags & kControl) bar->letControl(control());
  return bar;
}

std::shared_ptr<ProbeControl> Host::control(int kind) {
  auto c = std::make_shared<ProbeControl>(static_cast<ProbeControl::Kind>(kind),
                                          platform->CreateWindow(form));
  c->onMove = [this] { hear("Move", ""); };
  c->onHide = [this] { hear("Hide", ""); };
  controls.push_back(c);
  return c;
}

std::vector<std::string> Host::messages(std::size_t from) const {
  std::vector<std::string> list;
  for (const auto& all = platform->Messages(); from < all.size(); ++from)
    list.push_back(all[from].Caption + ": " + all[from].Text);
  return list;
}

}  // namespace kivrobust
