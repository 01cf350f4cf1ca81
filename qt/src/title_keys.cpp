#include "title_keys.h"

#include "dock_view.h"

namespace kiv::qt::detail {

namespace {

Element* shown(DockView& view, ElementArray array, std::int16_t index) {
  Element* e = view.elements().find(array, index);
  return e && e->Visible() ? e : nullptr;
}

// Clicks the first of the buttons that shows; false when none does.
bool clickButton(DockView& view, std::int16_t index, std::initializer_list<ElementArray> buttons,
                 bool& alive) {
  for (ElementArray array : buttons) {
    if (Element* button = shown(view, array, index)) {
      alive = view.guarded([&] { button->Click(); });
      return true;
    }
  }
  return false;
}

// The splitter below the bar, pressed, moved by `dy` and released, as the mouse would.
bool dragSplitter(DockView& view, std::int16_t index, float dy, bool& alive) {
  Element* split = shown(view, ElementArray::picSplit, index);
  if (!split) return false;
  const float x = split->Width() / 2, y = split->Height() / 2;
  alive = view.guarded([&] {
    split->MouseDown(kButtonLeft, 0, x, y);
    split->MouseMove(kButtonLeft, 0, x, y + dy);
    split->MouseUp(kButtonLeft, 0, x, y + dy);
  });
  return true;
}

}  // namespace

bool handleTitleKey(DockView& view, const PictureBox& title, const QKeyEvent& event, bool& alive) {
  alive = true;
  const std::int16_t index = title.Index();
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  if ((key == Qt::Key_Up || key == Qt::Key_Down) &&
      mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
    return dragSplitter(view, index, key == Qt::Key_Up ? -kHeightStepTwips : kHeightStepTwips,
                        alive);
  }
  if (key == Qt::Key_Up && mods == Qt::ControlModifier) {
    return clickButton(view, index, {ElementArray::imgUp}, alive);
  }
  if (key == Qt::Key_Down && mods == Qt::ControlModifier) {
    return clickButton(view, index, {ElementArray::imgDown}, alive);
  }
  if (mods != Qt::NoModifier) return false;
  switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return clickButton(view, index, {ElementArray::imgCollapse, ElementArray::imgExpand}, alive);
    case Qt::Key_Delete:
      return clickButton(view, index, {ElementArray::imgClose}, alive);
    case Qt::Key_Menu: {
      Element* box = view.elements().find(ElementArray::picTitel, index);
      if (!box) return false;
      alive = view.guarded([&] {
        box->MouseDown(kButtonRight, 0, 0, 0);
        box->MouseUp(kButtonRight, 0, 0, 0);
      });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace kiv::qt::detail
