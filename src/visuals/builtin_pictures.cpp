#include "kivdock/builtin_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace kiv {

namespace {

struct Vec {
  double x, y;
};

// Signed distances (negative inside) of the few shapes the pictures are made of.
double circle(Vec p, Vec c, double r) { return std::hypot(p.x - c.x, p.y - c.y) - r; }

double capsule(Vec p, Vec a, Vec b, double r) {
  const double bx = b.x - a.x, by = b.y - a.y, px = p.x - a.x, py = p.y - a.y;
  const double t = std::clamp((px * bx + py * by) / (bx * bx + by * by), 0.0, 1.0);
  return std::hypot(px - bx * t, py - by * t) - r;
}

double box(Vec p, Vec lo, Vec hi, double round) {
  // Distances beyond the edges of the box shrunk by the rounding; inside, the nearest edge.
  const double qx = std::max(lo.x + round - p.x, p.x - hi.x + round);
  const double qy = std::max(lo.y + round - p.y, p.y - hi.y + round);
  return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - round;
}

// A colour as 0xAARRGGBB.
using Argb = std::uint32_t;
constexpr Argb rgb(unsigned r, unsigned g, unsigned b) {
  return 0xFF000000u | r << 16 | g << 8 | b;
}

// Picks the colour of one sample point of a picture, 0 for transparent.
using Shader = std::function<Argb(Vec)>;

Argb mix(Argb a, Argb b, double t) {
  auto ch = [&](int shift) {
    const double v = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
    return static_cast<Argb>(std::lround(v)) << shift;
  };
  return ch(24) | ch(16) | ch(8) | ch(0);
}

// Draws a picture of size design x design, sampling each output pixel 4 x 4 times.
std::shared_ptr<Picture> render(int design, int scale, const Shader& shade, bool smooth) {
  auto pic = std::make_shared<Picture>();
  pic->WidthPx = pic->HeightPx = design * scale;
  pic->Argb.assign(static_cast<std::size_t>(pic->WidthPx) * pic->HeightPx, 0);
  const int n = smooth ? 4 : 1;
  for (int y = 0; y < pic->HeightPx; ++y) {
    for (int x = 0; x < pic->WidthPx; ++x) {
      double a = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < n; ++sy) {
        for (int sx = 0; sx < n; ++sx) {
          const Vec p{(x + (sx + 0.5) / n) / scale, (y + (sy + 0.5) / n) / scale};
          const Argb c = shade(p);
          const double ca = (c >> 24) / 255.0;
          a += ca;
          r += ca * ((c >> 16) & 0xFF);
          g += ca * ((c >> 8) & 0xFF);
          b += ca * (c & 0xFF);
        }
      }
      if (a <= 0) continue;
      const auto out = [&](double v) { return static_cast<Argb>(std::lround(v / a)); };
      pic->Argb[static_cast<std::size_t>(y) * pic->WidthPx + x] =
          static_cast<Argb>(std::lround(a / (n * n) * 255)) << 24 | out(r) << 16 | out(g) << 8 |
          out(b);
    }
  }
  return pic;
}

// A round button with a light top and a dark rim.
Argb roundButton(Vec p, Argb light, Argb dark, double symbol) {
  const double d = circle(p, {8, 8}, 7.4);
  if (d > 0) return 0;
  if (symbol <= 0) return rgb(255, 255, 255);
  if (d > -1.0) return mix(dark, rgb(0, 0, 0), 0.25);
  return mix(light, dark, std::clamp(p.y / 16.0, 0.0, 1.0));
}

Argb strokeOf(double d, Argb color) { return d <= 0 ? color : 0; }

