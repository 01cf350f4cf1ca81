#include "kivdock/elements.h"

#include "kivdock/platform.h"
#include "platform/errors.h"

namespace kiv {

namespace {
// The arrays in the order in which one bar's elements are destroyed: contents before their
// containers, the body box last.
constexpr ElementArray kArrayOrder[] = {
    ElementArray::lineSplit,   ElementArray::picSplit,      ElementArray::imgClose,
    ElementArray::imgCollapse, ElementArray::imgExpand,     ElementArray::imgIcon,
    ElementArray::imgOpt,      ElementArray::imgUp,         ElementArray::imgDown,
    ElementArray::lblTitel,    ElementArray::lblTitelRight, ElementArray::picTitel,
    ElementArray::picDockBar};
}  // namespace

ElementObserver::~ElementObserver() = default;

Elements::Elements(detail::ElementHost* host) : host_(host), platform_(platform()) {
  surface_.reset(new Surface());
  adopt(*surface_, ElementArray::Surface, 0);
  if (platform_) surface_->hWnd_ = platform_->CreateElementWindow(0);
  setupTemplates();
}

Elements::~Elements() {
  // Contents before their containers, highest index first; the single elements last.
  for (ElementArray a : kArrayOrder) {
    auto& vec = arrays_[slot(a)];
    while (!vec.empty()) vec.pop_back();
  }
  hand_.reset();
  line1_.reset();
  line2_.reset();
  scroll_.reset();
  surface_.reset();
}

int Elements::slot(ElementArray array) {
  switch (array) {
    case ElementArray::picDockBar:
      return 0;
    case ElementArray::picTitel:
      return 1;
    case ElementArray::lblTitel:
      return 2;
    case ElementArray::lblTitelRight:
      return 3;
    case ElementArray::imgClose:
      return 4;
    case ElementArray::imgCollapse:
      return 5;
    case ElementArray::imgExpand:
      return 6;
    case ElementArray::imgIcon:
      return 7;
    case ElementArray::imgOpt:
      return 8;
    case ElementArray::imgUp:
      return 9;
    case ElementArray::imgDown:
      return 10;
    case ElementArray::picSplit:
      return 11;
    case ElementArray::lineSplit:
      return 12;
    default:
      return -1;
  }
}

void Elements::adopt(Element& element, ElementArray array, std::int16_t k) {
  element.owner_ = this;
  element.array_ = array;
  element.index_ = k;
  element.raiseZ();
}

Element* Elements::find(ElementArray array, std::int16_t k) const {
  switch (array) {
    case ElementArray::Surface:
      return surface_.get();
    case ElementArray::VScroll:
      return scroll_.get();
    case ElementArray::Line1:
      return line1_.get();
    case ElementArray::Line2:
      return line2_.get();
    case ElementArray::imgHand:
      return hand_.get();
    default:
      break;
  }
  const int s = slot(array);
  if (s < 0 || k < 0) return nullptr;
  const auto& vec = arrays_[s];
  return k < static_cast<std::int32_t>(vec.size()) ? vec[k].get() : nullptr;
}

Element& Elements::at(ElementArray array, std::int16_t k) const {
  if (Element* e = find(array, k)) return *e;
  throw detail::errors::missingElement(k);
}

std::int16_t Elements::UBound() const {
  return static_cast<std::int16_t>(arrays_[slot(ElementArray::picDockBar)].size() - 1);
}

Hwnd Elements::containerWindow(const Element& element) const {
  for (const Element* c = element.Container(); c; c = c->Container()) {
    if (c->Kind() == ElementKind::PictureBox) return static_cast<const PictureBox*>(c)->hWnd();
    if (c->Kind() == ElementKind::Surface) return static_cast<const Surface*>(c)->hWnd();
  }
  return 0;
}

Element& Elements::create(ElementArray array, std::int16_t k) {
  const int s = slot(array);
  if (s < 0 || k <= 0) throw detail::errors::invalidCall();
  auto& vec = arrays_[s];
  if (vec.empty() || !vec[0]) throw detail::errors::missingElement(0);
  if (k < static_cast<std::int32_t>(vec.size()) && vec[k]) throw detail::errors::alreadyLoaded();
  std::unique_ptr<Element> made = vec[0]->clone();
  Element& element = *made;
  if (static_cast<std::int32_t>(vec.size()) <= k) vec.resize(static_cast<std::size_t>(k) + 1);
  vec[k] = std::move(made);
  adopt(element, array, k);
  element.visible_ = false;
  if (element.Kind() == ElementKind::PictureBox && platform_) {
    static_cast<PictureBox&>(element).hWnd_ =
        platform_->CreateElementWindow(containerWindow(element));
  }
  if (observer_) observer_->elementCreated(element);
  return element;
}

void Elements::destroy(ElementArray array, std::int16_t k) {
  const int s = slot(array);
  if (s < 0 || k <= 0) throw detail::errors::missingElement(k);
  auto& vec = arrays_[s];
  if (k >= static_cast<std::int32_t>(vec.size()) || !vec[k])
    throw detail::errors::missingElement(k);
  if (observer_) observer_->elementDestroyed(*vec[k]);
  if (platform_) platform_->ForgetDragSource(*vec[k]);
  vec[k].reset();
  while (vec.size() > 1 && !vec.back()) vec.pop_back();
}

void Elements::forEach(const std::function<void(Element&)>& visit) const {
  visit(*surface_);
  for (Element* single :
       {static_cast<Element*>(scroll_.get()), static_cast<Element*>(line1_.get()),
        static_cast<Element*>(line2_.get()), static_cast<Element*>(hand_.get())}) {
    if (single) visit(*single);
  }
  constexpr ElementArray kContainersFirst[] = {
      ElementArray::picDockBar, ElementArray::picTitel,    ElementArray::picSplit,
      ElementArray::lineSplit,  ElementArray::lblTitel,    ElementArray::lblTitelRight,
      ElementArray::imgClose,   ElementArray::imgCollapse, ElementArray::imgExpand,
      ElementArray::imgIcon,    ElementArray::imgOpt,      ElementArray::imgUp,
      ElementArray::imgDown};
  for (ElementArray a : kContainersFirst) {
    for (const auto& e : arrays_[slot(a)]) {
      if (e) visit(*e);
    }
  }
}

#define KIV_ELEMENT_ACCESSOR(Type, name) \
  Type& Elements::name(std::int16_t k) { return static_cast<Type&>(at(ElementArray::name, k)); }
KIV_ELEMENT_ACCESSOR(PictureBox, picDockBar)
KIV_ELEMENT_ACCESSOR(PictureBox, picTitel)
KIV_ELEMENT_ACCESSOR(PictureBox, picSplit)
KIV_ELEMENT_ACCESSOR(Label, lblTitel)
KIV_ELEMENT_ACCESSOR(Label, lblTitelRight)
KIV_ELEMENT_ACCESSOR(Image, imgClose)
KIV_ELEMENT_ACCESSOR(Image, imgCollapse)
KIV_ELEMENT_ACCESSOR(Image, imgExpand)
KIV_ELEMENT_ACCESSOR(Image, imgIcon)
KIV_ELEMENT_ACCESSOR(Image, imgOpt)
KIV_ELEMENT_ACCESSOR(Image, imgUp)
KIV_ELEMENT_ACCESSOR(Image, imgDown)
KIV_ELEMENT_ACCESSOR(kiv::Line, lineSplit)
#undef KIV_ELEMENT_ACCESSOR

}  // namespace kiv
