// What each operation leaves settled, and the checks after every step.
#include <cstdio>
#include <cstdlib>

#include "support/invariants.h"
#include "support/world.h"

namespace kivrobust {

namespace {
constexpr std::int32_t kMaxElementIndex = 32767;

bool hostMayFail(OpKind kind) {
  // Bar setters that tell the dock fail where the dock operation fails (an index beyond 16 bits,
  // an overflow, a rejected control); lookups without a trap fail for a bad index.
  return kind == OpKind::AddBar || kind == OpKind::SetProperty || kind == OpKind::Read;
}
}  // namespace

// Which invariants the operation leaves settled. A change of something the layout depends on
// unsettles; every operation that restacks or runs a full layout pass settles again.
void World::settle(const Op& op, bool applied, bool threw, const Before& before) {
  if (!dock_->Show()) {
    stackSettled_ = widthsSettled_ = false;
    return;
  }
  if (!applied) return;
  if (threw) {
    stackSettled_ = widthsSettled_ = false;  // the dock may not have heard of the change
    return;
  }
  auto full = [&] { stackSettled_ = widthsSettled_ = true; };
  bool anotherVisible = false;
  for (std::size_t i = 0; i < before.state.size(); ++i) {
    if (static_cast<std::int32_t>(i) + 1 != op.bar && before.state[i] != kiv::eBarHidden) {
      anotherVisible = true;
    }
  }
  switch (op.kind) {
    case OpKind::AddBar:  // the new bar waits for the next layout pass
    case OpKind::Clear:   // the separator lines stay where the last pass put them
      stackSettled_ = widthsSettled_ = false;
      break;
    case OpKind::SetProperty:
      switch (static_cast<Property>(op.what)) {
        case Property::AlignBar:
          stackSettled_ = widthsSettled_ = false;
          break;
        case Property::Top:
          stackSettled_ = false;
          break;
        case Property::Left:
        case Property::Width:
        case Property::AllowResize:  // sets ShowResize without a repaint
          widthsSettled_ = false;
          break;
        case Property::Height: {
          // A height that its body box already had is not passed on: nothing restacks.
          auto bar = dock_->Bars().Item(op.bar);
          if (bar && bar->Height() != before.height && op.bar <= kMaxElementIndex &&
              dock_->elements().picDockBar(static_cast<std::int16_t>(op.bar)).Height() ==
                  before.box) {
            stackSettled_ = false;
          }
          break;
        }
        default:
          break;
      }
      break;
    case OpKind::SetShow:
    case OpKind::Resize:
    case OpKind::ShowElement:
      full();
      break;
    case OpKind::SetAllowScroll:
      if (before.scroll != dock_->AllowScroll()) stackSettled_ = widthsSettled_ = false;
      break;
    case OpKind::Click:
      switch (static_cast<Button>(op.what)) {
        case Button::Close:
          if (anotherVisible) full();
          break;
        case Button::Collapse:
        case Button::Expand:
          stackSettled_ = true;
          break;
        case Button::Up:
        case Button::Down:
          full();
          break;
        case Button::Options:
          if (!before.key.empty() && !(op.value & kOptCancel)) full();
          break;
        case Button::kCount:
          break;
      }
      break;
    case OpKind::PressTitle:
      if (op.value == kiv::kButtonRight) full();
      break;
    case OpKind::SplitMove:
      // In fill mode a move sets the tops of the bar and its neighbour directly; the release
      // restacks.
      if (!dock_->AllowScroll()) stackSettled_ = false;
      break;
    case OpKind::SplitRelease:
      stackSettled_ = true;
      break;
    case OpKind::DropOnBar:
    case OpKind::DropOnSurface: {
      const Before after = snapshot(op);
      if (after.order != before.order || after.align != before.align) full();
      break;
    }
    default:
      break;
  }
}

// Whether the operation ended with a save that nothing changed afterwards.
bool World::saved(const Op& op, const Before& before) const {
  const bool shown = dock_->Show();
  switch (op.kind) {
    case OpKind::Save:
      return true;
    case OpKind::Click:
      switch (static_cast<Button>(op.what)) {
        case Button::Collapse:
        case Button::Expand:
        case Button::Up:
        case Button::Down:
          return shown;
        case Button::Close: {
          auto bar = dock_->Bars().Item(op.bar);
          return shown && bar && bar->State() == kiv::eBarHidden &&
                 before.state[static_cast<std::size_t>(op.bar) - 1] != kiv::eBarHidden;
        }
        default:
          return false;
      }
    case OpKind::SplitRelease:
      return shown;
    case OpKind::DropOnBar:
    case OpKind::DropOnSurface: {
      const Before after = snapshot(op);
      return shown && (after.order != before.order || after.align != before.align);
    }
    default:
      return false;
  }
}

std::vector<std::string> World::check() {
  InvariantInput in;
  in.dock = dock_.get();
  in.services = services_.get();
  in.platform = platform_.get();
  in.controls = &controls_;
  in.stackSettled = stackSettled_;
  in.widthsSettled = widthsSettled_;
  return checkInvariants(in);
}

std::vector<std::string> World::step(const Op& op) {
  const std::size_t shown = platform_->Messages().size();
  lastMessages_.clear();
  const Before before = snapshot(op);
  std::vector<std::string> findings;
  runFindings_.clear();
  bool applied = true, threw = false;
  try {
    applied = run(op);
  } catch (const kiv::KivError& e) {
    threw = true;
    if (!hostMayFail(op.kind)) {
      findings.push_back("[no failure] the operation failed with KivError " +
                         std::to_string(e.Number()) + ": " + e.Description());
    }
  } catch (const std::exception& e) {
    threw = true;
    findings.push_back(std::string("[no failure] the operation threw ") + e.what());
  }
  for (auto& f : runFindings_) findings.push_back(std::move(f));
  const auto& messages = platform_->Messages();
  bool passFailed = false;
  for (std::size_t i = shown; i < messages.size(); ++i) {
    lastMessages_.push_back(messages[i].Caption + ": " + messages[i].Text);
    // A layout pass that failed and reported it leaves the layout to the next pass.
    passFailed |= messages[i].Caption == "KivDock: OrderBars" ||
                  messages[i].Caption == "KivDock.pResizeWidth";
    if (messages[i].Text == "Nicht genügend Stapelspeicher") {
      findings.push_back("[recursion] a plain operation ran into the recursion limit");
    }
  }
  settle(op, applied, threw, before);
  if (passFailed) stackSettled_ = widthsSettled_ = false;
  if (std::getenv("KIVDOCK_ROBUST_REPORTS")) {
    for (const auto& m : lastMessages_)
      std::fprintf(stderr, "REPORT %s | %s\n", m.c_str(), op.describe().c_str());
  }
  for (auto& f : check()) findings.push_back(std::move(f));
  if (applied && !threw && !passFailed && saved(op, before)) {
    for (auto& f : checkSavedSettings(*dock_, *services_)) findings.push_back(std::move(f));
  }
  return findings;
}

std::vector<std::string> World::finish() {
  dock_->setEventSink(nullptr);
  dock_.reset();
  std::vector<std::string> findings;
  for (const auto& control : controls_) {
    if (control->hasWindow() && platform_->GetParent(control->window()) != form_) {
      findings.push_back("[hosted window] a control was not given back when the dock ended");
    }
  }
  for (const auto& w : services_->malformedWrites) {
    findings.push_back("[settings] malformed text " + w);
  }
  return findings;
}

}  // namespace kivrobust
