// The dock's private side: its fields, the operations its bars and collection call, its input
// entry points and the procedures of layout and painting that apply results to bars and
// elements. The interaction handlers (interaction/interaction.h) and the settings persistence
// (settings/settings.h) are their modules' functions over this state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "collection/bar_collection.h"
#include "interaction/interaction.h"
#include "kivdock/bar.h"
#include "kivdock/bars.h"
#include "kivdock/broker.h"
#include "kivdock/dock.h"
#include "kivdock/elements.h"
#include "kivdock/events.h"
#include "kivdock/shared_services.h"
#include "model/bar_state.h"
#include "model/layouting_host.h"
#include "platform/element_host.h"
#include "platform/errors.h"
#include "platform/failure.h"
#include "settings/settings.h"

namespace kiv::detail {

class DockCore final : public ElementHost, public LayoutingHost {
 public:
  explicit DockCore(KivDock& owner);
  ~DockCore() override;
  DockCore(const DockCore&) = delete;
  DockCore& operator=(const DockCore&) = delete;

  // Marks one call from outside (host, bar, collection, element input). It keeps the dock alive
  // while the call runs, counts nesting, stops a recursion that would exhaust the stack and,
  // when the outermost call ends, finishes deferred layout work.
  class Scope {
   public:
    explicit Scope(DockCore& core);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    DockCore& core_;
    std::shared_ptr<KivDock> keepAlive_;
    ReportPreparation beforeReport_;
  };

  // Public members of the control (dock/dock_members.cpp).
  clsBars& Bars() override { return *bars_; }
  bool AllowScroll() const { return mAllowScroll; }
  void setAllowScroll(bool v);
  bool Show() const { return mShow; }
  void setShow(bool v);
  bool DoLoadSettings() const { return mDoLoadSettings; }
  void setDoLoadSettings(bool v) { mDoLoadSettings = v; }
  const std::string& SettingsSection() const { return settingsSection_; }
  void setSettingsSection(const std::string& section) { settingsSection_ = section; }
  void ShowElement(std::int32_t Index);
  Hwnd hWndItem(std::int16_t Index) override;
  void Save();
  void setEventSink(KivDockEvents* sink) { sink_ = sink; }
  void addEventListener(KivDockEvents* listener);
  void removeEventListener(KivDockEvents* listener);
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  void setSize(std::int32_t width, std::int32_t height);
  Elements& elements() { return *elements_; }
  void terminate();

  // LayoutingHost: operations the collection calls (dock/element_sets.cpp).
  std::shared_ptr<cKivBar> fBarAdd() override;
  void fClear() override;

  // LayoutingHost: operations a bar calls with its index (layout/).
  void fRefreshBar(std::int16_t index) override;
  void fArrangeTitle(std::int16_t index) override;
  void fBarStateChanged(std::int16_t index, EKivBarStates& oldState) override;
  void fBarHeightChanged(std::int16_t index, std::int32_t height) override;
  void fSetBarTop(std::int16_t index, std::int32_t& top) override;
  void fSetBarLeft(std::int16_t index, std::int32_t& left) override;
  void fSetBarWidth(std::int16_t index, std::int32_t& width) override;
  std::int32_t fGetBarTop(std::int16_t index) override;
  std::int32_t fGetBarWidth(std::int16_t index) override;

  // Deferred stacking: a restack that waits is done before anything that depends on it.
  void settlePendingRestack() override;
  void runCall(void (*work)(void* context), void* context) override;

  // ElementHost: user input from the elements (interaction/element_input.cpp).
  void elementClick(Element& element) override;
  void elementMouseDown(Element& element, std::int16_t button, std::int16_t shift, float x,
                        float y) override;
  void elementMouseMove(Element& element, std::int16_t button, std::int16_t shift, float x,
                        float y) override;
  void elementMouseUp(Element& element, std::int16_t button, std::int16_t shift, float x,
                      float y) override;
  void elementDragDrop(Element& element, float x, float y) override;
  void scrollChanged(VScrollBar& scroll) override;

