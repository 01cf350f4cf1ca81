// Bar icons from Qt. The bar's Icon becomes a picture of the icon's size in logical pixels,
// which the dock lays out; the Qt backend draws the icon itself at the screen's pixel ratio, so
// it stays sharp on any screen.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <memory>

#include "kivdock/bar.h"
#include "kivdock/qt/export.h"

namespace kiv::qt {

// Gives the bar the icon at `size` logical pixels. A null icon or an empty size clears the bar's
// icon.
KIVDOCK_QT_EXPORT void setIcon(kiv::cKivBar& bar, const QIcon& icon, QSize size = QSize(16, 16));
// Gives the bar the pixmap, at its device-independent size, whatever its device pixel ratio.
KIVDOCK_QT_EXPORT void setIcon(kiv::cKivBar& bar, const QPixmap& pixmap);

// A picture that stands for the icon: the icon drawn at 1x, remembered with the icon as long as
// the picture lives. Null for a null icon or an empty size.
KIVDOCK_QT_EXPORT std::shared_ptr<kiv::Picture> iconPicture(const QIcon& icon, QSize size);
// The icon a picture stands for, drawn at the ratio; a null pixmap for any other picture.
KIVDOCK_QT_EXPORT QPixmap iconPixmap(const kiv::Picture& picture, qreal devicePixelRatio);

}  // namespace kiv::qt
