// The title gradient: its bands worked out from the two colours, then painted as one paint.
#include "platform/failure.h"
#include "platform/whole_number.h"
#include "visuals/visuals.h"

namespace kiv::visuals {

Gradient::Gradient(std::int32_t c1, std::int32_t c2, bool vertical, std::int32_t width,
                   float scaleWidth, float scaleHeight)
    : c1_(c1), vertical_(vertical), width_(static_cast<float>(width)) {
  const int n = vertical ? 30 : 60;
  s_ = vertical ? scaleHeight / 30 : scaleWidth / 60;
  dR_ = static_cast<float>(static_cast<double>((c1 & 0xFF) - (c2 & 0xFF)) / n);
  dG_ = static_cast<float>(static_cast<double>((c1 & 0xFF00) - (c2 & 0xFF00)) / n);
  dB_ = static_cast<float>(static_cast<double>((c1 & 0xFF0000) - (c2 & 0xFF0000)) / n);
}

Band Gradient::band(std::size_t index) const {
  const int i = static_cast<int>(index);
  const std::int32_t colour = (detail::wholeLong(c1_ - static_cast<double>(dR_) * i) & 0xFF) |
                              (detail::wholeLong(c1_ - static_cast<double>(dG_) * i) & 0xFF00) |
                              (detail::wholeLong(c1_ - static_cast<double>(dB_) * i) & 0xFF0000);
  if (vertical_) return {0, s_ * i, width_, s_ * i, colour, false};
  return {s_ * i, 0, s_ * (i + 1), 500, colour, true};
}

}  // namespace kiv::visuals

namespace kiv::detail {

void DrawGradient(PictureBox& box, std::int32_t c1, std::int32_t c2, bool vertical) {
  // The bands are one paint: the box reports its new drawing once, at the end. A box that still
  // shows this gradient at its size is left as it is.
  const PictureBox::PaintInputs inputs{static_cast<std::uint64_t>(static_cast<std::uint32_t>(c1))
                                               << 32 |
                                           static_cast<std::uint32_t>(c2),
                                       vertical ? 1u : 0u};
  const PictureBox::PaintScope paint(box, inputs);
  if (paint.done()) return;
  std::int32_t w = 0;
  ignoreFailure([&] { w = wholeLong(box.Width()); });
  const visuals::Gradient g(c1, c2, vertical, w, box.ScaleWidth(), box.ScaleHeight());
  for (std::size_t i = 0; i < g.count(); ++i) {
    const visuals::Band b = g.band(i);
    ignoreFailure([&] { box.Line(b.x1, b.y1, b.x2, b.y2, b.colour, b.filled); });
  }
}

}  // namespace kiv::detail
