// The library-wide services object, created lazily through the host's factory, and the
// in-memory services for tests and hosts without their own.
#include "kivdock/shared_services.h"
#include "kivdock/memory_shared_services.h"

#include "platform/errors.h"

namespace kiv {

SharedServices::~SharedServices() = default;

namespace {
struct ServicesSlot {
  std::function<std::shared_ptr<SharedServices>()> factory = [] {
    return std::make_shared<MemorySharedServices>();
  };
  std::shared_ptr<SharedServices> instance;
  bool set = false;
};

ServicesSlot& slot() {
  static ServicesSlot s;
  return s;
}
}  // namespace

void setSharedServicesFactory(std::function<std::shared_ptr<SharedServices>()> factory) {
  slot().factory = std::move(factory);
  slot().set = true;
  slot().instance.reset();
}

bool hasSharedServicesFactory() { return slot().set; }

void resetSharedServices() { slot().instance.reset(); }

std::shared_ptr<SharedServices> sharedServices() {
  ServicesSlot& s = slot();
  if (!s.instance) {
    std::shared_ptr<SharedServices> made;
    try {
      if (s.factory) made = s.factory();
    } catch (...) {
      made.reset();
    }
    if (!made) throw detail::errors::cannotCreate();
    s.instance = std::move(made);
  }
  return s.instance;
}

std::int32_t MemorySharedServices::ShowMessage(const std::string& text, std::int32_t,
                                               const std::string&, std::int16_t, std::int32_t) {
  Messages.push_back(text);
  return 0;
}

std::string MemorySharedServices::ReadSetting(const std::string& section, const std::string& key,
                                              std::int16_t) {
  auto it = Settings.find({section, key});
  return it == Settings.end() ? std::string() : it->second;
}

std::int32_t MemorySharedServices::WriteSetting(const std::string& section, const std::string& key,
                                                const std::string& value, std::int32_t) {
  Settings[{section, key}] = value;
  return 0;
}

std::int32_t MemorySharedServices::ReadColor(std::int32_t number) {
  auto it = Colors.find(number);
  return it == Colors.end() ? 0 : it->second;
}

bool MemorySharedServices::ReadOption(std::int32_t number) {
  auto it = Options.find(number);
  return it != Options.end() && it->second;
}

}  // namespace kiv
