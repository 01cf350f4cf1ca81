// The backend a behaviour test runs against. The headless suite uses the in-memory platform and
// calls the elements' input entry points; the Qt suite shows the dock in a real widget and sends
// real mouse events. Behaviour tests use only this interface, the public API and the elements.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kivdock/kivdock.h"

namespace kivtest {

struct ShownMessage {
  std::string Text, Caption;
};

class Harness {
 public:
  virtual ~Harness() = default;

  // Makes this backend the library's platform; called before every test.
  virtual void install() = 0;
  // A new dock of this size (twips), placed in the backend's container.
  virtual std::shared_ptr<kiv::KivDock> createDock(std::int32_t width, std::int32_t height) = 0;
  // The container resizes the control.
  virtual void resize(kiv::KivDock& dock, std::int32_t width, std::int32_t height) = 0;
  // Lets the backend catch up with the model (paint, move widgets); a no-op when headless.
  virtual void sync(kiv::KivDock& dock) { (void)dock; }

  // A window of the host that a bar can carry, as a child of `parent` (0: top level).
  virtual kiv::Hwnd newWindow(kiv::Hwnd parent) = 0;
  virtual kiv::Hwnd parentOf(kiv::Hwnd window) = 0;

  // Message boxes shown by the platform, in order.
  virtual std::vector<ShownMessage> messages() = 0;
  virtual void setUserMode(bool runTime) = 0;

  // User input on an element the user sees. x, y in twips relative to the element.
  virtual void click(kiv::Element& element) = 0;
  virtual void press(kiv::Element& element, std::int16_t button, float x, float y) = 0;
  virtual void move(kiv::Element& element, std::int16_t buttons, float x, float y) = 0;
  virtual void release(kiv::Element& element, std::int16_t button, float x, float y) = 0;
  // Drops what is being dragged onto an element at x, y (twips, relative to the element), with
  // the pointer at pointerX, pointerY pixels in the dock's window.
  virtual void drop(kiv::Element& target, float x, float y, int pointerX, int pointerY) = 0;
  // The user moves the scroll bar.
  virtual void scrollTo(kiv::KivDock& dock, std::int32_t value) = 0;
};

// The backend of this test program.
Harness& harness();

}  // namespace kivtest
