#include "kivdock/label.h"

#include "kivdock/elements.h"
#include "kivdock/platform.h"

namespace kiv {

Label::Label() : Element(ElementKind::Label) {}

std::unique_ptr<Element> Label::clone() const { return std::unique_ptr<Element>(new Label(*this)); }

void Label::fitText() {
  // The elements hold their platform for as long as they live; only a label without one asks
  // for the library-wide platform.
  Platform* p = owner() ? owner()->elementPlatform().get() : nullptr;
  std::shared_ptr<Platform> global;
  if (!p) {
    global = platform();
    p = global.get();
  }
  if (!p) return;
  setWidth(p->TextWidth(font_, caption_));
  setHeight(p->TextHeight(font_));
}

// The label takes the size of its text also when the text stays, so a copy of a template that was
// never given a text is as wide as its empty text.
void Label::setCaption(const std::string& text) {
  if (text == caption_) {
    fitText();
    return;
  }
  caption_ = text;
  fitText();
  changed(ElementProperty::Caption);
}

void Label::setForeColor(std::int32_t color) {
  if (color == foreColor_) return;
  foreColor_ = color;
  changed(ElementProperty::ForeColor);
}

void Label::setFont(const Font& f) {
  font_ = f;
  fitText();
  changed(ElementProperty::Font);
}

void Label::setAlignment(std::int32_t a) {
  if (a == alignment_) return;
  alignment_ = a;
  changed(ElementProperty::Caption);
}

}  // namespace kiv
