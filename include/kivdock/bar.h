// cKivBar: one bar of the dock, with what the host sets for it and the rules of its height,
// state, title line and hosted control. Obtained from clsBars::Add only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/export.h"
#include "kivdock/hosted_control.h"
#include "kivdock/types.h"

namespace kiv {

class clsEvents;
class clsBars;
namespace detail {
class DockCore;
}

class KIVDOCK_EXPORT cKivBar {
 public:
  std::int32_t ID() const { return ID_; }
  void setID(std::int32_t v) { ID_ = v; }
  std::int32_t Index() const { return Index_; }
  void setIndex(std::int32_t v) { Index_ = v; }
  eAlignBar AlignBar() const { return AlignBar_; }
  void setAlignBar(eAlignBar v);
  bool AllowResize() const { return State_ == eBarExpanded && AllowResize_; }
  void setAllowResize(bool v);  // also sets ShowResize, without a repaint
  std::int32_t BackColor() const { return BackColor_; }
  void setBackColor(std::int32_t v) { BackColor_ = v; }
  bool CanExpand() const { return CanExpand_; }
  void setCanExpand(bool v);
  bool CanMove() const { return CanMove_; }
  void setCanMove(bool v);
  std::int32_t Height() const { return State_ == eBarHidden ? 0 : Height_; }
  void setHeight(std::int32_t h);
  std::int32_t HeightMax() const { return HeightMax_; }
  void setHeightMax(std::int32_t v) { HeightMax_ = v; }
  std::shared_ptr<Picture> Icon() const { return Icon_; }
  void setIcon(std::shared_ptr<Picture> v);
  std::int32_t ItemData() const { return ItemData_; }
  void setItemData(std::int32_t v) { ItemData_ = v; }
  std::string Key() const { return Key_; }
  void setKey(const std::string& v) { Key_ = v; }
  bool Redraw() const { return false; }
  void setRedraw(bool v);  // obsolete: only tells the user so
  bool ShowClose() const { return ShowClose_; }
  void setShowClose(bool v) { ShowClose_ = v; }
  bool ShowResize() const { return ShowResize_; }
  void setShowResize(bool v);
  bool ShowOptions() const { return ShowOptions_; }
  void setShowOptions(bool v) { ShowOptions_ = v; }
  EKivBarStates State() const { return State_; }
  void setState(EKivBarStates s);
  std::string Tag() const { return Tag_; }
  void setTag(const std::string& v) { Tag_ = v; }
  std::string Title() const { return Title_; }
  void setTitle(const std::string& t);
  std::string TitleRight() const { return TitleRight_; }
  void setTitleRight(const std::string& t);
  std::int32_t TitleBackColorStart() const { return TitleBackColorStart_; }
  void setTitleBackColorStart(std::int32_t v);
  std::int32_t TitleBackColorEnd() const { return TitleBackColorEnd_; }
  void setTitleBackColorEnd(std::int32_t v);
  bool TitleVertical() const { return TitleVertical_; }
  void setTitleVertical(bool v);
  std::shared_ptr<Font> TitleFont() const { return TitleFont_; }
  void setTitleFont(std::shared_ptr<Font> v) { TitleFont_ = std::move(v); }
  std::int32_t TitleForeColor() const { return TitleForeColor_; }
  void setTitleForeColor(std::int32_t v);
  std::int32_t TitleForeColorOver() const { return TitleForeColorOver_; }
  void setTitleForeColorOver(std::int32_t v) { TitleForeColorOver_ = v; }
  std::string ToolTipText() const { return ToolTipText_; }
  void setToolTipText(const std::string& v) { ToolTipText_ = v; }
  // Geometry lives in the dock's body box of the bar.
  std::int32_t Top();
  void setTop(std::int32_t v);
  std::int32_t Width();
  void setWidth(std::int32_t v);
  void setleft(std::int32_t v);
  bool HideByDefault() const { return HideByDefault_; }
  void setHideByDefault(bool v) { HideByDefault_ = v; }
  void setfTitleHeight(std::int32_t v) { fTitleHeight_ = v; }
  void setfTitleTextHeight(std::int32_t v) { fTitleTextHeight_ = v; }
  void setfTopBar(std::int32_t v) { fTopBar_ = v; }

  // The hosted control: let hosts it at once, set first rejects an aligned control.
  std::shared_ptr<HostedControl> Control() const { return Control_; }
  void letControl(std::shared_ptr<HostedControl> c);
  void setControl(std::shared_ptr<HostedControl> c);

 private:
  friend class clsBars;
  friend class detail::DockCore;
  cKivBar() = default;

  void fSetEvents(std::shared_ptr<clsEvents> broker) { broker_ = std::move(broker); }
  std::int32_t fTitleHeight() const { return fTitleHeight_; }
  std::int32_t fTopBar() const { return fTopBar_; }
  void pSetControl(std::shared_ptr<HostedControl> c);
  void hostControl(std::shared_ptr<HostedControl> c);  // pSetControl's work, inside its scope
  void giveBackControl();  // to its former parent; it leaves the bar before the host hears of it
  // Calls one dock operation with the bar's index as a 16-bit value; KivError 91 without dock.
  template <class Op>
  auto tellDock(Op&& op);
  // Inputs of the bars' stacking are about to change: a waiting restack is done first.
  void settlePendingRestack();

  std::shared_ptr<HostedControl> leaving_;  // being hidden and given back right now
  std::int32_t ID_ = 0;
  std::int32_t Index_ = 0;
  std::shared_ptr<HostedControl> Control_;
  std::string Title_, TitleRight_, ToolTipText_, Key_;
  std::int32_t ItemData_ = 0;
  std::int32_t TitleBackColorStart_ = 0, TitleBackColorEnd_ = 0;
  bool TitleVertical_ = false;
  std::int32_t BackColor_ = 0;
  std::shared_ptr<Font> TitleFont_;
  std::int32_t TitleForeColor_ = 0, TitleForeColorOver_ = 0;
  bool CanExpand_ = false;
  std::string Tag_;
  EKivBarStates State_ = eBarExpanded;
  eAlignBar AlignBar_ = eAlignTop;
  bool AllowResize_ = false, ShowClose_ = false, ShowResize_ = false, ShowOptions_ = false;
  bool CanMove_ = true;
  std::int32_t fTopBar_ = 0;
  std::int32_t fTitleHeight_ = 260;
  std::int32_t fTitleTextHeight_ = 0;
  std::int32_t Height_ = 0;
  std::int32_t mExpandedHeight = 12;
  std::int32_t HeightMax_ = 0;
  bool HideByDefault_ = false;
  std::shared_ptr<Picture> Icon_;
  Hwnd mParentWnd = 0;
  bool fCanMoveUp = false, fCanMoveDown = false;
  std::shared_ptr<clsEvents> broker_;
};

}  // namespace kiv
