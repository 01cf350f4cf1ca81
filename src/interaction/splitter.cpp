// Resizing a bar by dragging its splitter strip with the left button.
#include "dock/dock_core.h"
#include "interaction/interaction.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail::interaction {

void splitMouseMove(DockCore& dock, std::int16_t index, std::int16_t button, float y) {
  if (button != kButtonLeft) return;
  Elements& el = *dock.elements_;
  auto splitTop = [&] { return el.picSplit(index).Top(); };
  auto commitHeight = [&] {
    const PictureBox& split = el.picSplit(index);
    dock.bar(index)->setHeight(wholeLong(static_cast<double>(split.Top()) + split.Height()));
  };
  bool down = false, up = false;
  ignoreFailure([&] { down = y > 0 && splitTop() < el.picDockBar(index).Height(); });
  ignoreFailure([&] { up = !down && y < 0 && splitTop() > 280; });
  if (down) {
    ignoreFailure([&] { el.picSplit(index).setTop(splitTop() + y); });
    bool grow = false;
    ignoreFailure([&] {
      const PictureBox& split = el.picSplit(index);
      auto b = dock.bar(index);
      // Growing starts once the strip's bottom has passed the body's bottom edge.
      grow = split.Top() > el.picDockBar(index).Height() - split.Height() &&
             b->Height() < b->HeightMax();
    });
    if (grow) {
      ignoreFailure([&] { commitHeight(); });
      ignoreFailure([&] { dock.pSplitMove(index); });
    }
    ignoreFailure([&] { el.picSplit(index).ZOrder(); });
  } else if (up) {
    ignoreFailure([&] {
      PictureBox& split = el.picSplit(index);
      split.setTop(split.Top() < 300 ? 300 : split.Top() + y);
    });
    ignoreFailure([&] { commitHeight(); });
    ignoreFailure([&] { dock.pSplitMove(index); });
    ignoreFailure([&] { el.picSplit(index).ZOrder(); });
  }
}

void splitMouseUp(DockCore& dock, std::int16_t index) {
  ignoreFailure([&] {
    const PictureBox& split = dock.elements_->picSplit(index);
    dock.bar(index)->setHeight(wholeLong(static_cast<double>(split.Top()) + split.Height()));
  });
  ignoreFailure([&] { dock.pBarResized(index); });
}

}  // namespace kiv::detail::interaction
