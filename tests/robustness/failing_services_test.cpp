// Services that cannot be created, and services whose Nth call fails: loading goes on without the
// failed value, colours keep theirs, the hide rule skips its message, saving stops at the first
// failure with one report and keeps what it wrote; the dock stays usable throughout.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/invariants.h"
#include "support/recording_services.h"

namespace kivrobust {
namespace {

using Store = std::map<std::pair<std::string, std::string>, std::string>;

struct ClosedKeys : kiv::KivDockEvents {
  std::vector<std::string> keys;
  void Closed(std::string& key) override { keys.push_back(key); }
};

class FailingServices : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = std::make_shared<kiv::HeadlessPlatform>();
    kiv::setPlatform(platform);
  }
  void TearDown() override {
    if (dock) dock->setEventSink(nullptr);
    dock.reset();
    kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
  }

  // Three closable bars; the store holds a, b (collapsed) and c (hidden, as it is by default
  // without a stored text), and the host's colours.
  void build(std::function<std::shared_ptr<kiv::SharedServices>()> factory) {
    kiv::setSharedServicesFactory(std::move(factory));
    dock = kiv::KivDock::create();
    dock->setSize(4800, 6000);
    dock->setEventSink(&closed);
    for (const char* key : {"a", "b", "c"}) {
      auto bar = dock->Bars().Add();
      bar->setKey(key);
      bar->setTitle(key);
      bar->setCanExpand(true);
      bar->setAllowResize(true);
      bar->setShowClose(true);
      bar->setHideByDefault(std::string(key) == "c");
      bar->setHeight(1000);
    }
  }
  std::shared_ptr<RecordingServices> recording(std::size_t failAt) {
    auto s = std::make_shared<RecordingServices>();
    s->store("a", "1:1:1:1000");
    s->store("b", "2:1:0:1200");
    s->store("c", "3:1:2:1400");
    s->Colors = {{140, 0x101010}, {150, 0x202020}, {14, 0x303030}, {15, 0x404040}, {10, 0x505050}};
    s->Options = {{141, true}};
    s->failAt = failAt;
    return s;
  }
  kiv::Element& closeButton(const char* key) {
    return dock->elements().imgClose(
        static_cast<std::int16_t>(dock->Bars().ItemByKey(key)->Index()));
  }
  void expectAllowedState() {
    InvariantInput in;
    in.dock = dock.get();
    in.stackSettled = in.widthsSettled = true;
    for (const auto& finding : checkInvariants(in)) ADD_FAILURE() << finding;
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> list;
    for (const auto& m : platform->Messages()) list.push_back(m.Caption + ": " + m.Text);
    return list;
  }

  // Show (colours, settings; c hides by default), Save, close a, try to close b, the last one.
  void scenario() {
    dock->setShow(true);
    expectAllowedState();
    dock->Save();
    closeButton("a").Click();
    closeButton("b").Click();
    expectAllowedState();
  }

  std::shared_ptr<kiv::HeadlessPlatform> platform;
  std::shared_ptr<kiv::KivDock> dock;
  ClosedKeys closed;
};

TEST_F(FailingServices, ServicesThatCannotBeCreatedLeaveTheDockUsable) {
  for (const bool throws : {false, true}) {
    SCOPED_TRACE(throws ? "factory throws" : "factory returns none");
    platform->ClearMessages();
    closed.keys.clear();
    build([throws]() -> std::shared_ptr<kiv::SharedServices> {
      if (throws) throw std::runtime_error("no services");
      return nullptr;
    });
    scenario();
    auto bar = [&](const char* key) { return dock->Bars().ItemByKey(key); };
    // No colours; no stored texts, so the bar that hides by default is hidden.
    EXPECT_EQ(bar("a")->BackColor(), 0);
    EXPECT_EQ(bar("b")->State(), kiv::eBarExpanded);
    EXPECT_EQ(bar("c")->State(), kiv::eBarHidden);
    // The closes: a hides; b stays as the last one and its message is skipped.
    EXPECT_EQ(bar("a")->State(), kiv::eBarHidden);
    EXPECT_EQ(bar("b")->State(), kiv::eBarExpanded);
    EXPECT_EQ(closed.keys, (std::vector<std::string>{"a"}));
    // Every save reports once: Save and the close.
    const std::string report =
        "pSaveSettings: Objekterstellung durch ActiveX-Komponente nicht m\xc3\xb6glich";
    EXPECT_EQ(captions(), (std::vector<std::string>{report, report}));

    // Once the services can be created, the next use does so.
    auto services = recording(0);
    kiv::setSharedServicesFactory([services] { return services; });
    dock->ShowElement(0);
    dock->Save();
    EXPECT_EQ(services->stored("a"), expectedSettings(*dock)["a"]);
    expectAllowedState();
    dock->setEventSink(nullptr);
    dock.reset();
  }
}

