// Pictures of the dock (icons, mouse icons) from and to Qt images.
#pragma once

#include <QImage>
#include <memory>

#include "kivdock/types.h"

namespace kiv::qt {

// The image as a picture at 15 twips per pixel; a null image gives nullptr.
std::shared_ptr<kiv::Picture> toPicture(const QImage& image);
QImage toImage(const kiv::Picture& picture);

}  // namespace kiv::qt
