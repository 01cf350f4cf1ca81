// The title line of a bar: which buttons show, where every element sits, the captions, their
// colour, and the pointer and tooltip of the title.
#include "dock/dock_core.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv::detail {

namespace {
const char* const kDragTip = "Element kann durch 'drag and drop' verschoben werden";
}

void DockCore::pArrangeTitle(std::int32_t index) {
  settlePendingRestack();  // the up and down flags come from the stacking
  Elements& el = *elements_;
  // Every step works on the bar's elements; an index without elements leaves them all undone.
  if (index < 1 || index > elements_->UBound()) return;
  const auto k = static_cast<std::int16_t>(index);
  std::shared_ptr<cKivBar> b = bars_->Item(index);
  auto step = [](auto&& f) { ignoreFailure(f); };

  float offset = 0;
  step([&] { offset = must(b).AlignBar() == eAlignLeft ? 30.0f : 0.0f; });
  bool noTitleLine = false;
  step([&] { noTitleLine = !must(b).CanExpand() && b->Title().empty(); });
  if (noTitleLine) {
    step([&] { el.picTitel(k).setVisible(false); });
    return;
  }
  float W = 0;
  step([&] {
    el.picTitel(k).setWidth(el.picDockBar(k).Width() - offset);
    W = el.picTitel(k).Width();
  });
  step([&] { el.imgExpand(k).setVisible(false); });
  step([&] { el.imgCollapse(k).setVisible(false); });

  bool plain = false;
  step([&] { plain = !must(b).Icon() && !b->CanExpand(); });
  if (plain) {
    step([&] { el.lblTitel(k).setLeft(50); });
    step([&] { el.imgIcon(k).setPicture(nullptr); });
    step([&] { el.imgIcon(k).setVisible(false); });
  } else {
    std::int32_t x = 0;
    step([&] {
      if (must(b).CanExpand()) {
        x = wholeLong(el.imgExpand(k).Width() + 100.0);
        Image& button = b->State() == eBarCollapsed ? el.imgExpand(k) : el.imgCollapse(k);
        button.setLeft(40);
        button.setVisible(true);
      } else {
        x = 40;
      }
    });
    step([&] {
      if (!must(b).Icon()) {
        el.imgIcon(k).setPicture(nullptr);
        return;
      }
      Image& icon = el.imgIcon(k);
      icon.setLeft(static_cast<float>(x));
      x = wholeLong(static_cast<double>(icon.Width()) + x + 60);  // width before the new picture
      icon.setPicture(b->Icon());
      icon.setVisible(true);
    });
    step([&] { el.lblTitel(k).setLeft(static_cast<float>(x)); });
  }
  step([&] { el.lblTitel(k).setCaption(must(b).Title()); });
  step([&] { el.lblTitelRight(k).setCaption(must(b).TitleRight()); });
  step([&] { pPaintTitle(index); });
  step([&] { el.lblTitel(k).setForeColor(must(b).TitleForeColor()); });
  step([&] { el.lblTitelRight(k).setForeColor(must(b).TitleForeColor()); });

  // The right-hand buttons, from the right edge leftwards, touching each other.
  std::int32_t r = 20;
  auto rightButton = [&](Image& img) {
    r = wholeLong(img.Width() + static_cast<double>(r));
    img.setLeft(W - r);
    img.setVisible(true);
  };
  step([&] {
    if (must(b).ShowOptions()) {
      rightButton(el.imgOpt(k));
    } else {
      el.imgOpt(k).setVisible(false);
    }
  });
  step([&] {
    if (must(b).ShowClose()) {
      rightButton(el.imgClose(k));
    } else {
      el.imgClose(k).setVisible(false);
    }
  });
  step([&] { el.imgUp(k).setVisible(false); });
  step([&] { el.imgDown(k).setVisible(false); });
  step([&] {
    if (must(b).fCanMoveDown) rightButton(el.imgDown(k));
  });
  step([&] {
    if (must(b).fCanMoveUp) rightButton(el.imgUp(k));
  });
  step([&] {
    if (!must(b).TitleRight().empty()) {
      Label& right = el.lblTitelRight(k);
      right.setLeft(toSingle(static_cast<double>(W) - right.Width() - r - 40));
    }
  });
  step([&] {
    PictureBox& title = el.picTitel(k);
    if (must(b).CanMove()) {
      title.setToolTipText(kDragTip);
      el.lblTitel(k).setMousePointer(kPointerSizeAll);
      title.setMousePointer(kPointerSizeAll);
    } else {
      title.setMousePointer(kPointerDefault);
      title.setToolTipText("");
      el.lblTitel(k).setMousePointer(kPointerDefault);
    }
  });
  step([&] { el.picTitel(k).setVisible(true); });
}

}  // namespace kiv::detail
