// Conversions between the dock's units and Qt's: twips and device-independent pixels, colour
// values (red in the low byte, system colours with the top bit set), fonts and mouse pointers.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/types.h"

namespace kiv {
class Element;
}

namespace kiv::qt::detail {

constexpr double kTwips = kiv::kTwipsPerPixel;

// A length in twips as whole pixels, and as exact fractional pixels.
int pixels(double twips);
inline double pixelsF(double twips) { return twips / kTwips; }
inline float twipsOf(double px) { return static_cast<float>(px * kTwips); }

// The pixel rectangle of an element in its container: edges rounded, so neighbours touch.
QRect pixelRect(float left, float top, float width, float height);

// A colour value of the dock; a system colour is taken from the palette.
QColor toQColor(std::int32_t colour, const QPalette& palette);
// The dock's colour value (0x00BBGGRR) of a Qt colour.
std::int32_t toColourValue(const QColor& colour);

// The label font; a family the system lacks falls back to a metric-compatible sans serif.
QFont toQFont(const Font& font);
QString toQString(const std::string& text);
// A user text of the dock (German, the source language) in the application's language: through
// Qt's translation in the context "KivDock", unchanged without a translation.
QString userText(const std::string& text);

// The picture as an image with straight alpha.
QImage toQImage(const Picture& picture);

// The cursor shape of a mouse pointer number; false for the default (0) and custom (99) ones.
bool cursorShape(std::int32_t pointer, Qt::CursorShape& shape);

}  // namespace kiv::qt::detail
