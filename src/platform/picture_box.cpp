#include "kivdock/picture_box.h"

#include <algorithm>
#include <cmath>

#include "kivdock/elements.h"
#include "kivdock/platform.h"
#include "platform/failure.h"

namespace kiv {

namespace {
constexpr int kMaxImagePx = 8192;  // larger boxes keep their back colour beyond this

// A box covers whole pixels: its size in pixels is the nearest whole number.
int pixelsFor(float twips) {
  const double px = std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel);
  return static_cast<int>(std::clamp(px, 0.0, static_cast<double>(kMaxImagePx)));
}

// Pixel column or row of a coordinate, clamped to -1..limit so that far-away points stay cheap.
int pixelAt(double twips, int limit) {
  const double px = std::floor(twips / kTwipsPerPixel);
  return static_cast<int>(std::clamp(px, -1.0, static_cast<double>(limit)));
}
}  // namespace

PictureBox::PictureBox() : Element(ElementKind::PictureBox) {}

PictureBox::PictureBox(const PictureBox& other)
    : Element(other), backColor_(other.backColor_), font_(other.font_) {}

PictureBox::~PictureBox() {
  if (hWnd_ && owner() && owner()->elementPlatform()) {
    detail::ignoreFailure([&] { owner()->elementPlatform()->DestroyElementWindow(hWnd_); });
  }
}

std::unique_ptr<Element> PictureBox::clone() const {
  return std::unique_ptr<Element>(new PictureBox(*this));
}

void PictureBox::containerChanged() {
  if (hWnd_ && owner() && owner()->elementPlatform()) {
    owner()->elementPlatform()->SetParent(hWnd_, owner()->containerWindow(*this));
  }
}

void PictureBox::setBackColor(std::int32_t color) {
  if (color == backColor_ && image_.empty()) return;
  backColor_ = color;
  std::fill(image_.begin(), image_.end(), color);
  changed(ElementProperty::BackColor);
}

void PictureBox::setFont(const Font& f) {
  font_ = f;
  changed(ElementProperty::Font);
}

void PictureBox::ZOrder() {
  raiseZ();
  changed(ElementProperty::ZOrder);
}

void PictureBox::fitImage() {
  const int w = pixelsFor(Width()), h = pixelsFor(Height());
  if (w == imageW_ && h == imageH_) return;
  std::vector<std::int32_t> next(static_cast<std::size_t>(w) * h, backColor_);
  for (int y = 0; y < std::min(h, imageH_); ++y) {
    std::copy_n(image_.begin() + static_cast<std::ptrdiff_t>(y) * imageW_, std::min(w, imageW_),
                next.begin() + static_cast<std::ptrdiff_t>(y) * w);
  }
  image_.swap(next);
  imageW_ = w;
  imageH_ = h;
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::int32_t color, bool filledBox) {
  if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
  fitImage();
  if (imageW_ == 0 || imageH_ == 0) return;
  auto plot = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < imageW_ && y < imageH_)
      image_[static_cast<std::size_t>(y) * imageW_ + x] = color;
  };
  int ax = pixelAt(x1, imageW_), ay = pixelAt(y1, imageH_);
  int bx = pixelAt(x2, imageW_), by = pixelAt(y2, imageH_);
  if (filledBox) {
    const int left = std::max(std::min(ax, bx), 0), right = std::min(std::max(ax, bx), imageW_ - 1);
    const int top = std::max(std::min(ay, by), 0), bottom = std::min(std::max(ay, by), imageH_ - 1);
    for (int y = top; y <= bottom; ++y) {
      auto row = image_.begin() + static_cast<std::ptrdiff_t>(y) * imageW_;
      std::fill(row + left, row + right + 1, color);
    }
  } else {
    // A line leaves out its last point, as the platform's line drawing does.
    const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    while (ax != bx || ay != by) {
      plot(ax, ay);
      const int e2 = 2 * err;
      if (e2 >= dy) err += dy, ax += sx;
      if (e2 <= dx) err += dx, ay += sy;
    }
  }
  changed(ElementProperty::Drawing);
}

std::int32_t PictureBox::Point(float x, float y) const {
  if (!(x >= 0 && y >= 0 && x < Width() && y < Height())) return -1;
  int px = static_cast<int>(x / kTwipsPerPixel), py = static_cast<int>(y / kTwipsPerPixel);
  // A point in the box's last, partial pixel shows that pixel.
  if (px == imageW_ && pixelsFor(Width()) == imageW_) --px;
  if (py == imageH_ && pixelsFor(Height()) == imageH_) --py;
  if (px < 0 || py < 0 || px >= imageW_ || py >= imageH_) return backColor_;
  return image_[static_cast<std::size_t>(py) * imageW_ + px];
}

}  // namespace kiv
