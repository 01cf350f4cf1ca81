#include "platform/draw_list.h"

#include <algorithm>
#include <cmath>

#include "kivdock/types.h"

namespace kiv::detail {

namespace {

using Op = PictureBox::DrawOp;

constexpr double kFarPx = 1 << 16;  // beyond any box: keeps far-away values in integer range

PixelRect clipped(PixelRect r, const Op& op) {
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, static_cast<int>(op.clipWidthPx) - 1);
  r.bottom = std::min(r.bottom, static_cast<int>(op.clipHeightPx) - 1);
  return r;
}

// Stores the pixels an operation covers in it.
void keep(Op& op, const PixelRect& r) {
  auto small = [](int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); };
  op.left = small(r.left);
  op.top = small(r.top);
  op.right = small(r.right);
  op.bottom = small(r.bottom);
}

// The pixels an operation covers, from the pixels of its corners.
PixelRect pixelsOf(const Op& op, int ax, int ay, int bx, int by) {
  PixelRect r{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
  if (!op.filledBox) {
    // A line leaves out its last point.
    if (ax == bx && ay == by) return PixelRect{};
    if (ay == by && ax < bx) r.right = bx - 1;
    if (ay == by && ax > bx) r.left = bx + 1;
    if (ax == bx && ay < by) r.bottom = by - 1;
    if (ax == bx && ay > by) r.top = by + 1;
  }
  return clipped(r, op);
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

float edgeTwips(int px) { return static_cast<float>(px * kTwipsPerPixel); }

bool overlap(const PixelRect& a, const PixelRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// A horizontal or vertical line as the filled box of the same pixels, so that it can be trimmed.
void makeBox(Op& line) {
  const PixelRect r = extentOf(line);
  line.x1 = edgeTwips(r.left);
  line.y1 = edgeTwips(r.top);
  line.x2 = edgeTwips(r.right);
  line.y2 = edgeTwips(r.bottom);
  line.filledBox = true;
}

// Trims a filled box whose pixels `cover` reaches across from one side; false if none is left.
bool trimBox(Op& op, const PixelRect& cover) {
  const PixelRect own = extentOf(op);
  if (inside(own, cover)) return false;
  if (!overlap(own, cover)) return true;
  float& lowX = op.x1 <= op.x2 ? op.x1 : op.x2;
  float& highX = op.x1 <= op.x2 ? op.x2 : op.x1;
  float& lowY = op.y1 <= op.y2 ? op.y1 : op.y2;
  float& highY = op.y1 <= op.y2 ? op.y2 : op.y1;
  PixelRect left = own;
  if (cover.top <= own.top && cover.bottom >= own.bottom) {
    if (cover.left <= own.left) lowX = edgeTwips(left.left = cover.right + 1);
    if (cover.right >= own.right) highX = edgeTwips(left.right = cover.left - 1);
  } else if (cover.left <= own.left && cover.right >= own.right) {
    if (cover.top <= own.top) lowY = edgeTwips(left.top = cover.bottom + 1);
    if (cover.bottom >= own.bottom) highY = edgeTwips(left.bottom = cover.top - 1);
  }
  keep(op, left);
  return true;
}

// Joins a filled box to the previous one when together they are one rectangle of one colour.
bool joined(Op& previous, const Op& next) {
  if (!previous.filledBox || !next.filledBox || previous.color != next.color ||
      previous.clipWidthPx != next.clipWidthPx || previous.clipHeightPx != next.clipHeightPx) {
    return false;
  }
  const PixelRect a = extentOf(previous), b = extentOf(next);
  const bool sameRows = a.top == b.top && a.bottom == b.bottom;
  if (!sameRows || b.left > a.right + 1 || b.right < a.left - 1) return false;
  const float lowX = std::min(std::min(std::min(previous.x1, previous.x2), next.x1), next.x2);
  const float highX = std::max(std::max(std::max(previous.x1, previous.x2), next.x1), next.x2);
  previous.x1 = lowX;
  previous.x2 = highX;
  keep(previous, PixelRect{std::min(a.left, b.left), a.top, std::max(a.right, b.right), a.bottom});
  return true;
}

}  // namespace

int pixelOf(float twips) {
  const double px = std::floor(static_cast<double>(twips) / kTwipsPerPixel);
  return static_cast<int>(std::clamp(px, -kFarPx, kFarPx));
}

PixelRect extentOf(const Op& op) { return PixelRect{op.left, op.top, op.right, op.bottom}; }

bool isSolid(const Op& op) {
  return op.filledBox || pixelOf(op.x1) == pixelOf(op.x2) || pixelOf(op.y1) == pixelOf(op.y2);
}

bool covers(const Op& op, int px, int py) {
  const PixelRect r = extentOf(op);
  if (px < r.left || px > r.right || py < r.top || py > r.bottom) return false;
  if (isSolid(op)) return true;
  int ax = pixelOf(op.x1), ay = pixelOf(op.y1);
  const int bx = pixelOf(op.x2), by = pixelOf(op.y2);
  const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
  const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
  int err = dx + dy;
  while (ax != bx || ay != by) {
    if (ax == px && ay == py) return true;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, ax += sx;
    if (e2 <= dx) err += dx, ay += sy;
  }
  return false;
}

Op makeOp(float x1, float y1, float x2, float y2, std::int32_t color, bool filledBox, int widthPx,
          int heightPx) {
  // Far-away corners are kept just beyond the box, as whole pixels, so lines keep their slope.
  auto near = [](float& twips, int limitPx) {
    const int px = pixelOf(twips);
    if (px >= -1 && px <= limitPx) return px;
    const int kept = px < -1 ? -1 : limitPx;
    twips = edgeTwips(kept);
    return kept;
  };
  Op op{};
  const int ax = near(x1, widthPx), ay = near(y1, heightPx);
  const int bx = near(x2, widthPx), by = near(y2, heightPx);
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.color = color;
  op.clipWidthPx = static_cast<std::uint16_t>(widthPx);
  op.clipHeightPx = static_cast<std::uint16_t>(heightPx);
  op.filledBox = filledBox;
  keep(op, pixelsOf(op, ax, ay, bx, by));
  return op;
}

void appendOp(std::vector<Op>& list, const Op& op) {
  const PixelRect extent = extentOf(op);
  if (extent.empty()) return;
  if (isSolid(op)) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
      Op& earlier = list[i];
      if (earlier.left <= extent.right && extent.left <= earlier.right &&
          earlier.top <= extent.bottom && extent.top <= earlier.bottom) {
        if (!earlier.filledBox && isSolid(earlier)) makeBox(earlier);
        const bool gone =
            earlier.filledBox ? !trimBox(earlier, extent) : inside(extentOf(earlier), extent);
        if (gone) continue;
      }
      if (kept != i) list[kept] = earlier;
      ++kept;
    }
    list.resize(kept);
  }
  if (!list.empty() && joined(list.back(), op)) return;
  list.push_back(op);
}

void clipOps(std::vector<Op>& list, int widthPx, int heightPx) {
  std::size_t kept = 0;
  for (Op& op : list) {
    op.clipWidthPx = static_cast<std::uint16_t>(std::min<int>(op.clipWidthPx, widthPx));
    op.clipHeightPx = static_cast<std::uint16_t>(std::min<int>(op.clipHeightPx, heightPx));
    // The pixels kept so far are within the old clip, so the new clip only cuts them.
    PixelRect r = extentOf(op);
    r.right = std::min(r.right, widthPx - 1);
    r.bottom = std::min(r.bottom, heightPx - 1);
    if (r.empty()) continue;
    keep(op, r);
    list[kept++] = op;
  }
  list.resize(kept);
}

}  // namespace kiv::detail
