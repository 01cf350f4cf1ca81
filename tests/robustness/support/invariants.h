// The invariants of a dock that must hold between any two operations of a host or a user.
// Each finding names the invariant in brackets and the bar it concerns.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kivdock/kivdock.h"
#include "support/probe_control.h"
#include "support/recording_services.h"

namespace kivrobust {

struct InvariantInput {
  kiv::KivDock* dock = nullptr;
  const RecordingServices* services = nullptr;      // optional: the texts the dock wrote
  const kiv::HeadlessPlatform* platform = nullptr;  // optional, with controls: hosted windows
  const std::vector<std::shared_ptr<ProbeControl>>* controls = nullptr;
  // The bars were restacked after the last change of anything their tops depend on (heights,
  // states, order, alignment, mode, scroll value). Checked only while the dock is shown.
  bool stackSettled = false;
  // A full layout pass ran after the last change of the dock's width, mode or alignments.
  bool widthsSettled = false;
};

std::vector<std::string> checkInvariants(const InvariantInput& input);

// What saving writes for the bars as they are now: key -> text (a later bar of the same key
// overwrites an earlier one).
std::map<std::string, std::string> expectedSettings(kiv::KivDock& dock);
// The stored texts of every key that saving writes equal what it should write.
std::vector<std::string> checkSavedSettings(kiv::KivDock& dock, const RecordingServices& services);

// "bar 3 ('key')"
std::string barName(const kiv::cKivBar& bar);

}  // namespace kivrobust
