// The headless backend: the in-memory platform, input through the elements' entry points.
#include "kivdock/headless_platform.h"
#include "support/harness.h"

namespace kivtest {

namespace {

class HeadlessHarness : public Harness {
 public:
  void install() override {
    platform_ = std::make_shared<kiv::HeadlessPlatform>();
    kiv::setPlatform(platform_);
  }
  std::shared_ptr<kiv::KivDock> createDock(std::int32_t width, std::int32_t height) override {
    auto dock = kiv::KivDock::create();
    dock->setSize(width, height);
    return dock;
  }
  void resize(kiv::KivDock& dock, std::int32_t width, std::int32_t height) override {
    dock.setSize(width, height);
  }
  kiv::Hwnd newWindow(kiv::Hwnd parent) override { return platform_->CreateWindow(parent); }
  kiv::Hwnd parentOf(kiv::Hwnd window) override { return platform_->GetParent(window); }
  std::vector<ShownMessage> messages() override {
    std::vector<ShownMessage> out;
    for (const auto& m : platform_->Messages()) out.push_back({m.Text, m.Caption});
    return out;
  }
  void setUserMode(bool runTime) override { platform_->SetUserMode(runTime); }
  void click(kiv::Element& element) override { element.Click(); }
  void press(kiv::Element& element, std::int16_t button, float x, float y) override {
    element.MouseDown(button, 0, x, y);
  }
  void move(kiv::Element& element, std::int16_t buttons, float x, float y) override {
    element.MouseMove(buttons, 0, x, y);
  }
  void release(kiv::Element& element, std::int16_t button, float x, float y) override {
    element.MouseUp(button, 0, x, y);
  }
  void drop(kiv::Element& target, float x, float y, int pointerX, int pointerY) override {
    platform_->SetCursorPos(pointerX, pointerY);
    target.DragDrop(x, y);
  }
  void scrollTo(kiv::KivDock& dock, std::int32_t value) override {
    dock.elements().VScroll().setValue(value);
  }

 private:
  std::shared_ptr<kiv::HeadlessPlatform> platform_;
};

}  // namespace

Harness& harness() {
  static HeadlessHarness instance;
  return instance;
}

}  // namespace kivtest