 private:
  // dock/
  void pHideBar(std::int16_t index);
  void onResize();
  void raiseClosed(const std::string& key);
  void raiseCtlResize(const std::string& key);
  void raiseRightClick(std::string& key);
  void raiseOptShow(std::string& key, bool& reload);
  template <typename Call>
  void raise(Call call);
  // layout/layout_pass.cpp
  void OrderBars(bool save);
  std::int32_t pResizeHeight();
  void requestRestack();
  void pRefreshAll();
  void pPaintAll();
  // layout/heights.cpp, layout/height_triggers.cpp
  void pAutoSize();
  [[noreturn]] void stopRunaway();
  bool shareNestedHeights();
  void pCalcHeight(std::int16_t index, std::int16_t& neighbour);
  void pSetSplitLimits();
  void pSplitMove(std::int16_t index);
  void pBarResized(std::int16_t index);
  // layout/widths.cpp
  void pResizeWidth(std::int32_t w);
  // layout/body_placement.cpp
  void pPlaceSplit(std::int16_t index);
  void pPlaceControl(std::int16_t index);
  // visuals/
  void pArrangeTitle(std::int32_t index);
  void pPaint(std::int16_t index);
  void pPaintTitle(std::int32_t index);
  void pLoadColors();
  std::int32_t pGetColor(std::int32_t number);
  // The procedures of the interaction and settings modules work on the dock's state.
  friend void interaction::collapseClicked(DockCore&, std::int16_t);
  friend void interaction::expandClicked(DockCore&, std::int16_t);
  friend void interaction::upClicked(DockCore&, std::int16_t);
  friend void interaction::downClicked(DockCore&, std::int16_t);
  friend void interaction::optionsClicked(DockCore&, std::int16_t);
  friend void interaction::pTitleRightClick(DockCore&, std::int16_t);
  friend void interaction::titleMouseDown(DockCore&, std::int16_t, std::int16_t);
  friend void interaction::DockBar_DragDrop(DockCore&, std::int16_t);
  friend void interaction::dockDragDrop(DockCore&, float, float);
  friend void interaction::splitMouseMove(DockCore&, std::int16_t, std::int16_t, float);
  friend void interaction::splitMouseUp(DockCore&, std::int16_t);
  friend void settings::pSaveSettings(DockCore&);
  friend void settings::pLoadSettings(DockCore&);

  // The host's services object, reached after deferred work is done (the host may read).
  std::shared_ptr<SharedServices> hostServices();
  // The bar of an index; KivError 91 when there is none (a missing object).
  std::shared_ptr<cKivBar> bar(std::int32_t index);
  // The bar at an order position; KivError 91 when there is none.
  std::shared_ptr<cKivBar> barAtOrder(std::int32_t position);
  // An object that must be there (KivError 91 otherwise); a bar as the library made it.
  static LibraryBar& must(const std::shared_ptr<cKivBar>& bar) {
    return libraryBar(detail::must(bar));
  }
  template <class T>
  static T& must(const std::shared_ptr<T>& p) {
    return detail::must(p);
  }

  KivDock& owner_;
  std::unique_ptr<Elements> elements_;
  std::shared_ptr<clsEvents> mEvents;
  BarsHandle bars_;
  bool mAllowScroll = false;
  bool mDoLoadSettings = true;
  std::string settingsSection_ = "DockBar";
  bool mShow = false;
  bool mLoading = false;
  std::int32_t mDragIndex = 0;
  KivDockEvents* sink_ = nullptr;
  std::vector<KivDockEvents*> listeners_;
  std::int32_t width_ = 4800, height_ = 3600;
  int depth_ = 0;                  // nested calls from outside
  std::uintptr_t stackFloor_ = 0;  // nested calls below this stack address are a runaway
  bool runaway_ = false;
  std::uint64_t sharingsThisCall_ = 0;  // height sharings begun since the outermost call began
  bool settling_ = false;
  bool savingOnExit_ = false;
  std::int16_t sharedWrite_ = 0;    // the bar getting a height the nested sharings already gave
  bool stepByStepSharing_ = false;  // a sharing the engine found short runs its nested ones
};

}  // namespace kiv::detail
