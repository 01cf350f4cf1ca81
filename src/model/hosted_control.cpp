// A hosted control offers no member until the host's class provides it.
#include "kivdock/hosted_control.h"
#include "kivdock/events.h"
#include "platform/errors.h"

namespace kiv {

HostedControl::~HostedControl() = default;
std::int32_t HostedControl::align() { throw detail::errors::noMember(); }
std::string HostedControl::Name() { throw detail::errors::noMember(); }
Hwnd HostedControl::hWnd() { throw detail::errors::noMember(); }
void HostedControl::setVisible(bool) { throw detail::errors::noMember(); }
void HostedControl::Move(std::int32_t, std::int32_t, double) { throw detail::errors::noMember(); }
void HostedControl::setHeight(double) { throw detail::errors::noMember(); }

KivDockEvents::~KivDockEvents() = default;

}  // namespace kiv
