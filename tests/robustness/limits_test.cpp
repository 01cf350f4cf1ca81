// The last element index: bars beyond 32767 exist without an element set and harm no other bar.
#include <gtest/gtest.h>

#include "support/invariants.h"
#include "support/recording_services.h"

namespace kivrobust {
namespace {

TEST(Limits, ABarBeyondTheLastElementIndexHasNoElementsAndHarmsNoOther) {
  auto platform = std::make_shared<kiv::HeadlessPlatform>();
  kiv::setPlatform(platform);
  auto services = std::make_shared<RecordingServices>();
  kiv::setSharedServicesFactory([services] { return services; });
  auto dock = kiv::KivDock::create();
  for (int i = 0; i < 32768; ++i) dock->Bars().Add();
  auto last = dock->Bars().Item(32768);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->Index(), 32768);
  ASSERT_EQ(platform->Messages().size(), 1u);
  EXPECT_EQ(platform->Messages()[0].Caption, "fBarAdd");
  EXPECT_EQ(dock->elements().UBound(), 32767);

  // The bar cannot reach its dock with an index beyond 16 bits; it keeps what it stores.
  try {
    last->setHeight(900);
    ADD_FAILURE() << "a height change of the bar reached the dock";
  } catch (const kiv::KivError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
  last->setKey("last");
  auto first = dock->Bars().Item(1);
  first->setKey("first");
  first->setTitle("first");
  first->setHeight(900);

  dock->setShow(true);
  InvariantInput in;
  in.dock = dock.get();
  in.services = services.get();
  in.stackSettled = in.widthsSettled = true;  // the width pass stops at the last bar, beyond
  for (const auto& f : checkInvariants(in)) ADD_FAILURE() << f;
  EXPECT_TRUE(dock->elements().picDockBar(1).Visible());

  dock->Save();
  EXPECT_EQ(services->stored("first"), "1:1:1:900");
  EXPECT_EQ(services->stored("last"), "32768:1:1:900");
  EXPECT_TRUE(services->malformedWrites.empty());

  dock->Bars().Clear();
  EXPECT_EQ(dock->elements().UBound(), 0);
  EXPECT_EQ(dock->Bars().Add()->Index(), 1);
  dock.reset();
  kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
}

}  // namespace
}  // namespace kivrobust
