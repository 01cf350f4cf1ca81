// The Qt side of one dock's elements. It listens to every element change, builds a widget for
// each picture box, and brings the widgets up to date in one pass (flush): after each input
// event, and for changes made by the host when control returns to the event loop. Positions are
// read only in that pass, never while the dock is in the middle of a change.
#pragma once

#include <QLineF>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "element_painter.h"
#include "input_router.h"
#include "kivdock/kivdock.h"
#include "kivdock/qt/qt_platform.h"

namespace kiv::qt {
class KivDockWidget;
}

namespace kiv::qt::detail {

class ElementWidget;

// A separator line of the surface as last brought up to date.
struct LineSnapshot {
  bool visible = false;
  QLineF line;  // pixels
  std::int32_t colour = 0;
};

class DockView : public kiv::ElementObserver {
 public:
  DockView(KivDockWidget& surface, kiv::KivDock& dock, QtPlatform& platform);
  ~DockView() override;
  DockView(const DockView&) = delete;
  DockView& operator=(const DockView&) = delete;

  void elementCreated(Element& element) override;
  void elementDestroyed(Element& element) override;
  void elementChanged(Element& element, ElementProperty what) override;

  // Brings every widget up to date with its element.
  void flush();
  // Runs a call into the dock from a Qt event: failures stop at this boundary, then the widgets
  // catch up. False when the dock widget was deleted meanwhile (by a host's handler): the caller
  // must not touch the view, its widgets or itself any more.
  bool guarded(const std::function<void()>& call);
  // Called at the end of every flush that brought something up to date; it may delete the dock
  // widget.
  void setAfterFlush(std::function<void()> report) { afterFlush_ = std::move(report); }
  void wheel(QWheelEvent& event);
  // A host's handler of a dock event runs: the dock is in the middle of a call.
  void beginHostCall();
  void endHostCall();

  kiv::KivDock& dock() { return dock_; }
  kiv::Elements& elements() { return dock_.elements(); }
  KivDockWidget& surfaceWidget() { return surface_; }
  QtPlatform& platform() { return platform_; }
  QScrollBar* scrollBar() const { return scrollBar_; }
  ElementPainter& painter() { return painter_; }
  InputRouter& input() { return input_; }
  const LineSnapshot& line(int which) const { return lines_[which]; }

  // The widget of a picture box; nullptr for templates and other kinds.
  ElementWidget* widgetOf(const Element& box) const;
  // The widget that shows an element or paints it (the container's for windowless elements).
  QWidget* displayOf(const Element& element) const;
  // The windowless elements (labels, images, lines) inside a picture box or the surface.
  const std::vector<Element*>& windowlessIn(const Element& container) const;

 private:
  void scheduleFlush();
  void addWindowless(Element& element);
  void removeWindowless(Element& element);
  void buildWidgets();
  ElementWidget* buildWidget(PictureBox& box);
  void placeBox(ElementWidget& widget);
  void syncScrollBar();
  void snapshotLines();
  // Tab goes from title to title in the bars' order.
  void orderFocus();
  void onUserScroll(int value);

  KivDockWidget& surface_;
  kiv::KivDock& dock_;
  QtPlatform& platform_;
  ElementPainter painter_;
  InputRouter input_;
  QPointer<QScrollBar> scrollBar_;
  std::unordered_set<PictureBox*> unbuilt_;
  std::unordered_map<const Element*, ElementWidget*> boxes_;
  std::unordered_map<const Element*, std::vector<Element*>> windowless_;
  std::unordered_map<const Element*, const Element*> containerOf_;
  std::unordered_set<ElementWidget*> placeDirty_;
  std::unordered_set<ElementWidget*> raiseDirty_;
  bool scrollDirty_ = true;
  bool linesDirty_ = true;
  bool flushQueued_ = false;
  bool flushing_ = false;
  bool retryQueued_ = false;
  int busy_ = 0;
  LineSnapshot lines_[2];
  std::function<void()> afterFlush_;
};

}  // namespace kiv::qt::detail
