// Closing a bar with its title's close button: at least one bar stays visible, the user is told
// so through the shared services, and a closed bar raises Closed after the layout and before
// the settings are saved.
#include <functional>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
const char* const kKeepOneVisible = "Sie müssen mindestens ein Element sichtbar lassen!";

// Services that remember the arguments of ShowMessage and can act while settings are read.
class RecordingServices : public kiv::MemorySharedServices {
 public:
  struct Call {
    std::int32_t style;
    std::string title;
    std::int16_t flags;
    std::int32_t owner;
  };
  std::int32_t ShowMessage(const std::string& text, std::int32_t style, const std::string& title,
                           std::int16_t flags, std::int32_t owner) override {
    calls.push_back({style, title, flags, owner});
    return MemorySharedServices::ShowMessage(text, style, title, flags, owner);
  }
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override {
    if (whileReading) whileReading();
    return MemorySharedServices::ReadSetting(section, key, flags);
  }
  std::vector<Call> calls;
  std::function<void()> whileReading;
};
}  // namespace

class HideRuleTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    recording = std::make_shared<RecordingServices>();
    services = recording;
    auto s = recording;
    kiv::setSharedServicesFactory([s] { return s; });
  }
  std::shared_ptr<kiv::cKivBar> closable(const std::string& key) {
    auto bar = addBar(key);
    bar->setHeight(900);
    bar->setShowClose(true);
    return bar;
  }
  void close(const std::shared_ptr<kiv::cKivBar>& bar) {
    kiv::Image& button = el().imgClose(k(bar));
    ASSERT_TRUE(button.VisibleOnScreen());
    harness().click(button);
  }
  std::shared_ptr<RecordingServices> recording;
};

TEST_F(HideRuleTest, TheLastVisibleBarStaysAndTheUserIsTold) {
  auto a = closable("a");
  auto b = closable("b");
  b->setState(kiv::eBarHidden);
  dock->setShow(true);
  services->Settings.clear();
  close(a);
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());
  ASSERT_EQ(services->Messages, (std::vector<std::string>{kKeepOneVisible}));
  ASSERT_EQ(recording->calls.size(), 1u);
  EXPECT_EQ(recording->calls[0].style, 0);
  EXPECT_EQ(recording->calls[0].title, "");
  EXPECT_EQ(recording->calls[0].flags, -1);  // true: all bits set
  EXPECT_EQ(recording->calls[0].owner, 0);
  EXPECT_EQ(events.count("Closed a"), 0u);
  EXPECT_TRUE(services->Settings.empty());
  EXPECT_TRUE(harness().messages().empty());  // not the platform's message box
}

TEST_F(HideRuleTest, ClosingOneOfTwoRaisesClosedAfterTheLayoutAndThenSaves) {
  auto a = closable("a");
  auto b = closable("b");
  dock->setShow(true);
  ASSERT_EQ(el().picDockBar(k(b)).Top(), 900);
  services->Settings.clear();

  struct AtClosed : EventLog {
    std::function<void()> check;
    void Closed(std::string& Key) override {
      EventLog::Closed(Key);
      check();
    }
  } sink;
  bool checked = false;
  sink.check = [&] {
    checked = true;
    EXPECT_FALSE(el().picDockBar(k(a)).Visible());
    EXPECT_EQ(el().picDockBar(k(b)).Top(), 0);  // laid out already
    EXPECT_TRUE(services->Settings.empty());    // saved afterwards
  };
  dock->setEventSink(&sink);
  close(a);
  dock->setEventSink(&events);
  EXPECT_TRUE(checked);
  EXPECT_EQ(sink.count("Closed a"), 1u);
  EXPECT_EQ(a->State(), kiv::eBarHidden);
  EXPECT_EQ(a->Height(), 0);
  EXPECT_EQ(dock->Bars().CountVisible(), 1);
  EXPECT_EQ(stored("a"), "1:1:2:0");
  EXPECT_FALSE(stored("b").empty());
  EXPECT_TRUE(services->Messages.empty());

  // Now b is the last one visible.
  close(b);
  EXPECT_EQ(b->State(), kiv::eBarExpanded);
  EXPECT_EQ(services->Messages, (std::vector<std::string>{kKeepOneVisible}));
}

TEST_F(HideRuleTest, ACollapsedBarCountsAsVisible) {
  auto a = closable("a");
  auto b = closable("b");
  b->setCanExpand(true);
  b->setState(kiv::eBarCollapsed);
  dock->setShow(true);
  close(a);
  EXPECT_EQ(a->State(), kiv::eBarHidden);
  EXPECT_EQ(b->State(), kiv::eBarCollapsed);
  EXPECT_EQ(events.count("Closed a"), 1u);
  EXPECT_TRUE(services->Messages.empty());
}

TEST_F(HideRuleTest, CloseRequestWhileSettingsLoadDoesNothing) {
  auto a = closable("a");
  auto b = closable("b");
  dock->setShow(true);
  services->Settings.clear();
  int clicks = 0;
  recording->whileReading = [&] {
    if (clicks++ == 0) close(a);
  };
  dock->setShow(true);  // loads the settings again
  recording->whileReading = nullptr;
  ASSERT_GT(clicks, 0);
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_EQ(events.count("Closed a"), 0u);
  EXPECT_TRUE(services->Messages.empty());
  EXPECT_TRUE(services->Settings.empty());
}

TEST_F(HideRuleTest, WithoutServicesTheMessageIsSkippedAndTheBarStays) {
  auto a = closable("a");
  dock->setShow(true);
  kiv::setSharedServicesFactory([]() -> std::shared_ptr<kiv::SharedServices> { return nullptr; });
  close(a);
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_TRUE(el().picDockBar(k(a)).Visible());
  EXPECT_TRUE(harness().messages().empty());
  EXPECT_TRUE(recording->calls.empty());
}

}  // namespace kivtest
