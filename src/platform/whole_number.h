// Number conversions of the platform: the nearest whole number with halves going to the even
// one, and range checks that fail with the overflow error instead of wrapping.
#pragma once

#include <cstdint>

namespace kiv::detail {

std::int32_t wholeLong(double v);        // KivError 6 outside the 32-bit range or for NaN
std::int16_t toInteger(std::int64_t v);  // KivError 6 outside the 16-bit range
std::int32_t toLong(std::int64_t v);     // KivError 6 outside the 32-bit range
float toSingle(double v);                // KivError 6 beyond the single-precision range

}  // namespace kiv::detail
