// How the dock follows the application's look: the title glyphs and the splitter line take
// palette colours that stand out from what lies behind them (at least 3:1 where the palette has
// one), and captions are cut with an ellipsis at their label's edge.
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPointF>

namespace kiv::qt::detail {

// The contrast ratio of two colours, 1 to 21, as for legible text.
double contrast(const QColor& a, const QColor& b);
// The ink of a built-in button glyph on `behind`.
QColor glyphInk(const QColor& behind, const QPalette& palette);
// The colour of a splitter line on `behind`.
QColor splitterInk(const QColor& behind, const QPalette& palette);
// The colour of `image` at a point in logical pixels (the image may have a device pixel ratio),
// or `fallback` where the image has none.
QColor colourAt(const QImage& image, const QPointF& point, const QColor& fallback);
// The glyph in `ink`: its light inner parts take the colour behind, so the symbol keeps its shape.
QImage inkedGlyph(const QImage& glyph, const QColor& ink, const QColor& behind);

}  // namespace kiv::qt::detail
