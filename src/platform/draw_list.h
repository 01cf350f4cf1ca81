// The pixel rules of a picture box's drawing list: which pixels an operation covers, and how a
// new operation replaces or trims the ones it paints over.
#pragma once

#include <vector>

#include "kivdock/picture_box.h"

namespace kiv::detail {

// Pixels from left to right and top to bottom, inclusive; empty when left > right or top > bottom.
struct PixelRect {
  int left = 0, top = 0, right = -1, bottom = -1;
  bool empty() const { return left > right || top > bottom; }
};

// The pixel column or row of a coordinate in twips.
int pixelOf(float twips);

// An operation drawn on a box of the size in pixels. A corner far outside the box is moved to
// the pixel just beyond it, so the operation covers the same pixels and stays cheap to walk.
PictureBox::DrawOp makeOp(float x1, float y1, float x2, float y2, std::int32_t color,
                          bool filledBox, int widthPx, int heightPx);

// The pixels an operation may cover, within its clip, as kept in it. For a line that is neither
// horizontal nor vertical, this is the rectangle around it.
PixelRect extentOf(const PictureBox::DrawOp& op);
// Whether the operation colours every pixel of its extent.
bool isSolid(const PictureBox::DrawOp& op);
// Whether the operation colours the pixel.
bool covers(const PictureBox::DrawOp& op, int px, int py);

// Appends the operation, dropping or trimming earlier ones it paints over and joining it to the
// previous box when both have the same colour and rows. An operation that covers no pixel is
// not kept.
void appendOp(std::vector<PictureBox::DrawOp>& list, const PictureBox::DrawOp& op);
// The box became smaller: the operations are clipped to its new size.
void clipOps(std::vector<PictureBox::DrawOp>& list, int widthPx, int heightPx);

}  // namespace kiv::detail
