// The host application's services object: one message to the user, stored settings texts,
// colours and a display option. One instance serves the whole library.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kiv {

class SharedServices {
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
void setSharedServicesFactory(std::function<std::shared_ptr<SharedServices>()> factory);
// Whether a host set a factory; until then an in-memory services object serves.
bool hasSharedServicesFactory();
// Drops the instance; the next use creates it anew.
void resetSharedServices();
// The library-wide instance, created through the factory if there is none yet. Throws
// KivError 429 when it cannot be created.
std::shared_ptr<SharedServices> sharedServices();

// Keeps everything in memory: for tests and for hosts without their own services object.
class MemorySharedServices : public SharedServices {
 public:
  std::map<std::pair<std::string, std::string>, std::string> Settings;  // (section, key) -> value
  std::map<std::int32_t, std::int32_t> Colors;  // ReadColor(n): Colors[n], 0 when absent
  std::map<std::int32_t, bool> Options;         // ReadOption(n): Options[n], false when absent
  std::vector<std::string> Messages;            // every ShowMessage text, in order

  std::int32_t ShowMessage(const std::string& text, std::int32_t style, const std::string& title,
                           std::int16_t flags, std::int32_t owner) override;
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override;
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t flags) override;
  std::int32_t ReadColor(std::int32_t number) override;
  bool ReadOption(std::int32_t number) override;
};

}  // namespace kiv
