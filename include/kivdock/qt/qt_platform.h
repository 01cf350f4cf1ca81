// The Qt platform of the dock: message boxes, window functions on QWidgets, the pointer, the
// title drag and text metrics. KivDockWidget installs one when the library's platform is not one.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivdock/platform.h"
#include "kivdock/qt/export.h"

namespace kiv::qt {

class KIVDOCK_QT_EXPORT QtPlatform : public kiv::Platform {
 public:
  // Interactive shows message boxes; Recording only records them, for tests and for runs without
  // a display. Automatic is Recording on the offscreen and minimal platforms.
  enum class Mode { Automatic, Interactive, Recording };

  struct Message {
    std::string Text, Caption;
  };

  explicit QtPlatform(Mode mode = Mode::Automatic);
  ~QtPlatform() override;

  // The library's platform as a QtPlatform, installing a new one if it is something else.
  static std::shared_ptr<QtPlatform> ensureInstalled();

  bool recording() const { return recording_; }
  void setRecording(bool on) { recording_ = on; }
  // Every message box shown or recorded, in order.
  const std::vector<Message>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  // The ambient user mode: true in an application; a test may pretend to be a designer.
  void SetUserMode(bool runTime) { userMode_ = runTime; }

  // The element whose drag the dock began and that still waits for the dock widget to run it, if
  // any; the KivDockWidget that delivered the press takes it.
  const Element* takePendingDrag();
  // Where the pointer is, in screen pixels, while a drop is delivered: the release's position
  // rather than wherever the pointer is by now. nullopt: the real pointer.
  void setPointerOverride(std::optional<PointPx> pointer) { pointerOverride_ = pointer; }

  void MessageBox(const std::string& text, const std::string& caption) override;
  std::string DefaultCaption() const override;
  Hwnd CreateElementWindow(Hwnd parent) override;
  void DestroyElementWindow(Hwnd window) override;
  Hwnd GetParent(Hwnd window) const override;
  Hwnd SetParent(Hwnd child, Hwnd parent) override;
  PointPx GetCursorPos() const override;
  PointPx ScreenToClient(Hwnd window, PointPx screen) const override;
  bool UserMode() const override { return userMode_; }
  void BeginDrag(Element& source) override;
  const Element* DragSource() const override { return dragSource_; }
  void ForgetDragSource(const Element& element) override;
  float TextWidth(const Font& font, const std::string& text) const override;
  float TextHeight(const Font& font) const override;

 private:
  std::vector<Message> messages_;
  bool recording_;
  bool userMode_ = true;
  const Element* dragSource_ = nullptr;
  const Element* pendingDrag_ = nullptr;
  std::optional<PointPx> pointerOverride_;
};

}  // namespace kiv::qt
