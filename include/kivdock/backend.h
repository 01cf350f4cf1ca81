// The interface a backend draws and drives: the visual elements and their observer, the
// platform the dock runs on and the dock's own pictures.
#pragma once

#include "kivdock/builtin_pictures.h"
#include "kivdock/element.h"
#include "kivdock/elements.h"
#include "kivdock/image.h"
#include "kivdock/label.h"
#include "kivdock/line.h"
#include "kivdock/picture_box.h"
#include "kivdock/platform.h"
#include "kivdock/surface.h"
#include "kivdock/vscrollbar.h"
