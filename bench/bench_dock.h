// A dock filled as a host fills it, for the benchmarks: every bar keyed, resizable and carrying
// a control, on the in-memory platform, with a host that listens to every event.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <benchmark/benchmark.h>

#include "kivdock/kivdock.h"

namespace kivbench {

// A control of the host that only keeps what the dock tells it.
class BenchControl : public kiv::HostedControl {
 public:
  explicit BenchControl(kiv::Hwnd window) : window_(window) {}
  kiv::Hwnd hWnd() override { return window_; }
  void setVisible(bool v) override { visible_ = v; }
  void Move(std::int32_t left, std::int32_t top, double width) override {
    left_ = left;
    top_ = top;
    width_ = width;
  }
  void setHeight(double h) override { height_ = h; }

 private:
  kiv::Hwnd window_;
  bool visible_ = false;
  std::int32_t left_ = 0, top_ = 0;
  double width_ = 0, height_ = 0;
};

// A host that counts what it hears and may ask the options button for a reload.
class BenchHost : public kiv::KivDockEvents {
 public:
  void Closed(std::string&) override { ++events; }
  void CtlResize(std::string&) override { ++events; }
  void OptShow(std::string&, bool& bReLoad) override {
    ++events;
    bReLoad = reload;
  }
  void RightClick(std::string&) override { ++events; }

  bool reload = false;
  std::int64_t events = 0;
};

// The host's settings store with constant-time lookups, so the figures measure the dock's work
// and not the growth of a sorted map of a thousand keys.
class BenchServices : public kiv::MemorySharedServices {
 public:
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t) override {
    const auto it = store_.find(section + '\n' + key);
    return it == store_.end() ? std::string() : it->second;
  }
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t) override {
    store_[section + '\n' + key] = value;
    return 0;
  }

 private:
  std::unordered_map<std::string, std::string> store_;
};

// Bars of 1000 twips in a dock just tall enough for all of them in fill mode, so that sharing
// the height leaves them as they are.
class BenchDock {
 public:
  static constexpr std::int32_t kBarHeight = 1000;

  explicit BenchDock(int bars);
  ~BenchDock();
  BenchDock(const BenchDock&) = delete;
  BenchDock& operator=(const BenchDock&) = delete;

  kiv::KivDock& dock() { return *dock_; }
  kiv::Elements& el() { return dock_->elements(); }
  kiv::cKivBar& bar(int position) { return *dock_->Bars().ItemByOrder(position); }
  std::int16_t index(int position) { return static_cast<std::int16_t>(bar(position).Index()); }
  int count() { return dock_->Bars().Count(); }
  BenchHost& host() { return host_; }

 private:
  std::shared_ptr<kiv::HeadlessPlatform> platform_;
  std::shared_ptr<BenchServices> services_;
  BenchHost host_;
  std::vector<std::shared_ptr<BenchControl>> controls_;
  std::shared_ptr<kiv::KivDock> dock_;
};

// Runs a benchmark with 10, 100 and 1000 bars, in microseconds, and fits how it grows.
inline void barCounts(benchmark::internal::Benchmark* b) {
  b->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();
}

}  // namespace kivbench
