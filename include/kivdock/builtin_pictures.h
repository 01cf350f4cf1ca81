// The dock's own pictures: the six title buttons (16 x 16, transparent around the symbol) and
// the hand cursor (32 x 32, hot spot at 5, 0). Drawn by code, at any scale for sharp screens.
#pragma once

#include <memory>

#include "kivdock/export.h"
#include "kivdock/types.h"

namespace kiv {

enum class BuiltinPicture { Collapse, Expand, Close, Up, Down, Options, Hand };

// The picture at 1 pixel per design pixel; the same object on every call.
KIVDOCK_EXPORT std::shared_ptr<Picture> builtinPicture(BuiltinPicture which);
// The picture drawn anew with scale x scale pixels per design pixel.
KIVDOCK_EXPORT std::shared_ptr<Picture> renderBuiltinPicture(BuiltinPicture which, int scale);
// Which built-in picture an element shows, if it shows one.
KIVDOCK_EXPORT bool isBuiltinPicture(const Picture* picture, BuiltinPicture& which);

}  // namespace kiv
