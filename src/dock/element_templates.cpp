// The design of the dock's elements: the templates that every bar's elements are copied from,
// and the single elements of the surface.
#include "kivdock/builtin_pictures.h"
#include "kivdock/elements.h"
#include "kivdock/platform.h"
#include "platform/elements_state.h"

namespace kiv {

namespace {
constexpr std::int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
constexpr std::int32_t kSystemColour11 = static_cast<std::int32_t>(0x8000000B);

Font titleFont() {
  Font f;
  f.Name = "Arial";
  f.Size = 9;
  f.Bold = true;
  return f;
}

void place(Element& e, float left, float top, float width, float height) {
  e.setLeft(left);
  e.setTop(top);
  e.setWidth(width);
  e.setHeight(height);
}
}  // namespace

void detail::setupTemplates(Elements& elements) {
  ElementsState& st = elements.state();
  const ElementsKey key;
  auto makeTemplate = [&](ElementArray array, std::unique_ptr<Element> e,
                          Element* container) -> Element& {
    Element& ref = *e;
    ref.adopt(key, elements, array, 0);
    ref.hide(key);
    ref.placeIn(key, container);
    st.arrays_[arraySlot(array)].push_back(std::move(e));
    return ref;
  };

  auto& dockBar = static_cast<PictureBox&>(
      makeTemplate(ElementArray::picDockBar, std::make_unique<PictureBox>(), st.surface_.get()));
  place(dockBar, 810, 930, 4185, 2655);
  dockBar.setBackColor(rgb(224, 224, 224));

  auto& titel = static_cast<PictureBox&>(
      makeTemplate(ElementArray::picTitel, std::make_unique<PictureBox>(), &dockBar));
  place(titel, 0, 0, 3990, 270);
  titel.setMousePointer(kPointerSizePointer);
  titel.setFont(titleFont());
  titel.setBackColor(kSystemColour11);

  auto label = [&](ElementArray array, float left, std::int32_t alignment) {
    auto& l = static_cast<Label&>(makeTemplate(array, std::make_unique<Label>(), &titel));
    l.setFont(titleFont());
    l.setAlignment(alignment);
    place(l, left, 15, 555, 225);
  };
  label(ElementArray::lblTitel, 360, Label::kAlignLeft);
  label(ElementArray::lblTitelRight, 2910, Label::kAlignRight);

  auto button = [&](ElementArray array, float left, BuiltinPicture picture, const char* tip) {
    auto& img = static_cast<Image&>(makeTemplate(array, std::make_unique<Image>(), &titel));
    place(img, left, 15, 240, 240);
    img.setPicture(builtinPicture(picture));
    img.setMousePointer(kPointerCustom);
    img.setToolTipText(tip);
  };
  button(ElementArray::imgCollapse, 2000, BuiltinPicture::Collapse, "Element zuklappen");
  button(ElementArray::imgExpand, 2400, BuiltinPicture::Expand, "Element aufklappen");
  button(ElementArray::imgClose, 1680, BuiltinPicture::Close, "Element ausblenden");
  button(ElementArray::imgDown, 1410, BuiltinPicture::Down, "Element nach unten verschieben");
  button(ElementArray::imgUp, 1140, BuiltinPicture::Up, "Element nach oben verschieben");
  button(ElementArray::imgOpt, 900, BuiltinPicture::Options, "Einstellungen ändern");

  auto& icon = makeTemplate(ElementArray::imgIcon, std::make_unique<Image>(), &titel);
  place(icon, 0, 20, 225, 225);

  auto& split = static_cast<PictureBox&>(
      makeTemplate(ElementArray::picSplit, std::make_unique<PictureBox>(), &dockBar));
  place(split, -20, 1000, 25000, 75);
  split.setBackColor(rgb(255, 255, 255));
  split.setMousePointer(kPointerSizeNS);
  split.setToolTipText("Hier ziehen, um die Größe des Elements zu verändern");

  auto& splitLine = static_cast<kiv::Line&>(
      makeTemplate(ElementArray::lineSplit, std::make_unique<kiv::Line>(), &split));
  splitLine.setX1(0);
  splitLine.setY1(30);
  splitLine.setX2(20840);
  splitLine.setY2(30);
  splitLine.setBorderColor(rgb(200, 200, 200));

  auto single = [&](auto made, ElementArray array) {
    made->adopt(key, elements, array, 0);
    made->hide(key);
    made->placeIn(key, st.surface_.get());
    return made;
  };
  st.scroll_ = single(std::make_unique<VScrollBar>(), ElementArray::VScroll);
  place(*st.scroll_, 7290, 0, 255, 5115);
  auto line = [&](ElementArray array, float x, float y1, float y2, std::int32_t colour) {
    auto l = single(std::make_unique<kiv::Line>(), array);
    l->setX1(x);
    l->setX2(x);
    l->setY1(y1);
    l->setY2(y2);
    l->setBorderColor(colour);
    return l;
  };
  st.line1_ = line(ElementArray::Line1, 120, 660, 2400, rgb(192, 192, 192));
  st.line2_ = line(ElementArray::Line2, 225, 60, 1800, rgb(128, 128, 128));
  st.hand_ = single(std::make_unique<Image>(), ElementArray::imgHand);
  place(*st.hand_, 4950, 4500, 480, 480);
  st.hand_->setPicture(builtinPicture(BuiltinPicture::Hand));
}

}  // namespace kiv
