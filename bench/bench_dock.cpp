#include "bench_dock.h"

namespace kivbench {

BenchDock::BenchDock(int bars)
    : platform_(std::make_shared<kiv::HeadlessPlatform>()),
      services_(std::make_shared<BenchServices>()) {
  kiv::setPlatform(platform_);
  auto services = services_;
  kiv::setSharedServicesFactory([services] { return services; });
  dock_ = kiv::KivDock::create();
  dock_->setSize(4000, bars * kBarHeight + 60);
  dock_->setEventSink(&host_);
  for (int i = 1; i <= bars; ++i) {
    auto bar = dock_->Bars().Add();
    bar->setKey("bar" + std::to_string(i));
    bar->setTitle("Bar " + std::to_string(i));
    bar->setCanExpand(true);
    bar->setAllowResize(true);
    bar->setShowOptions(true);
    bar->setHeight(kBarHeight);
    controls_.push_back(std::make_shared<BenchControl>(platform_->CreateWindow()));
    bar->letControl(controls_.back());
  }
}

BenchDock::~BenchDock() {
  dock_->setEventSink(nullptr);
  dock_.reset();
  kiv::resetSharedServices();
}

}  // namespace kivbench
