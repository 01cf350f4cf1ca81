// Controls of the host for robustness runs: one that offers every member the dock uses, one that
// offers only its window, one that is aligned (and so rejected by setControl), one without a
// window. Each may call back into the dock from Move, as a host control may.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "kivdock/kivdock.h"

namespace kivrobust {

class ProbeControl : public kiv::HostedControl {
 public:
  enum class Kind { Full, Bare, Aligned, NoWindow };
  static constexpr int kKinds = 4;

  ProbeControl(Kind kind, kiv::Hwnd window, kiv::Hwnd originalParent)
      : kind_(kind), window_(window), originalParent_(originalParent) {}

  Kind kind() const { return kind_; }
  kiv::Hwnd window() const { return window_; }
  kiv::Hwnd originalParent() const { return originalParent_; }
  bool hasWindow() const { return kind_ != Kind::NoWindow; }

  std::int32_t align() override;
  std::string Name() override;
  kiv::Hwnd hWnd() override;
  void setVisible(bool visible) override;
  void Move(std::int32_t left, std::int32_t top, double width) override;
  void setHeight(double height) override;

  bool visible = true;
  double height = -1;
  // Run inside Move and inside setVisible(false): a host control that re-enters the dock.
  std::function<void()> onMove, onHide;

 private:
  bool hasMembers() const { return kind_ == Kind::Full || kind_ == Kind::Aligned; }

  Kind kind_;
  kiv::Hwnd window_;
  kiv::Hwnd originalParent_;
};

}  // namespace kivrobust
