#include "kivdock/element.h"

#include "kivdock/elements.h"
#include "platform/element_host.h"
#include "platform/elements_state.h"
#include "platform/errors.h"

namespace kiv {

Element::~Element() = default;

Element::Element(const Element& other)
    : kind_(other.kind_),
      left_(other.left_),
      top_(other.top_),
      width_(other.width_),
      height_(other.height_),
      visible_(other.visible_),
      container_(other.container_),
      mousePointer_(other.mousePointer_),
      mouseIcon_(other.mouseIcon_),
      toolTipText_(other.toolTipText_) {}

void Element::changed(ElementProperty what) {
  if (owner_ && owner_->state().observer_) owner_->state().observer_->elementChanged(*this, what);
}

float Element::Top() const { return top_; }

void Element::setLeft(float v) {
  if (v == left_) return;
  left_ = v;
  changed(ElementProperty::Geometry);
}

void Element::setTop(float v) {
  if (v == top_) return;
  top_ = v;
  changed(ElementProperty::Geometry);
}

void Element::setWidth(float v) {
  if (v < 0) throw detail::errors::invalidValue();
  if (v == width_) return;
  width_ = v;
  changed(ElementProperty::Geometry);
}

void Element::setHeight(float v) {
  if (v < 0) throw detail::errors::invalidValue();
  if (v == height_) return;
  height_ = v;
  changed(ElementProperty::Geometry);
}

void Element::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(ElementProperty::Visible);
}

void Element::setContainer(Element* container) {
  if (container == container_) return;
  for (Element* c = container; c; c = c->container_) {
    if (c == this) throw detail::errors::invalidValue();  // an element cannot contain itself
  }
  container_ = container;
  if (owner_) raiseZ();
  containerChanged();
  changed(ElementProperty::Container);
}

void Element::setMousePointer(std::int32_t v) {
  if (v == mousePointer_) return;
  mousePointer_ = v;
  changed(ElementProperty::MousePointer);
}

void Element::setMouseIcon(std::shared_ptr<Picture> v) {
  if (v == mouseIcon_) return;
  mouseIcon_ = std::move(v);
  changed(ElementProperty::MouseIcon);
}

void Element::setToolTipText(const std::string& v) {
  if (v == toolTipText_) return;
  toolTipText_ = v;
  changed(ElementProperty::ToolTipText);
}

void Element::raiseZ() {
  if (owner_) zRank_ = ++owner_->state().zCounter_;
}

void Element::adopt(const detail::ElementsKey&, Elements& owner, ElementArray array,
                    std::int16_t k) {
  owner_ = &owner;
  array_ = array;
  index_ = k;
  raiseZ();
}

float Element::AbsoluteLeft() const {
  float x = 0;
  for (const Element* e = this; e; e = e->container_) x += e->Left();
  return x;
}

float Element::AbsoluteTop() const {
  float y = 0;
  for (const Element* e = this; e; e = e->container_) y += e->Top();
  return y;
}

bool Element::VisibleOnScreen() const {
  for (const Element* e = this; e; e = e->container_) {
    if (!e->visible_) return false;
  }
  return true;
}

// Input goes to the dock; nothing of the element is touched afterwards, since the dock's
// handlers may destroy it.
void Element::Click() {
  if (owner_ && owner_->state().host_) owner_->state().host_->elementClick(*this);
}

void Element::MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (owner_ && owner_->state().host_)
    owner_->state().host_->elementMouseDown(*this, Button, Shift, X, Y);
}

void Element::MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (owner_ && owner_->state().host_)
    owner_->state().host_->elementMouseMove(*this, Button, Shift, X, Y);
}

void Element::MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (owner_ && owner_->state().host_)
    owner_->state().host_->elementMouseUp(*this, Button, Shift, X, Y);
}

void Element::DragDrop(float X, float Y) {
  if (owner_ && owner_->state().host_) owner_->state().host_->elementDragDrop(*this, X, Y);
}

}  // namespace kiv
