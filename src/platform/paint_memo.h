// What repeatable paints did to picture boxes: a paint that depends only on the box's size and
// its inputs turns the same drawing into the same drawing, so a paint that starts where one of
// the last few started can take over their result instead of drawing again.
#pragma once

#include <cstdint>
#include <vector>

#include "kivdock/picture_box.h"

namespace kiv::detail {

// Everything a repeatable paint depends on: its inputs, the box's size in twips and in pixels at
// its last drawing, and what the box shows.
struct PaintStart {
  PictureBox::PaintInputs inputs;
  float width = 0, height = 0;
  int drawnW = 0, drawnH = 0;
  const std::vector<PictureBox::DrawOp>* drawing = nullptr;
};

// What the paint left: the drawing, the size in pixels it was drawn at, and whether it drew.
struct PaintResult {
  std::vector<PictureBox::DrawOp> drawing;
  int drawnW = 0, drawnH = 0;
  bool drew = false;
};

// The result of an earlier paint from exactly this start, or nullptr. Valid until the next call.
const PaintResult* rememberedPaint(const PaintStart& start);
// Notes a paint about to run from this start; the token is for keepPaint, 0 if it is not kept.
std::uint64_t beginPaint(const PaintStart& start);
// Keeps what the paint of the token left; a later beginPaint drops the earlier token.
void keepPaint(std::uint64_t token, const std::vector<PictureBox::DrawOp>& drawing, int drawnW,
               int drawnH, bool drew);

}  // namespace kiv::detail
