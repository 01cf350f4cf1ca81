#include "settings/lenient_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/whole_number.h"

namespace kiv::detail {

namespace {
bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// Where the first significant digit of a collected number stands: above 0 for a number of at
// least 1 ("12e3" gives 5), 0 or below for a fraction ("0.001" gives -2). Far beyond the range of
// a double it saturates.
long leadingPower(const std::string& number) {
  const std::size_t e = number.find('e');
  long exponent = 0;
  if (e != std::string::npos) {
    std::size_t i = e + 1;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    for (; i < number.size() && exponent < 100000; ++i)
      exponent = exponent * 10 + (number[i] - '0');
    if (negative) exponent = -exponent;
  }
  const std::string mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string::npos) return 0;
  const long digitsBefore = static_cast<long>(point) - static_cast<long>(first);
  return exponent + (first < point ? digitsBefore : digitsBefore + 1);
}
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
    value = leadingPower(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
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
