#include "settings_key.h"

namespace kiv::qt::detail {

namespace {

// The length of the valid UTF-8 sequence at text[at], 0 when the byte there starts none
// (stray continuation bytes, overlong forms, surrogates, code points beyond U+10FFFF).
std::size_t utf8Length(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

bool escaped(unsigned char c) { return c < 0x20 || c == 0x7F || c == '%' || c == '/' || c == '\\'; }

QString encoded(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    const std::size_t length = utf8Length(text, at);
    if (length > 1 || (length == 1 && !escaped(c))) {
      out.append(text, at, length);
      at += length;
      continue;
    }
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 15];
    ++at;
  }
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

}  // namespace

// A section may name nested groups ("DockBar/leftDock"): its '/' stay group separators.
QString settingsKey(const std::string& section, const std::string& key) {
  QString entry;
  std::size_t from = 0;
  for (std::size_t slash; (slash = section.find('/', from)) != std::string::npos;
       from = slash + 1) {
    entry += encoded(section.substr(from, slash - from)) + QLatin1Char('/');
  }
  return entry + encoded(section.substr(from)) + QLatin1Char('/') + encoded(key);
}

}  // namespace kiv::qt::detail
