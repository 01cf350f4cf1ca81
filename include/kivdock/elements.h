// The visual elements of one dock: thirteen element arrays (element 0 of each is a design
// template that is never shown) and the single elements VScroll, Line1, Line2, imgHand and the
// control's own surface.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

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
class DockCore;
class ElementHost;
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
  Image& imgHand() { return *hand_; }
  kiv::Line& Line1() { return *line1_; }
  kiv::Line& Line2() { return *line2_; }
  VScrollBar& VScroll() { return *scroll_; }
  Surface& surface() { return *surface_; }

  // The highest element index in use (picDockBar), 0 with none.
  std::int16_t UBound() const;

  // Any element by array and index, or nullptr.
  Element* find(ElementArray array, std::int16_t k) const;
  // Every element that exists, templates included, containers before their contents.
  void forEach(const std::function<void(Element&)>& visit) const;

  void setObserver(ElementObserver* observer) { observer_ = observer; }
  ElementObserver* observer() const { return observer_; }
  // The platform that owns the windows of these elements.
  const std::shared_ptr<Platform>& elementPlatform() const { return platform_; }
  // The window of the nearest picture box or surface that contains an element.
  Hwnd containerWindow(const Element& element) const;

 private:
  friend class Element;
  friend class VScrollBar;
  friend class detail::DockCore;
  static constexpr int kArrays = 13;

  KIVDOCK_NO_EXPORT explicit Elements(detail::ElementHost* host);  // the dock creates them
  Element& at(ElementArray array, std::int16_t k) const;
  // Creates element k of an array as a hidden copy of its template, in the template's container.
  Element& create(ElementArray array, std::int16_t k);
  void destroy(ElementArray array, std::int16_t k);
  void adopt(Element& element, ElementArray array, std::int16_t k);
  void setupTemplates();
  static int slot(ElementArray array);

  detail::ElementHost* host_;
  std::shared_ptr<Platform> platform_;  // the platform the element windows belong to
  ElementObserver* observer_ = nullptr;
  std::uint64_t zCounter_ = 0;
  std::unique_ptr<Surface> surface_;
  std::unique_ptr<VScrollBar> scroll_;
  std::unique_ptr<kiv::Line> line1_, line2_;
  std::unique_ptr<Image> hand_;
  std::array<std::vector<std::unique_ptr<Element>>, kArrays> arrays_;
};

}  // namespace kiv
