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

namespace detail {
struct BarKey;    // only the library can name one, so only the library creates bars
struct BarState;  // the bar's values and links, complete only inside the library
}  // namespace detail

class KIVDOCK_EXPORT cKivBar {
 public:
  explicit cKivBar(const detail::BarKey& key);
  ~cKivBar();
  cKivBar(const cKivBar&) = delete;
  cKivBar& operator=(const cKivBar&) = delete;

  std::int32_t ID() const;
  void setID(std::int32_t v);
  std::int32_t Index() const;
  void setIndex(std::int32_t v);
  eAlignBar AlignBar() const;
  void setAlignBar(eAlignBar v);
  bool AllowResize() const;
  void setAllowResize(bool v);  // also sets ShowResize, without a repaint
  std::int32_t BackColor() const;
  void setBackColor(std::int32_t v);
  bool CanExpand() const;
  void setCanExpand(bool v);
  bool CanMove() const;
  void setCanMove(bool v);
  std::int32_t Height() const;
  void setHeight(std::int32_t h);
  std::int32_t HeightMax() const;
  void setHeightMax(std::int32_t v);
  std::shared_ptr<Picture> Icon() const;
  void setIcon(std::shared_ptr<Picture> v);
  std::int32_t ItemData() const;
  void setItemData(std::int32_t v);
  std::string Key() const;
  void setKey(const std::string& v);
  bool Redraw() const;
  void setRedraw(bool v);  // obsolete: only tells the user so
  bool ShowClose() const;
  void setShowClose(bool v);
  bool ShowResize() const;
  void setShowResize(bool v);
  bool ShowOptions() const;
  void setShowOptions(bool v);
  EKivBarStates State() const;
  void setState(EKivBarStates s);
  std::string Tag() const;
  void setTag(const std::string& v);
  std::string Title() const;
  void setTitle(const std::string& t);
  std::string TitleRight() const;
  void setTitleRight(const std::string& t);
  std::int32_t TitleBackColorStart() const;
  void setTitleBackColorStart(std::int32_t v);
  std::int32_t TitleBackColorEnd() const;
  void setTitleBackColorEnd(std::int32_t v);
  bool TitleVertical() const;
  void setTitleVertical(bool v);
  std::shared_ptr<Font> TitleFont() const;
  void setTitleFont(std::shared_ptr<Font> v);
  std::int32_t TitleForeColor() const;
  void setTitleForeColor(std::int32_t v);
  std::int32_t TitleForeColorOver() const;
  void setTitleForeColorOver(std::int32_t v);
  std::string ToolTipText() const;
  void setToolTipText(const std::string& v);
  // Geometry lives in the dock's body box of the bar.
  std::int32_t Top();
  void setTop(std::int32_t v);
  std::int32_t Width();
  void setWidth(std::int32_t v);
  void setleft(std::int32_t v);
  bool HideByDefault() const;
  void setHideByDefault(bool v);
  void setfTitleHeight(std::int32_t v);
  void setfTitleTextHeight(std::int32_t v);
  void setfTopBar(std::int32_t v);

  // The hosted control: let hosts it at once, set first rejects an aligned control.
  std::shared_ptr<HostedControl> Control() const;
  void letControl(std::shared_ptr<HostedControl> c);
  void setControl(std::shared_ptr<HostedControl> c);

  // The library's side of the bar.
  detail::BarState& state() { return *state_; }
  const detail::BarState& state() const { return *state_; }

 private:
  std::unique_ptr<detail::BarState> state_;
};

}  // namespace kiv
