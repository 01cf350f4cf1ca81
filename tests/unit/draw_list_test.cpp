// A picture box keeps its drawing as a list of operations. Its colours must be those of a box
// that keeps pixels: the pixel image below is that box, kept here as the reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "kivdock/headless_platform.h"
#include "kivdock/kivdock.h"
#include "visuals/visuals.h"

namespace kivtest {
namespace {

// A box as a pixel image that grows and shrinks with the box on every drawing.
class PixelBox {
 public:
  // The box's size changes; the image follows at the next drawing.
  void resize(float widthTw, float heightTw) {
    width_ = widthTw;
    height_ = heightTw;
  }
  void fit() {
    const int w = pixels(width_), h = pixels(height_);
    if (w == w_ && h == h_) return;
    std::vector<std::int32_t> next(static_cast<std::size_t>(w) * h, back_);
    for (int y = 0; y < std::min(h, h_); ++y) {
      for (int x = 0; x < std::min(w, w_); ++x) next[y * w + x] = image_[y * w_ + x];
    }
    image_.swap(next);
    w_ = w;
    h_ = h;
  }
  void back(std::int32_t c) {
    back_ = c;
    std::fill(image_.begin(), image_.end(), c);
  }
  void line(float x1, float y1, float x2, float y2, std::int32_t c, bool filled) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
    fit();
    if (w_ == 0 || h_ == 0) return;
    auto plot = [&](int x, int y) {
      if (x >= 0 && y >= 0 && x < w_ && y < h_) image_[y * w_ + x] = c;
    };
    int ax = at(x1, w_), ay = at(y1, h_);
    const int bx = at(x2, w_), by = at(y2, h_);
    if (filled) {
      for (int y = std::min(ay, by); y <= std::max(ay, by); ++y) {
        for (int x = std::min(ax, bx); x <= std::max(ax, bx); ++x) plot(x, y);
      }
      return;
    }
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
  std::int32_t point(float x, float y) const {
    if (!(x >= 0 && y >= 0 && x < width_ && y < height_)) return -1;
    int px = static_cast<int>(x / 15), py = static_cast<int>(y / 15);
    if (px == w_ && pixels(width_) == w_) --px;
    if (py == h_ && pixels(height_) == h_) --py;
    if (px < 0 || py < 0 || px >= w_ || py >= h_) return back_;
    return image_[py * w_ + px];
  }

