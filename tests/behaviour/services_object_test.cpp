// The host application's services object: one instance for the whole library, created on first
// use and shared by every dock.
#include "support/dock_fixture.h"

namespace kivtest {

class SharedInstanceTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    auto s = services;
    kiv::setSharedServicesFactory([this, s]() -> std::shared_ptr<kiv::SharedServices> {
      ++created;
      if (refuse) return nullptr;
      return s;
    });
  }
  int created = 0;
  bool refuse = false;
};

TEST_F(SharedInstanceTest, OneInstanceIsCreatedOnFirstUseAndServesEveryDock) {
  addBar("a");
  EXPECT_EQ(created, 0);  // creating a dock and adding bars needs no services
  services->Colors[14] = 0x102030;
  dock->setShow(true);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(dock->Bars().Item(1)->TitleBackColorStart(), 0x102030);

  auto second = harness().createDock(3000, 3000);
  auto bar = second->Bars().Add();
  bar->setKey("b");
  second->setShow(true);
  second->Save();
  dock->Save();
  EXPECT_EQ(created, 1);
  EXPECT_EQ(bar->TitleBackColorStart(), 0x102030);
  EXPECT_FALSE(stored("a").empty());
  EXPECT_FALSE(stored("b").empty());

  kiv::resetSharedServices();
  dock->Save();
  EXPECT_EQ(created, 2);
  second.reset();
}

TEST_F(SharedInstanceTest, AnInstanceThatCouldNotBeCreatedIsTriedAgainAtTheNextUse) {
  auto a = addBar("a");
  a->setShowClose(true);
  addBar("b")->setShowClose(true);
  services->Colors[14] = 0x102030;
  refuse = true;
  dock->setShow(true);
  EXPECT_GE(created, 1);
  EXPECT_EQ(a->TitleBackColorStart(), 0);  // the colours were skipped
  refuse = false;
  harness().click(el().imgClose(k(a)));
  EXPECT_EQ(a->State(), kiv::eBarHidden);
  EXPECT_FALSE(stored("a").empty());  // the save after closing reached the services
  const int attempts = created;
  dock->Save();
  EXPECT_EQ(created, attempts);
}

}  // namespace kivtest
