#include "conversions.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <cstring>

namespace kiv::qt::detail {

int pixels(double twips) { return static_cast<int>(std::lround(twips / kTwips)); }

QRect pixelRect(float left, float top, float width, float height) {
  const int x = pixels(left), y = pixels(top);
  const int right = pixels(static_cast<double>(left) + width);
  const int bottom = pixels(static_cast<double>(top) + height);
  return QRect(x, y, std::max(0, right - x), std::max(0, bottom - y));
}

namespace {
// The roles that stand in for the platform's numbered system colours.
QPalette::ColorRole systemRole(int number) {
  switch (number) {
    case 2:
    case 13:
      return QPalette::Highlight;
    case 3:
    case 10:
    case 11:
      return QPalette::Mid;
    case 5:
      return QPalette::Base;
    case 6:
    case 21:
      return QPalette::Shadow;
    case 7:
    case 8:
    case 19:
      return QPalette::Text;
    case 9:
    case 14:
      return QPalette::HighlightedText;
    case 12:
    case 16:
      return QPalette::Dark;
    case 15:
    case 0:
      return QPalette::Button;
    case 17:
      return QPalette::PlaceholderText;
    case 18:
      return QPalette::ButtonText;
    case 20:
      return QPalette::Light;
    case 22:
      return QPalette::Midlight;
    case 23:
      return QPalette::ToolTipText;
    case 24:
      return QPalette::ToolTipBase;
    default:
      return QPalette::Window;
  }
}
}  // namespace

QColor toQColor(std::int32_t colour, const QPalette& palette) {
  const auto value = static_cast<std::uint32_t>(colour);
  if (value & 0x80000000u) return palette.color(systemRole(static_cast<int>(value & 0xFFu)));
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

std::int32_t toColourValue(const QColor& colour) {
  const QColor c = colour.toRgb();
  return c.red() | c.green() << 8 | c.blue() << 16;
}

QString toQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString userText(const std::string& text) {
  return text.empty() ? QString() : QCoreApplication::translate("KivDock", text.c_str());
}

QFont toQFont(const Font& font) {
  QFont f;
  QStringList families;
  if (!font.Name.empty()) families << toQString(font.Name);
  // Metric-compatible stand-ins first, so captions keep the width they were designed with.
  families << "Liberation Sans"
           << "Arimo"
           << "Helvetica"
           << "DejaVu Sans";
  f.setFamilies(families);
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(font.Size > 0 ? static_cast<double>(font.Size) : 9.0);
  f.setBold(font.Bold);
  f.setItalic(font.Italic);
  f.setUnderline(font.Underline);
  return f;
}

QImage toQImage(const Picture& picture) {
  if (picture.WidthPx <= 0 || picture.HeightPx <= 0 ||
      picture.Argb.size() < static_cast<std::size_t>(picture.WidthPx) * picture.HeightPx) {
    return QImage();
  }
  QImage image(picture.WidthPx, picture.HeightPx, QImage::Format_ARGB32);
  for (int y = 0; y < picture.HeightPx; ++y) {
    std::memcpy(image.scanLine(y),
                picture.Argb.data() + static_cast<std::size_t>(y) * picture.WidthPx,
                static_cast<std::size_t>(picture.WidthPx) * 4);
  }
  return image;
}

bool cursorShape(std::int32_t pointer, Qt::CursorShape& shape) {
  switch (pointer) {
    case 1:
      shape = Qt::ArrowCursor;
      return true;
    case 2:
      shape = Qt::CrossCursor;
      return true;
    case 3:
      shape = Qt::IBeamCursor;
      return true;
    case 5:
    case 15:
      shape = Qt::SizeAllCursor;
      return true;
    case 6:
      shape = Qt::SizeBDiagCursor;
      return true;
    case 7:
      shape = Qt::SizeVerCursor;
      return true;
    case 8:
      shape = Qt::SizeFDiagCursor;
      return true;
    case 9:
      shape = Qt::SizeHorCursor;
      return true;
    case 10:
      shape = Qt::UpArrowCursor;
      return true;
    case 11:
      shape = Qt::WaitCursor;
      return true;
    case 12:
      shape = Qt::ForbiddenCursor;
      return true;
    case 13:
      shape = Qt::BusyCursor;
      return true;
    case 14:
      shape = Qt::WhatsThisCursor;
      return true;
    default:
      return false;
  }
}

}  // namespace kiv::qt::detail
