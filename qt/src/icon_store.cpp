// The icons given through Qt, kept with the pictures that stand for them in the dock. Everything
// runs on the GUI thread; an entry goes once its picture is released.
#include <QCoreApplication>
#include <QPainter>
#include <cmath>
#include <unordered_map>

#include "kivdock/qt/icons.h"
#include "kivdock/qt/picture_conversion.h"

namespace kiv::qt {

namespace {

struct StoredIcon {
  std::weak_ptr<kiv::Picture> picture;
  QIcon icon;
  QPixmap drawn;  // the last pixmap handed out, at drawnRatio
  qreal drawnRatio = 0;
};

std::unordered_map<const kiv::Picture*, StoredIcon>& store() {
  static std::unordered_map<const kiv::Picture*, StoredIcon> icons;
  return icons;
}

// The icons and pixmaps go with the application, not after it.
void clearStore() { store().clear(); }

void forgetReleased() {
  auto& icons = store();
  for (auto it = icons.begin(); it != icons.end();) {
    it = it->second.picture.expired() ? icons.erase(it) : std::next(it);
  }
}

}  // namespace

std::shared_ptr<kiv::Picture> iconPicture(const QIcon& icon, QSize size) {
  if (icon.isNull() || size.isEmpty()) return nullptr;
  QImage image = icon.pixmap(size, 1.0).toImage();
  if (image.size() != size) {
    // An icon with no image of this size is drawn into one, so the picture has the size asked.
    QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    QPainter painter(&fitted);
    icon.paint(&painter, QRect(QPoint(0, 0), size));
    painter.end();
    image = fitted;
  }
  auto picture = toPicture(image);
  forgetReleased();
  static const bool cleared = [] {
    if (QCoreApplication::instance()) qAddPostRoutine(clearStore);
    return true;
  }();
  (void)cleared;
  store()[picture.get()] = StoredIcon{picture, icon, QPixmap(), 0};
  return picture;
}

QPixmap iconPixmap(const kiv::Picture& picture, qreal devicePixelRatio) {
  auto& icons = store();
  const auto it = icons.find(&picture);
  if (it == icons.end() || it->second.picture.expired()) return QPixmap();
  StoredIcon& stored = it->second;
  if (stored.drawnRatio != devicePixelRatio || stored.drawn.isNull()) {
    const QSize size(picture.WidthPx, picture.HeightPx);
    QPixmap drawn(size * devicePixelRatio);
    drawn.setDevicePixelRatio(devicePixelRatio);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    stored.icon.paint(&painter, QRect(QPoint(0, 0), size));
    painter.end();
    stored.drawn = drawn;
    stored.drawnRatio = devicePixelRatio;
  }
  return stored.drawn;
}

void setIcon(kiv::cKivBar& bar, const QIcon& icon, QSize size) {
  bar.setIcon(iconPicture(icon, size));
}

void setIcon(kiv::cKivBar& bar, const QPixmap& pixmap) {
  if (pixmap.isNull()) {
    bar.setIcon(nullptr);
    return;
  }
  const QSizeF logical = pixmap.deviceIndependentSize();
  const QSize size(static_cast<int>(std::lround(logical.width())),
                   static_cast<int>(std::lround(logical.height())));
  setIcon(bar, QIcon(pixmap), size);
}

}  // namespace kiv::qt
