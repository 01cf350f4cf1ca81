#include "kivdock/elements.h"

#include "kivdock/platform.h"
#include "platform/elements_state.h"
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

Elements::Elements(const detail::ElementsKey& key, detail::ElementHost* host)
    : state_(std::make_unique<detail::ElementsState>()) {
  detail::ElementsState& s = *state_;
  s.host_ = host;
  s.platform_ = platform();
  s.surface_ = std::make_unique<Surface>();
  s.surface_->adopt(key, *this, ElementArray::Surface, 0);
  if (s.platform_) s.surface_->setWindow(key, s.platform_->CreateElementWindow(0));
  detail::setupTemplates(*this);
}

Elements::~Elements() {
  // Contents before their containers, highest index first; the single elements last.
  detail::ElementsState& s = *state_;
  for (ElementArray a : kArrayOrder) {
    auto& vec = s.arrays_[detail::arraySlot(a)];
    while (!vec.empty()) vec.pop_back();
  }
  s.hand_.reset();
  s.line1_.reset();
  s.line2_.reset();
  s.scroll_.reset();
  s.surface_.reset();
}

Image& Elements::imgHand() { return *state_->hand_; }
kiv::Line& Elements::Line1() { return *state_->line1_; }
kiv::Line& Elements::Line2() { return *state_->line2_; }
VScrollBar& Elements::VScroll() { return *state_->scroll_; }
Surface& Elements::surface() { return *state_->surface_; }
void Elements::setObserver(ElementObserver* observer) { state_->observer_ = observer; }
ElementObserver* Elements::observer() const { return state_->observer_; }
const std::shared_ptr<Platform>& Elements::elementPlatform() const { return state_->platform_; }

Element* Elements::find(ElementArray array, std::int16_t k) const {
  const detail::ElementsState& st = *state_;
  if (const int s = detail::arraySlot(array); s >= 0) {
    const auto& vec = st.arrays_[static_cast<std::size_t>(s)];
    return k >= 0 && k < static_cast<std::int32_t>(vec.size()) ? vec[k].get() : nullptr;
  }
  switch (array) {
    case ElementArray::Surface:
      return st.surface_.get();
    case ElementArray::VScroll:
      return st.scroll_.get();
    case ElementArray::Line1:
      return st.line1_.get();
    case ElementArray::Line2:
      return st.line2_.get();
    case ElementArray::imgHand:
      return st.hand_.get();
    default:
      return nullptr;
  }
}

namespace {
// Element k of one of the arrays; one that does not exist throws.
Element& at(const detail::ElementsState& st, int slot, std::int16_t k) {
  const auto& vec = st.arrays_[static_cast<std::size_t>(slot)];
  if (k < 0 || k >= static_cast<std::int32_t>(vec.size()) || !vec[k]) {
    throw detail::errors::missingElement(k);
  }
  return *vec[k];
}
}  // namespace

std::int16_t Elements::UBound() const {
  return static_cast<std::int16_t>(
      state_->arrays_[detail::arraySlot(ElementArray::picDockBar)].size() - 1);
}

Hwnd Elements::containerWindow(const Element& element) const {
  for (const Element* c = element.Container(); c; c = c->Container()) {
    if (c->Kind() == ElementKind::PictureBox) return static_cast<const PictureBox*>(c)->hWnd();
    if (c->Kind() == ElementKind::Surface) return static_cast<const Surface*>(c)->hWnd();
  }
  return 0;
}

Element& detail::createElement(Elements& elements, ElementArray array, std::int16_t k) {
  ElementsState& st = elements.state();
  const int s = arraySlot(array);
  if (s < 0 || k <= 0) throw errors::invalidCall();
  auto& vec = st.arrays_[s];
  if (vec.empty() || !vec[0]) throw errors::missingElement(0);
  if (k < static_cast<std::int32_t>(vec.size()) && vec[k]) throw errors::alreadyLoaded();
  const ElementsKey key;
  std::unique_ptr<Element> made = vec[0]->copy(key);
  Element& element = *made;
  if (static_cast<std::int32_t>(vec.size()) <= k) vec.resize(static_cast<std::size_t>(k) + 1);
  vec[k] = std::move(made);
  element.adopt(key, elements, array, k);
  element.hide(key);
  if (element.Kind() == ElementKind::PictureBox && st.platform_) {
    static_cast<PictureBox&>(element).setWindow(
        key, st.platform_->CreateElementWindow(elements.containerWindow(element)));
  }
  if (st.observer_) st.observer_->elementCreated(element);
  return element;
}

void detail::destroyElement(Elements& elements, ElementArray array, std::int16_t k) {
  ElementsState& st = elements.state();
  const int s = arraySlot(array);
  if (s < 0 || k <= 0) throw errors::missingElement(k);
  auto& vec = st.arrays_[s];
  if (k >= static_cast<std::int32_t>(vec.size()) || !vec[k]) throw errors::missingElement(k);
  if (st.observer_) st.observer_->elementDestroyed(*vec[k]);
  if (st.platform_) st.platform_->ForgetDragSource(*vec[k]);
  vec[k].reset();
  while (vec.size() > 1 && !vec.back()) vec.pop_back();
}

void Elements::forEach(const std::function<void(Element&)>& visit) const {
  const detail::ElementsState& st = *state_;
  visit(*st.surface_);
  for (Element* single :
       {static_cast<Element*>(st.scroll_.get()), static_cast<Element*>(st.line1_.get()),
        static_cast<Element*>(st.line2_.get()), static_cast<Element*>(st.hand_.get())}) {
    if (single) visit(*single);
  }
  constexpr ElementArray kContainersFirst[] = {
      ElementArray::picDockBar, ElementArray::picTitel,    ElementArray::picSplit,
      ElementArray::lineSplit,  ElementArray::lblTitel,    ElementArray::lblTitelRight,
      ElementArray::imgClose,   ElementArray::imgCollapse, ElementArray::imgExpand,
      ElementArray::imgIcon,    ElementArray::imgOpt,      ElementArray::imgUp,
      ElementArray::imgDown};
  for (ElementArray a : kContainersFirst) {
    for (const auto& e : st.arrays_[detail::arraySlot(a)]) {
      if (e) visit(*e);
    }
  }
}

#define KIV_ELEMENT_ACCESSOR(Type, name)                        \
  Type& Elements::name(std::int16_t k) {                        \
    constexpr int slot = detail::arraySlot(ElementArray::name); \
    return static_cast<Type&>(at(*state_, slot, k));            \
  }
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
