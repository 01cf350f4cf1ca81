// The colour scheme: every bar takes the host's colours 140, 150, 14, 15 and option 141, the
// dock's surface takes colour 10, and no value is treated specially.
#include "support/dock_fixture.h"

namespace kivtest {

namespace {
// In-memory services that also note every colour and option lookup.
class CountingServices : public kiv::MemorySharedServices {
 public:
  std::vector<std::string> lookups;
  std::int32_t ReadColor(std::int32_t number) override {
    lookups.push_back("c" + std::to_string(number));
    return MemorySharedServices::ReadColor(number);
  }
  bool ReadOption(std::int32_t number) override {
    lookups.push_back("o" + std::to_string(number));
    return MemorySharedServices::ReadOption(number);
  }
};
}  // namespace

class ColoursTest : public DockTest {
 protected:
  void SetUp() override {
    DockTest::SetUp();
    counting = std::make_shared<CountingServices>();
    services = counting;
    auto s = counting;
    kiv::setSharedServicesFactory([s] { return s; });
  }
  std::shared_ptr<CountingServices> counting;
};

TEST_F(ColoursTest, EveryBarTakesTheHostColoursWhateverItHadBefore) {
  services->Colors = {
      {140, -1}, {150, 0x00ABCDEF}, {14, 0x00112233}, {15, 0x00445566}, {10, 0x00C0FFEE}};
  services->Options[141] = true;
  auto a = addBar("a"), b = addBar("b");
  b->setBackColor(7);
  b->setTitleForeColor(8);
  b->setTitleBackColorStart(9);
  b->setTitleVertical(false);
  dock->setShow(true);
  harness().sync(*dock);

  for (const auto& bar : {a, b}) {
    SCOPED_TRACE(bar->Key());
    EXPECT_EQ(bar->BackColor(), -1) << "-1 is passed on like any other colour";
    EXPECT_EQ(bar->TitleForeColor(), 0x00ABCDEF);
    EXPECT_EQ(bar->TitleBackColorStart(), 0x00112233);
    EXPECT_EQ(bar->TitleBackColorEnd(), 0x00445566);
    EXPECT_TRUE(bar->TitleVertical());
    EXPECT_EQ(el().picDockBar(k(bar)).BackColor(), -1);
    EXPECT_EQ(el().lblTitel(k(bar)).ForeColor(), 0x00ABCDEF);
  }
  EXPECT_EQ(el().surface().BackColor(), 0x00C0FFEE);

  // What the host sets on a bar lasts until the colours are loaded again.
  a->setTitleForeColor(0x0000FF00);
  EXPECT_EQ(el().lblTitel(k(a)).ForeColor(), 0x0000FF00);
  services->Colors[150] = 0x00000080;
  dock->ShowElement(-1);
  EXPECT_EQ(a->TitleForeColor(), 0x00000080);
  EXPECT_EQ(el().lblTitel(k(a)).ForeColor(), 0x00000080);
}

TEST_F(ColoursTest, TheHostTableIsReadAnewForEveryBarThenForTheSurface) {
  dock->setShow(true);
  EXPECT_EQ(counting->lookups, (std::vector<std::string>{"c10"})) << "no bars: the surface only";

  dock->setShow(false);
  addBar("a");
  addBar("b");
  counting->lookups.clear();
  dock->setShow(true);
  EXPECT_EQ(counting->lookups,
            (std::vector<std::string>{"c140", "c150", "c14", "c15", "o141", "c140", "c150", "c14",
                                      "c15", "o141", "c10"}));
}

}  // namespace kivtest
