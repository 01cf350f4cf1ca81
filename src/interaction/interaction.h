// User interaction: what a press, a drag or a drop on the dock's elements does. The dock's input
// entry points (interaction/element_input.cpp) find the element's array and index and call one of
// these; each works on the dock's state and reaches the host only through the dock's events and
// the bars' members.
#pragma once

#include <cstdint>

namespace kiv::detail {
class DockCore;
}

namespace kiv::detail::interaction {

// Title buttons (interaction/title_buttons.cpp): every step is skipped when it fails.
void collapseClicked(DockCore& dock, std::int16_t index);
void expandClicked(DockCore& dock, std::int16_t index);
// Moving a bar one place and refreshing the neighbours' up and down buttons.
void upClicked(DockCore& dock, std::int16_t index);
void downClicked(DockCore& dock, std::int16_t index);
// The options button: the host may ask for a reload, or cancel by emptying the key.
void optionsClicked(DockCore& dock, std::int16_t index);
// A right press on a title: the host's RightClick event, then the order is applied again.
void pTitleRightClick(DockCore& dock, std::int16_t index);

// Dragging a bar by its title (interaction/drag_drop.cpp).
void titleMouseDown(DockCore& dock, std::int16_t index, std::int16_t button);
// A drop on a bar or its title; failures are trapped and reported.
void DockBar_DragDrop(DockCore& dock, std::int16_t index);
// A drop on the empty area; failures are trapped and reported.
void dockDragDrop(DockCore& dock, float x, float y);

// Dragging a splitter strip (interaction/splitter.cpp).
void splitMouseMove(DockCore& dock, std::int16_t index, std::int16_t button, float y);
void splitMouseUp(DockCore& dock, std::int16_t index);

}  // namespace kiv::detail::interaction
