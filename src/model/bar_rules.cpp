// The bar's rules: height, state, title line, and hosting a control of the host.
#include <utility>

#include "kivdock/bars.h"
#include "kivdock/platform.h"
#include "model/bar_state.h"
#include "model/broker_state.h"
#include "model/dock_calls.h"
#include "platform/failure.h"
#include "platform/whole_number.h"

namespace kiv {

using detail::ignoreFailure;
using detail::LayoutingHost;

void cKivBar::setHeight(std::int32_t h) {
  if (h == state_->Height_ || state_->State_ == eBarHidden || h <= 150) return;
  if (h < 300) h = 300;
  if (state_->State_ == eBarExpanded) {
    state_->Height_ = h;
    state_->mExpandedHeight = h;
  } else if (state_->State_ == eBarCollapsed) {
    state_->Height_ = 300;
  }
  detail::tellDock(*state_,
                   [h](LayoutingHost& dock, std::int16_t i) { dock.fBarHeightChanged(i, h); });
}

void cKivBar::setState(EKivBarStates s) {
  if (s == eBarCollapsed && !state_->CanExpand_) s = eBarExpanded;
  if (s == state_->State_) return;
  EKivBarStates old = state_->State_;
  state_->State_ = s;
  if (state_->broker_) ++state_->broker_->state().stateChanges;
  if (s == eBarExpanded) {
    setHeight(state_->mExpandedHeight);
  } else if (s != eBarHidden) {
    setHeight(detail::toLong(std::int64_t{state_->fTitleHeight_} + 20));
  }
  detail::tellDock(*state_,
                   [&old](LayoutingHost& dock, std::int16_t i) { dock.fBarStateChanged(i, old); });
}

void cKivBar::setCanExpand(bool v) {
  state_->fTitleHeight_ = 260;
  state_->CanExpand_ = v;
  if (!v && state_->Title_.empty()) state_->fTitleHeight_ = 0;
}

void cKivBar::setTitle(const std::string& t) {
  if (t == state_->Title_) return;
  const std::int32_t before = state_->fTitleHeight_;
  state_->fTitleHeight_ = 260;
  if (!state_->CanExpand_ && t.empty()) state_->fTitleHeight_ = 0;
  state_->Title_ = t;
  // The title line appeared or vanished: the whole bar is painted again.
  ignoreFailure([&] {
    if (state_->fTitleHeight_ == before) {
      detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fArrangeTitle(i); });
    } else {
      detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fRefreshBar(i); });
    }
  });
}

namespace detail {

// The hosted control is hidden and its window given back while the bar still holds it; then the
// bar lets go. A control the host hosts meanwhile goes back as well, a bounded number of times;
// one that is already on its way out is only let go by a nested call.
void giveBackControl(cKivBar& bar) {
  constexpr int kMaxGiveBacks = 16;
  BarState& s = bar.state();
  for (int n = 0; s.Control_ && n < kMaxGiveBacks; ++n) {
    const std::shared_ptr<HostedControl> hosted = s.Control_;
    if (hosted == s.leaving_) {
      s.Control_.reset();
      return;
    }
    const std::shared_ptr<HostedControl> outer = std::exchange(s.leaving_, hosted);
    const Hwnd parent = s.mParentWnd;
    ignoreFailure([&] { settleRestack(s.broker_); });
    ignoreFailure([&] { hosted->setVisible(false); });
    ignoreFailure([&] { platform()->SetParent(hosted->hWnd(), parent); });
    s.leaving_ = outer;
    if (s.Control_ == hosted) s.Control_.reset();
  }
}

void hostControl(cKivBar& bar, std::shared_ptr<HostedControl> c) {
  giveBackControl(bar);
  BarState& s = bar.state();
  // A host that keeps hosting others meanwhile keeps its last one; c then stays where it is.
  if (c && !s.Control_) {
    ignoreFailure([&] { settleRestack(s.broker_); });
    s.Control_ = c;
    ignoreFailure([&] { s.mParentWnd = platform()->GetParent(c->hWnd()); });
    ignoreFailure([&] {
      const Hwnd item = readDock(
          s.broker_, [&](LayoutingHost& dock) { return dock.hWndItem(toInteger(s.Index_)); });
      platform()->SetParent(c->hWnd(), item);
    });
  }
  // A bar that the host dropped meanwhile (clearing the bars from its control) is not repainted.
  ignoreFailure([&] {
    tellDock(s, [&bar](LayoutingHost& dock, std::int16_t i) {
      if (dock.Bars().Item(i).get() == &bar) dock.fRefreshBar(i);
    });
  });
}

}  // namespace detail

namespace {

// Hosts a control in the bar's body box, or gives the hosted one back to its former parent.
// A control that replaces another gives the other back first, so nothing stays behind in the bar.
void pSetControl(cKivBar& bar, std::shared_ptr<HostedControl> c) {
  detail::withinDockScope(bar.state().broker_,
                          [&](LayoutingHost*) { detail::hostControl(bar, std::move(c)); });
}

}  // namespace

void cKivBar::letControl(std::shared_ptr<HostedControl> c) { pSetControl(*this, std::move(c)); }

void cKivBar::setControl(std::shared_ptr<HostedControl> c) {
  std::int32_t align = 0;
  bool readable = c != nullptr;
  if (readable) {
    ignoreFailure([&] { detail::settleRestack(state_->broker_); });
    try {
      align = c->align();
    } catch (...) {
      readable = false;
    }
  }
  if (!readable || align == 0) {
    pSetControl(*this, std::move(c));
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
