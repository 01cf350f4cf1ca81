// The title line of a bar (pArrangeTitle): the dock reads the bar and the elements' widths, the
// visuals give every element's place, and the dock writes them, each write a step of its own.
#include "dock/dock_core.h"
#include "model/bar_state.h"
#include "platform/failure.h"
#include "visuals/visuals.h"

namespace kiv::detail {

namespace {
visuals::TitleBar titleBar(const cKivBar& b) {
  visuals::TitleBar t;
  t.align = b.AlignBar();
  t.canExpand = b.CanExpand();
  t.canMove = b.CanMove();
  t.hasIcon = static_cast<bool>(b.Icon());
  t.titleEmpty = !t.canExpand && b.state().Title_.empty();
  t.state = b.State();
  t.showOptions = b.ShowOptions();
  t.showClose = b.ShowClose();
  return t;
}
}  // namespace

void DockCore::pArrangeTitle(std::int32_t index) {
  settlePendingRestack();  // the up and down flags come from the stacking
  Elements& el = *elements_;
  // Every step works on the bar's elements; an index without elements leaves them all undone.
  if (index < 1 || index > elements_->UBound()) return;
  const auto k = static_cast<std::int16_t>(index);
  const std::shared_ptr<cKivBar> b = bars_->Item(index);
  auto step = [](auto&& f) { ignoreFailure(f); };
  // Without a bar every step that reads it fails: the title box keeps the body's width and
  // shows the caption at 0 and a black gradient.
  std::optional<visuals::TitleBar> bar;
  if (b) {
    bar = titleBar(*b);
    bar->canMoveDown = libraryBar(*b).fCanMoveDown;
    bar->canMoveUp = libraryBar(*b).fCanMoveUp;
  }
  if (bar && !visuals::hasTitleLine(*bar)) {
    step([&] { el.picTitel(k).setVisible(false); });
    return;
  }
  const float offset = bar ? visuals::titleOffset(bar->align) : 0.0f;
  float W = 0;
  step([&] {
    el.picTitel(k).setWidth(el.picDockBar(k).Width() - offset);
    W = el.picTitel(k).Width();
  });
  step([&] { el.imgExpand(k).setVisible(false); });
  step([&] { el.imgCollapse(k).setVisible(false); });
  if (bar) {
    visuals::TitleStart start;
    step([&] {  // the widths of the elements that take part
      const float button = bar->canExpand ? el.imgExpand(k).Width() : 0.0f;
      const float icon = bar->hasIcon ? el.imgIcon(k).Width() : 0.0f;
      start = visuals::titleStart(*bar, button, icon);
    });
    if (start.icon == visuals::TitleStart::Icon::HideEmpty) {
      step([&] { el.lblTitel(k).setLeft(start.captionLeft); });
      step([&] { el.imgIcon(k).setPicture(nullptr); });
      step([&] { el.imgIcon(k).setVisible(false); });
    } else {
      step([&] {
        if (!start.buttonLeft) return;
        Image& button = start.plusButton ? el.imgExpand(k) : el.imgCollapse(k);
        button.setLeft(*start.buttonLeft);
        button.setVisible(true);
      });
      step([&] {
        Image& icon = el.imgIcon(k);
        if (start.icon == visuals::TitleStart::Icon::Empty) {
          icon.setPicture(nullptr);
          return;
        }
        icon.setLeft(start.iconLeft);
        icon.setPicture(b->Icon());
        icon.setVisible(true);
      });
      step([&] { el.lblTitel(k).setLeft(start.captionLeft); });
    }
    step([&] { el.lblTitel(k).setCaption(b->state().Title_); });
    step([&] { el.lblTitelRight(k).setCaption(b->state().TitleRight_); });
  } else {
    step([&] { el.lblTitel(k).setLeft(0); });
  }
  step([&] { pPaintTitle(index); });
  if (b) {
    step([&] { el.lblTitel(k).setForeColor(b->TitleForeColor()); });
    step([&] { el.lblTitelRight(k).setForeColor(b->TitleForeColor()); });
  }

  // The right-hand buttons, from the right edge leftwards, touching each other.
  visuals::TitleEnd end;
  auto show = [&](Image& button, const std::optional<float>& left) {
    step([&] {
      if (!left) return;
      button.setLeft(*left);
      button.setVisible(true);
    });
  };
  if (bar) {
    step([&] {
      visuals::ButtonWidths widths;  // of the buttons that show
      if (bar->showOptions) widths.options = el.imgOpt(k).Width();
      if (bar->showClose) widths.close = el.imgClose(k).Width();
      if (bar->canMoveDown) widths.down = el.imgDown(k).Width();
      if (bar->canMoveUp) widths.up = el.imgUp(k).Width();
      end = visuals::titleEnd(*bar, W, widths);
    });
    if (!end.options) step([&] { el.imgOpt(k).setVisible(false); });
    show(el.imgOpt(k), end.options);
    if (!end.close) step([&] { el.imgClose(k).setVisible(false); });
    show(el.imgClose(k), end.close);
  }
  step([&] { el.imgUp(k).setVisible(false); });
  step([&] { el.imgDown(k).setVisible(false); });
  if (bar) {
    show(el.imgDown(k), end.down);
    show(el.imgUp(k), end.up);
    step([&] {
      if (b->state().TitleRight_.empty()) return;
      Label& right = el.lblTitelRight(k);
      right.setLeft(visuals::rightCaptionLeft(W, right.Width(), end.taken));
    });
    const visuals::TitlePointer pointer = visuals::titlePointer(bar->canMove);
    step([&] {
      PictureBox& title = el.picTitel(k);
      // The tip is made a text only when it changes.
      auto setTip = [&] {
        if (title.ToolTipText() != pointer.toolTip) title.setToolTipText(pointer.toolTip);
      };
      if (bar->canMove) {
        setTip();
        el.lblTitel(k).setMousePointer(pointer.pointer);
        title.setMousePointer(pointer.pointer);
      } else {
        title.setMousePointer(pointer.pointer);
        setTip();
        el.lblTitel(k).setMousePointer(pointer.pointer);
      }
    });
  }
  step([&] { el.picTitel(k).setVisible(true); });
}

}  // namespace kiv::detail
