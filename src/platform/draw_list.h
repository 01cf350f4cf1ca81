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
// The coordinate moved to just beyond a box `limitPx` pixels long if it lies further out, so
// that the operation covers the same pixels and stays cheap to walk.
float keptNear(float twips, int limitPx);

// The pixels an operation may cover, within its clip. For a line that is neither horizontal nor
// vertical, this is the rectangle around it. pixelsOf works it out from the coordinates,
// measure keeps it in the operation, extentOf reads what was kept.
PixelRect pixelsOf(const PictureBox::DrawOp& op);
void measure(PictureBox::DrawOp& op);
PixelRect extentOf(const PictureBox::DrawOp& op);
// Whether the operation colours every pixel of its extent.
bool isSolid(const PictureBox::DrawOp& op);
// Whether the operation colours the pixel.
bool covers(const PictureBox::DrawOp& op, int px, int py);

// Appends the operation, dropping or trimming earlier ones it paints over and joining it to the
// previous box when both have the same colour and rows. An operation that covers no pixel is
// not kept.
void appendOp(std::vector<PictureBox::DrawOp>& list, PictureBox::DrawOp op);
// The box became smaller: the operations are clipped to its new size.
void clipOps(std::vector<PictureBox::DrawOp>& list, int widthPx, int heightPx);

}  // namespace kiv::detail
