// The library's side of a bar: its stored values, its broker and the control it hosts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/bar.h"
#include "kivdock/broker.h"
#include "kivdock/hosted_control.h"
#include "kivdock/types.h"

namespace kiv::detail {

struct BarKey {};

struct BarState {
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
  std::shared_ptr<clsEvents> broker_;
};

// The bar as the library makes it: the host's bar and what the last stacking found for its up and
// down buttons. Every bar is one, since only the library can create bars.
class LibraryBar final : public cKivBar {
 public:
  explicit LibraryBar(const BarKey& key) : cKivBar(key) {}
  bool fCanMoveUp = false, fCanMoveDown = false;
};

inline LibraryBar& libraryBar(cKivBar& bar) { return static_cast<LibraryBar&>(bar); }

// Creates a bar that reaches its dock through the broker.
std::shared_ptr<cKivBar> makeBar(std::shared_ptr<clsEvents> broker);

// Hosting a control: pSetControl's work, inside its scope, and giving the hosted control back to
// its former parent; the control leaves the bar before the host hears of it.
void hostControl(cKivBar& bar, std::shared_ptr<HostedControl> control);
void giveBackControl(cKivBar& bar);

}  // namespace kiv::detail
