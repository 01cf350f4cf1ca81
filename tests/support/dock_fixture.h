// The common setting of behaviour tests: fresh in-memory services, a backend installed, a dock
// of 4000 x 6000 twips, a recorder of the dock's events and controls of the host. It brings the
// standard headers the behaviour tests use.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "kivdock/kivdock.h"
#include "support/harness.h"

namespace kivtest {

using Keys = std::vector<std::string>;
using Bar = std::shared_ptr<kiv::cKivBar>;

// A control of the host that records what the dock did to it.
struct TestControl : kiv::HostedControl {
  explicit TestControl(kiv::Hwnd window, std::string name = "grdItems", std::int32_t align = 0)
      : window(window), name(std::move(name)), alignment(align) {}
  std::int32_t align() override { return alignment; }
  std::string Name() override { return name; }
  kiv::Hwnd hWnd() override { return window; }
  void setVisible(bool v) override { visible = v, ++visibleWrites, onVisible(); }
  void Move(std::int32_t l, std::int32_t t, double w) override { left = l, top = t, width = w; }
  void setHeight(double h) override { height = h; }

  kiv::Hwnd window;
  std::string name;
  std::int32_t alignment;
  bool visible = true;
  int visibleWrites = 0;
  std::int32_t left = -1, top = -1;
  double width = -1, height = -1;
  std::function<void()> onVisible = [] {};
};

// A control that has none of the members the dock looks for: only its window.
struct BareControl : kiv::HostedControl {
  explicit BareControl(kiv::Hwnd window) : window(window) {}
  kiv::Hwnd hWnd() override { return window; }
  kiv::Hwnd window;
};

// In-memory services whose reads and writes of settings a test may react to, by key.
struct HookedServices : kiv::MemorySharedServices {
  std::function<void(const std::string&)> onRead = [](const std::string&) {};
  std::function<void(const std::string&)> onWrite = [](const std::string&) {};
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override {
    onRead(key);
    return MemorySharedServices::ReadSetting(section, key, flags);
  }
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t flags) override {
    onWrite(key);
    return MemorySharedServices::WriteSetting(section, key, value, flags);
  }
};

// Records the dock's events; a test may answer OptShow and react to events from inside.
struct EventLog : kiv::KivDockEvents {
  Keys log;
  bool reload = false, cancel = false;  // OptShow's answer: bReLoad, and clearing the key
  std::function<void()> onCtlResize = [] {}, onClosed = [] {}, onRightClick = [] {};
  void Closed(std::string& Key) override { log.push_back("Closed " + Key), onClosed(); }
  void CtlResize(std::string& Key) override { log.push_back("CtlResize " + Key), onCtlResize(); }
  void OptShow(std::string& Key, bool& bReLoad) override {
    log.push_back("OptShow " + Key);
    EXPECT_FALSE(bReLoad) << "bReLoad starts false";
    bReLoad = reload;
    if (cancel) Key.clear();
  }
  void RightClick(std::string& Key) override { log.push_back("RightClick " + Key), onRightClick(); }
};

class DockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    harness().install();
    services = std::make_shared<HookedServices>();
    auto s = services;
    kiv::setSharedServicesFactory([s] { return s; });
    dock = harness().createDock(4000, 6000);
    dock->setEventSink(&events);
  }
  void TearDown() override {
    if (dock) dock->setEventSink(nullptr);
    dock.reset();
    kiv::resetSharedServices();
  }

  // A bar with a key and a title; the other properties keep their defaults.
  Bar addBar(const std::string& key) {
    auto bar = dock->Bars().Add();
    bar->setKey(key);
    bar->setTitle(key);
    return bar;
  }
  // A resizable, collapsible bar of the given height.
  Bar addResizable(const std::string& key, std::int32_t height) {
    auto bar = addBar(key);
    bar->setCanExpand(true);
    bar->setAllowResize(true);
    bar->setHeight(height);
    return bar;
  }
  std::shared_ptr<TestControl> host(kiv::cKivBar& bar, const std::string& name = "grdItems") {
    auto control = std::make_shared<TestControl>(harness().newWindow(0), name);
    bar.letControl(control);
    return control;
  }
  kiv::Elements& el() { return dock->elements(); }
  static std::int16_t k(const Bar& bar) { return static_cast<std::int16_t>(bar->Index()); }
  kiv::PictureBox& body(const Bar& bar) { return el().picDockBar(k(bar)); }
  void relayout() { dock->ShowElement(9999); }  // a layout pass: no bar has this index
  // The order as bar keys, top to bottom.
  Keys order() {
    Keys keys;
    for (std::int32_t p = 1; p <= dock->Bars().Count(); ++p) {
      keys.push_back(dock->Bars().ItemByOrder(p)->Key());
    }
    return keys;
  }
  std::string stored(const std::string& key) {
    auto it = services->Settings.find({"DockBar", key});
    return it == services->Settings.end() ? std::string() : it->second;
  }

  std::shared_ptr<HookedServices> services;
  std::shared_ptr<kiv::KivDock> dock;
  EventLog events;
};

}  // namespace kivtest