 private:
  static int pixels(float tw) { return static_cast<int>(std::nearbyint(tw / 15.0)); }
  static int at(double tw, int limit) {
    return static_cast<int>(std::clamp(std::floor(tw / 15), -1.0, static_cast<double>(limit)));
  }
  float width_ = 0, height_ = 0;
  int w_ = 0, h_ = 0;
  std::int32_t back_ = 0;
  std::vector<std::int32_t> image_;
};

struct Draw {
  float x1, y1, x2, y2;
  std::int32_t colour;
  bool filled;
};
struct Resize {
  float width, height;
};
struct Back {
  std::int32_t colour;
};
// A title gradient, painted as the dock paints it.
struct Paint {
  std::int32_t start, end;
  bool vertical;
};
using Step = std::variant<Draw, Resize, Back, Paint>;
using Steps = std::vector<Step>;

constexpr float kFar = 1e9f, kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A title's bands at a width: 61 boxes as wide as a sixtieth, or 30 lines 9 twips apart.
Steps bands(float width, bool vertical, std::int32_t shade) {
  Steps steps{Resize{width, 270}};
  for (int i = 0; i <= (vertical ? 29 : 60); ++i) {
    const std::int32_t colour = shade + i / 3;  // neighbours share colours, as in soft gradients
    if (vertical) {
      steps.push_back(Draw{0, 9.0f * i, width, 9.0f * i, colour, false});
    } else {
      const float s = width / 60;
      steps.push_back(Draw{s * i, 0, s * (i + 1), 500, colour, true});
    }
  }
  return steps;
}

Steps joined(std::initializer_list<Steps> parts) {
  Steps all;
  for (const Steps& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Runs the steps on a picture box and on the reference. Every place of the box, in steps that
// fall inside pixels and on their edges, must show the same colour.
void expectSameColours(const Steps& steps, const std::string& name) {
  kiv::PictureBox box;
  PixelBox reference;
  for (const Step& step : steps) {
    if (const auto* d = std::get_if<Draw>(&step)) {
      box.Line(d->x1, d->y1, d->x2, d->y2, d->colour, d->filled);
      reference.line(d->x1, d->y1, d->x2, d->y2, d->colour, d->filled);
    } else if (const auto* r = std::get_if<Resize>(&step)) {
      box.setWidth(r->width);
      box.setHeight(r->height);
      reference.resize(r->width, r->height);
    } else if (const auto* p = std::get_if<Paint>(&step)) {
      kiv::detail::DrawGradient(box, p->start, p->end, p->vertical);
      const kiv::visuals::Gradient g(p->start, p->end, p->vertical,
                                     static_cast<std::int32_t>(std::nearbyint(box.Width())),
                                     box.Width(), box.Height());
      for (std::size_t i = 0; i < g.count(); ++i) {
        const kiv::visuals::Band band = g.band(i);
        reference.line(band.x1, band.y1, band.x2, band.y2, band.colour, band.filled);
      }
    } else if (const auto* b = std::get_if<Back>(&step)) {
      box.setBackColor(b->colour);
      reference.back(b->colour);
    }
  }
  for (float y = -3; y < box.Height() + 20; y += 4.5f) {
    for (float x = -3; x < box.Width() + 20; x += 7.5f) {
      ASSERT_EQ(box.Point(x, y), reference.point(x, y)) << name << " at " << x << ", " << y;
    }
  }
}

TEST(DrawList, PointShowsTheColoursAPixelImageWouldShow) {
  const Resize small{150.5f, 100}, wide{600, 300};
  const std::vector<std::pair<const char*, Steps>> drawings = {
      {"nothing drawn", {small, Back{7}}},
      // Boxes with corners either way round: the random drawings.
      {"lines in every direction, last point left out",
       {wide, Draw{0, 0, 599, 299, 1, false}, Draw{599, 0, 0, 299, 2, false},
        Draw{300, 10, 300, 280, 3, false}, Draw{580, 150, 10, 150, 4, false},
        Draw{10, 290, 40, 0, 5, false}, Draw{77, 77, 77.5f, 78, 6, false},
        Draw{15, 60, 45, 60, 7, false}}},
      {"far, infinite and undefined coordinates",
       {wide, Draw{-kFar, -kFar, kFar, kFar, 1, false}, Draw{-kInf, 50, kInf, 50, 2, false},
        Draw{100, -kFar, 160, kFar, 3, true}, Draw{kNaN, 0, 10, 10, 4, true},
        Draw{300, 150, kFar, 0.5f * kFar, 5, false}, Draw{700, 0, 900, 90, 6, true}}},
      {"the last, partial pixel", {small, Draw{0, 0, 150.5f, 100, 1, true}, Resize{155, 104}}},
      {"drawn, shrunk, grown and drawn again",
       {wide, Draw{0, 0, 600, 300, 1, true}, Draw{0, 0, 600, 300, 2, false}, small,
        Draw{0, 0, 15, 15, 3, true}, wide, Draw{300, 0, 300, 300, 4, false}}},
      {"a new back colour clears the drawing",
       {wide, Draw{0, 0, 600, 300, 1, true}, Back{9}, Draw{0, 0, 300, 150, 2, false}}},
      {"bands repainted at other widths",
       joined({bands(3990, false, 100), bands(4500.5f, false, 200), bands(2000, false, 300),
               bands(2000, false, 400)})},
      {"lines repainted at other widths",
       joined({bands(3990, true, 100), bands(4500, true, 200), bands(1000, true, 300)})},
      // A paint that starts from what an earlier one started from may take over its result,
      // but one at another size or over another drawing must not.
      {"a gradient", {Resize{3000, 600}, Paint{0x000000, 0x0000FF, false}}},
      {"the gradient at another width", {Resize{4500, 600}, Paint{0x000000, 0x0000FF, false}}},
      {"the gradient over a box it covers",
       {Resize{3000, 600}, Draw{0, 0, 30, 30, 9, true}, Paint{0x000000, 0x0000FF, false}}},
      {"the gradient over a box below its bands",
       {Resize{3000, 600}, Draw{0, 520, 3000, 590, 9, true}, Paint{0x000000, 0x0000FF, false}}},
      {"gradients painted back and forth",
       {Resize{3000, 270}, Paint{0x000000, 0x0000FF, true}, Paint{0x00FF00, 0x0000FF, true},
        Paint{0x000000, 0x0000FF, true}, Resize{2000, 270}, Paint{0x000000, 0x0000FF, true},
        Resize{3000, 270}, Paint{0x00FF00, 0x0000FF, true}}},
      {"a box trimmed from every side and split in the middle",
       {wide, Draw{0, 0, 600, 300, 1, true}, Draw{0, 0, 100, 300, 2, true},
        Draw{500, 0, 600, 300, 3, true}, Draw{0, 0, 600, 40, 4, true},
        Draw{0, 260, 600, 300, 5, true}, Draw{250, 0, 300, 300, 6, true},
        Draw{0, 0, 600, 300, 7, false}}},
  };
  for (const auto& [name, steps] : drawings) expectSameColours(steps, name);

  // Random drawings on boxes that change size now and then.
  std::mt19937 random(2024);
  std::uniform_real_distribution<float> place(-300, 1200);
  for (int run = 0; run < 40; ++run) {
    Steps steps{Resize{place(random) + 400, place(random) / 2 + 200}};
    for (int i = 0; i < 40; ++i) {
      if (i % 13 == 12) steps.push_back(Resize{place(random) + 400, place(random) / 2 + 200});
      steps.push_back(
          Draw{place(random), place(random), place(random), place(random), i, random() % 2 == 0});
    }
    expectSameColours(steps, "random " + std::to_string(run));
  }
}

TEST(DrawList, RepaintedTitlesKeepShortListsAndReportOncePerPaint) {
  kiv::setPlatform(std::make_shared<kiv::HeadlessPlatform>());
  kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
  auto dock = kiv::KivDock::create();
  dock->setSize(6000, 3000);
  auto bar = dock->Bars().Add();
  bar->setTitle("Titel");
  dock->setShow(true);
  kiv::PictureBox& title = dock->elements().picTitel(static_cast<std::int16_t>(bar->Index()));

  struct Counter : kiv::ElementObserver {
    const kiv::Element* watched = nullptr;
    int drawings = 0;
    void elementChanged(kiv::Element& e, kiv::ElementProperty what) override {
      drawings += &e == watched && what == kiv::ElementProperty::Drawing;
    }
  } counter;
  counter.watched = &title;
  dock->elements().setObserver(&counter);
  for (int i = 0; i < 50; ++i) {
    bar->setTitleVertical(i % 10 == 9);
    bar->setTitleBackColorStart(0x102030 * (i % 7));
    dock->setSize(3000.0f + 37.5f * i, 3000);
    // At most one band per pixel column, or one line per pixel row.
    EXPECT_LE(title.drawing().size(), 61u);
  }
  counter.drawings = 0;
  bar->setTitleBackColorEnd(0x0000FF);  // one repaint of the title
  EXPECT_EQ(counter.drawings, 1);
  const auto before = title.Point(1000, 100);
  dock->ShowElement(9999);  // a layout pass that changes nothing the title shows
  EXPECT_EQ(counter.drawings, 1);
  EXPECT_EQ(title.Point(1000, 100), before);
  dock->elements().setObserver(nullptr);
  dock.reset();
  kiv::resetSharedServices();
}

}  // namespace
}  // namespace kivtest
