#include "settings/lenient_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/whole_number.h"

namespace kiv::detail {

namespace {
bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double lenientNumber(std::string_view text) {
  // Collect the number's characters without blanks, then convert them independently of locale.
  std::string number;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && blank(text[i])) ++i;
  };
  auto digits = [&] {
    std::size_t n = 0;
    for (skipBlanks(); i < text.size() && digit(text[i]); skipBlanks(), ++n) number += text[i++];
    return n;
  };
  skipBlanks();
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    const std::size_t mark = i;
    const std::size_t kept = number.size();
    number += 'e';
    ++i;
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    if (digits() == 0) {  // no exponent after all
      number.resize(kept);
      i = mark;
    }
  }
  if (number.front() == '.') number.insert(number.begin(), '0');
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large becomes infinite, too small becomes zero.
    const auto e = number.find('e');
    const bool tinyExponent = e != std::string::npos && number[e + 1] == '-';
    value = tinyExponent ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

std::optional<std::int32_t> lenientWholeNumber(std::string_view text) {
  try {
    return wholeLong(lenientNumber(text));
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace kiv::detail
