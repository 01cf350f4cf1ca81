// A host with one dock, in-memory services and the headless platform, that runs operations of a
// host or a user and checks the dock's invariants after each one. It knows which invariants
// each operation must leave settled: the stacking after anything that restacks, the widths after
// a full layout pass, and neither while the dock is not shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"
#include "support/op_source.h"
#include "support/operation.h"
#include "support/probe_control.h"
#include "support/recording_services.h"

namespace kivrobust {

class World {
 public:
  World();
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  // Runs one operation and checks the invariants; returns the findings, empty when all hold.
  std::vector<std::string> step(const Op& op);
  std::vector<std::string> check();
  // Ends the dock as the host releases it; checks that every hosted control was given back.
  std::vector<std::string> finish();

  kiv::KivDock& dock() const { return *dock_; }
  RecordingServices& services() const { return *services_; }
  kiv::HeadlessPlatform& platform() const { return *platform_; }
  std::int32_t splitterBar() const { return splitBar_; }
  // Message boxes shown during the last step, as "caption: text".
  const std::vector<std::string>& lastMessages() const { return lastMessages_; }

 private:
  // The host's answer to OptShow, set by the operation that clicks an options button.
  struct Sink : kiv::KivDockEvents {
    std::int32_t optAnswer = 0;
    void OptShow(std::string& key, bool& reload) override {
      if (optAnswer & kOptReload) reload = true;
      if (optAnswer & kOptCancel) key.clear();
    }
  };
  // What an operation may change, taken before it runs.
  struct Before {
    bool scroll = false;
    std::vector<std::int32_t> order;  // indexes, top to bottom
    std::vector<std::int32_t> align;  // by index - 1
    std::vector<std::int32_t> state;  // by index - 1
    std::int32_t height = 0;          // the operation's bar
    float box = -1;                   // the height of its body box
    std::string key;
  };

  Before snapshot(const Op& op) const;
  bool run(const Op& op);  // false when the operation found nothing to act on
  void setProperty(kiv::cKivBar& bar, const Op& op);
  void read(const Op& op);
  kiv::Element* element(kiv::ElementArray array, std::int32_t bar, bool anyElement) const;
  std::shared_ptr<ProbeControl> newControl(std::int32_t kind);
  void settle(const Op& op, bool applied, bool threw, const Before& before);
  bool saved(const Op& op, const Before& before) const;

  std::shared_ptr<kiv::HeadlessPlatform> platform_;
  std::shared_ptr<RecordingServices> services_;
  std::unique_ptr<Sink> sink_;
  std::shared_ptr<kiv::KivDock> dock_;
  kiv::Hwnd form_ = 0;
  std::vector<std::shared_ptr<ProbeControl>> controls_;
  std::int32_t splitBar_ = 0;
  bool stackSettled_ = false, widthsSettled_ = false;
  std::vector<std::string> lastMessages_;
  std::vector<std::string> runFindings_;
};

struct RunReport {
  bool failed = false;
  std::size_t steps = 0;
  std::string text;  // on failure: the label, the numbered operations and the findings
};

// Runs up to maxSteps generated operations; stops at the first step that breaks an invariant.
RunReport runSequence(OpSource& source, std::size_t maxSteps, const std::string& label);
// Runs the given operations in order, the same way.
RunReport replay(const std::vector<Op>& ops, const std::string& label);

}  // namespace kivrobust
