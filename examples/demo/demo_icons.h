// The demo's icons, drawn in code as QIcons.
#pragma once

#include <QIcon>

namespace demo {

enum class IconKind { Search, Grid, People, Form, Notes, Tree, ScrollMode, ShowAll, Reset, Save };

// The drawing as an icon for bars' titles, actions and list items, at 16, 24 and 32 pixels.
QIcon actionIcon(IconKind kind);

}  // namespace demo
