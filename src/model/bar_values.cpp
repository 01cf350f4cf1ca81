// The bar's values that are only stored and read back.
#include <utility>

#include "kivdock/bar.h"
#include "model/bar_state.h"

namespace kiv {

using detail::BarState;

cKivBar::cKivBar(const detail::BarKey&) : state_(std::make_unique<BarState>()) {}

cKivBar::~cKivBar() = default;

std::int32_t cKivBar::ID() const { return state_->ID_; }

void cKivBar::setID(std::int32_t v) { state_->ID_ = v; }

std::int32_t cKivBar::Index() const { return state_->Index_; }

void cKivBar::setIndex(std::int32_t v) { state_->Index_ = v; }

eAlignBar cKivBar::AlignBar() const { return state_->AlignBar_; }

bool cKivBar::AllowResize() const {
  const BarState& s = *state_;
  return s.State_ == eBarExpanded && s.AllowResize_;
}

std::int32_t cKivBar::BackColor() const { return state_->BackColor_; }

void cKivBar::setBackColor(std::int32_t v) { state_->BackColor_ = v; }

bool cKivBar::CanExpand() const { return state_->CanExpand_; }

bool cKivBar::CanMove() const { return state_->CanMove_; }

std::int32_t cKivBar::Height() const {
  const BarState& s = *state_;
  return s.State_ == eBarHidden ? 0 : s.Height_;
}

std::int32_t cKivBar::HeightMax() const { return state_->HeightMax_; }

void cKivBar::setHeightMax(std::int32_t v) { state_->HeightMax_ = v; }

std::shared_ptr<Picture> cKivBar::Icon() const { return state_->Icon_; }

std::int32_t cKivBar::ItemData() const { return state_->ItemData_; }

void cKivBar::setItemData(std::int32_t v) { state_->ItemData_ = v; }

std::string cKivBar::Key() const { return state_->Key_; }

void cKivBar::setKey(const std::string& v) { state_->Key_ = v; }

bool cKivBar::Redraw() const { return false; }

bool cKivBar::ShowClose() const { return state_->ShowClose_; }

void cKivBar::setShowClose(bool v) { state_->ShowClose_ = v; }

bool cKivBar::ShowResize() const { return state_->ShowResize_; }

bool cKivBar::ShowOptions() const { return state_->ShowOptions_; }

void cKivBar::setShowOptions(bool v) { state_->ShowOptions_ = v; }

EKivBarStates cKivBar::State() const { return state_->State_; }

std::string cKivBar::Tag() const { return state_->Tag_; }

void cKivBar::setTag(const std::string& v) { state_->Tag_ = v; }

std::string cKivBar::Title() const { return state_->Title_; }

std::string cKivBar::TitleRight() const { return state_->TitleRight_; }

std::int32_t cKivBar::TitleBackColorStart() const { return state_->TitleBackColorStart_; }

std::int32_t cKivBar::TitleBackColorEnd() const { return state_->TitleBackColorEnd_; }

bool cKivBar::TitleVertical() const { return state_->TitleVertical_; }

std::shared_ptr<Font> cKivBar::TitleFont() const { return state_->TitleFont_; }

void cKivBar::setTitleFont(std::shared_ptr<Font> v) { state_->TitleFont_ = std::move(v); }

std::int32_t cKivBar::TitleForeColor() const { return state_->TitleForeColor_; }

std::int32_t cKivBar::TitleForeColorOver() const { return state_->TitleForeColorOver_; }

void cKivBar::setTitleForeColorOver(std::int32_t v) { state_->TitleForeColorOver_ = v; }

std::string cKivBar::ToolTipText() const { return state_->ToolTipText_; }

void cKivBar::setToolTipText(const std::string& v) { state_->ToolTipText_ = v; }

bool cKivBar::HideByDefault() const { return state_->HideByDefault_; }

void cKivBar::setHideByDefault(bool v) { state_->HideByDefault_ = v; }

void cKivBar::setfTitleHeight(std::int32_t v) { state_->fTitleHeight_ = v; }

void cKivBar::setfTitleTextHeight(std::int32_t v) { state_->fTitleTextHeight_ = v; }

void cKivBar::setfTopBar(std::int32_t v) { state_->fTopBar_ = v; }

std::shared_ptr<HostedControl> cKivBar::Control() const { return state_->Control_; }

namespace detail {

std::shared_ptr<cKivBar> makeBar(std::shared_ptr<clsEvents> broker) {
  auto bar = std::make_shared<LibraryBar>(BarKey{});
  bar->state().broker_ = std::move(broker);
  return bar;
}

}  // namespace detail

}  // namespace kiv
