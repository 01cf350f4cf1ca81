// Moving a bar by dragging its title onto another bar, the top edge or the empty area.
#include "dock/dock_core.h"
#include "interaction/interaction.h"
#include "kivdock/platform.h"
#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv::detail::interaction {

void titleMouseDown(DockCore& dock, std::int16_t index, std::int16_t button) {
  if (button == kButtonRight) {
    pTitleRightClick(dock, index);
    return;
  }
  bool movable = false;
  ignoreFailure([&] { movable = dock.bar(index)->CanMove(); });
  if (!movable) return;
  ignoreFailure([&] { platform()->BeginDrag(dock.elements_->picDockBar(index)); });
  dock.mDragIndex = index;
}

void DockBar_DragDrop(DockCore& dock, std::int16_t index) {
  trapAndReport("KivDock.DockBar_DragDrop", [&] {
    auto target = dock.bar(index);
    if (!target->CanMove()) return;
    std::int32_t destination = target->Index();
    auto p = platform();
    const PointPx pointer = p->ScreenToClient(dock.elements_->surface().hWnd(), p->GetCursorPos());
    if (target->AlignBar() != eAlignTop && pointer.Y < 20) {
      auto dragged = dock.bar(dock.mDragIndex);
      // A top compared in twips with a pointer row in pixels, as plain numbers.
      if (dragged->Top() > pointer.Y) {
        destination = 0;
        dragged->setAlignBar(eAlignTop);
      }
    } else {
      if (target->Index() == dock.mDragIndex) return;
      auto dragged = dock.bar(dock.mDragIndex);
      if (target->AlignBar() != dragged->AlignBar()) dragged->setAlignBar(target->AlignBar());
    }
    dock.bars_->fInsert(dock.mDragIndex, dock.bars_->fOrderByIndex(destination));
    dock.OrderBars(true);
  });
}

// A drop on the empty area: the left half joins the last top or left bar, the right half makes
// the bar right-aligned and last.
void dockDragDrop(DockCore& dock, float x, float) {
  trapAndReport("KivDock: DragDrop", [&] {
    std::int32_t align = 0, target = 0;
    if (x < dock.width_ / 2.0) {
      for (std::int32_t i = 1, n = dock.bars_->Count(); i <= n; ++i) {
        auto b = dock.barAtOrder(i);
        if (b->AlignBar() == eAlignTop || b->AlignBar() == eAlignLeft) {
          align = b->AlignBar();
          target = b->Index();
        } else if (i == 1 && b->AlignBar() == eAlignRight) {
          align = eAlignLeft;
          target = 0;
          break;
        }
      }
      // With neither top nor left bars in the order, the bar starts the left column.
      if (align == 0) align = eAlignLeft;
    } else {
      align = eAlignRight;
      target = dock.barAtOrder(dock.bars_->Count())->Index();
    }
    if (target == dock.mDragIndex) return;
    dock.bar(dock.mDragIndex)->setAlignBar(static_cast<eAlignBar>(align));
    dock.bars_->fMoveAfter(dock.mDragIndex, target);
    dock.OrderBars(true);
  });
}

}  // namespace kiv::detail::interaction
