// The title gradient: its bands worked out from the two colours, then painted as one paint.
#include "platform/failure.h"
#include "platform/whole_number.h"
#include "visuals/visuals.h"

namespace kiv::visuals {

Gradient gradient(std::int32_t c1, std::int32_t c2, bool vertical, std::int32_t width,
                  float scaleWidth, float scaleHeight) {
  const int n = vertical ? 30 : 60;
  const float s = vertical ? scaleHeight / 30 : scaleWidth / 60;
  const float dR = static_cast<float>(static_cast<double>((c1 & 0xFF) - (c2 & 0xFF)) / n);
  const float dG = static_cast<float>(static_cast<double>((c1 & 0xFF00) - (c2 & 0xFF00)) / n);
  const float dB = static_cast<float>(static_cast<double>((c1 & 0xFF0000) - (c2 & 0xFF0000)) / n);
  auto colour = [&](int i) {
    return (detail::wholeLong(c1 - static_cast<double>(dR) * i) & 0xFF) |
           (detail::wholeLong(c1 - static_cast<double>(dG) * i) & 0xFF00) |
           (detail::wholeLong(c1 - static_cast<double>(dB) * i) & 0xFF0000);
  };
  Gradient g;
  if (vertical) {
    for (int i = 0; i <= 29; ++i) {
      g.bands[g.count++] = {0, s * i, static_cast<float>(width), s * i, colour(i), false};
    }
  } else {
    for (int i = 0; i <= 60; ++i)
      g.bands[g.count++] = {s * i, 0, s * (i + 1), 500, colour(i), true};
  }
  return g;
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
  const visuals::Gradient g =
      visuals::gradient(c1, c2, vertical, w, box.ScaleWidth(), box.ScaleHeight());
  for (std::size_t i = 0; i < g.count; ++i) {
    const visuals::Band& b = g.bands[i];
    ignoreFailure([&] { box.Line(b.x1, b.y1, b.x2, b.y2, b.colour, b.filled); });
  }
}

}  // namespace kiv::detail
