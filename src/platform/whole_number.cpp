#include "platform/whole_number.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/errors.h"

namespace kiv::detail {

std::int32_t wholeLong(double v) {
  const double r = std::nearbyint(v);  // the default rounding mode sends halves to even
  if (!(r >= std::numeric_limits<std::int32_t>::min() &&
        r <= std::numeric_limits<std::int32_t>::max())) {
    throw errors::overflow();
  }
  return static_cast<std::int32_t>(r);
}

std::int16_t toInteger(std::int64_t v) {
  if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
    throw errors::overflow();
  return static_cast<std::int16_t>(v);
}

std::int32_t toLong(std::int64_t v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw errors::overflow();
  return static_cast<std::int32_t>(v);
}

float toSingle(double v) {
  if (std::isnan(v) || std::fabs(v) > FLT_MAX) throw errors::overflow();
  return static_cast<float>(v);
}

}  // namespace kiv::detail
