// The windowing platform the dock runs on: message box, window functions, pointer, drag, text
// metrics and the container's user mode. One platform serves the whole library.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/export.h"
#include "kivdock/types.h"

namespace kiv {

class Element;

struct PointPx {
  int X = 0, Y = 0;
};

class KIVDOCK_EXPORT Platform {
 public:
  virtual ~Platform();

  // The modal message box with a text, one OK button and a caption (DefaultCaption when empty).
  virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
  virtual std::string DefaultCaption() const = 0;

  // Windows of picture boxes and of the control itself.
  virtual Hwnd CreateElementWindow(Hwnd parent) = 0;
  virtual void DestroyElementWindow(Hwnd window) = 0;
  // Window functions; SetParent returns the previous parent.
  virtual Hwnd GetParent(Hwnd window) const = 0;
  virtual Hwnd SetParent(Hwnd child, Hwnd parent) = 0;

  // The pointer in screen pixels, and a screen point in a window's client pixels.
  virtual PointPx GetCursorPos() const = 0;
  virtual PointPx ScreenToClient(Hwnd window, PointPx screen) const = 0;

  // The container's ambient user mode: true at run time, false in a form designer.
  virtual bool UserMode() const = 0;

  // Begins the platform's drag of an element.
  virtual void BeginDrag(Element& source) = 0;
  virtual const Element* DragSource() const = 0;
  // Forgets a drag source that is about to be destroyed.
  virtual void ForgetDragSource(const Element& element) = 0;

  // Text metrics in twips, for labels that size themselves to their text.
  virtual float TextWidth(const Font& font, const std::string& text) const = 0;
  virtual float TextHeight(const Font& font) const = 0;
};

// The library-wide platform; a HeadlessPlatform until one is set.
KIVDOCK_EXPORT void setPlatform(std::shared_ptr<Platform> platform);
KIVDOCK_EXPORT std::shared_ptr<Platform> platform();

}  // namespace kiv
