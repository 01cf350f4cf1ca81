// A hostile host for robustness runs: services that record every call and can fail on the Nth,
// controls that may lack members and re-enter the dock, one dock whose events the host hears,
// the invariants that hold between any two operations, and random operation sequences.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"

namespace kivrobust {

constexpr std::int32_t kLastElement = 32767;  // element indexes are 16-bit
constexpr const char* kStackMessage = "Nicht genügend Stapelspeicher";
const std::vector<std::string> kNone;  // no findings

// The choices of a sequence: from a seed (splitmix64, the same everywhere) or from a fuzzer's
// bytes (each choice takes the bytes its bound needs; past the end every choice is 0).
class Choices {
 public:
  explicit Choices(std::uint64_t seed) : state_(seed) {}
  Choices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint32_t below(std::uint32_t bound) {
    std::uint64_t v = 0;
    for (std::uint64_t span = 1; data_ && span < bound; span <<= 8, ++pos_)
      v = (v << 8) | (pos_ < size_ ? data_[pos_] : 0);
    if (!data_) {
      v = state_ += 0x9e3779b97f4a7c15ULL;
      v = (v ^ (v >> 30)) * 0xbf58476d1ce4e5b9ULL;
      v = (v ^ (v >> 27)) * 0x94d049bb133111ebULL;
      v ^= v >> 31;
    }
    return static_cast<std::uint32_t>(v % bound);
  }
  bool exhausted() const { return data_ && pos_ >= size_; }
  bool chance(std::uint32_t percent) { return below(100) < percent; }
  std::int32_t between(std::int64_t lo, std::int64_t hi) {
    return static_cast<std::int32_t>(lo + below(static_cast<std::uint32_t>(hi - lo + 1)));
  }
  std::int32_t pick(std::initializer_list<std::int32_t> values) {
    return values.begin()[below(static_cast<std::uint32_t>(values.size()))];
  }

 private:
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0, pos_ = 0;
  std::uint64_t state_ = 0;
};

// In-memory services that log every call ("ReadSetting a", "WriteSetting a=1:1:1:900", ...),
// note every written text that is not four 32-bit whole numbers, and fail the failAt-th call.
class RecordingServices : public kiv::MemorySharedServices {
 public:
  static constexpr const char* kFailure = "Dienst nicht erreichbar";
  std::int32_t ShowMessage(const std::string& text, std::int32_t style, const std::string& title,
                           std::int16_t flags, std::int32_t owner) override {
    record([&] { return "ShowMessage " + text; });
    return MemorySharedServices::ShowMessage(text, style, title, flags, owner);
  }
  std::string ReadSetting(const std::string& section, const std::string& key,
                          std::int16_t flags) override {
    record([&] { return "ReadSetting " + key; });
    return MemorySharedServices::ReadSetting(section, key, flags);
  }
  std::int32_t WriteSetting(const std::string& section, const std::string& key,
                            const std::string& value, std::int32_t flags) override;
  std::int32_t ReadColor(std::int32_t number) override {
    record([&] { return "ReadColor " + std::to_string(number); });
    return MemorySharedServices::ReadColor(number);
  }
  bool ReadOption(std::int32_t number) override {
    record([&] { return "ReadOption " + std::to_string(number); });
    return MemorySharedServices::ReadOption(number);
  }
  std::string stored(const std::string& key) {
    return MemorySharedServices::ReadSetting("DockBar", key, 0);
  }
  void store(const std::string& key, const std::string& text) { Settings[{"DockBar", key}] = text; }

  std::vector<std::string> calls, malformedWrites;  // calls: only while logging
  std::size_t callCount = 0;
  bool logging = true;  // random runs only count the calls: their texts cost more than the dock
  std::size_t failAt = 0;
  std::function<void()> onCall;  // runs first in every call: services that re-enter the dock

