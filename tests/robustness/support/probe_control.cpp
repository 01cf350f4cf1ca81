#include "support/probe_control.h"

namespace kivrobust {

std::int32_t ProbeControl::align() {
  if (kind_ == Kind::Bare) return HostedControl::align();
  return kind_ == Kind::Aligned ? 1 : 0;
}

std::string ProbeControl::Name() {
  if (!hasMembers()) return HostedControl::Name();
  return "probe" + std::to_string(window_);
}

kiv::Hwnd ProbeControl::hWnd() {
  if (!hasWindow()) return HostedControl::hWnd();
  return window_;
}

void ProbeControl::setVisible(bool v) {
  if (!hasMembers()) HostedControl::setVisible(v);
  visible = v;
  if (!v && onHide) onHide();
}

void ProbeControl::Move(std::int32_t left, std::int32_t top, double width) {
  if (!hasMembers()) HostedControl::Move(left, top, width);
  if (onMove) onMove();
}

void ProbeControl::setHeight(double h) {
  if (!hasMembers()) HostedControl::setHeight(h);
  height = h;
}

}  // namespace kivrobust
