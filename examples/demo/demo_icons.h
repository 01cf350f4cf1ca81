// The demo's icons, drawn in code: bar icons as the dock's pictures, toolbar icons as QIcons.
#pragma once

#include <QIcon>
#include <memory>

#include "kivdock/types.h"

namespace demo {

enum class IconKind { Search, Grid, People, Form, Notes, Tree, ScrollMode, ShowAll, Reset, Save };

// A 16 x 16 picture for a bar's title.
std::shared_ptr<kiv::Picture> barIcon(IconKind kind);
// The same drawing as an icon for actions and list items.
QIcon actionIcon(IconKind kind);

}  // namespace demo