 private:
  template <class Text>
  void record(const Text& call) {
    if (logging) calls.push_back(call());
    if (onCall) onCall();
    if (failAt == ++callCount) throw kiv::KivError(-2147221503, "SharedServices", kFailure);
  }
};

// A control of the host: Full offers every member, Bare only its window, Aligned is rejected by
// setControl, NoWindow has none. Moving and hiding it may call back into the dock.
class ProbeControl : public kiv::HostedControl {
 public:
  enum Kind { Full, Bare, Aligned, NoWindow, kKinds };
  ProbeControl(Kind kind, kiv::Hwnd window) : kind(kind), window(kind == NoWindow ? 0 : window) {}
  std::int32_t align() override { return kind == Bare ? HostedControl::align() : kind == Aligned; }
  std::string Name() override { return members() ? "probe" : HostedControl::Name(); }
  kiv::Hwnd hWnd() override { return window ? window : HostedControl::hWnd(); }
  void setVisible(bool v) override {
    if (!members()) HostedControl::setVisible(v);
    if (!(visible = v) && onHide) onHide();
  }
  void Move(std::int32_t left, std::int32_t top, double width) override {
    if (!members()) HostedControl::Move(left, top, width);
    if (onMove) onMove();
  }
  void setHeight(double h) override {
    if (!members()) HostedControl::setHeight(h);
  }
  bool members() const { return kind == Full || kind == Aligned; }

  const Kind kind;
  const kiv::Hwnd window;
  bool visible = true;
  std::function<void()> onMove, onHide;
};

// The setup of a bar by Host::addBar.
constexpr int kTitle = 1, kCanExpand = 2, kAllowResize = 4, kShowClose = 8, kShowOptions = 16,
              kHideByDefault = 32, kFixed = 64, kControl = 128;
constexpr int kPlain = kTitle | kCanExpand | kAllowResize;

// One form with one dock on the headless platform and recording services. It hears every event
// ("Closed a", ...) and runs react inside events, control calls ("Move", "Hide") and services.
class Host : public kiv::KivDockEvents {
 public:
  Host();
  ~Host() override;
  std::shared_ptr<kiv::cKivBar> addBar(const std::string& key, std::int32_t height,
                                       int flags = kPlain);
  std::shared_ptr<ProbeControl> control(int kind = ProbeControl::Full);
  // The broken invariants, as "[invariant] what". The stacking is checked when it is settled (the
  // bars were restacked after their last change), the widths and paint after a full layout pass.
  std::vector<std::string> check(bool stackSettled, bool widthsSettled) const;
  std::vector<std::string> check(bool settled) const { return check(settled, settled); }
  std::vector<std::string> checkSaved() const;  // the stored texts are what saving writes now
  // After a full layout pass: the invariants hold, saving writes what the bars are, and loading
  // what was saved leaves the invariants whole.
  std::vector<std::string> resave();
  std::vector<std::string> messages(std::size_t from = 0) const;  // "caption: text"
  void release() {                                                // the host lets go of its dock
    if (dock) dock->setEventSink(nullptr);
    dock.reset();
  }

  void Closed(std::string& key) override { hear("Closed", key); }
  void CtlResize(std::string& key) override { hear("CtlResize", key); }
  void RightClick(std::string& key) override { hear("RightClick", key); }
  void OptShow(std::string& key, bool& reload) override {
    hear("OptShow", key);
    if (optAnswer & 1) reload = true;
    if (optAnswer & 2) key.clear();
  }
  void hear(const std::string& event, const std::string& key) {
    if (logging) heard.push_back(event + " " + key);
    if (react) react(event);
  }

  std::shared_ptr<kiv::HeadlessPlatform> platform;
  std::shared_ptr<RecordingServices> services;
  kiv::Hwnd form = 0;
  std::shared_ptr<kiv::KivDock> dock;
  std::vector<std::shared_ptr<ProbeControl>> controls;
  std::vector<std::string> heard;
  int optAnswer = 0;    // OptShow: 1 reloads, 2 cancels
  bool logging = true;  // heard keeps the events; random runs do without

  // A reload from the options button while the dock is not shown sets Show back to true without
  // painting the bars: what their body boxes show is open until the dock is shown anew.
  bool bodyBoxesPainted = true;
  std::function<void(const std::string& event)> react;
};

// What saving writes for the bars as they are now: key -> text.
std::map<std::string, std::string> expectedSettings(kiv::KivDock& dock);

// Runs up to maxSteps random operations of a host and a user on a fresh host, checking every
// invariant after each, then releases the dock. Empty when all held; otherwise the label, the
// numbered operations and the findings. With failAt, the services fail their failAt-th call; the
// step it falls in is checked for what holds after any failure only.
struct SequenceStats {
  std::size_t steps = 0;  // operations run
  bool failed = false;    // the services' failure fell within them
};
std::string runSequence(Choices& choices, std::size_t maxSteps, const std::string& label,
                        std::size_t failAt = 0, SequenceStats* stats = nullptr);

}  // namespace kivrobust
