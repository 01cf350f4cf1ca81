// The Qt platform of the dock: message boxes, window functions on QWidgets, the pointer, the
// title drag and text metrics. KivDockWidget installs one when the library's platform is not one.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "kivdock/platform.h"
#include "kivdock/qt/export.h"

namespace kiv::qt {

class KIVDOCK_QT_EXPORT QtPlatform : public kiv::Platform {
 public:
  // Interactive shows message boxes and runs title drags; Recording only records both, for tests
  // and for runs without a display. Automatic is Recording on the offscreen and minimal platforms.
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

  // The element whose drag the dock began and that still waits for a Qt drag to run, if any;
  // the KivDockWidget that delivered the press takes it. Null when recording.
  const Element* takePendingDrag();

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
};

}  // namespace kiv::qt
