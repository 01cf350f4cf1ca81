// Moving a bar by dragging its title onto another bar, the top edge or the empty area.
#include "dock/dock_core.h"
#include "kivdock/platform.h"
#include "platform/errors.h"
#include "platform/failure.h"

namespace kiv::detail {

void DockCore::titleMouseDown(std::int16_t index, std::int16_t button) {
  if (button == kButtonRight) {
    pTitleRightClick(index);
    return;
  }
  bool movable = false;
  ignoreFailure([&] { movable = bar(index)->CanMove(); });
  if (!movable) return;
  ignoreFailure([&] { platform()->BeginDrag(elements_->picDockBar(index)); });
  mDragIndex = index;
}

void DockCore::DockBar_DragDrop(std::int16_t index) {
  trapAndReport("KivDock.DockBar_DragDrop", [&] {
    auto target = bar(index);
    if (!target->CanMove()) return;
    std::int32_t destination = target->Index();
    auto p = platform();
    const PointPx pointer = p->ScreenToClient(elements_->surface().hWnd(), p->GetCursorPos());
    if (target->AlignBar() != eAlignTop && pointer.Y < 20) {
      auto dragged = bar(mDragIndex);
      // A top compared in twips with a pointer row in pixels, as plain numbers.
      if (dragged->Top() > pointer.Y) {
        destination = 0;
        dragged->setAlignBar(eAlignTop);
      }
    } else {
      if (target->Index() == mDragIndex) return;
      auto dragged = bar(mDragIndex);
      if (target->AlignBar() != dragged->AlignBar()) dragged->setAlignBar(target->AlignBar());
    }
    bars_->fInsert(mDragIndex, bars_->fOrderByIndex(destination));
    OrderBars(true);
  });
}

// A drop on the empty area: the left half joins the last top or left bar, the right half makes
// the bar right-aligned and last.
void DockCore::dockDragDrop(float x, float) {
  trapAndReport("KivDock: DragDrop", [&] {
    std::int32_t align = 0, target = 0;
    if (x < width_ / 2.0) {
      for (std::int32_t i = 1, n = bars_->Count(); i <= n; ++i) {
        auto b = barAtOrder(i);
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
      target = barAtOrder(bars_->Count())->Index();
    }
    if (target == mDragIndex) return;
    bar(mDragIndex)->setAlignBar(static_cast<eAlignBar>(align));
    bars_->fMoveAfter(mDragIndex, target);
    OrderBars(true);
  });
}

}  // namespace kiv::detail
