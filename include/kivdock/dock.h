// KivDock: the docking-panel control. The host creates it, fills it with bars through Bars(),
// shows it and listens to its four events.
#pragma once

#include <any>
#include <cstdint>
#include <memory>

#include "kivdock/bars.h"
#include "kivdock/elements.h"
#include "kivdock/events.h"
#include "kivdock/export.h"

namespace kiv {

class KivDock;
namespace detail {
class DockCore;
DockCore& coreOf(KivDock& dock);
}  // namespace detail

class KIVDOCK_EXPORT KivDock : public std::enable_shared_from_this<KivDock> {
 public:
  // The platform creates the control.
  static std::shared_ptr<KivDock> create();
  ~KivDock();  // termination: saves at run time and gives every hosted control back
  KivDock(const KivDock&) = delete;
  KivDock& operator=(const KivDock&) = delete;

  clsBars& Bars();
  bool AllowScroll() const;
  void setAllowScroll(bool v);
  bool Show() const;
  void setShow(bool v);
  bool DoLoadSettings() const;
  void setDoLoadSettings(bool v);
  // The section of the shared services the bars' arrangement is stored in; "DockBar" unless
  // set. Two docks of one application keep apart with sections of their own.
  const std::string& SettingsSection() const;
  void setSettingsSection(const std::string& section);
  std::any ShowElement(std::int32_t Index);  // always empty
  Hwnd hWndItem(std::int16_t Index);
  void Save();
  void setEventSink(KivDockEvents* sink);  // not owned; nullptr detaches
  // Further listeners, called after the sink with the same arguments; not owned. Adding one twice
  // keeps one entry; removing one that is not there does nothing.
  void addEventListener(KivDockEvents* listener);
  void removeEventListener(KivDockEvents* listener);

  // The control's size as its container sees it, in twips. setSize is the container resizing
  // the control: it raises the control's resize event.
  std::int32_t Width() const;
  std::int32_t Height() const;
  void setSize(std::int32_t width, std::int32_t height);
  Elements& elements();

  // The library's side of the control; complete only inside the library.
  detail::DockCore& core() { return *core_; }

 private:
  KivDock();
  std::unique_ptr<detail::DockCore> core_;
};

}  // namespace kiv
