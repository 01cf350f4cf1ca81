// The visual elements of a dock: the one truth about what the user sees. A backend draws them
// and turns real input into the entry points below; it never decides anything itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/export.h"
#include "kivdock/types.h"

namespace kiv {

class Elements;
namespace detail {
struct ElementsKey;  // only the library can name one: the members that take it are its own
}  // namespace detail

// Which array (or single element) of the dock an element belongs to.
enum class ElementArray : std::uint8_t {
  Surface,
  picDockBar,
  picTitel,
  lblTitel,
  lblTitelRight,
  imgClose,
  imgCollapse,
  imgExpand,
  imgIcon,
  imgOpt,
  imgUp,
  imgDown,
  picSplit,
  lineSplit,
  VScroll,
  Line1,
  Line2,
  imgHand,
};

enum class ElementKind : std::uint8_t { Surface, PictureBox, Label, Image, Line, VScrollBar };

// What changed on an element, for the backend that draws it.
enum class ElementProperty : std::uint8_t {
  Geometry,
  Visible,
  Container,
  MousePointer,
  MouseIcon,
  ToolTipText,
  BackColor,
  Caption,
  ForeColor,
  Font,
  Picture,
  LinePoints,
  BorderColor,
  ScrollRange,
  ScrollValue,
  ZOrder,
  Drawing,
};

// Mouse pointer numbers of the platform.
enum MousePointers : std::int32_t {
  kPointerDefault = 0,
  kPointerSizeAll = 5,
  kPointerSizeNS = 7,
  kPointerSizePointer = 15,
  kPointerCustom = 99,
};

// Mouse buttons of the input entry points.
enum MouseButtons : std::int16_t { kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4 };

class KIVDOCK_EXPORT Element {
 public:
  virtual ~Element();
  Element& operator=(const Element&) = delete;

  ElementKind Kind() const { return kind_; }
  ElementArray Array() const { return array_; }
  std::int16_t Index() const { return index_; }

  // Geometry in twips, relative to the container.
  float Left() const { return left_; }
  float Top() const;
  float Width() const { return width_; }
  float Height() const { return height_; }
  void setLeft(float v);
  void setTop(float v);
  void setWidth(float v);   // a negative value fails with KivError 380
  void setHeight(float v);  // a negative value fails with KivError 380

  bool Visible() const { return visible_; }
  void setVisible(bool v);
  Element* Container() const { return container_; }
  void setContainer(Element* container);

  std::int32_t MousePointer() const { return mousePointer_; }
  void setMousePointer(std::int32_t v);
  std::shared_ptr<Picture> MouseIcon() const { return mouseIcon_; }
  void setMouseIcon(std::shared_ptr<Picture> v);
  const std::string& ToolTipText() const { return toolTipText_; }
  void setToolTipText(const std::string& v);

  // Stacking among the siblings in the same container: higher is in front.
  std::uint64_t ZRank() const { return zRank_; }

  // Position of the top-left corner in the dock surface's coordinates, and whether the element
  // and every container up to the surface are visible.
  float AbsoluteLeft() const;
  float AbsoluteTop() const;
  bool VisibleOnScreen() const;

  // User input, as the platform delivers it. Button: 1 left, 2 right, 4 middle; X, Y in twips
  // relative to the element.
  void Click();
  void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void DragDrop(float X, float Y);

  Elements* owner() const { return owner_; }

  // The library's side: the dock's elements place an element in one of their arrays, hide it,
  // lay it into a container without telling anyone (a template), and copy a template.
  void adopt(const detail::ElementsKey& key, Elements& owner, ElementArray array, std::int16_t k);
  void hide(const detail::ElementsKey&) { visible_ = false; }
  void placeIn(const detail::ElementsKey&, Element* container) { container_ = container; }
  std::unique_ptr<Element> copy(const detail::ElementsKey&) const { return clone(); }

 protected:
  explicit Element(ElementKind kind) : kind_(kind) {}
  Element(const Element& other);
  void changed(ElementProperty what);
  void raiseZ();

 private:
  virtual std::unique_ptr<Element> clone() const = 0;
  virtual void containerChanged() {}

  ElementKind kind_;
  ElementArray array_ = ElementArray::Surface;
  std::int16_t index_ = 0;
  Elements* owner_ = nullptr;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  Element* container_ = nullptr;
  std::int32_t mousePointer_ = kPointerDefault;
  std::shared_ptr<Picture> mouseIcon_;
  std::string toolTipText_;
  std::uint64_t zRank_ = 0;
};

}  // namespace kiv
