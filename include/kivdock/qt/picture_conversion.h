// Pictures of the dock (icons, mouse icons) from and to Qt images.
#pragma once

#include <QImage>
#include <memory>

#include "kivdock/qt/export.h"
#include "kivdock/types.h"

namespace kiv::qt {

// The image as a picture at 15 twips per pixel; a null image gives nullptr.
KIVDOCK_QT_EXPORT std::shared_ptr<kiv::Picture> toPicture(const QImage& image);
KIVDOCK_QT_EXPORT QImage toImage(const kiv::Picture& picture);

}  // namespace kiv::qt
