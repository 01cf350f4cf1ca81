// The bar's properties that store a value or pass a change on to the dock.
#include "kivdock/platform.h"
#include "model/bar_dock_calls.h"
#include "model/broker_state.h"
#include "platform/failure.h"

namespace kiv {

using detail::DockCore;

void cKivBar::settlePendingRestack() {
  if (broker_) detail::settleRestack(broker_, broker_->state().restackPending);
}

void cKivBar::setAlignBar(eAlignBar v) {
  detail::ignoreFailure([&] { settlePendingRestack(); });
  AlignBar_ = v;
}

void cKivBar::setCanMove(bool v) {
  detail::ignoreFailure([&] { settlePendingRestack(); });
  CanMove_ = v;
}

void cKivBar::setAllowResize(bool v) {
  AllowResize_ = v;
  ShowResize_ = v;
}

void cKivBar::setIcon(std::shared_ptr<Picture> v) {
  Icon_ = std::move(v);
  tellDock([](DockCore& dock, std::int16_t i) { dock.fArrangeTitle(i); });
}

void cKivBar::setRedraw(bool) {
  detail::ignoreFailure([] { platform()->MessageBox("Redraw obsolet", ""); });
}

void cKivBar::setShowResize(bool v) {
  if (v == ShowResize_) return;
  ShowResize_ = v;
  tellDock([](DockCore& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleRight(const std::string& t) {
  if (t == TitleRight_) return;
  TitleRight_ = t;
  tellDock([](DockCore& dock, std::int16_t i) { dock.fArrangeTitle(i); });
}

// The title colours and direction repaint the bar, also when the value is unchanged.
void cKivBar::setTitleBackColorStart(std::int32_t v) {
  TitleBackColorStart_ = v;
  tellDock([](DockCore& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleBackColorEnd(std::int32_t v) {
  TitleBackColorEnd_ = v;
  tellDock([](DockCore& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleVertical(bool v) {
  TitleVertical_ = v;
  tellDock([](DockCore& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

void cKivBar::setTitleForeColor(std::int32_t v) {
  TitleForeColor_ = v;
  tellDock([](DockCore& dock, std::int16_t i) { dock.fRefreshBar(i); });
}

// The geometry of a bar is its body box's.
std::int32_t cKivBar::Top() {
  return tellDock([](DockCore& dock, std::int16_t i) { return dock.fGetBarTop(i); });
}

void cKivBar::setTop(std::int32_t v) {
  tellDock([&](DockCore& dock, std::int16_t i) { dock.fSetBarTop(i, v); });
}

std::int32_t cKivBar::Width() {
  return tellDock([](DockCore& dock, std::int16_t i) { return dock.fGetBarWidth(i); });
}

void cKivBar::setWidth(std::int32_t v) {
  tellDock([&](DockCore& dock, std::int16_t i) { dock.fSetBarWidth(i, v); });
}

void cKivBar::setleft(std::int32_t v) {
  tellDock([&](DockCore& dock, std::int16_t i) { dock.fSetBarLeft(i, v); });
}

}  // namespace kiv
