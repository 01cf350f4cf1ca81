// MemorySharedServices: the services object that keeps its settings, colours and messages in
// memory.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "kivdock/export.h"
#include "kivdock/shared_services.h"

namespace kiv {

// Keeps everything in memory: for tests and for hosts without their own services object.
class KIVDOCK_EXPORT MemorySharedServices : public SharedServices {
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
