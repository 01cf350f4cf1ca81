#include "kivdock/picture_box.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "kivdock/elements.h"
#include "kivdock/platform.h"
#include "platform/draw_list.h"
#include "platform/failure.h"
#include "platform/paint_memo.h"

namespace kiv {

namespace {
constexpr int kMaxImagePx = 8192;  // larger boxes keep their back colour beyond this

// A box covers whole pixels: its size in pixels is the nearest whole number.
int pixelsFor(float twips) {
  const double px = std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel);
  return static_cast<int>(std::clamp(px, 0.0, static_cast<double>(kMaxImagePx)));
}
}  // namespace

PictureBox::PaintScope::PaintScope(PictureBox& box) : box_(box) { ++box_.paintDepth_; }

PictureBox::PaintScope::PaintScope(PictureBox& box, const PaintInputs& inputs) : box_(box) {
  // Inside another paint, this one is part of it and draws as that paint does.
  if (box_.paintDepth_++ > 0) return;
  done_ = box.lastPaintShown_ && box.lastPaint_ == inputs && box.lastPaintW_ == box.Width() &&
          box.lastPaintH_ == box.Height();
  if (done_) return;
  // Whatever this paint draws is what these inputs give, unless something else draws as well.
  box.lastPaint_ = inputs;
  box.lastPaintW_ = box.Width();
  box.lastPaintH_ = box.Height();
  box.lastPaintShown_ = false;
  box.repeatablePaint_ = true;
  const detail::PaintStart start{inputs,      box.lastPaintW_, box.lastPaintH_,
                                 box.drawnW_, box.drawnH_,     &box.drawing_};
  if (const detail::PaintResult* known = detail::rememberedPaint(start)) {
    box.drawing_.assign(known->drawing.begin(), known->drawing.end());
    box.drawnW_ = known->drawnW;
    box.drawnH_ = known->drawnH;
    if (known->drew) box.paintChanged_ = true;
    done_ = true;
    return;
  }
  if (std::uncaught_exceptions() == 0) record_ = detail::beginPaint(start);
}

PictureBox::PaintScope::~PaintScope() {
  if (--box_.paintDepth_ > 0) return;
  // A paint that ran through at the size it started at is remembered for the next one alike.
  if (record_ && std::uncaught_exceptions() == 0 && box_.lastPaintW_ == box_.Width() &&
      box_.lastPaintH_ == box_.Height()) {
    detail::keepPaint(record_, box_.drawing_, box_.drawnW_, box_.drawnH_, box_.paintChanged_);
  }
  if (box_.repeatablePaint_) box_.lastPaintShown_ = true;
  box_.repeatablePaint_ = false;
  if (!box_.paintChanged_) return;
  box_.paintChanged_ = false;
  // A failing observer must not escape a destructor.
  detail::ignoreFailure([&] { box_.changed(ElementProperty::Drawing); });
}

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
  if (color == backColor_ && drawing_.empty()) return;
  backColor_ = color;
  lastPaintShown_ = false;
  drawing_.clear();
  drawing_.shrink_to_fit();
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

void PictureBox::fitDrawing() {
  const int w = pixelsFor(Width()), h = pixelsFor(Height());
  if (w == drawnW_ && h == drawnH_) return;
  if (w < drawnW_ || h < drawnH_) detail::clipOps(drawing_, w, h);
  drawnW_ = w;
  drawnH_ = h;
}

void PictureBox::drawingChanged() {
  if (!repeatablePaint_) lastPaintShown_ = false;
  if (paintDepth_ > 0) {
    paintChanged_ = true;
  } else {
    changed(ElementProperty::Drawing);
  }
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::int32_t color, bool filledBox) {
  if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
  fitDrawing();
  if (drawnW_ == 0 || drawnH_ == 0) return;
  detail::appendOp(drawing_, detail::makeOp(x1, y1, x2, y2, color, filledBox, drawnW_, drawnH_));
  drawingChanged();
}

std::int32_t PictureBox::Point(float x, float y) const {
  if (!(x >= 0 && y >= 0 && x < Width() && y < Height())) return -1;
  int px = static_cast<int>(x / kTwipsPerPixel), py = static_cast<int>(y / kTwipsPerPixel);
  // A point in the box's last, partial pixel shows that pixel.
  if (px == drawnW_ && pixelsFor(Width()) == drawnW_) --px;
  if (py == drawnH_ && pixelsFor(Height()) == drawnH_) --py;
  if (px < 0 || py < 0 || px >= drawnW_ || py >= drawnH_) return backColor_;
  for (auto it = drawing_.rbegin(); it != drawing_.rend(); ++it) {
    if (detail::covers(*it, px, py)) return it->color;
  }
  return backColor_;
}

}  // namespace kiv
