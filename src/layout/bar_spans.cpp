// Where a bar stands across the usable width.
#include "kivdock/types.h"
#include "layout/engine.h"
#include "platform/whole_number.h"

namespace kiv::layout {

std::optional<Span> barSpan(bool scrollMode, std::int32_t align, std::int32_t w) {
  if (!scrollMode) return Span{30, w};
  switch (align) {
    case eAlignTop:
    case eAlignBottom:
      return Span{30, w};
    case eAlignLeft:
      return Span{30, detail::wholeLong(w / 2.0 - 45)};
    case eAlignRight:
      return Span{detail::wholeLong(w / 2.0 + 45), detail::wholeLong(w / 2.0 - 30)};
    default:
      return std::nullopt;
  }
}

}  // namespace kiv::layout
