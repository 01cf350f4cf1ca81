#include "visuals/gradient.h"

#include "platform/failure.h"
#include "platform/whole_number.h"

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
  const int n = vertical ? 30 : 60;
  std::int32_t w = 0;
  ignoreFailure([&] { w = wholeLong(box.Width()); });
  const float s = vertical ? box.ScaleHeight() / 30 : box.ScaleWidth() / 60;
  const float dR = static_cast<float>(static_cast<double>((c1 & 0xFF) - (c2 & 0xFF)) / n);
  const float dG = static_cast<float>(static_cast<double>((c1 & 0xFF00) - (c2 & 0xFF00)) / n);
  const float dB = static_cast<float>(static_cast<double>((c1 & 0xFF0000) - (c2 & 0xFF0000)) / n);
  auto colour = [&](int i) {
    return (wholeLong(c1 - static_cast<double>(dR) * i) & 0xFF) |
           (wholeLong(c1 - static_cast<double>(dG) * i) & 0xFF00) |
           (wholeLong(c1 - static_cast<double>(dB) * i) & 0xFF0000);
  };
  if (vertical) {
    for (int i = 0; i <= 29; ++i) {
      ignoreFailure([&] { box.Line(0, s * i, static_cast<float>(w), s * i, colour(i), false); });
    }
  } else {
    for (int i = 0; i <= 60; ++i) {
      ignoreFailure([&] { box.Line(s * i, 0, s * (i + 1), 500, colour(i), true); });
    }
  }
}

}  // namespace kiv::detail
