// The bar's rules: height, state, title line, and hosting a control of the host.
#include <utility>

#include "dock/dock_access.h"
#include "kivdock/platform.h"
#include "model/bar_dock_calls.h"
#include "model/broker_state.h"
#include "platform/failure.h"

namespace kiv {

using detail::DockCore;
using detail::ignoreFailure;

void cKivBar::setHeight(std::int32_t h) {
  if (h == Height_ || State_ == eBarHidden || h <= 150) return;
  if (h < 300) h = 300;
  if (State_ == eBarExpanded) {
    Height_ = h;
    mExpandedHeight = h;
  } else if (State_ == eBarCollapsed) {
    Height_ = 300;
  }
  tellDock([h](DockCore& dock, std::int16_t i) { dock.fBarHeightChanged(i, h); });
}

void cKivBar::setState(EKivBarStates s) {
  if (s == eBarCollapsed && !CanExpand_) s = eBarExpanded;
  if (s == State_) return;
  EKivBarStates old = State_;
  State_ = s;
  if (broker_) ++broker_->state().stateChanges;
  if (s == eBarExpanded) {
    setHeight(mExpandedHeight);
  } else if (s != eBarHidden) {
    setHeight(detail::toLong(std::int64_t{fTitleHeight_} + 20));
  }
  tellDock([&old](DockCore& dock, std::int16_t i) { dock.fBarStateChanged(i, old); });
}

void cKivBar::setCanExpand(bool v) {
  fTitleHeight_ = 260;
  CanExpand_ = v;
  if (!v && Title_.empty()) fTitleHeight_ = 0;
}

void cKivBar::setTitle(const std::string& t) {
  if (t == Title_) return;
  const std::int32_t before = fTitleHeight_;
  fTitleHeight_ = 260;
  if (!CanExpand_ && t.empty()) fTitleHeight_ = 0;
  Title_ = t;
  // The title line appeared or vanished: the whole bar is painted again.
  ignoreFailure([&] {
    if (fTitleHeight_ == before) {
      tellDock([](DockCore& dock, std::int16_t i) { dock.fArrangeTitle(i); });
    } else {
      tellDock([](DockCore& dock, std::int16_t i) { dock.fRefreshBar(i); });
    }
  });
}

// Hosts a control in the bar's body box, or gives the hosted one back to its former parent.
// A control that replaces another gives the other back first, so nothing stays behind in the bar.
void cKivBar::pSetControl(std::shared_ptr<HostedControl> c) {
  detail::withinDockScope(broker_, [&](detail::DockCore*) { hostControl(std::move(c)); });
}

// The hosted control is hidden and its window given back while the bar still holds it; then the
// bar lets go. A control the host hosts meanwhile goes back as well, a bounded number of times;
// one that is already on its way out is only let go by a nested call.
void cKivBar::giveBackControl() {
  constexpr int kMaxGiveBacks = 16;
  for (int n = 0; Control_ && n < kMaxGiveBacks; ++n) {
    const std::shared_ptr<HostedControl> hosted = Control_;
    if (hosted == leaving_) {
      Control_.reset();
      return;
    }
    const std::shared_ptr<HostedControl> outer = std::exchange(leaving_, hosted);
    const Hwnd parent = mParentWnd;
    ignoreFailure([&] { settlePendingRestack(); });
    ignoreFailure([&] { hosted->setVisible(false); });
    ignoreFailure([&] { platform()->SetParent(hosted->hWnd(), parent); });
    leaving_ = outer;
    if (Control_ == hosted) Control_.reset();
  }
}

void cKivBar::hostControl(std::shared_ptr<HostedControl> c) {
  giveBackControl();
  // A host that keeps hosting others meanwhile keeps its last one; c then stays where it is.
  if (c && !Control_) {
    ignoreFailure([&] { settlePendingRestack(); });
    Control_ = c;
    ignoreFailure([&] { mParentWnd = platform()->GetParent(c->hWnd()); });
    ignoreFailure([&] {
      const Hwnd item = detail::readDock(
          broker_, [&](DockCore& dock) { return dock.hWndItem(detail::toInteger(Index_)); });
      platform()->SetParent(c->hWnd(), item);
    });
  }
  // A bar that the host dropped meanwhile (clearing the bars from its control) is not repainted.
  ignoreFailure([&] {
    tellDock([this](DockCore& dock, std::int16_t i) {
      if (dock.Bars().Item(i).get() == this) dock.fRefreshBar(i);
    });
  });
}

void cKivBar::letControl(std::shared_ptr<HostedControl> c) { pSetControl(std::move(c)); }

void cKivBar::setControl(std::shared_ptr<HostedControl> c) {
  std::int32_t align = 0;
  bool readable = c != nullptr;
  if (readable) {
    ignoreFailure([&] { settlePendingRestack(); });
    try {
      align = c->align();
    } catch (...) {
      readable = false;
    }
  }
  if (!readable || align == 0) {
    pSetControl(std::move(c));
    return;
  }
  // One step: a Name that cannot be read skips the message.
  ignoreFailure([&] {
    platform()->MessageBox(
        "Align-Eigenschaft von Control " + c->Name() + " darf nicht gesetzt sein!", "");
  });
  throw KivError(9999, "KivDock", "Control-Align-Eigenschaft darf nicht gesetzt sein!");
}

}  // namespace kiv
