// The bar's properties that store a value or pass a change on to the dock.
#include "kivdock/platform.h"
#include "model/bar_state.h"
#include "model/dock_calls.h"
#include "platform/failure.h"

namespace kiv {

using detail::LayoutingHost;

void cKivBar::setAlignBar(eAlignBar v) {
  detail::ignoreFailure([&] { detail::settleRestack(state_->broker_); });
  state_->AlignBar_ = v;
}

void cKivBar::setCanMove(bool v) {
  detail::ignoreFailure([&] { detail::settleRestack(state_->broker_); });
  state_->CanMove_ = v;
}

void cKivBar::setAllowResize(bool v) {
  state_->AllowResize_ = v;
  state_->ShowResize_ = v;
}

void cKivBar::setIcon(std::shared_ptr<Picture> v) {
  state_->Icon_ = std::move(v);
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fArrangeTitle(i); });
}

void cKivBar::setRedraw(bool) {
  detail::ignoreFailure([] { platform()->MessageBox("Redraw obsolet", ""); });
}

void cKivBar::setShowResize(bool v) {
  if (v == state_->ShowResize_) return;
  state_->ShowResize_ = v;
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleRight(const std::string& t) {
  if (t == state_->TitleRight_) return;
  state_->TitleRight_ = t;
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fArrangeTitle(i); });
}

// The title colours and direction repaint the bar, also when the value is unchanged.
void cKivBar::setTitleBackColorStart(std::int32_t v) {
  state_->TitleBackColorStart_ = v;
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleBackColorEnd(std::int32_t v) {
  state_->TitleBackColorEnd_ = v;
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleVertical(bool v) {
  state_->TitleVertical_ = v;
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleForeColor(std::int32_t v) {
  state_->TitleForeColor_ = v;
  detail::tellDock(*state_, [](LayoutingHost& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

// The geometry of a bar is its body box's.
std::int32_t cKivBar::Top() {
  return detail::tellDock(*state_,
                          [](LayoutingHost& dock, std::int16_t i) { return dock.fGetBarTop(i); });
}

void cKivBar::setTop(std::int32_t v) {
  detail::tellDock(*state_, [&](LayoutingHost& dock, std::int16_t i) { dock.fSetBarTop(i, v); });
}

std::int32_t cKivBar::Width() {
  return detail::tellDock(*state_,
                          [](LayoutingHost& dock, std::int16_t i) { return dock.fGetBarWidth(i); });
}

void cKivBar::setWidth(std::int32_t v) {
  detail::tellDock(*state_, [&](LayoutingHost& dock, std::int16_t i) { dock.fSetBarWidth(i, v); });
}

void cKivBar::setleft(std::int32_t v) {
  detail::tellDock(*state_, [&](LayoutingHost& dock, std::int16_t i) { dock.fSetBarLeft(i, v); });
}

}  // namespace kiv
