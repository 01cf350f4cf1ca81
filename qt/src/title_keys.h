// The keys of a focused title, as the same element input the mouse gives: Space or Enter clicks
// the collapse or expand button, Ctrl+Up/Down the up and down buttons, Delete the close button
// (each only where that button shows), the menu key presses the title with the right button, and
// Ctrl+Shift+Up/Down drags the bar's splitter by one step.
#pragma once

#include <QKeyEvent>

#include "kivdock/kivdock.h"

namespace kiv::qt::detail {

class DockView;

// The distance Ctrl+Shift+Up/Down moves the splitter, in twips.
constexpr float kHeightStepTwips = 300;

// True when the key was one of the title's; the dock widget may be gone afterwards (`alive`).
bool handleTitleKey(DockView& view, const PictureBox& title, const QKeyEvent& event, bool& alive);

}  // namespace kiv::qt::detail
