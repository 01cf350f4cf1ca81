// The common setting of behaviour tests: fresh in-memory services, a backend installed, a dock
// of 4000 x 6000 twips, and a recorder of the dock's events.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"
#include "support/harness.h"
#include "support/test_control.h"

namespace kivtest {

struct EventLog : kiv::KivDockEvents {
  std::vector<std::string> log;
  void Closed(std::string& Key) override { log.push_back("Closed " + Key); }
  void CtlResize(std::string& Key) override { log.push_back("CtlResize " + Key); }
  void OptShow(std::string& Key, bool&) override { log.push_back("OptShow " + Key); }
  void RightClick(std::string& Key) override { log.push_back("RightClick " + Key); }
  std::size_t count(const std::string& entry) const {
    std::size_t n = 0;
    for (const auto& e : log) n += e == entry;
    return n;
  }
};

class DockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    harness().install();
    services = std::make_shared<kiv::MemorySharedServices>();
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
  std::shared_ptr<kiv::cKivBar> addBar(const std::string& key) {
    auto bar = dock->Bars().Add();
    bar->setKey(key);
    bar->setTitle(key);
    return bar;
  }
  // A resizable, collapsible bar of the given height.
  std::shared_ptr<kiv::cKivBar> addResizable(const std::string& key, std::int32_t height) {
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
  static std::int16_t k(const std::shared_ptr<kiv::cKivBar>& bar) {
    return static_cast<std::int16_t>(bar->Index());
  }
  // The order as bar keys, top to bottom.
  std::vector<std::string> order() {
    std::vector<std::string> keys;
    for (std::int32_t p = 1; p <= dock->Bars().Count(); ++p) {
      keys.push_back(dock->Bars().ItemByOrder(p)->Key());
    }
    return keys;
  }
  std::string stored(const std::string& key) {
    auto it = services->Settings.find({"DockBar", key});
    return it == services->Settings.end() ? std::string() : it->second;
  }

  std::shared_ptr<kiv::MemorySharedServices> services;
  std::shared_ptr<kiv::KivDock> dock;
  EventLog events;
};

}  // namespace kivtest
