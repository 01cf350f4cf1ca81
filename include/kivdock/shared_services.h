// The host application's services object: one message to the user, stored settings texts,
// colours and a display option. One instance serves the whole library.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT SharedServices {
 public:
  virtual ~SharedServices();
  virtual std::int32_t ShowMessage(const std::string& text, std::int32_t style,
                                   const std::string& title, std::int16_t flags,
                                   std::int32_t owner) = 0;
  virtual std::string ReadSetting(const std::string& section, const std::string& key,
                                  std::int16_t flags) = 0;
  virtual std::int32_t WriteSetting(const std::string& section, const std::string& key,
                                    const std::string& value, std::int32_t flags) = 0;
  virtual std::int32_t ReadColor(std::int32_t number) = 0;
  virtual bool ReadOption(std::int32_t number) = 0;
};

// The one library-wide instance is created on first use through the factory. A factory that
// throws or returns null means "cannot be created"; the next use tries again.
KIVDOCK_EXPORT void setSharedServicesFactory(
    std::function<std::shared_ptr<SharedServices>()> factory);
// Whether a host set a factory; until then an in-memory services object serves.
KIVDOCK_EXPORT bool hasSharedServicesFactory();
// Drops the instance; the next use creates it anew.
KIVDOCK_EXPORT void resetSharedServices();
// The library-wide instance, created through the factory if there is none yet. Throws
// KivError 429 when it cannot be created.
KIVDOCK_EXPORT std::shared_ptr<SharedServices> sharedServices();

}  // namespace kiv
