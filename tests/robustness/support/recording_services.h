// Shared services for robustness runs: in memory, with a log of every call, a check of every
// settings text the dock writes, and a failure that can be planted on the Nth call.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"

namespace kivrobust {

// Four decimal whole numbers in their shortest form, joined by ':'.
bool wellFormedSetting(const std::string& text);

class RecordingServices : public kiv::MemorySharedServices {
 public:
  // One entry per call, in order: "ShowMessage <text>", "ReadSetting <key>",
  // "WriteSetting <key>=<value>", "ReadColor <n>", "ReadOption <n>".
  std::vector<std::string> calls;
  // Every written text that is not well formed, as "<key>=<value>".
  std::vector<std::string> malformedWrites;
  // The call with this number (from 1) throws instead of doing its work; 0: none does.
  std::size_t failAt = 0;
  // Runs at the start of every call: services of the host that call back into the dock.
  std::function<void()> onCall;
  static constexpr const char* kFailure = "Dienst nicht erreichbar";

  std::int32_t ShowMessage(const std::string& text, std::int32_t style, const std::string& title,
                           std::int16_t flags, std::int32_t owner) override;
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override;
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t flags) override;
  std::int32_t ReadColor(std::int32_t number) override;
  bool ReadOption(std::int32_t number) override;

  // The stored text of a key in the section "DockBar", empty when there is none.
  std::string stored(const std::string& key) const;
  void store(const std::string& key, const std::string& text) { Settings[{"DockBar", key}] = text; }

 private:
  void record(std::string call);
};

}  // namespace kivrobust
