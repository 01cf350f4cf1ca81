#include "kivdock/platform.h"

#include "kivdock/headless_platform.h"

namespace kiv {

Platform::~Platform() = default;

namespace {
std::shared_ptr<Platform>& current() {
  static std::shared_ptr<Platform> instance = std::make_shared<HeadlessPlatform>();
  return instance;
}
}  // namespace

void setPlatform(std::shared_ptr<Platform> p) {
  current() = p ? std::move(p) : std::make_shared<HeadlessPlatform>();
}

std::shared_ptr<Platform> platform() { return current(); }

}  // namespace kiv
