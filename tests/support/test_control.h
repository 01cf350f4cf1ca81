// A control of the host for tests: it records what the dock did to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"

namespace kivtest {

class TestControl : public kiv::HostedControl {
 public:
  explicit TestControl(kiv::Hwnd window, std::string name = "grdItems", std::int32_t align = 0)
      : window_(window), name_(std::move(name)), align_(align) {}

  std::int32_t align() override { return align_; }
  std::string Name() override { return name_; }
  kiv::Hwnd hWnd() override { return window_; }
  void setVisible(bool v) override {
    visible = v;
    ++visibleWrites;
  }
  void Move(std::int32_t l, std::int32_t t, double w) override {
    left = l;
    top = t;
    width = w;
    ++moves;
  }
  void setHeight(double h) override { height = h; }

  bool visible = true;
  int visibleWrites = 0;
  int moves = 0;
  std::int32_t left = -1, top = -1;
  double width = -1, height = -1;

 private:
  kiv::Hwnd window_;
  std::string name_;
  std::int32_t align_;
};

// A control that has none of the members the dock looks for: only its window.
class BareControl : public kiv::HostedControl {
 public:
  explicit BareControl(kiv::Hwnd window) : window_(window) {}
  kiv::Hwnd hWnd() override { return window_; }

 private:
  kiv::Hwnd window_;
};

}  // namespace kivtest