Shader shaderFor(BuiltinPicture which) {
  constexpr Argb blue = rgb(0x2B, 0x5F, 0xB8);
  switch (which) {
    case BuiltinPicture::Collapse:
      return [](Vec p) {
        return roundButton(p, rgb(0x5C, 0x9B, 0xF0), rgb(0x1D, 0x4E, 0xA8),
                           box(p, {4.2, 7.0}, {11.8, 9.0}, 0.6));
      };
    case BuiltinPicture::Expand:
      return [](Vec p) {
        const double plus =
            std::min(box(p, {4.2, 7.0}, {11.8, 9.0}, 0.6), box(p, {7.0, 4.2}, {9.0, 11.8}, 0.6));
        return roundButton(p, rgb(0x5F, 0xC8, 0x6A), rgb(0x1F, 0x7D, 0x2E), plus);
      };
    case BuiltinPicture::Close:
      return [](Vec p) {
        return strokeOf(
            std::min(capsule(p, {4, 4}, {12, 12}, 1.3), capsule(p, {12, 4}, {4, 12}, 1.3)), blue);
      };
    case BuiltinPicture::Down:
      return [](Vec p) {
        return strokeOf(
            std::min(capsule(p, {3.5, 5.5}, {8, 10}, 1.3), capsule(p, {8, 10}, {12.5, 5.5}, 1.3)),
            blue);
      };
    case BuiltinPicture::Up:
      return [](Vec p) {
        return strokeOf(
            std::min(capsule(p, {3.5, 10.5}, {8, 6}, 1.3), capsule(p, {8, 6}, {12.5, 10.5}, 1.3)),
            blue);
      };
    case BuiltinPicture::Options:
      return [](Vec p) {
        // An open-ended wrench from upper left to lower right: the jaw opens to the upper left.
        const double handle = capsule(p, {6, 6}, {13, 13}, 1.5);
        const double head = circle(p, {4.6, 4.6}, 3.7);
        const Vec q{(p.x - 4.6 + p.y - 4.6) / std::sqrt(2.0),
                    (p.x - 4.6 - (p.y - 4.6)) / std::sqrt(2.0)};
        const double slot = box({q.x, q.y}, {-9, -1.2}, {-0.4, 1.2}, 0);
        const double shape = std::max(std::min(handle, head), -slot);
        if (shape > 0) return Argb{0};
        if (shape > -0.9) return rgb(0x9A, 0x52, 0x0E);
        return mix(rgb(0xFF, 0xB0, 0x45), rgb(0xE0, 0x7A, 0x10),
                   std::clamp((p.x + p.y) / 32, 0.0, 1.0));
      };
    case BuiltinPicture::Hand:
      return [](Vec p) {
        // A pointing hand; the tip of the index finger is the hot spot at 5, 0.
        const double shape = std::min(
            {capsule(p, {5.5, 2.3}, {5.5, 15}, 2.3), capsule(p, {9.6, 11.5}, {9.6, 16}, 2.2),
             capsule(p, {13.7, 12.5}, {13.7, 17}, 2.2), capsule(p, {17.6, 13.5}, {17.6, 18}, 2.1),
             box(p, {3.2, 14}, {19.7, 26.5}, 3.0), capsule(p, {1.6, 16.5}, {4.6, 21.5}, 2.0)});
        if (shape > 0) return Argb{0};
        return shape > -1.1 ? rgb(0, 0, 0) : rgb(255, 255, 255);
      };
  }
  return [](Vec) { return Argb{0}; };
}

int designSize(BuiltinPicture which) { return which == BuiltinPicture::Hand ? 32 : 16; }

constexpr std::array<BuiltinPicture, 7> kAll = {
    BuiltinPicture::Collapse, BuiltinPicture::Expand,  BuiltinPicture::Close, BuiltinPicture::Up,
    BuiltinPicture::Down,     BuiltinPicture::Options, BuiltinPicture::Hand};

}  // namespace

std::shared_ptr<Picture> renderBuiltinPicture(BuiltinPicture which, int scale) {
  scale = std::clamp(scale, 1, 16);
  // The cursor is two-coloured; the buttons are smoothed at their edges.
  auto pic = render(designSize(which), scale, shaderFor(which), which != BuiltinPicture::Hand);
  if (which == BuiltinPicture::Hand) {
    pic->HotSpotX = 5 * scale;
    pic->HotSpotY = 0;
  }
  return pic;
}

std::shared_ptr<Picture> builtinPicture(BuiltinPicture which) {
  static std::array<std::shared_ptr<Picture>, kAll.size()> cache;
  auto& slot = cache[static_cast<std::size_t>(which)];
  if (!slot) slot = renderBuiltinPicture(which, 1);
  return slot;
}

bool isBuiltinPicture(const Picture* picture, BuiltinPicture& which) {
  if (!picture) return false;
  for (BuiltinPicture b : kAll) {
    if (builtinPicture(b).get() == picture) {
      which = b;
      return true;
    }
  }
  return false;
}

}  // namespace kiv
