#include <string_view>

#include "support/robust.h"

namespace kivrobust {

namespace {

// "0" or an optional "-" and up to ten digits without leading zeros, within 32 bits.
bool wholeNumber32(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 10 || (digits[0] == '0' && (negative || digits.size() > 1)))
    return false;
  long long value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value <= (negative ? 2147483648LL : 2147483647LL);
}

// Four such numbers joined by ':', nothing else.
bool wellFormed(std::string_view text) {
  for (int field = 0; field < 4; ++field) {
    const std::size_t colon = field < 3 ? text.find(':') : text.size();
    if (colon == std::string_view::npos || !wholeNumber32(text.substr(0, colon))) return false;
    text.remove_prefix(field < 3 ? colon + 1 : colon);
  }
  return true;
}

}  // namespace

std::int32_t RecordingServices::WriteSetting(const std::string& section, const std::string& key,
                                             const std::string& value, std::int32_t flags) {
  record([&] { return "WriteSetting " + key + "=" + value; });
  if (section != "DockBar" || !wellFormed(value))
    malformedWrites.push_back(section + "/" + key + "=" + value);
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
  // Nothing of this host outlives it: no services instance, a fresh platform.
  kiv::resetSharedServices();
  kiv::setPlatform(nullptr);
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
