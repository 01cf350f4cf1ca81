#include "support/recording_services.h"

#include <cstdint>
#include <string>

namespace kivrobust {

bool wellFormedSetting(const std::string& text) {
  int fields = 0;
  std::size_t i = 0;
  while (true) {
    if (i < text.size() && text[i] == '-') ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const std::size_t digits = i - start;
    if (digits == 0) return false;
    if (digits > 1 && text[start] == '0') return false;  // leading zero
    if (digits == 1 && text[start] == '0' && start > 0 && text[start - 1] == '-') return false;
    if (digits > 10) return false;  // beyond any 32-bit number
    const long long value =
        std::stoll(text.substr(start - (start > 0 && text[start - 1] == '-'),
                               i - start + (start > 0 && text[start - 1] == '-')));
    if (value < INT32_MIN || value > INT32_MAX) return false;
    ++fields;
    if (i == text.size()) return fields == 4;
    if (text[i] != ':' || fields == 4) return false;
    ++i;
  }
}

void RecordingServices::record(std::string call) {
  calls.push_back(std::move(call));
  if (onCall) onCall();
  if (failAt != 0 && calls.size() == failAt) {
    throw kiv::KivError(-2147221503, "SharedServices", kFailure);
  }
}

std::int32_t RecordingServices::ShowMessage(const std::string& text, std::int32_t style,
                                            const std::string& title, std::int16_t flags,
                                            std::int32_t owner) {
  record("ShowMessage " + text);
  return MemorySharedServices::ShowMessage(text, style, title, flags, owner);
}

std::string RecordingServices::ReadSetting(const std::string& section, const std::string& key,
                                           std::int16_t flags) {
  record("ReadSetting " + key);
  return MemorySharedServices::ReadSetting(section, key, flags);
}

std::int32_t RecordingServices::WriteSetting(const std::string& section, const std::string& key,
                                             const std::string& value, std::int32_t flags) {
  record("WriteSetting " + key + "=" + value);
  if (section != "DockBar" || !wellFormedSetting(value)) {
    malformedWrites.push_back(section + "/" + key + "=" + value);
  }
  return MemorySharedServices::WriteSetting(section, key, value, flags);
}

std::int32_t RecordingServices::ReadColor(std::int32_t number) {
  record("ReadColor " + std::to_string(number));
  return MemorySharedServices::ReadColor(number);
}

bool RecordingServices::ReadOption(std::int32_t number) {
  record("ReadOption " + std::to_string(number));
  return MemorySharedServices::ReadOption(number);
}

std::string RecordingServices::stored(const std::string& key) const {
  auto it = Settings.find({"DockBar", key});
  return it == Settings.end() ? std::string() : it->second;
}

}  // namespace kivrobust
