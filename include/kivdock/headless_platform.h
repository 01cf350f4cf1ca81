// The in-memory platform: windows are records, message boxes are recorded, text is measured by
// a fixed rule. It makes the dock fully usable and testable without a screen.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "kivdock/export.h"
#include "kivdock/platform.h"

namespace kiv {

class KIVDOCK_EXPORT HeadlessPlatform : public Platform {
 public:
  struct Message {
    std::string Text, Caption;
  };

  const std::vector<Message>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  std::string DefaultCaption() const override;
  Hwnd CreateWindow();               // a stand-in window of the host
  Hwnd CreateWindow(Hwnd parent);    // the same, as a child of another window
  bool IsWindow(Hwnd window) const;  // whether the window exists
  Hwnd GetParent(Hwnd window) const override;
  Hwnd SetParent(Hwnd child, Hwnd parent) override;
  void SetCursorPos(int xPx, int yPx);  // screen pixels; the dock's window is at 0,0
  void SetUserMode(bool runTime);       // ambient user mode, true by default
  const Element* DragSource() const override { return dragSource_; }

  void MessageBox(const std::string& text, const std::string& caption) override;
  Hwnd CreateElementWindow(Hwnd parent) override;
  void DestroyElementWindow(Hwnd window) override;
  PointPx GetCursorPos() const override { return cursor_; }
  PointPx ScreenToClient(Hwnd window, PointPx screen) const override;
  bool UserMode() const override { return userMode_; }
  void BeginDrag(Element& source) override { dragSource_ = &source; }
  void ForgetDragSource(const Element& element) override;
  // 6 pixels per character of a 9-point font, 15 pixels per line; scaled with the font size.
  float TextWidth(const Font& font, const std::string& text) const override;
  float TextHeight(const Font& font) const override;

 private:
  std::vector<Message> messages_;
  std::map<Hwnd, Hwnd> parents_;
  std::map<Hwnd, std::set<Hwnd>> children_;  // inverse of parents_, without the desktop (0)
  Hwnd nextWindow_ = 0x1000;
  PointPx cursor_;
  bool userMode_ = true;
  const Element* dragSource_ = nullptr;
};

}  // namespace kiv
