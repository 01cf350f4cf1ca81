#include "kivdock/qt/picture_conversion.h"

#include <cstring>

#include "conversions.h"

namespace kiv::qt {

std::shared_ptr<kiv::Picture> toPicture(const QImage& image) {
  if (image.isNull()) return nullptr;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  auto picture = std::make_shared<kiv::Picture>();
  picture->WidthPx = argb.width();
  picture->HeightPx = argb.height();
  picture->Argb.resize(static_cast<std::size_t>(argb.width()) * argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    std::memcpy(picture->Argb.data() + static_cast<std::size_t>(y) * argb.width(),
                argb.constScanLine(y), static_cast<std::size_t>(argb.width()) * 4);
  }
  return picture;
}

QImage toImage(const kiv::Picture& picture) { return detail::toQImage(picture); }

}  // namespace kiv::qt
