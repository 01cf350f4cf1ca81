// Reading a stored number the lenient way: blanks are skipped, the longest leading number with
// an optional sign, a decimal point and an exponent is taken, and text without one gives 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kiv::detail {

double lenientNumber(std::string_view text);
// The same number as a whole 32-bit number (halves to even), or nothing when it does not fit.
std::optional<std::int32_t> lenientWholeNumber(std::string_view text);

}  // namespace kiv::detail
