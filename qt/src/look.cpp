#include "look.h"

#include <cmath>
#include <initializer_list>

namespace kiv::qt::detail {

namespace {

double channel(int v) {
  const double c = v / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
  const QColor rgb = c.toRgb();
  return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

// The first role that reaches 3:1 on `behind`, else the one that comes closest.
QColor firstLegible(const QColor& behind, const QPalette& palette,
                    std::initializer_list<QPalette::ColorRole> roles) {
  QColor best;
  double bestRatio = 0;
  for (QPalette::ColorRole role : roles) {
    const QColor c = palette.color(role);
    const double ratio = contrast(c, behind);
    if (ratio >= 3.0) return c;
    if (ratio > bestRatio) best = c, bestRatio = ratio;
  }
  return best;
}

}  // namespace

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor glyphInk(const QColor& behind, const QPalette& palette) {
  return firstLegible(behind, palette,
                      {QPalette::Highlight, QPalette::WindowText, QPalette::HighlightedText,
                       QPalette::ButtonText, QPalette::Base});
}

QColor splitterInk(const QColor& behind, const QPalette& palette) {
  return firstLegible(behind, palette,
                      {QPalette::Dark, QPalette::Shadow, QPalette::Light, QPalette::WindowText});
}

QImage inkedGlyph(const QImage& glyph, const QColor& ink, const QColor& behind) {
  QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = line[x];
      if (qAlpha(p) == 0) continue;
      const QColor& to = qGray(p) > 200 ? behind : ink;
      line[x] = qRgba(to.red(), to.green(), to.blue(), qAlpha(p));
    }
  }
  return out;
}

QColor colourAt(const QImage& image, const QPointF& point, const QColor& fallback) {
  const qreal ratio = image.devicePixelRatio();
  const QPoint pixel(static_cast<int>(point.x() * ratio), static_cast<int>(point.y() * ratio));
  return image.valid(pixel) ? image.pixelColor(pixel) : fallback;
}

}  // namespace kiv::qt::detail
