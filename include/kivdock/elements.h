// The visual elements of one dock: thirteen element arrays (element 0 of each is a design
// template that is never shown) and the single elements VScroll, Line1, Line2, imgHand and the
// control's own surface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "kivdock/element.h"
#include "kivdock/export.h"
#include "kivdock/image.h"
#include "kivdock/label.h"
#include "kivdock/line.h"
#include "kivdock/picture_box.h"
#include "kivdock/surface.h"
#include "kivdock/vscrollbar.h"

namespace kiv {

class Platform;

namespace detail {
class ElementHost;
struct ElementsState;  // the library's side, complete only inside the library
}  // namespace detail

// A backend that draws the elements listens here.
class KIVDOCK_EXPORT ElementObserver {
 public:
  virtual ~ElementObserver();
  virtual void elementCreated(Element& element) { (void)element; }
  virtual void elementDestroyed(Element& element) { (void)element; }
  virtual void elementChanged(Element& element, ElementProperty what) { (void)element, (void)what; }
};

class KIVDOCK_EXPORT Elements {
 public:
  Elements(const detail::ElementsKey& key, detail::ElementHost* host);  // the dock creates them
  ~Elements();
  Elements(const Elements&) = delete;
  Elements& operator=(const Elements&) = delete;

  // Elements of the bar arrays; an element that does not exist throws KivError 340.
  PictureBox& picDockBar(std::int16_t k);
  PictureBox& picTitel(std::int16_t k);
  PictureBox& picSplit(std::int16_t k);
  Label& lblTitel(std::int16_t k);
  Label& lblTitelRight(std::int16_t k);
  Image& imgClose(std::int16_t k);
  Image& imgCollapse(std::int16_t k);
  Image& imgExpand(std::int16_t k);
  Image& imgIcon(std::int16_t k);
  Image& imgOpt(std::int16_t k);
  Image& imgUp(std::int16_t k);
  Image& imgDown(std::int16_t k);
  kiv::Line& lineSplit(std::int16_t k);
  // The single elements.
  Image& imgHand();
  kiv::Line& Line1();
  kiv::Line& Line2();
  VScrollBar& VScroll();
  Surface& surface();

  // The highest element index in use (picDockBar), 0 with none.
  std::int16_t UBound() const;

  // Any element by array and index, or nullptr.
  Element* find(ElementArray array, std::int16_t k) const;
  // Every element that exists, templates included, containers before their contents.
  void forEach(const std::function<void(Element&)>& visit) const;

  void setObserver(ElementObserver* observer);
  ElementObserver* observer() const;
  // The platform that owns the windows of these elements.
  const std::shared_ptr<Platform>& elementPlatform() const;
  // The window of the nearest picture box or surface that contains an element.
  Hwnd containerWindow(const Element& element) const;

  // The library's side of the elements.
  detail::ElementsState& state() { return *state_; }
  const detail::ElementsState& state() const { return *state_; }

 private:
  std::unique_ptr<detail::ElementsState> state_;
};

}  // namespace kiv
