// modFarbverlauf: a two-colour gradient painted in bands onto a picture box.
#pragma once

#include <cstdint>

#include "kivdock/picture_box.h"

namespace kiv::detail {

// From the start colour at the left (or top) edge towards the end colour: 61 vertical bands,
// or 30 horizontal lines when vertical. The colour of each band is worked out on the whole
// colour number, so lower channels take part when it is rounded.
void DrawGradient(PictureBox& box, std::int32_t startColour, std::int32_t endColour, bool vertical);

}  // namespace kiv::detail