// The colours of every bar and of the surface that differ from the host's.
int coloursMissing(kiv::KivDock& dock) {
  int missing = dock.elements().surface().BackColor() != 0x505050;
  for (std::int32_t i = 1; i <= dock.Bars().Count(); ++i) {
    auto b = dock.Bars().Item(i);
    missing += (b->BackColor() != 0x101010) + (b->TitleForeColor() != 0x202020) +
               (b->TitleBackColorStart() != 0x303030) + (b->TitleBackColorEnd() != 0x404040) +
               !b->TitleVertical();
  }
  return missing;
}

// Runs the scenario once for every call the services get, with that call failing.
TEST_F(FailingServices, EveryCallMayFailOnce) {
  auto clean = recording(0);
  build([clean] { return clean; });
  dock->setShow(true);
  const std::size_t showing = clean->calls.size();  // the calls up to the end of showing
  dock->Save();
  const std::size_t saving = clean->calls.size();
  closeButton("a").Click();
  closeButton("b").Click();
  const std::vector<std::string> calls = clean->calls;
  ASSERT_EQ(calls.back(), "ShowMessage Sie m\xc3\xbcssen mindestens ein Element sichtbar lassen!");
  dock->setEventSink(nullptr);
  dock.reset();

  for (std::size_t n = 1; n <= calls.size(); ++n) {
    const std::string& call = calls[n - 1];
    SCOPED_TRACE("call " + std::to_string(n) + " fails: " + call);
    platform->ClearMessages();
    closed.keys.clear();
    auto services = recording(n);
    build([services] { return services; });
    auto bar = [&](const char* key) { return dock->Bars().ItemByKey(key); };

    dock->setShow(true);
    expectAllowedState();
    if (n <= showing) {
      const bool colour = call.rfind("ReadColor", 0) == 0 || call.rfind("ReadOption", 0) == 0;
      EXPECT_EQ(coloursMissing(*dock), colour ? 1 : 0);
      EXPECT_EQ(bar("b")->State(),
                call == "ReadSetting b" ? kiv::eBarExpanded : kiv::eBarCollapsed);
      EXPECT_EQ(bar("c")->State(), kiv::eBarHidden);
    }
    const Store loaded = services->Settings;
    const std::map<std::string, std::string> wanted = expectedSettings(*dock);
    dock->Save();
    if (n > showing && n <= saving) {
      // Saving writes a, b, c; the failed write and the later ones keep the loaded texts.
      const std::size_t failed = n - showing - 1;
      const char* keys[] = {"a", "b", "c"};
      for (std::size_t i = 0; i < 3; ++i) {
        const std::string kept = loaded.at({"DockBar", keys[i]});
        EXPECT_EQ(services->stored(keys[i]), i < failed ? wanted.at(keys[i]) : kept) << keys[i];
      }
    }
    closeButton("a").Click();
    closeButton("b").Click();
    expectAllowedState();

    const auto shown = captions();
    if (call.rfind("WriteSetting", 0) == 0) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0], std::string("pSaveSettings: ") + RecordingServices::kFailure);
    } else {
      EXPECT_TRUE(shown.empty()) << shown.front();
    }
    // The closes went as without the failure; the refused one shows its message unless the
    // message itself failed.
    EXPECT_EQ(bar("a")->State(), kiv::eBarHidden);
    EXPECT_NE(bar("b")->State(), kiv::eBarHidden);
    EXPECT_EQ(closed.keys, (std::vector<std::string>{"a"}));
    EXPECT_EQ(services->Messages.size(), n == calls.size() ? 0u : 1u);

    // Usable afterwards: everything comes back and the next save writes every bar.
    services->failAt = 0;
    dock->ShowElement(0);
    dock->Save();
    for (const auto& finding : checkSavedSettings(*dock, *services)) ADD_FAILURE() << finding;
    EXPECT_TRUE(services->malformedWrites.empty());
    expectAllowedState();
    dock->setEventSink(nullptr);
    dock.reset();
  }
}

}  // namespace
}  // namespace kivrobust
