// When the host's services object cannot be created or its calls fail, the dock goes on: reading
// carries on silently, saving reports once under "pSaveSettings" and stops at the first failure.
#include <stdexcept>

#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// Services whose calls fail on demand; WriteSetting fails from the n-th call on.
class FailingServices : public kiv::MemorySharedServices {
 public:
  bool failReads = false;
  int failWritesFrom = 0;  // 0: never
  int writes = 0;
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override {
    if (failReads) throw std::runtime_error("Lesefehler");
    return MemorySharedServices::ReadSetting(section, key, flags);
  }
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t flags) override {
    if (failWritesFrom > 0 && ++writes >= failWritesFrom) throw std::runtime_error("Schreibfehler");
    return MemorySharedServices::WriteSetting(section, key, value, flags);
  }
  std::int32_t ReadColor(std::int32_t number) override {
    if (failReads) throw std::runtime_error("Farbfehler");
    return MemorySharedServices::ReadColor(number);
  }
  bool ReadOption(std::int32_t number) override {
    if (failReads) throw std::runtime_error("Optionsfehler");
    return MemorySharedServices::ReadOption(number);
  }
};
}  // namespace

class ServicesFailureTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    failing = std::make_shared<FailingServices>();
    services = failing;
  }
  void useFactory(std::function<std::shared_ptr<kiv::SharedServices>()> factory) {
    kiv::setSharedServicesFactory(std::move(factory));
  }
  void useFailing() {
    auto s = failing;
    useFactory([s] { return s; });
  }
  std::shared_ptr<FailingServices> failing;
};

TEST_F(ServicesFailureTest, WithoutServicesTheDockShowsItsBarsAndOnlySavingReports) {
  for (int variant = 0; variant < 2; ++variant) {
    SCOPED_TRACE(variant == 0 ? "factory throws" : "factory returns null");
    if (variant == 0) {
      useFactory([]() -> std::shared_ptr<kiv::SharedServices> { throw std::runtime_error("x"); });
    } else {
      useFactory([] { return std::shared_ptr<kiv::SharedServices>(); });
    }
    harness().clearMessages();
    auto d = harness().createDock(4000, 3060);
    auto a = d->Bars().Add();
    a->setKey("a");
    a->setTitle("a");
    a->setHideByDefault(true);
    a->setShowClose(true);
    auto b = d->Bars().Add();
    b->setKey("b");
    b->setTitle("b");
    b->setTitleForeColor(0x123);
    b->setHeight(1000);
    d->setShow(true);
    harness().sync(*d);

    EXPECT_TRUE(harness().messages().empty());
    EXPECT_EQ(a->State(), kiv::eBarHidden) << "no services: treated as no stored text";
    EXPECT_EQ(b->TitleForeColor(), 0x123) << "a failed colour lookup changes nothing";
    EXPECT_TRUE(d->elements().picDockBar(k(b)).Visible());
    EXPECT_EQ(b->Top(), 0);
    EXPECT_EQ(b->Width(), 3980);

    d->Save();
    const auto shown = harness().messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, "pSaveSettings");
    EXPECT_FALSE(shown[0].Text.empty());

    // Services that can be created again are used at the next call.
    useFailing();
    d->Save();
    EXPECT_EQ(stored("b"), "2:1:1:1000");
    harness().setUserMode(false);  // no saving when this dock goes
    d.reset();
    harness().setUserMode(true);
  }
}

TEST_F(ServicesFailureTest, SavingStopsAtTheFirstFailedWriteAndKeepsEarlierEntries) {
  useFailing();
  auto a = addBar("a"), b = addBar("b"), c = addBar("c");
  dock->setShow(true);
  failing->failWritesFrom = 2;
  harness().clearMessages();
  dock->Save();

  EXPECT_EQ(stored("a"), "1:1:1:0");
  EXPECT_EQ(stored("b"), "");
  EXPECT_EQ(stored("c"), "") << "the bars after the failure are not written";
  const auto shown = harness().messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "pSaveSettings");
  EXPECT_EQ(shown[0].Text, "Schreibfehler");
  failing->failWritesFrom = 0;
}

TEST_F(ServicesFailureTest, FailingReadsLeaveTheBarsAsTheHostConfiguredThem) {
  useFailing();
  services->Settings[{"DockBar", "a"}] = "1:2:0:300";
  services->Colors[150] = 0x00FF0000;
  failing->failReads = true;
  auto a = addResizable("a", 1000);
  a->setTitleForeColor(0x42);
  dock->setShow(true);
  EXPECT_EQ(a->State(), kiv::eBarExpanded);
  EXPECT_EQ(a->AlignBar(), kiv::eAlignTop);
  EXPECT_EQ(a->TitleForeColor(), 0x42);
  EXPECT_EQ(a->Height(), 5940) << "the height is still shared";
  EXPECT_TRUE(harness().messages().empty());
}

}  // namespace kivtest
